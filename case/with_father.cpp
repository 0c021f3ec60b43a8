// SPDX-License-Identifier: GPL-3.0-or-later
// The distribution when the father or the father's father is alive.

#include "case/calculation.h"
#include "case/share_steps.h"

using namespace calc;

namespace {

void grandfatherSixth(CaseRecord &c)
{
    if (c.GrandFatherAlive == 1)
        c.GrandFatherShare = 1.0 / 6.0;
}

// The grandfather with the siblings, then whatever is still left is his.
void grandfatherTakesRest(CaseRecord &c)
{
    GrandFatherWithSiblings(c);
    ComputeTotals(c);
    if (somethingLeft(c))
        c.GrandFatherShare = c.GrandFatherShare + c.Remainder;
}

// What the female descendants leave goes to the father or the grandfather.
void settleResidue(CaseRecord &c)
{
    if (c.FatherAlive == 1)
        c.FatherShare = c.FatherShare + c.Remainder;
    if (c.GrandFatherAlive == 1) {
        if (c.SonCount + c.SonsSonCount + c.SonsSonsSonCount == 0)
            grandfatherTakesRest(c);
        else
            c.GrandFatherShare = c.GrandFatherShare + c.Remainder;
    }
}

void fixedSharesWithDescendants(CaseRecord &c)
{
    if (c.FatherAlive == 1)
        c.FatherShare = 1.0 / 6.0;
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
    grandfatherSixth(c);
    ComputeTotals(c);
    if (c.DaughterCount != 0)
        splitTwoToOne(c.Remainder, c.SonCount, c.DaughterCount, c.SonShare, c.DaughterShare);
    else
        givePerHead(c.Remainder, c.SonCount, c.SonShare);
}

void oneDaughterBlock(CaseRecord &c)
{
    grandfatherSixth(c);
    c.DaughterShare = 1.0 / 2.0;
    ComputeTotals(c);
    if (c.SonsSonCount != 0) {
        ComputeTotals(c);
        splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                      c.SonsSonShare, c.SonsDaughterShare);
    } else {
        // The sons' daughters complete the two thirds.
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
        settleResidue(c);
    if (overfull(c))
        ReduceShares(c);
}

void daughtersBlock(CaseRecord &c)
{
    givePerHead(2.0 / 3.0, c.DaughterCount, c.DaughterShare);
    grandfatherSixth(c);
    ComputeTotals(c);
    if (somethingLeft(c)) {
        if (c.SonsSonCount != 0) {
            grandfatherSixth(c);
            ComputeTotals(c);
            splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                          c.SonsSonShare, c.SonsDaughterShare);
            ComputeTotals(c);
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
        settleResidue(c);
    if (overfull(c))
        ReduceShares(c);
    ComputeTotals(c);
}

// Beside only female grandchildren or great-grandchildren the grandfather's
// sixth is given before their totals, as beside daughters. An excess is left
// to the closing reduction: reducing here as well would scale the estate twice
// once his options are weighed.
void grandchildrenBlock(CaseRecord &c)
{
    if (c.SonsSonCount != 0) { // D1
        grandfatherSixth(c);
        ComputeTotals(c);
        if (c.SonsDaughterCount != 0)
            splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                          c.SonsSonShare, c.SonsDaughterShare);
        else
            givePerHead(c.Remainder, c.SonsSonCount, c.SonsSonShare);
    } else if (c.SonsDaughterCount == 1) { // D2
        grandfatherSixth(c);
        c.SonsDaughterShare = 1.0 / 2.0;
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0) {
            grandfatherSixth(c);
            ComputeTotals(c);
            greatGrandchildrenShareRest(c);
        }
        if (c.SonsSonsSonCount == 0 && c.SonsSonsDaughterCount != 0)
            givePerHead(1.0 / 6.0, c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
        ComputeTotals(c);
        if (somethingLeft(c)) {
            if (c.FatherAlive == 1)
                c.FatherShare = c.FatherShare + c.Remainder;
            if (c.GrandFatherAlive == 1)
                grandfatherTakesRest(c);
        }
    } else if (c.SonsDaughterCount >= 2) { // D3
        givePerHead(2.0 / 3.0, c.SonsDaughterCount, c.SonsDaughterShare);
        grandfatherSixth(c);
        ComputeTotals(c);
        if (somethingLeft(c) && c.SonsSonsSonCount != 0) {
            grandfatherSixth(c);
            ComputeTotals(c);
            ComputeTotals(c);
            greatGrandchildrenShareRest(c);
        }
        ComputeTotals(c);
        if (overfull(c))
            ReduceShares(c);
        if (somethingLeft(c))
            settleResidue(c);
    } else if (c.SonsSonsSonCount + c.SonsSonsDaughterCount != 0) { // D4
        grandfatherSixth(c);
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0) {
            ComputeTotals(c);
            greatGrandchildrenShareRest(c);
        } else {
            if (c.SonsSonsDaughterCount == 1)
                c.SonsSonsDaughterShare = 1.0 / 2.0;
            else
                givePerHead(2.0 / 3.0, c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
            ComputeTotals(c);
            if (c.FatherAlive == 1 && somethingLeft(c))
                c.FatherShare = c.FatherShare + c.Remainder;
            if (c.GrandFatherAlive == 1)
                grandfatherTakesRest(c);
        }
    }
}

void noDescendants(CaseRecord &c)
{
    if (c.MaternalGrandMotherAlive == 1)
        c.GrandMotherShare = 1.0 / 6.0;
    if (c.WifeCount != 0)
        c.WifeShare = 1.0 / 4.0;
    if (c.HusbandAlive == 1)
        c.HusbandShare = 1.0 / 2.0;
    c.MotherShare = 0;
    c.FatherShare = 0;
    ComputeTotals(c);
    const int siblings = siblingCount(c);

    if (c.FatherAlive == 1 && somethingLeft(c)) {
        // With fewer than two siblings the mother takes a third of what the
        // spouse and the grandmother leave.
        if (c.MotherAlive == 1)
            c.MotherShare = siblings < 2 ? c.Remainder / 3.0 : 1.0 / 6.0;
        ComputeTotals(c);
        if (somethingLeft(c))
            c.FatherShare = c.FatherShare + c.Remainder;
    }
    if (c.GrandFatherAlive == 1) {
        if (siblings == 0 && c.MotherAlive == 1)
            c.MotherShare = 1.0 / 3.0;
        grandfatherTakesRest(c);
    }
}

} // namespace

void DistributeWithFather(CaseRecord &c)
{
    if (c.GrandFatherAsFather == 1) {
        // The grandfather is computed in the father's place.
        c.GrandFatherAlive = 0;
        c.FatherAlive = 1;
    }

    if (c.FatherAlive == 1 || c.GrandFatherAlive == 1) {
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
    }

    if (c.GrandFatherAsFather == 1) {
        // The report shows the grandfather's line, not the father's.
        c.GrandFatherShare = c.FatherShare;
        c.FatherShare = 0;
    }

    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
    openResults(c);
}
