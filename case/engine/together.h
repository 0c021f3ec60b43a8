// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Relatives who die in one event (a drowning, a collapse, a fire) with no
// knowledge of who died first. Under the view diedTogether: none of them
// inherits from another (each estate to his own living heirs), or each
// inherits from the other's own property only, and what he takes passes to
// his living heirs, not back to the one who died with him.

#include "case/engine/successive.h"

namespace engine {

// --- those who die together ---------------------------------------------

struct TogetherDeath
{
    std::string person;                   // required: the others name him among their relatives
    std::vector<ChainRelative> relatives; // those who died with him are named among them
};

struct TogetherCase
{
    Result result;       // his own case under the view
    Working working;
    // Per holder, the fraction of this deceased's own property that reaches
    // him: directly, or (oldPropertyOnly) through one who died with him.
    std::vector<Rational> shares;
};

struct TogetherResult
{
    std::string error;
    std::vector<Holder> holders;          // the deceased are holders too (diedAt set), holding nothing
    std::vector<TogetherCase> cases;      // one per deceased
    // oldPropertyOnly: the case of each deceased's heirs without the others,
    // through which what he takes from another passes.
    std::vector<TogetherCase> passOn;
    bool ok() const { return error.empty(); }
};

TogetherResult workTogether(const std::vector<TogetherDeath> &deaths, const Views &views, Profile profile,
                            GrandfatherMethod method = GrandfatherMethod::NotChosen);

} // namespace engine
