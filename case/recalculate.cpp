// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/calculation.h"

void Recalculate(CaseRecord &c)
{
    ClearShares(c);
    if (c.FatherAlive == 1 || c.GrandFatherAlive == 1)
        DistributeWithFather(c);
    else
        DistributeWithoutFather(c);
}
