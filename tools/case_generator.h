// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pseudo-random cases for the property test and the benchmark; the same
// seed always gives the same cases.

#include "case/case_record.h"

#include <cstdint>
#include <random>

namespace calctest {

// Records as the questionnaires can leave them: the pairs they never set
// together stay apart, lower generations are asked only when the one above
// has no male, and maternal siblings only without descendants.
class CaseGenerator
{
public:
    explicit CaseGenerator(std::uint64_t seed) : m_rng(seed) {}

    CaseRecord next()
    {
        CaseRecord c;
        c.Language = flag();
        c.FatherAlive = flag();
        if (c.FatherAlive == 0 && chance(60)) {
            c.GrandFatherAlive = 1;
            if (chance(30)) {
                // The first method, as the method window leaves it.
                c.GrandFatherAsFather = 1;
                c.FatherAlive = 1;
                c.GrandFatherAlive = 0;
            }
        }
        c.MotherAlive = flag();
        if (c.MotherAlive == 0) {
            c.MaternalGrandMotherAlive = flag();
            c.ParentalGrandMotherAlive = flag();
        }
        if (chance(70)) { // married
            if (flag())
                c.HusbandAlive = flag();
            else
                c.WifeCount = static_cast<std::int16_t>(m_rng() % 5);
        }
        if (chance(60)) { // children
            c.SonCount = count();
            c.DaughterCount = count();
            if (c.SonCount == 0) {
                c.SonsSonCount = count();
                c.SonsDaughterCount = count();
                if (c.SonsSonCount == 0) {
                    c.SonsSonsSonCount = count();
                    c.SonsSonsDaughterCount = count();
                }
            }
        }
        const bool descendants = c.SonCount + c.DaughterCount + c.SonsSonCount + c.SonsDaughterCount
                + c.SonsSonsSonCount + c.SonsSonsDaughterCount != 0;
        const bool maleDescendant = c.SonCount + c.SonsSonCount + c.SonsSonsSonCount != 0;
        if (!maleDescendant && chance(80)) {
            c.FullBrotherCount = count();
            c.FullSisterCount = count();
            c.ParentalBrotherCount = count();
            c.ParentalSisterCount = count();
            if (!descendants) {
                c.MaternalBrotherCount = count();
                c.MaternalSisterCount = count();
                c.MaternalSiblingCount = static_cast<std::int16_t>(c.MaternalBrotherCount + c.MaternalSisterCount);
            }
            c.BrothersSonCount = count();
            c.ParentalBrothersSonCount = count();
            c.FullUncleCount = count();
            c.ParentalUncleCount = count();
            c.FullUnclesSonCount = count();
            c.ParentalUnclesSonCount = count();
        }
        return c;
    }

private:
    bool chance(int percent) { return int(m_rng() % 100) < percent; }
    std::int16_t flag() { return static_cast<std::int16_t>(m_rng() % 2); }
    // Mostly none or a few, sometimes up to the lists' 50.
    std::int16_t count()
    {
        const int r = int(m_rng() % 100);
        if (r < 55)
            return 0;
        if (r < 85)
            return static_cast<std::int16_t>(1 + m_rng() % 3);
        return static_cast<std::int16_t>(m_rng() % 51);
    }

    std::mt19937_64 m_rng;
};

} // namespace calctest
