// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case_record.h"

// Remainders below this (0.1 % of the estate, negative ones included) are none.
inline constexpr double RemainderThreshold = 0.001;

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
