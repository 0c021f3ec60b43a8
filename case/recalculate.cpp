// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/calculation.h"

namespace {

template <class N>
void recalculate(BasicCaseRecord<N> &c)
{
    ClearShares(c);
    if (c.FatherAlive == 1 || c.GrandFatherAlive == 1)
        DistributeWithFather(c);
    else
        DistributeWithoutFather(c);
}

} // namespace

void Recalculate(CaseRecord &c) { recalculate(c); }
void Recalculate(ExactRecord &c) { recalculate(c); }
