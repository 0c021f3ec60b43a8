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
template <class N>
inline bool somethingLeft(const BasicCaseRecord<N> &c)
{
    return c.Remainder >= RemainderThreshold;
}

// The shares given exceed the estate by more than rounding noise.
template <class N>
inline bool overfull(const BasicCaseRecord<N> &c)
{
    return c.ShareTotal > 1.0 + OverfullTolerance;
}

// Every procedure runs on the program's doubles and, for the working of a
// case, on exact numbers; both take the same branches.

// Share arithmetic.
void ComputeTotals(CaseRecord &c);
void ComputeTotals(ExactRecord &c);
void ReduceShares(CaseRecord &c);
void ReduceShares(ExactRecord &c);
void ResidueToOthers(CaseRecord &c);
void ResidueToOthers(ExactRecord &c);

// Distributions. Both end by calling calculationHooks().openResults (on
// doubles only).
void DistributeWithoutFather(CaseRecord &c);
void DistributeWithoutFather(ExactRecord &c);
void DescendantsResidue(CaseRecord &c);
void DescendantsResidue(ExactRecord &c);
void CollateralsShares(CaseRecord &c);
void CollateralsShares(ExactRecord &c);
void GrandFatherWithSiblings(CaseRecord &c);
void GrandFatherWithSiblings(ExactRecord &c);
void DistributeWithFather(CaseRecord &c);
void DistributeWithFather(ExactRecord &c);

// Clears the 24 shares, then runs the distribution that fits the record:
// DistributeWithFather when the father or grandfather is alive, otherwise
// DistributeWithoutFather. The windows add their hiding around this.
void Recalculate(CaseRecord &c);
void Recalculate(ExactRecord &c);
