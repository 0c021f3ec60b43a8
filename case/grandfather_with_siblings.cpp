// SPDX-License-Identifier: GPL-3.0-or-later
// The father's father beside brothers and sisters, when the user chose that
// the siblings inherit with him.

#include "case/calculation.h"
#include "case/share_steps.h"

using namespace calc;

namespace {

bool noFixedShareHeir(const CaseRecord &c)
{
    // Sons' daughters and their daughters hold fixed shares as the daughters do.
    return c.HusbandAlive == 0 && c.WifeCount == 0 && c.MotherAlive == 0
        && c.ParentalGrandMotherAlive == 0 && c.MaternalGrandMotherAlive == 0
        && c.DaughterCount == 0 && c.SonsDaughterCount == 0 && c.SonsSonsDaughterCount == 0;
}

// The best of sharing as one more brother, a third, a sixth, or a third of
// what the fixed shares leave.
void grandfatherBestOption(CaseRecord &c)
{
    const double males = count(c.MaleSiblingCount);
    const double females = count(c.FemaleSiblingCount);
    if (noFixedShareHeir(c)) {
        c.SharingOption = 2.0 / (2.0 * males + females + 2.0);
        c.ThirdOption = 1.0 / 3.0;
        c.GrandFatherShare = c.SharingOption > c.ThirdOption ? c.SharingOption : c.ThirdOption;
        return;
    }
    ComputeTotals(c);
    // Beside female descendants he already holds his sixth: his options are
    // weighed on what was left before it.
    const double r = c.Remainder + c.GrandFatherShare;
    c.SharingOption = 2.0 * r / (2.0 * males + females + 2.0);
    c.SixthOption = 1.0 / 6.0;
    c.ThirdOfRemainderOption = r / 3.0;
    double best = c.SharingOption;
    if (c.SixthOption > best)
        best = c.SixthOption;
    if (c.ThirdOfRemainderOption > best)
        best = c.ThirdOfRemainderOption;
    c.GrandFatherShare = best;
}

void siblingsTakeRest(CaseRecord &c)
{
    const double r = c.Remainder;
    if (c.FullBrotherCount != 0) {
        // Paternal siblings are shut out by a full brother.
        if (c.FullSisterCount != 0)
            splitTwoToOne(r, c.FullBrotherCount, c.FullSisterCount, c.FullBrotherShare, c.FullSisterShare);
        else
            givePerHead(r, c.FullBrotherCount, c.FullBrotherShare);
    } else if (c.FullSisterCount == 1) {
        if (c.ParentalSisterCount + c.ParentalBrotherCount == 0) {
            c.FullSisterShare = r;
        } else {
            // One half, or what is left if that is less; the paternal
            // siblings share what remains after her.
            c.FullSisterShare = r < 1.0 / 2.0 ? r : 1.0 / 2.0;
            ComputeTotals(c);
            if (c.ParentalBrotherCount != 0)
                splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                              c.ParentalBrotherShare, c.ParentalSisterShare);
            else
                givePerHead(c.Remainder, c.ParentalSisterCount, c.ParentalSisterShare);
        }
    } else if (c.FullSisterCount >= 2) {
        givePerHead(r, c.FullSisterCount, c.FullSisterShare);
    } else {
        if (c.ParentalSisterCount + c.ParentalBrotherCount != 0) {
            ComputeTotals(c);
            if (c.ParentalBrotherCount != 0)
                splitTwoToOne(c.Remainder, c.ParentalBrotherCount, c.ParentalSisterCount,
                              c.ParentalBrotherShare, c.ParentalSisterShare);
            else
                givePerHead(c.Remainder, c.ParentalSisterCount, c.ParentalSisterShare);
        } else {
            // Only maternal siblings, whom he shuts out: the rest is his.
            ComputeTotals(c);
            c.GrandFatherShare = c.Remainder;
        }
        ComputeTotals(c);
        if (overfull(c))
            ReduceShares(c);
    }
}

// Husband, mother, grandfather and one sister (full, or paternal without a
// full one): settled by fixed parts of 27.
bool isCaseOf27(const CaseRecord &c)
{
    const bool oneSister = (c.FullSisterCount == 1 && c.ParentalSisterCount == 0)
        || (c.FullSisterCount == 0 && c.ParentalSisterCount == 1);
    return c.DaughterCount == 0 && c.SonsDaughterCount == 0 && c.SonsSonsDaughterCount == 0
        && c.MaleSiblingCount == 0 && c.MaternalSiblingCount == 0
        && c.MaternalGrandMotherAlive == 0 && c.ParentalGrandMotherAlive == 0
        && c.GrandFatherAlive == 1 && c.HusbandAlive == 1 && c.MotherAlive == 1 && oneSister;
}

} // namespace

void GrandFatherWithSiblings(CaseRecord &c)
{
    if (siblingCount(c) == 0)
        return;
    c.MaleSiblingCount = static_cast<std::int16_t>(c.FullBrotherCount + c.ParentalBrotherCount);
    c.FemaleSiblingCount = static_cast<std::int16_t>(c.FullSisterCount + c.ParentalSisterCount);

    // Beside a descendant the mother keeps her sixth.
    if (c.MotherAlive == 1 && !hasDescendants(c))
        c.MotherShare = siblingCount(c) < 2 ? 1.0 / 3.0 : 1.0 / 6.0;

    grandfatherBestOption(c);
    ComputeTotals(c);
    siblingsTakeRest(c);

    if (isCaseOf27(c)) {
        c.HusbandShare = 9.0 / 27.0;
        c.MotherShare = 6.0 / 27.0;
        c.GrandFatherShare = 8.0 / 27.0;
        if (c.FullSisterCount == 1)
            c.FullSisterShare = 4.0 / 27.0;
        else
            c.ParentalSisterShare = 4.0 / 27.0;
    }
}
