// SPDX-License-Identifier: GPL-3.0-or-later
// The father's father beside brothers and sisters, when the user chose that
// the siblings inherit with him.

#include "case/calculation.h"
#include "case/share_steps.h"

using namespace calc;

namespace {

template <class N>
bool noFixedShareHeir(const BasicCaseRecord<N> &c)
{
    // Sons' daughters and their daughters hold fixed shares as the daughters do.
    return c.HusbandAlive == 0 && c.WifeCount == 0 && c.MotherAlive == 0
        && c.ParentalGrandMotherAlive == 0 && c.MaternalGrandMotherAlive == 0
        && c.DaughterCount == 0 && c.SonsDaughterCount == 0 && c.SonsSonsDaughterCount == 0;
}

// The best of sharing as one more brother, a third, a sixth, or a third of
// what the fixed shares leave.
template <class N>
void grandfatherBestOption(BasicCaseRecord<N> &c)
{
    const N males = count<N>(c.MaleSiblingCount);
    const N females = count<N>(c.FemaleSiblingCount);
    if (noFixedShareHeir(c)) {
        c.SharingOption = N(2) / (N(2) * males + females + N(2));
        c.ThirdOption = fraction<N>(1, 3);
        const bool sharing = c.SharingOption > c.ThirdOption;
        c.GrandFatherShare = sharing ? c.SharingOption : c.ThirdOption;
        note(c, Heir::GrandFather, sharing ? Rule::GrandFatherSharing : Rule::GrandFatherThird);
        return;
    }
    ComputeTotals(c);
    // Beside female descendants he already holds his sixth: his options are
    // weighed on what was left before it.
    const N r = c.Remainder + c.GrandFatherShare;
    c.SharingOption = N(2) * r / (N(2) * males + females + N(2));
    c.SixthOption = fraction<N>(1, 6);
    c.ThirdOfRemainderOption = r / N(3);
    N best = c.SharingOption;
    Rule rule = Rule::GrandFatherSharing;
    if (c.SixthOption > best) {
        best = c.SixthOption;
        rule = Rule::GrandFatherBestSixth;
    }
    if (c.ThirdOfRemainderOption > best) {
        best = c.ThirdOfRemainderOption;
        rule = Rule::GrandFatherThirdOfRemainder;
    }
    c.GrandFatherShare = best;
    note(c, Heir::GrandFather, rule);
}

// The paternal siblings share what the others leave, two parts to a male.
template <class N>
void paternalSiblingsTakeRest(BasicCaseRecord<N> &c)
{
    ComputeTotals(c);
    if (c.ParentalBrotherCount != 0) {
        splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                      c.ParentalBrotherShare, c.ParentalSisterShare);
        note(c, Heir::ParentalBrother, Rule::SiblingsAfterGrandFather);
        if (c.ParentalSisterCount != 0)
            note(c, Heir::ParentalSister, Rule::SiblingsAfterGrandFather);
    } else {
        givePerHead(c.Remainder, c.ParentalSisterCount, c.ParentalSisterShare);
        note(c, Heir::ParentalSister, Rule::ParentalSisterRestBesideGrandFather);
    }
}

template <class N>
void siblingsTakeRest(BasicCaseRecord<N> &c)
{
    const N r = c.Remainder;
    if (c.FullBrotherCount != 0) {
        // Paternal siblings are shut out by a full brother.
        if (c.FullSisterCount != 0)
            splitTwoToOne(r, c.FullBrotherCount, c.FullSisterCount, c.FullBrotherShare, c.FullSisterShare);
        else
            givePerHead(r, c.FullBrotherCount, c.FullBrotherShare);
        note(c, Heir::FullBrother, Rule::SiblingsAfterGrandFather);
        if (c.FullSisterCount != 0)
            note(c, Heir::FullSister, Rule::SiblingsAfterGrandFather);
    } else if (c.FullSisterCount == 1) {
        if (c.ParentalSisterCount + c.ParentalBrotherCount == 0) {
            c.FullSisterShare = r;
            note(c, Heir::FullSister, Rule::FullSisterRestBesideGrandFather);
        } else {
            // One half, or what is left if that is less; the paternal
            // siblings share what remains after her.
            // When less than a half is left she takes it as what is left
            // after the grandfather, not as a fixed share.
            const bool lessThanHalf = r < fraction<N>(1, 2);
            c.FullSisterShare = lessThanHalf ? r : fraction<N>(1, 2);
            note(c, Heir::FullSister,
                 lessThanHalf ? Rule::FullSisterRestBesideGrandFather : Rule::FullSisterHalfBesideGrandFather);
            paternalSiblingsTakeRest(c);
        }
    } else if (c.FullSisterCount >= 2) {
        givePerHead(r, c.FullSisterCount, c.FullSisterShare);
        note(c, Heir::FullSister, Rule::FullSisterRestBesideGrandFather);
    } else {
        if (c.ParentalSisterCount + c.ParentalBrotherCount != 0) {
            paternalSiblingsTakeRest(c);
        } else {
            // Only maternal siblings, whom he shuts out: the rest is his.
            ComputeTotals(c);
            c.GrandFatherShare = c.Remainder;
            note(c, Heir::GrandFather, Rule::Residue);
        }
        ComputeTotals(c);
        if (overfull(c))
            ReduceShares(c);
    }
}

// Husband, mother, grandfather and one sister (full, or paternal without a
// full one): settled by fixed parts of 27.
template <class N>
bool isCaseOf27(const BasicCaseRecord<N> &c)
{
    const bool oneSister = (c.FullSisterCount == 1 && c.ParentalSisterCount == 0)
        || (c.FullSisterCount == 0 && c.ParentalSisterCount == 1);
    return c.DaughterCount == 0 && c.SonsDaughterCount == 0 && c.SonsSonsDaughterCount == 0
        && c.MaleSiblingCount == 0 && c.MaternalSiblingCount == 0
        && c.MaternalGrandMotherAlive == 0 && c.ParentalGrandMotherAlive == 0
        && c.GrandFatherAlive == 1 && c.HusbandAlive == 1 && c.MotherAlive == 1 && oneSister;
}

template <class N>
void grandFatherWithSiblings(BasicCaseRecord<N> &c)
{
    if (siblingCount(c) == 0)
        return;
    c.MaleSiblingCount = static_cast<std::int16_t>(c.FullBrotherCount + c.ParentalBrotherCount);
    c.FemaleSiblingCount = static_cast<std::int16_t>(c.FullSisterCount + c.ParentalSisterCount);
    // Full and paternal siblings together: the paternal ones are counted
    // against the grandfather, then give way to the full ones.
    if (c.FullBrotherCount + c.FullSisterCount != 0 && c.ParentalBrotherCount + c.ParentalSisterCount != 0)
        noteEvent(c, EventMuadda);

    // Beside a descendant the mother keeps her sixth.
    if (c.MotherAlive == 1 && !hasDescendants(c)) {
        const bool third = siblingCount(c) < 2;
        c.MotherShare = third ? fraction<N>(1, 3) : fraction<N>(1, 6);
        note(c, Heir::Mother, third ? Rule::MotherThird : Rule::MotherSixthSiblings);
    }

    grandfatherBestOption(c);
    ComputeTotals(c);
    siblingsTakeRest(c);

    if (isCaseOf27(c)) {
        noteEvent(c, EventAkdariyya);
        c.HusbandShare = fraction<N>(9, 27);
        c.MotherShare = fraction<N>(6, 27);
        c.GrandFatherShare = fraction<N>(8, 27);
        if (c.FullSisterCount == 1)
            c.FullSisterShare = fraction<N>(4, 27);
        else
            c.ParentalSisterShare = fraction<N>(4, 27);
        // Husband a half, mother a third, grandfather a sixth, sister a half:
        // 6 rising to 9; then the grandfather and the sister pool their 4 of
        // 9 and share it two to one.
        noteNominal(c, Heir::Husband, Rule::HusbandHalf, 1, 2);
        noteNominal(c, Heir::Mother, Rule::MotherThird, 1, 3);
        noteNominal(c, Heir::GrandFather, Rule::Akdariyya, 1, 6);
        noteNominal(c, c.FullSisterCount == 1 ? Heir::FullSister : Heir::ParentalSister, Rule::AkdariyyaSister, 1, 2);
    }
}

} // namespace

void GrandFatherWithSiblings(CaseRecord &c) { grandFatherWithSiblings(c); }
void GrandFatherWithSiblings(ExactRecord &c) { grandFatherWithSiblings(c); }
