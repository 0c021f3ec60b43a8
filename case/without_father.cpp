// SPDX-License-Identifier: GPL-3.0-or-later
// The distribution when neither the father nor the father's father is alive.

#include "case/calculation.h"
#include "case/share_steps.h"

using namespace calc;

namespace {

template <class N>
void oneDaughterBlock(BasicCaseRecord<N> &c)
{
    c.DaughterShare = fraction<N>(1, 2);
    note(c, Heir::Daughter, Rule::DaughterHalf);
    ComputeTotals(c);
    besideOneDaughter(c);
    ComputeTotals(c);
    if (somethingLeft(c))
        DescendantsResidue(c);
    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
}

template <class N>
void daughtersBlock(BasicCaseRecord<N> &c)
{
    givePerHead(fraction<N>(2, 3), c.DaughterCount, c.DaughterShare);
    note(c, Heir::Daughter, Rule::DaughtersTwoThirds);
    ComputeTotals(c);
    if (somethingLeft(c))
        besideTwoThirds(c);
    ComputeTotals(c);
    if (somethingLeft(c))
        DescendantsResidue(c);
    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
}

// No son or daughter: the sons' children take the children's place, and
// below them the sons' sons' children.
template <class N>
void grandchildrenBlock(BasicCaseRecord<N> &c)
{
    if (c.SonsSonCount != 0) {
        // A son's son: the residue with his sisters.
        ComputeTotals(c);
        if (c.SonsDaughterCount != 0)
            splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                          c.SonsSonShare, c.SonsDaughterShare);
        else
            givePerHead(c.Remainder, c.SonsSonCount, c.SonsSonShare);
        noteResidue(c, Heir::SonsSon, Heir::SonsDaughter, c.SonsDaughterCount);
    } else if (c.SonsDaughterCount == 1) {
        // One son's daughter: a half, as one daughter.
        c.SonsDaughterShare = fraction<N>(1, 2);
        note(c, Heir::SonsDaughter, Rule::SonsDaughterHalf);
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0) {
            ComputeTotals(c);
            greatGrandchildrenShareRest(c);
        }
        if (c.SonsSonsSonCount == 0 && c.SonsSonsDaughterCount != 0) {
            givePerHead(fraction<N>(1, 6), c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
            note(c, Heir::SonsSonsDaughter, Rule::SonsSonsDaughterSixth);
        }
        ComputeTotals(c);
        if (somethingLeft(c))
            DescendantsResidue(c);
    } else if (c.SonsDaughterCount >= 2) {
        // Two or more sons' daughters: two thirds, as daughters.
        givePerHead(fraction<N>(2, 3), c.SonsDaughterCount, c.SonsDaughterShare);
        note(c, Heir::SonsDaughter, Rule::SonsDaughtersTwoThirds);
        ComputeTotals(c);
        if (somethingLeft(c) && c.SonsSonsSonCount != 0)
            greatGrandchildrenShareRest(c);
        ComputeTotals(c);
        if (overfull(c))
            ReduceShares(c);
        if (somethingLeft(c))
            DescendantsResidue(c);
    } else if (c.SonsSonsSonCount + c.SonsSonsDaughterCount != 0) {
        // Only great-grandchildren.
        ComputeTotals(c);
        if (c.SonsSonsSonCount != 0) {
            greatGrandchildrenShareRest(c);
        } else if (c.SonsSonsDaughterCount == 1) {
            c.SonsSonsDaughterShare = fraction<N>(1, 2);
            note(c, Heir::SonsSonsDaughter, Rule::SonsSonsDaughterHalf);
        } else {
            givePerHead(fraction<N>(2, 3), c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
            note(c, Heir::SonsSonsDaughter, Rule::SonsSonsDaughtersTwoThirds);
        }
        ComputeTotals(c);
        if (somethingLeft(c))
            DescendantsResidue(c);
    }
}

template <class N>
void noDescendants(BasicCaseRecord<N> &c)
{
    if (c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1) {
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
    if (c.MotherAlive == 1) {
        const bool third = siblingCount(c) < 2;
        c.MotherShare = third ? fraction<N>(1, 3) : fraction<N>(1, 6);
        note(c, Heir::Mother, third ? Rule::MotherThird : Rule::MotherSixthSiblings);
    }
    ComputeTotals(c);
    if (somethingLeft(c))
        CollateralsShares(c);
}

template <class N>
void distributeWithoutFather(BasicCaseRecord<N> &c)
{
    fixedSharesBesideDescendants(c);

    if (c.SonCount != 0)
        sonsTakeResidue(c);
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

// What the descendants leave: the full, then the paternal siblings (sisters
// as residuaries beside daughters), then the distant male relatives.
template <class N>
void descendantsResidue(BasicCaseRecord<N> &c)
{
    ComputeTotals(c);
    const N r = c.Remainder;
    if (c.FullBrotherCount != 0) {
        splitTwoToOne(r, c.FullBrotherCount, c.FullSisterCount, c.FullBrotherShare, c.FullSisterShare);
        noteResidue(c, Heir::FullBrother, Heir::FullSister, c.FullSisterCount);
    } else if (c.FullSisterCount != 0) {
        givePerHead(r, c.FullSisterCount, c.FullSisterShare);
        note(c, Heir::FullSister, Rule::ResidueWithDaughters);
    } else if (c.ParentalBrotherCount != 0) {
        splitTwoToOne(r, c.ParentalBrotherCount, c.ParentalSisterCount,
                      c.ParentalBrotherShare, c.ParentalSisterShare);
        noteResidue(c, Heir::ParentalBrother, Heir::ParentalSister, c.ParentalSisterCount);
    } else if (c.ParentalSisterCount != 0) {
        givePerHead(r, c.ParentalSisterCount, c.ParentalSisterShare);
        note(c, Heir::ParentalSister, Rule::ResidueWithDaughters);
    } else {
        ComputeTotals(c);
        residueChain(c);
    }
    ComputeTotals(c);
    if (somethingLeft(c))
        ResidueToOthers(c);
}

// Husband, mother or grandmother, two or more maternal siblings and full
// brothers: the full siblings join the maternal siblings in their third.
template <class N>
bool isSharedCase(const BasicCaseRecord<N> &c)
{
    return c.HusbandAlive == 1
        && (c.MotherAlive == 1 || c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1)
        && c.MaternalSiblingCount > 1 && c.FullBrotherCount != 0;
}

template <class N>
void sharedCase(BasicCaseRecord<N> &c)
{
    noteEvent(c, EventMushtaraka);
    c.HusbandShare = fraction<N>(1, 2);
    note(c, Heir::Husband, Rule::HusbandHalf);
    if (c.MotherAlive == 1) {
        c.MotherShare = fraction<N>(1, 6);
        note(c, Heir::Mother, Rule::MotherSixthSiblings);
    }
    if (c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1) {
        c.GrandMotherShare = fraction<N>(1, 6);
        note(c, Heir::GrandMother, Rule::GrandMotherSixth);
    }
    c.MaternalSiblingShare = 0;
    ComputeTotals(c);
    // Equal shares per head, brothers and sisters alike.
    const N heads = count<N>(c.FullBrotherCount) + count<N>(c.FullSisterCount)
        + count<N>(c.MaternalSiblingCount);
    const N each = c.Remainder / heads;
    c.FullBrotherShare = each;
    if (c.FullSisterCount != 0)
        c.FullSisterShare = each;
    c.MaternalSiblingShare = each;
    note(c, Heir::FullBrother, Rule::SharedThird);
    if (c.FullSisterCount != 0)
        note(c, Heir::FullSister, Rule::SharedThird);
    note(c, Heir::MaternalSibling, Rule::SharedThird);
}

template <class N>
void collateralsShares(BasicCaseRecord<N> &c)
{
    if (c.MaternalSiblingCount == 1) {
        c.MaternalSiblingShare = fraction<N>(1, 6);
        note(c, Heir::MaternalSibling, Rule::MaternalSiblingSixth);
    } else if (c.MaternalSiblingCount > 1) {
        givePerHead(fraction<N>(1, 3), c.MaternalSiblingCount, c.MaternalSiblingShare);
        note(c, Heir::MaternalSibling, Rule::MaternalSiblingsThird);
    }
    ComputeTotals(c);

    if (isSharedCase(c)) {
        sharedCase(c);
        return;
    }

    if (c.FullBrotherCount != 0) {
        splitTwoToOne(c.Remainder, c.FullBrotherCount, c.FullSisterCount,
                      c.FullBrotherShare, c.FullSisterShare);
        noteResidue(c, Heir::FullBrother, Heir::FullSister, c.FullSisterCount);
    } else if (c.FullSisterCount == 1) {
        c.FullSisterShare = fraction<N>(1, 2);
        note(c, Heir::FullSister, Rule::FullSisterHalf);
        ComputeTotals(c);
        if (c.ParentalBrotherCount != 0 && somethingLeft(c)) {
            splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                          c.ParentalBrotherShare, c.ParentalSisterShare);
            noteResidue(c, Heir::ParentalBrother, Heir::ParentalSister, c.ParentalSisterCount);
        }
        if (c.ParentalBrotherCount == 0 && c.ParentalSisterCount != 0) {
            givePerHead(fraction<N>(1, 6), c.ParentalSisterCount, c.ParentalSisterShare);
            note(c, Heir::ParentalSister, Rule::ParentalSisterSixth);
        }
    } else if (c.FullSisterCount >= 2) {
        givePerHead(fraction<N>(2, 3), c.FullSisterCount, c.FullSisterShare);
        note(c, Heir::FullSister, Rule::FullSistersTwoThirds);
        ComputeTotals(c);
        // Paternal sisters alone receive nothing beside two full sisters.
        if (c.ParentalBrotherCount != 0 && somethingLeft(c)) {
            splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                          c.ParentalBrotherShare, c.ParentalSisterShare);
            noteResidue(c, Heir::ParentalBrother, Heir::ParentalSister, c.ParentalSisterCount);
        }
    }
    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);

    if (c.FullSisterCount + c.FullBrotherCount == 0) {
        ComputeTotals(c);
        if (c.ParentalBrotherCount != 0) {
            splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                          c.ParentalBrotherShare, c.ParentalSisterShare);
            noteResidue(c, Heir::ParentalBrother, Heir::ParentalSister, c.ParentalSisterCount);
        } else if (c.ParentalSisterCount == 1) {
            c.ParentalSisterShare = fraction<N>(1, 2);
            note(c, Heir::ParentalSister, Rule::ParentalSisterHalf);
        } else if (c.ParentalSisterCount > 1) {
            givePerHead(fraction<N>(2, 3), c.ParentalSisterCount, c.ParentalSisterShare);
            note(c, Heir::ParentalSister, Rule::ParentalSistersTwoThirds);
        }
    }
    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);
    if (somethingLeft(c))
        ResidueToOthers(c);
}

} // namespace

void DistributeWithoutFather(CaseRecord &c) { distributeWithoutFather(c); }
void DistributeWithoutFather(ExactRecord &c) { distributeWithoutFather(c); }
void DescendantsResidue(CaseRecord &c) { descendantsResidue(c); }
void DescendantsResidue(ExactRecord &c) { descendantsResidue(c); }
void CollateralsShares(CaseRecord &c) { collateralsShares(c); }
void CollateralsShares(ExactRecord &c) { collateralsShares(c); }
