// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small steps shared by the distribution procedures (not part of the
// library's interface).

#include "case/calculation.h"

namespace calc {

inline double count(std::int16_t n)
{
    return static_cast<double>(n);
}

// Two parts to each male, one to each female of the same degree.
inline void splitTwoToOne(double r, std::int16_t males, std::int16_t females,
                          double &maleShare, double &femaleShare)
{
    maleShare = 2.0 * r / (2.0 * count(males) + count(females));
    if (females != 0)
        femaleShare = maleShare / 2.0;
}

// Each of `heads` receives p / heads.
inline void givePerHead(double p, std::int16_t heads, double &share)
{
    share = p / count(heads);
}

inline bool hasDescendants(const CaseRecord &c)
{
    return c.SonCount != 0 || c.DaughterCount != 0 || c.SonsSonCount != 0
        || c.SonsDaughterCount != 0 || c.SonsSonsSonCount != 0 || c.SonsSonsDaughterCount != 0;
}

inline int siblingCount(const CaseRecord &c)
{
    return c.FullBrotherCount + c.FullSisterCount + c.ParentalBrotherCount
        + c.ParentalSisterCount + c.MaternalSiblingCount;
}

// The first present class of distant male relatives takes what is left.
void residueChain(CaseRecord &c);

inline void openResults(const CaseRecord &c)
{
    if (calculationHooks().openResults)
        calculationHooks().openResults(c);
}

// What is left goes to the sons' sons' sons, with their sisters two to one.
inline void greatGrandchildrenShareRest(CaseRecord &c)
{
    if (!somethingLeft(c))
        return;
    if (c.SonsSonsDaughterCount != 0)
        splitTwoToOne(c.Remainder, c.SonsSonsSonCount, c.SonsSonsDaughterCount,
                      c.SonsSonsSonShare, c.SonsSonsDaughterShare);
    else
        givePerHead(c.Remainder, c.SonsSonsSonCount, c.SonsSonsSonShare);
}

} // namespace calc
