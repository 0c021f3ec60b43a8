// SPDX-License-Identifier: GPL-3.0-or-later
// The distribution when neither the father nor the father's father is alive.

#include "case/calculation.h"
#include "case/share_steps.h"

using namespace calc;

namespace {

// Step 1: the fixed shares as they stand beside descendants.
void fixedSharesWithDescendants(CaseRecord &c)
{
    if (c.MotherAlive == 1)
        c.MotherShare = 1.0 / 6.0;
    if (c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1)
        c.GrandMotherShare = 1.0 / 6.0;
    if (c.WifeCount != 0)
        c.WifeShare = 1.0 / 8.0;
    if (c.HusbandAlive == 1)
        c.HusbandShare = 1.0 / 4.0;
}

void sonsBlock(CaseRecord &c)
{
    ComputeTotals(c);
    if (c.DaughterCount != 0)
        splitTwoToOne(c.Remainder, c.SonCount, c.DaughterCount, c.SonShare, c.DaughterShare);
    else
        givePerHead(c.Remainder, c.SonCount, c.SonShare);
}

void oneDaughterBlock(CaseRecord &c)
{
    c.DaughterShare = 1.0 / 2.0;
    ComputeTotals(c);
    if (c.SonsSonCount != 0) {
        splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                      c.SonsSonShare, c.SonsDaughterShare);
    } else {
        if (c.SonsDaughterCount != 0)
            givePerHead(1.0 / 6.0, c.SonsDaughterCount, c.SonsDaughterShare);
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0)
            splitTwoToOne(c.Remainder, c.SonsSonsSonCount, c.SonsSonsDaughterCount,
                          c.SonsSonsSonShare, c.SonsSonsDaughterShare);
        if (c.SonsSonsSonCount == 0 && c.SonsDaughterCount == 0 && c.SonsSonsDaughterCount != 0)
            givePerHead(1.0 / 6.0, c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
    }
    ComputeTotals(c);
    if (somethingLeft(c))
        DescendantsResidue(c);
    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
}

void daughtersBlock(CaseRecord &c)
{
    givePerHead(2.0 / 3.0, c.DaughterCount, c.DaughterShare);
    ComputeTotals(c);
    if (somethingLeft(c)) {
        if (c.SonsSonCount != 0) {
            splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                          c.SonsSonShare, c.SonsDaughterShare);
        } else if (c.SonsSonsSonCount != 0) {
            // The sons' daughters, shut out of the two thirds, inherit with
            // the lower great-grandson.
            c.SonsSonsSonShare = 2.0 * c.Remainder
                / (count(c.SonsSonsDaughterCount) + count(c.SonsDaughterCount)
                   + 2.0 * count(c.SonsSonsSonCount));
            if (c.SonsSonsDaughterCount != 0)
                c.SonsSonsDaughterShare = c.SonsSonsSonShare / 2.0;
            if (c.SonsDaughterCount != 0)
                c.SonsDaughterShare = c.SonsSonsSonShare / 2.0;
        }
    }
    ComputeTotals(c);
    if (somethingLeft(c))
        DescendantsResidue(c);
    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
}

void grandchildrenBlock(CaseRecord &c)
{
    if (c.SonsSonCount != 0) { // D1
        ComputeTotals(c);
        if (c.SonsDaughterCount != 0)
            splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                          c.SonsSonShare, c.SonsDaughterShare);
        else
            givePerHead(c.Remainder, c.SonsSonCount, c.SonsSonShare);
    } else if (c.SonsDaughterCount == 1) { // D2
        c.SonsDaughterShare = 1.0 / 2.0;
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0) {
            ComputeTotals(c);
            greatGrandchildrenShareRest(c);
        }
        if (c.SonsSonsSonCount == 0 && c.SonsSonsDaughterCount != 0)
            givePerHead(1.0 / 6.0, c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
        ComputeTotals(c);
        if (somethingLeft(c))
            DescendantsResidue(c);
    } else if (c.SonsDaughterCount >= 2) { // D3
        givePerHead(2.0 / 3.0, c.SonsDaughterCount, c.SonsDaughterShare);
        ComputeTotals(c);
        if (somethingLeft(c) && c.SonsSonsSonCount != 0)
            greatGrandchildrenShareRest(c);
        ComputeTotals(c);
        if (overfull(c))
            ReduceShares(c);
        if (somethingLeft(c))
            DescendantsResidue(c);
    } else if (c.SonsSonsSonCount + c.SonsSonsDaughterCount != 0) { // D4
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0) {
            greatGrandchildrenShareRest(c);
        } else if (c.SonsSonsDaughterCount == 1) {
            c.SonsSonsDaughterShare = 1.0 / 2.0;
        } else {
            givePerHead(2.0 / 3.0, c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
        }
        ComputeTotals(c);
        if (somethingLeft(c))
            DescendantsResidue(c);
    }
}

void noDescendants(CaseRecord &c)
{
    if (c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1)
        c.GrandMotherShare = 1.0 / 6.0;
    if (c.WifeCount != 0)
        c.WifeShare = 1.0 / 4.0;
    if (c.HusbandAlive == 1)
        c.HusbandShare = 1.0 / 2.0;
    if (c.MotherAlive == 1)
        c.MotherShare = siblingCount(c) < 2 ? 1.0 / 3.0 : 1.0 / 6.0;
    ComputeTotals(c);
    if (somethingLeft(c))
        CollateralsShares(c);
}

} // namespace

void DistributeWithoutFather(CaseRecord &c)
{
    fixedSharesWithDescendants(c);

    if (c.SonCount != 0)
        sonsBlock(c);
    else if (c.DaughterCount == 1)
        oneDaughterBlock(c);
    else if (c.DaughterCount >= 2)
        daughtersBlock(c);
    else
        grandchildrenBlock(c);

    if (!hasDescendants(c))
        noDescendants(c);

    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
    openResults(c);
}

void DescendantsResidue(CaseRecord &c)
{
    ComputeTotals(c);
    const double r = c.Remainder;
    if (c.FullBrotherCount != 0) {
        splitTwoToOne(r, c.FullBrotherCount, c.FullSisterCount, c.FullBrotherShare, c.FullSisterShare);
    } else if (c.FullSisterCount != 0) {
        givePerHead(r, c.FullSisterCount, c.FullSisterShare);
    } else if (c.ParentalBrotherCount != 0) {
        splitTwoToOne(r, c.ParentalBrotherCount, c.ParentalSisterCount,
                      c.ParentalBrotherShare, c.ParentalSisterShare);
    } else if (c.ParentalSisterCount != 0) {
        givePerHead(r, c.ParentalSisterCount, c.ParentalSisterShare);
    } else {
        ComputeTotals(c);
        residueChain(c);
    }
    ComputeTotals(c);
    if (somethingLeft(c))
        ResidueToOthers(c);
}

namespace {

// Husband, mother or grandmother, two or more maternal siblings and full
// brothers: the full siblings join the maternal siblings in their third.
bool isSharedCase(const CaseRecord &c)
{
    return c.HusbandAlive == 1
        && (c.MotherAlive == 1 || c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1)
        && c.MaternalSiblingCount > 1 && c.FullBrotherCount != 0;
}

void sharedCase(CaseRecord &c)
{
    c.HusbandShare = 1.0 / 2.0;
    if (c.MotherAlive == 1)
        c.MotherShare = 1.0 / 6.0;
    if (c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1)
        c.GrandMotherShare = 1.0 / 6.0;
    c.MaternalSiblingShare = 0;
    ComputeTotals(c);
    // Equal shares per head, brothers and sisters alike.
    const double heads = count(c.FullBrotherCount) + count(c.FullSisterCount)
        + count(c.MaternalSiblingCount);
    const double each = c.Remainder / heads;
    c.FullBrotherShare = each;
    if (c.FullSisterCount != 0)
        c.FullSisterShare = each;
    c.MaternalSiblingShare = each;
}

} // namespace

void CollateralsShares(CaseRecord &c)
{
    if (c.MaternalSiblingCount == 1)
        c.MaternalSiblingShare = 1.0 / 6.0;
    else if (c.MaternalSiblingCount > 1)
        givePerHead(1.0 / 3.0, c.MaternalSiblingCount, c.MaternalSiblingShare);
    ComputeTotals(c);

    if (isSharedCase(c)) {
        sharedCase(c);
        return;
    }

    if (c.FullBrotherCount != 0) {
        splitTwoToOne(c.Remainder, c.FullBrotherCount, c.FullSisterCount,
                      c.FullBrotherShare, c.FullSisterShare);
    } else if (c.FullSisterCount == 1) {
        c.FullSisterShare = 1.0 / 2.0;
        ComputeTotals(c);
        if (c.ParentalBrotherCount != 0 && somethingLeft(c))
            splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                          c.ParentalBrotherShare, c.ParentalSisterShare);
        if (c.ParentalBrotherCount == 0 && c.ParentalSisterCount != 0)
            givePerHead(1.0 / 6.0, c.ParentalSisterCount, c.ParentalSisterShare);
    } else if (c.FullSisterCount >= 2) {
        givePerHead(2.0 / 3.0, c.FullSisterCount, c.FullSisterShare);
        ComputeTotals(c);
        // Paternal sisters alone receive nothing beside two full sisters.
        if (c.ParentalBrotherCount != 0 && somethingLeft(c))
            splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                          c.ParentalBrotherShare, c.ParentalSisterShare);
    }
    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);

    if (c.FullSisterCount + c.FullBrotherCount == 0) {
        ComputeTotals(c);
        if (c.ParentalBrotherCount != 0) {
            splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                          c.ParentalBrotherShare, c.ParentalSisterShare);
        } else if (c.ParentalSisterCount == 1) {
            c.ParentalSisterShare = 1.0 / 2.0;
        } else if (c.ParentalSisterCount > 1) {
            givePerHead(2.0 / 3.0, c.ParentalSisterCount, c.ParentalSisterShare);
        }
    }
    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
    if (somethingLeft(c))
        ResidueToOthers(c);
}
