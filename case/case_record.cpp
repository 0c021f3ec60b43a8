// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/case_record.h"

CaseRecord &theCase()
{
    static CaseRecord record;
    return record;
}

void ClearShares(CaseRecord &c)
{
    c.FatherShare = 0;
    c.MotherShare = 0;
    c.GrandFatherShare = 0;
    c.GrandMotherShare = 0;
    c.SonShare = 0;
    c.DaughterShare = 0;
    c.SonsSonShare = 0;
    c.SonsDaughterShare = 0;
    c.SonsSonsSonShare = 0;
    c.SonsSonsDaughterShare = 0;
    c.WifeShare = 0;
    c.HusbandShare = 0;
    c.FullBrotherShare = 0;
    c.FullSisterShare = 0;
    c.FullUncleShare = 0;
    c.BrothersSonShare = 0;
    c.ParentalBrothersSonShare = 0;
    c.FullUnclesSonShare = 0;
    c.ParentalUncleShare = 0;
    c.ParentalUnclesSonShare = 0;
    c.MaternalSiblingShare = 0;
    c.ParentalSisterShare = 0;
    c.ParentalBrotherShare = 0;
    c.TreasuryShare = 0;
}

void ClearCollateralCounts(CaseRecord &c)
{
    c.FullBrotherCount = 0;
    c.FullSisterCount = 0;
    c.FullUncleCount = 0;
    c.BrothersSonCount = 0;
    c.ParentalBrothersSonCount = 0;
    c.FullUnclesSonCount = 0;
    c.ParentalUncleCount = 0;
    c.ParentalUnclesSonCount = 0;
    c.MaternalSiblingCount = 0;
    c.MaternalSisterCount = 0;
    c.ParentalSisterCount = 0;
    c.ParentalBrotherCount = 0;
    c.MaternalBrotherCount = 0;
}

CalculationHooks &calculationHooks()
{
    static CalculationHooks hooks;
    return hooks;
}
