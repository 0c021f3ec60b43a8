// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_record.h"

// Remainders below this (0.1 % of the estate, negative ones included) are none.
inline constexpr double RemainderThreshold = 0.001;
// A total may exceed the estate by rounding noise; only more than this is an
// excess that calls for a reduction.
inline constexpr double OverfullTolerance = 1e-9;

// Every "is anything left" test after ComputeTotals: rounding noise never
// chooses a branch (a total of 0.9999999999999999 is the whole estate).
inline bool somethingLeft(const CaseRecord &c)
{
    return c.Remainder >= RemainderThreshold;
}

// The shares given exceed the estate by more than rounding noise.
inline bool overfull(const CaseRecord &c)
{
    return c.ShareTotal > 1.0 + OverfullTolerance;
}

// Share arithmetic.
void ComputeTotals(CaseRecord &c);
void ReduceShares(CaseRecord &c);
void ResidueToOthers(CaseRecord &c);

// Distributions. Both end by calling calculationHooks().openResults.
void DistributeWithoutFather(CaseRecord &c);
void DescendantsResidue(CaseRecord &c);
void CollateralsShares(CaseRecord &c);
void GrandFatherWithSiblings(CaseRecord &c);
void DistributeWithFather(CaseRecord &c);

// Clears the 24 shares, then runs the distribution that fits the record:
// DistributeWithFather when the father or grandfather is alive, otherwise
// DistributeWithoutFather. The windows add their hiding around this.
void Recalculate(CaseRecord &c);
