// SPDX-License-Identifier: GPL-3.0-or-later
// The distribution when the father or the father's father is alive.

#include "case/calculation.h"
#include "case/share_steps.h"

using namespace calc;

namespace {

template <class N>
void grandfatherSixth(BasicCaseRecord<N> &c)
{
    if (c.GrandFatherAlive == 1) {
        c.GrandFatherShare = fraction<N>(1, 6);
        note(c, Heir::GrandFather, Rule::GrandFatherSixth);
    }
}

// The grandfather with the siblings, then whatever is still left is his:
// beside female descendants on top of his sixth, otherwise as the residue.
template <class N>
void grandfatherTakesRest(BasicCaseRecord<N> &c)
{
    GrandFatherWithSiblings(c);
    ComputeTotals(c);
    if (somethingLeft(c)) {
        c.GrandFatherShare = c.GrandFatherShare + c.Remainder;
        noteAdded(c, Heir::GrandFather, hasDescendants(c) ? Rule::SixthAndResidue : Rule::Residue);
    }
}

template <class N>
void fatherTakesRest(BasicCaseRecord<N> &c)
{
    c.FatherShare = c.FatherShare + c.Remainder;
    noteAdded(c, Heir::Father, Rule::SixthAndResidue);
}

// What the female descendants leave goes to the father or the grandfather.
template <class N>
void settleResidue(BasicCaseRecord<N> &c)
{
    if (c.FatherAlive == 1)
        fatherTakesRest(c);
    if (c.GrandFatherAlive == 1) {
        if (c.SonCount + c.SonsSonCount + c.SonsSonsSonCount == 0)
            grandfatherTakesRest(c);
        else {
            c.GrandFatherShare = c.GrandFatherShare + c.Remainder;
            noteAdded(c, Heir::GrandFather, Rule::SixthAndResidue);
        }
    }
}

template <class N>
void fixedSharesWithDescendants(BasicCaseRecord<N> &c)
{
    if (c.FatherAlive == 1) {
        c.FatherShare = fraction<N>(1, 6);
        note(c, Heir::Father, Rule::FatherSixth);
    }
    fixedSharesBesideDescendants(c);
}

template <class N>
void sonsBlock(BasicCaseRecord<N> &c)
{
    grandfatherSixth(c);
    sonsTakeResidue(c);
}

template <class N>
void oneDaughterBlock(BasicCaseRecord<N> &c)
{
    grandfatherSixth(c);
    c.DaughterShare = fraction<N>(1, 2);
    note(c, Heir::Daughter, Rule::DaughterHalf);
    ComputeTotals(c);
    besideOneDaughter(c);
    ComputeTotals(c);
    if (somethingLeft(c))
        settleResidue(c);
    if (overfull(c))
        ReduceShares(c);
}

template <class N>
void daughtersBlock(BasicCaseRecord<N> &c)
{
    givePerHead(fraction<N>(2, 3), c.DaughterCount, c.DaughterShare);
    note(c, Heir::Daughter, Rule::DaughtersTwoThirds);
    grandfatherSixth(c);
    ComputeTotals(c);
    // The grandfather's sixth stands; the sons' children take what is left.
    if (somethingLeft(c))
        besideTwoThirds(c);
    ComputeTotals(c);
    if (somethingLeft(c))
        settleResidue(c);
    if (overfull(c))
        ReduceShares(c);
    ComputeTotals(c);
}

// No son or daughter. Beside only female grandchildren or great-grandchildren
// the grandfather's sixth is given before their totals, as beside daughters.
// An excess is left to the closing reduction: reducing here as well would
// scale the estate twice once his options are weighed.
template <class N>
void grandchildrenBlock(BasicCaseRecord<N> &c)
{
    if (c.SonsSonCount != 0) {
        // A son's son: the residue with his sisters.
        grandfatherSixth(c);
        ComputeTotals(c);
        if (c.SonsDaughterCount != 0)
            splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                          c.SonsSonShare, c.SonsDaughterShare);
        else
            givePerHead(c.Remainder, c.SonsSonCount, c.SonsSonShare);
        noteResidue(c, Heir::SonsSon, Heir::SonsDaughter, c.SonsDaughterCount);
    } else if (c.SonsDaughterCount == 1) {
        // One son's daughter: a half, as one daughter.
        grandfatherSixth(c);
        c.SonsDaughterShare = fraction<N>(1, 2);
        note(c, Heir::SonsDaughter, Rule::SonsDaughterHalf);
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0) {
            grandfatherSixth(c);
            ComputeTotals(c);
            greatGrandchildrenShareRest(c);
        }
        if (c.SonsSonsSonCount == 0 && c.SonsSonsDaughterCount != 0) {
            givePerHead(fraction<N>(1, 6), c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
            note(c, Heir::SonsSonsDaughter, Rule::SonsSonsDaughterSixth);
        }
        ComputeTotals(c);
        if (somethingLeft(c)) {
            if (c.FatherAlive == 1)
                fatherTakesRest(c);
            if (c.GrandFatherAlive == 1)
                grandfatherTakesRest(c);
        }
    } else if (c.SonsDaughterCount >= 2) {
        // Two or more sons' daughters: two thirds, as daughters.
        givePerHead(fraction<N>(2, 3), c.SonsDaughterCount, c.SonsDaughterShare);
        note(c, Heir::SonsDaughter, Rule::SonsDaughtersTwoThirds);
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
    } else if (c.SonsSonsSonCount + c.SonsSonsDaughterCount != 0) {
        // Only great-grandchildren.
        grandfatherSixth(c);
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0) {
            ComputeTotals(c);
            greatGrandchildrenShareRest(c);
        } else {
            if (c.SonsSonsDaughterCount == 1) {
                c.SonsSonsDaughterShare = fraction<N>(1, 2);
                note(c, Heir::SonsSonsDaughter, Rule::SonsSonsDaughterHalf);
            } else {
                givePerHead(fraction<N>(2, 3), c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
                note(c, Heir::SonsSonsDaughter, Rule::SonsSonsDaughtersTwoThirds);
            }
            ComputeTotals(c);
            if (c.FatherAlive == 1 && somethingLeft(c))
                fatherTakesRest(c);
            if (c.GrandFatherAlive == 1)
                grandfatherTakesRest(c);
        }
    }
}

template <class N>
void noDescendants(BasicCaseRecord<N> &c)
{
    if (c.MaternalGrandMotherAlive == 1) {
        c.GrandMotherShare = fraction<N>(1, 6);
        note(c, Heir::GrandMother, Rule::GrandMotherSixth);
    }
    if (c.WifeCount != 0) {
        c.WifeShare = fraction<N>(1, 4);
        note(c, Heir::Wife, Rule::WifeQuarter);
    }
    if (c.HusbandAlive == 1) {
        c.HusbandShare = fraction<N>(1, 2);
        note(c, Heir::Husband, Rule::HusbandHalf);
    }
    c.MotherShare = 0;
    c.FatherShare = 0;
    noteCleared(c, Heir::Mother);
    noteCleared(c, Heir::Father);
    ComputeTotals(c);
    const int siblings = siblingCount(c);

    if (c.FatherAlive == 1 && somethingLeft(c)) {
        // With fewer than two siblings the mother takes a third of what the
        // spouse and the grandmother leave.
        if (c.MotherAlive == 1) {
            if (siblings < 2) {
                c.MotherShare = c.Remainder / N(3);
                // Beside a spouse this is one of the two 'Umariyya cases;
                // alone with the father it is simply a third. With the
                // grandfather in the father's place it is Abu Yusuf's view,
                // not 'Umar's ruling, which concerns the father.
                const bool spouse = c.HusbandAlive == 1 || c.WifeCount != 0;
                const bool grandfather = c.GrandFatherAsFather == 1;
                note(c, Heir::Mother, !spouse ? Rule::MotherThird
                         : grandfather ? Rule::MotherThirdOfRemainderBesideGrandFather
                                       : Rule::MotherThirdOfRemainder);
                if (spouse && !grandfather)
                    noteEvent(c, EventUmariyya);
            } else {
                c.MotherShare = fraction<N>(1, 6);
                note(c, Heir::Mother, Rule::MotherSixthSiblings);
            }
        }
        ComputeTotals(c);
        if (somethingLeft(c)) {
            c.FatherShare = c.FatherShare + c.Remainder;
            note(c, Heir::Father, Rule::Residue);
        }
    }
    if (c.GrandFatherAlive == 1) {
        if (siblings == 0 && c.MotherAlive == 1) {
            c.MotherShare = fraction<N>(1, 3);
            note(c, Heir::Mother, Rule::MotherThird);
        }
        grandfatherTakesRest(c);
    }
}

template <class N>
void distributeWithFather(BasicCaseRecord<N> &c)
{
    if (c.GrandFatherAsFather == 1) {
        // The grandfather is computed in the father's place.
        c.GrandFatherAlive = 0;
        c.FatherAlive = 1;
        noteEvent(c, EventGrandFatherAsFather);
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
        if constexpr (takesNotes<N>) {
            c.notes[Heir::GrandFather] = c.notes[Heir::Father];
            c.notes[Heir::Father] = GroupNote{};
        }
    }

    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
    openResults(c);
}

} // namespace

void DistributeWithFather(CaseRecord &c) { distributeWithFather(c); }
void DistributeWithFather(ExactRecord &c) { distributeWithFather(c); }
