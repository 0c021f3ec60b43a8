// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed shares: spouses, mother, grandmothers, the father's sixth,
// female descendants at any depth, sisters, maternal siblings.

#include "case/engine/work.h"

#include <map>

namespace engine::detail {

namespace {

// Female descendants generation by generation from the top: a half or two
// thirds to the highest, the sixth that completes two thirds to the next,
// nothing by fixed share below; the males of the highest generation with a
// male take the residue with the females of their generation and those
// above them left without a share.
void femaleDescendants(Work &w)
{
    std::map<int, int> byGeneration;   // generation -> member
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && w.path(i).kind() == PathKind::Descendant && !w.path(i).male())
            byGeneration[w.path(i).degree()] = i;
    enum { Nothing, OneHalf, Full } taken = Nothing;
    for (auto [generation, i] : byGeneration) {
        if (generation >= w.maleGeneration)
            break;   // with the males of her generation, in the residue
        if (taken == Nothing) {
            const bool one = w.heads(i) == 1;
            w.give(i, one ? ShareRule::DescendantHalf : ShareRule::DescendantsTwoThirds, one ? Half : TwoThirds);
            taken = one ? OneHalf : Full;
        } else if (taken == OneHalf) {
            w.give(i, ShareRule::DescendantSixthCompleting, Sixth);
            taken = Full;
        } else if (w.nearestMaleDescendant < 0) {
            // Two thirds are taken and no male below makes her a residuary.
            w.exclude(i, Reason::AfterTwoThirds);
        }
    }
}

void sisters(Work &w)
{
    if (w.grandfather >= 0 && (w.grandfatherShares || w.grandfatherEgypt))
        return;   // the grandfather's own step settles them
    int fullBrothers = 0, fullSisters = -1, paternalBrothers = 0, paternalSisters = -1;
    for (int i = 0; i < w.size(); ++i) {
        if (!w.in(i) || w.path(i).kind() != PathKind::Sibling)
            continue;
        const bool full = w.path(i).strength() == Strength::Full;
        if (w.path(i).male())
            (full ? fullBrothers : paternalBrothers) += w.heads(i);
        else
            (full ? fullSisters : paternalSisters) = i;
    }
    const bool daughters = w.anyFemaleDescendant();
    if (fullSisters >= 0 && fullBrothers == 0 && !daughters) {
        const bool one = w.heads(fullSisters) == 1;
        w.give(fullSisters, one ? ShareRule::SisterHalf : ShareRule::SistersTwoThirds, one ? Half : TwoThirds);
    }
    if (paternalSisters >= 0 && paternalBrothers == 0 && !daughters) {
        if (fullSisters < 0) {
            const bool one = w.heads(paternalSisters) == 1;
            w.give(paternalSisters, one ? ShareRule::SisterHalf : ShareRule::SistersTwoThirds,
                   one ? Half : TwoThirds);
        } else if (fullBrothers == 0 && w.heads(fullSisters) == 1) {
            w.give(paternalSisters, ShareRule::PaternalSisterSixthCompleting, Sixth);
        } else if (fullBrothers == 0) {
            w.exclude(paternalSisters, Reason::AfterTwoThirds);
        }
    }
}

// A grandmother reached by more than one route who is one head in the
// sixth (Abu Yusuf, Malik, al-Shafi'i): her first route that inherits takes
// her share, the others are named as the same woman. Counted by routes (the
// Hanbalis, Muhammad) each route is a head and nothing is done here. Only
// routes that inherit count: a route shut out, or beyond the lines the views
// admit, adds nothing.
void sameGrandmothers(Work &w)
{
    if (w.views.grandmotherByTwoRoutes != GrandmotherByTwoRoutes::Once)
        return;
    for (const std::vector<Path> &routes : w.family.samePerson) {
        int first = -1;
        for (const Path &p : routes) {
            for (int i = 0; i < w.size(); ++i) {
                if (w.path(i) != p || !w.in(i) || p.kind() != PathKind::Grandmother || w.heads(i) != 1)
                    continue;
                if (first < 0)
                    first = i;
                else if (i != first)
                    w.exclude(i, Reason::SameGrandmother, first);
            }
        }
    }
}

} // namespace

void fixedShares(Work &w)
{
    const bool descendants = w.anyDescendant();
    if (w.husband >= 0)
        w.give(w.husband, descendants ? ShareRule::HusbandQuarter : ShareRule::HusbandHalf,
               descendants ? Quarter : Half);
    if (w.wives >= 0)
        w.give(w.wives, descendants ? ShareRule::WifeEighth : ShareRule::WifeQuarter, descendants ? Eighth : Quarter);

    if (w.mother >= 0) {
        const bool spouse = w.husband >= 0 || w.wives >= 0;
        bool siblingsInherit = false;
        for (int i = 0; i < w.size(); ++i)
            siblingsInherit = siblingsInherit || (w.in(i) && w.path(i).kind() == PathKind::Sibling);
        const bool ofRemainder = w.views.motherWithGrandfather == MotherWithGrandfather::ThirdOfRemainder
            || (w.family.profile == Profile::Program && w.views.grandfatherWithSiblings == GrandfatherWithSiblings::Ask
                && w.family.method == GrandfatherMethod::Excludes);
        if (descendants) {
            w.give(w.mother, ShareRule::MotherSixthDescendants, Sixth);
        } else if (w.siblingHeads() >= 2) {
            w.give(w.mother, ShareRule::MotherSixthSiblings, Sixth);
        } else if (spouse && (w.father >= 0 || (w.grandfather >= 0 && !siblingsInherit && ofRemainder))) {
            const Rational spouseShare = w.husband >= 0 ? Half : Quarter;
            w.give(w.mother, ShareRule::MotherThirdOfRemainder, (Rational(1) - spouseShare) * Third);
            w.r.events |= EvUmariyya;
        } else {
            w.give(w.mother, ShareRule::MotherThird, Third);
        }
    }

    sameGrandmothers(w);
    int grandmotherHeads = 0;
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && w.path(i).kind() == PathKind::Grandmother)
            grandmotherHeads += w.heads(i);
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && w.path(i).kind() == PathKind::Grandmother)
            w.give(i, ShareRule::GrandmothersSixth, Sixth * Rational(w.heads(i), grandmotherHeads));

    const int ascendant = w.father >= 0 ? w.father : w.grandfather;
    if (ascendant >= 0 && descendants)
        w.give(ascendant, w.nearestMaleDescendant >= 0 ? ShareRule::AscendantSixth : ShareRule::AscendantSixthAndResidue,
               Sixth);

    femaleDescendants(w);

    int maternalHeads = 0;
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && w.path(i).kind() == PathKind::MaternalSibling)
            maternalHeads += w.heads(i);
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && w.path(i).kind() == PathKind::MaternalSibling)
            w.give(i, maternalHeads == 1 ? ShareRule::MaternalSiblingSixth : ShareRule::MaternalSiblingsThird,
                   maternalHeads == 1 ? Sixth : Third * Rational(w.heads(i), maternalHeads));

    sisters(w);
}

} // namespace engine::detail
