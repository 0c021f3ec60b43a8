// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of a case over paths as a teacher writes it, read from the
// calculation's result: the base of the fixed shares, its 'awl or its
// return, the base corrected so every head has whole parts, and each
// member's parts.

#include "case/engine/result.h"

#include <cstdint>
#include <vector>

namespace engine {

struct MemberParts
{
    std::int64_t parts = 0;      // of the corrected base, all heads together
    std::int64_t partsEach = 0;  // each head's
};

struct Working
{
    std::int64_t base = 0;          // of the fixed shares, or the residuaries' heads
    std::int64_t awlBase = 0;       // 0 without 'awl
    std::int64_t returnBase = 0;    // 0 without return
    std::int64_t spouseBase = 0;    // with a return beside a spouse: the spouse's case
    std::int64_t combinedBase = 0;  // and the two cases combined
    std::int64_t correctedBase = 0;
    std::int64_t reducedBase = 0;   // when every part shares a factor: the base it reduces to
    std::vector<MemberParts> parts;  // one per member of the result, in its order
    std::int64_t treasuryParts = 0;
};

Working workOf(const Result &r);

} // namespace engine
