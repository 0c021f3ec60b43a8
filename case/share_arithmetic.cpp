// SPDX-License-Identifier: GPL-3.0-or-later
// Totals, proportional reduction, the residue chain, the return of a surplus
// and the treasury.

#include "case/calculation.h"
#include "case/share_steps.h"

using calc::count;

void ComputeTotals(CaseRecord &c)
{
    // The order of the sum is fixed: a different order rounds differently.
    double t = c.FatherShare;
    t = t + c.GrandFatherShare;
    t = t + count(c.SonCount) * c.SonShare;
    t = t + c.MotherShare;
    t = t + c.HusbandShare;
    t = t + c.WifeShare;
    t = t + count(c.DaughterCount) * c.DaughterShare;
    t = t + count(c.SonsSonCount) * c.SonsSonShare;
    t = t + count(c.SonsDaughterCount) * c.SonsDaughterShare;
    t = t + c.GrandMotherShare;
    t = t + count(c.FullBrotherCount) * c.FullBrotherShare;
    t = t + count(c.FullSisterCount) * c.FullSisterShare;
    t = t + count(c.ParentalBrotherCount) * c.ParentalBrotherShare;
    t = t + count(c.ParentalSisterCount) * c.ParentalSisterShare;
    t = t + count(c.MaternalSiblingCount) * c.MaternalSiblingShare;
    t = t + count(c.SonsSonsDaughterCount) * c.SonsSonsDaughterShare;
    t = t + count(c.SonsSonsSonCount) * c.SonsSonsSonShare;
    t = t + count(c.FullUncleCount) * c.FullUncleShare;
    t = t + count(c.BrothersSonCount) * c.BrothersSonShare;
    t = t + count(c.ParentalBrothersSonCount) * c.ParentalBrothersSonShare;
    t = t + count(c.ParentalUncleCount) * c.ParentalUncleShare;
    t = t + count(c.ParentalUnclesSonCount) * c.ParentalUnclesSonShare;
    t = t + c.TreasuryShare;
    t = t + count(c.FullUnclesSonCount) * c.FullUnclesSonShare;
    c.ShareTotal = t;
    c.Remainder = 1.0 - c.ShareTotal;
    if (c.Remainder < RemainderThreshold)
        c.Remainder = 0;
}

void ReduceShares(CaseRecord &c)
{
    // Only fixed shares are scaled: the residuaries hold nothing when the
    // fixed shares exceed the estate.
    const double total = c.ShareTotal;
    c.MotherShare = c.MotherShare / total;
    c.GrandMotherShare = c.GrandMotherShare / total;
    c.FullBrotherShare = c.FullBrotherShare / total;
    c.FullSisterShare = c.FullSisterShare / total;
    c.ParentalBrotherShare = c.ParentalBrotherShare / total;
    c.MaternalSiblingShare = c.MaternalSiblingShare / total;
    c.ParentalSisterShare = c.ParentalSisterShare / total;
    c.WifeShare = c.WifeShare / total;
    c.HusbandShare = c.HusbandShare / total;
    c.SonsDaughterShare = c.SonsDaughterShare / total;
    c.SonsSonsDaughterShare = c.SonsSonsDaughterShare / total;
    c.DaughterShare = c.DaughterShare / total;
    c.FatherShare = c.FatherShare / total;
    c.GrandFatherShare = c.GrandFatherShare / total;
    ComputeTotals(c);
}

namespace calc {

void residueChain(CaseRecord &c)
{
    const double r = c.Remainder;
    if (c.BrothersSonCount != 0)
        givePerHead(r, c.BrothersSonCount, c.BrothersSonShare);
    else if (c.ParentalBrothersSonCount != 0)
        givePerHead(r, c.ParentalBrothersSonCount, c.ParentalBrothersSonShare);
    else if (c.FullUncleCount != 0)
        givePerHead(r, c.FullUncleCount, c.FullUncleShare);
    else if (c.ParentalUncleCount != 0)
        givePerHead(r, c.ParentalUncleCount, c.ParentalUncleShare);
    else if (c.FullUnclesSonCount != 0)
        givePerHead(r, c.FullUnclesSonCount, c.FullUnclesSonShare);
    else if (c.ParentalUnclesSonCount != 0)
        givePerHead(r, c.ParentalUnclesSonCount, c.ParentalUnclesSonShare);
}

} // namespace calc

namespace {

bool hasReturnHeir(const CaseRecord &c)
{
    return c.DaughterCount != 0 || c.SonsDaughterCount != 0 || c.ParentalGrandMotherAlive != 0
        || c.SonsSonsDaughterCount != 0 || c.FullSisterCount != 0 || c.ParentalSisterCount != 0
        || c.MotherAlive != 0 || c.MaternalGrandMotherAlive != 0 || c.MaternalSiblingCount != 0;
}

// The surplus goes back to the fixed-share heirs other than the spouses, in
// proportion to their shares. False when none of them holds anything.
bool returnSurplus(CaseRecord &c)
{
    const double rest = 1.0 - c.HusbandShare - c.WifeShare;
    double base = count(c.DaughterCount) * c.DaughterShare;
    base = base + count(c.SonsDaughterCount) * c.SonsDaughterShare;
    base = base + count(c.SonsSonsDaughterCount) * c.SonsSonsDaughterShare;
    base = base + count(c.FullSisterCount) * c.FullSisterShare;
    base = base + c.MotherShare;
    base = base + c.GrandMotherShare;
    base = base + count(c.ParentalSisterCount) * c.ParentalSisterShare;
    base = base + count(c.MaternalSiblingCount) * c.MaternalSiblingShare;
    c.ReturnBase = base;
    if (!(base > 0))
        return false;   // guards the division; no reachable case gets here
    c.Remainder = rest;
    const auto scaled = [&](double share) { return c.Remainder * share / c.ReturnBase; };
    if (c.DaughterCount != 0)
        c.DaughterShare = scaled(c.DaughterShare);
    if (c.SonsDaughterCount != 0)
        c.SonsDaughterShare = scaled(c.SonsDaughterShare);
    if (c.SonsSonsDaughterCount != 0)
        c.SonsSonsDaughterShare = scaled(c.SonsSonsDaughterShare);
    if (c.FullSisterCount != 0)
        c.FullSisterShare = scaled(c.FullSisterShare);
    if (c.ParentalSisterCount != 0)
        c.ParentalSisterShare = scaled(c.ParentalSisterShare);
    if (c.MotherAlive != 0)
        c.MotherShare = scaled(c.MotherShare);
    if (c.MaternalGrandMotherAlive != 0 || c.ParentalGrandMotherAlive != 0)
        c.GrandMotherShare = scaled(c.GrandMotherShare);
    if (c.MaternalSiblingCount != 0)
        c.MaternalSiblingShare = scaled(c.MaternalSiblingShare);
    return true;
}

} // namespace

void ResidueToOthers(CaseRecord &c)
{
    ComputeTotals(c);
    calc::residueChain(c);
    ComputeTotals(c);

    if (somethingLeft(c)) {
        if (!hasReturnHeir(c) || !returnSurplus(c)) {
            if (c.HusbandAlive == 1)
                c.HusbandShare = c.HusbandShare + c.Remainder;
            if (c.WifeCount != 0)
                c.WifeShare = c.WifeShare + c.Remainder;
        }
    }

    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);

    if (somethingLeft(c)) {
        // Nobody can take the rest: it goes to the treasury, after the user
        // has been told.
        if (calculationHooks().noHeirsNotice)
            calculationHooks().noHeirsNotice(c);
        c.TreasuryShare = c.Remainder;
    }
}
