// SPDX-License-Identifier: GPL-3.0-or-later
// The residue: to the residuaries by themselves in their order, with the
// women they carry; the grandfather beside the siblings; al-Mushtaraka.

#include "case/engine/work.h"

#include <algorithm>

namespace engine::detail {

namespace {

const Rational Zero;

Rational units(const Work &w, const Group &members)
{
    std::int64_t u = 0;
    for (int i : members)
        u += static_cast<std::int64_t>(w.heads(i)) * (w.path(i).male() ? 2 : 1);
    return Rational(u);
}

Group membersWhere(const Work &w, PathKind kind, Strength s)
{
    Group out;
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && w.path(i).kind() == kind && w.path(i).strength() == s)
            out.push_back(i);
    return out;
}

void nothingLeft(Work &w, const Group &members)
{
    for (int i : members)
        if (w.m(i).fixed.isZero())
            w.exclude(i, Reason::NothingLeft);
}

// Gives the residue to a group two to one, or notes that nothing is left.
void settle(Work &w, const Group &group, ShareRule rule)
{
    const Rational left = Rational(1) - w.total();
    if (left > Zero)
        shareTwoToOne(w, group, left, rule);
    else
        nothingLeft(w, group);
}

bool present(const Work &, const Group &v) { return !v.empty(); }

// al-Akdariyya: husband, mother, grandfather and one sister, nothing else.
bool isAkdariyya(const Work &w, const Group &siblings)
{
    if (w.husband < 0 || w.mother < 0 || siblings.size() != 1 || w.heads(siblings[0]) != 1
        || w.path(siblings[0]).male() || w.siblingHeads() != 1)
        return false;   // with a second sibling, even one shut out, the mother has a sixth
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && i != w.husband && i != w.mother && i != w.grandfather && i != siblings[0])
            return false;
    return true;
}

// Siblings beside the grandfather on Zayd's way: he takes the best of
// sharing as a brother, a third (of the whole without fixed-share heirs, of
// what is left with them) and a sixth; the paternal siblings are counted
// against him and then give way to the full ones.
void grandfatherSharing(Work &w, const Group &fullB, const Group &fullS,
                        const Group &patB, const Group &patS)
{
    const int gf = w.grandfather;
    Group all = fullB;
    all.insert(all.end(), fullS.begin(), fullS.end());
    all.insert(all.end(), patB.begin(), patB.end());
    all.insert(all.end(), patS.begin(), patS.end());
    if ((present(w, fullB) || present(w, fullS)) && (present(w, patB) || present(w, patS)))
        w.r.events |= EvMuadda;

    if (isAkdariyya(w, all)) {
        w.r.events |= EvAkdariyya;
        w.give(w.husband, ShareRule::HusbandHalf, Half);
        w.give(w.mother, ShareRule::MotherThird, Third);
        // A sixth and a half, rising to nine; then pooled and shared two to one.
        w.give(gf, ShareRule::Akdariyya, Sixth);
        w.give(all[0], ShareRule::Akdariyya, Half);
        w.m(w.husband).share = Rational(9, 27);
        w.m(w.mother).share = Rational(6, 27);
        w.m(gf).share = Rational(8, 27);
        w.m(all[0]).share = Rational(4, 27);
        for (int i : {w.husband, w.mother, gf, all[0]})
            w.m(i).reduced = true;
        w.r.awlTotal = Rational(3, 2);
        w.r.events |= EvAwl;
        return;
    }

    int maternalHeads = 0;
    for (int i = 0; i < w.size(); ++i)
        if (w.heads(i) > 0 && w.path(i).kind() == PathKind::MaternalSibling)
            maternalHeads += w.heads(i);
    if (w.views.malikiyya && w.husband >= 0 && (w.mother >= 0 || w.firstIn(PathKind::Grandmother) >= 0)
        && maternalHeads >= 2 && (present(w, fullB) || present(w, patB)) && !present(w, fullS) && !present(w, patS)
        && !w.anyDescendant()) {
        // The grandfather takes the third the maternal siblings would have had.
        w.r.events |= EvMalikiyya;
        w.give(gf, ShareRule::Malikiyya, Third);
        for (int i : all)
            w.exclude(i, Reason::ExcludedBy, gf);
        return;
    }

    const Rational fixed = w.fixedTotal();   // his own sixth beside daughters included
    const Rational own = w.m(gf).fixed;
    const Rational left = Rational(1) - fixed + own;
    const Rational sharing = left * Rational(2) / (units(w, all) + Rational(2));
    Rational best = sharing;
    ShareRule rule = ShareRule::GrandfatherSharing;
    if (fixed == Zero) {
        if (!(best > Third)) {   // where they are equal, the books name the third
            best = Third;
            rule = ShareRule::GrandfatherThird;
        }
    } else {
        if (Sixth > best) {
            best = Sixth;
            rule = ShareRule::GrandfatherSixth;
        }
        if (left * Third > best) {
            best = left * Third;
            rule = ShareRule::GrandfatherThirdOfRemainder;
        }
    }
    if (rule == ShareRule::GrandfatherSixth || left < Sixth) {
        w.give(gf, ShareRule::GrandfatherSixth, Sixth);
    } else if (rule == ShareRule::GrandfatherSharing) {
        w.give(gf, rule, Zero);
        w.giveResidue(gf, rule, best);
    } else {
        // A third of the whole or of what is left: a portion named by itself.
        w.give(gf, rule, best);
    }
    Rational rest = Rational(1) - w.total();
    if (!(rest > Zero)) {
        for (int i : all)
            w.exclude(i, Reason::NothingLeft);
        return;
    }
    if (present(w, fullB)) {
        Group full = fullB;
        full.insert(full.end(), fullS.begin(), fullS.end());
        shareTwoToOne(w, full, rest, ShareRule::SiblingsAfterGrandfather);
        for (int i : patB)
            w.exclude(i, Reason::CountedAgainstGrandfather, fullB[0]);
        for (int i : patS)
            w.exclude(i, Reason::CountedAgainstGrandfather, fullB[0]);
        return;
    }
    Group pat = patB;
    pat.insert(pat.end(), patS.begin(), patS.end());
    if (present(w, fullS)) {
        if (pat.empty()) {
            shareTwoToOne(w, fullS, rest, ShareRule::SiblingsAfterGrandfather);
            return;
        }
        // The full sisters take back up to their half or two thirds.
        const Rational limit = w.heads(fullS[0]) == 1 ? Half : TwoThirds;
        const Rational theirs = rest < limit ? rest : limit;
        if (theirs == limit)
            w.give(fullS[0], ShareRule::SiblingsAfterGrandfather, limit);   // her half (their two thirds) in full
        else
            shareTwoToOne(w, fullS, theirs, ShareRule::SiblingsAfterGrandfather);
        rest = rest - theirs;
        if (rest > Zero && present(w, patB)) {
            shareTwoToOne(w, pat, rest, ShareRule::SiblingsAfterGrandfather);
        } else if (rest > Zero) {
            shareTwoToOne(w, patS, rest, ShareRule::SiblingsAfterGrandfather);
        } else {
            for (int i : pat)
                w.exclude(i, Reason::CountedAgainstGrandfather, fullS[0]);
        }
        return;
    }
    shareTwoToOne(w, pat, rest, ShareRule::SiblingsAfterGrandfather);
}

// Egypt, law 77/1943 art. 22: the grandfather as a brother beside the
// residuary siblings, with the residue beside sisters who hold fixed shares,
// and never less than a sixth.
void grandfatherAsBrother(Work &w, Group residuaries)
{
    const int gf = w.grandfather;
    const Rational own = w.m(gf).fixed;
    const Rational left = Rational(1) - w.fixedTotal() + own;
    Rational his = left;
    if (!residuaries.empty())
        his = left * Rational(2) / (units(w, residuaries) + Rational(2));
    if (his < Sixth) {
        w.give(gf, ShareRule::GrandfatherSixth, Sixth);
    } else {
        w.give(gf, ShareRule::GrandfatherAsBrother, Zero);
        w.giveResidue(gf, ShareRule::GrandfatherAsBrother, his);
    }
    if (!residuaries.empty())
        settle(w, residuaries, ShareRule::SiblingsResidue);
}

} // namespace

void shareTwoToOne(Work &w, const Group &members, const Rational &amount, ShareRule rule)
{
    const Rational unit = amount / units(w, members);
    for (int i : members)
        w.giveResidue(i, rule, unit * Rational(static_cast<std::int64_t>(w.heads(i)) * (w.path(i).male() ? 2 : 1)));
}

// The emancipator and his agnates come after every residuary by blood.
void afterBloodResiduary(Work &w, int residuary)
{
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && (i == w.emancipator || w.path(i).kind() == PathKind::EmancipatorAgnate))
            w.exclude(i, Reason::ExcludedBy, residuary);
}

void residue(Work &w)
{
    const int male = w.nearestMaleDescendant >= 0 ? w.nearestMaleDescendant
        : w.father >= 0                           ? w.father
                                                  : w.grandfather;
    if (male >= 0)
        afterBloodResiduary(w, male);
    // Descendants: the highest generation with a male, with the women beside
    // and above who were left without a fixed share.
    if (w.nearestMaleDescendant >= 0) {
        Group group;
        for (int i = 0; i < w.size(); ++i)
            if (w.in(i) && w.path(i).kind() == PathKind::Descendant && w.m(i).fixed.isZero())
                group.push_back(i);
        settle(w, group, ShareRule::DescendantsResidue);
        return;
    }
    if (w.father >= 0) {
        settle(w, {w.father}, w.m(w.father).fixed.isZero() ? ShareRule::AscendantResidue
                                                             : ShareRule::AscendantSixthAndResidue);
        return;
    }
    const auto fullB = membersWhere(w, PathKind::Sibling, Strength::Full);
    const auto patAll = membersWhere(w, PathKind::Sibling, Strength::Paternal);
    Group fB, fS, pB, pS;
    for (int i : fullB)
        (w.path(i).male() ? fB : fS).push_back(i);
    for (int i : patAll)
        (w.path(i).male() ? pB : pS).push_back(i);

    if (w.grandfather >= 0) {
        const bool siblings = !fB.empty() || !fS.empty() || !pB.empty() || !pS.empty();
        if (siblings && w.grandfatherShares) {
            grandfatherSharing(w, fB, fS, pB, pS);
            return;
        }
        if (siblings && w.grandfatherEgypt) {
            // The siblings as they would be without him: a brother carries
            // his sisters; sisters beside daughters are residuaries.
            Group group;
            if (!fB.empty()) {
                group = fB;
                group.insert(group.end(), fS.begin(), fS.end());
                for (int i : pB)
                    w.exclude(i, Reason::ExcludedBy, fB[0]);
                for (int i : pS)
                    w.exclude(i, Reason::ExcludedBy, fB[0]);
            } else {
                const bool daughters = w.anyFemaleDescendant();
                if (!fS.empty()) {
                    const bool one = w.heads(fS[0]) == 1;
                    if (daughters)
                        group = fS;
                    else
                        w.give(fS[0], one ? ShareRule::SisterHalf : ShareRule::SistersTwoThirds, one ? Half : TwoThirds);
                }
                if (!pB.empty()) {
                    group.insert(group.end(), pB.begin(), pB.end());
                    group.insert(group.end(), pS.begin(), pS.end());
                } else if (!pS.empty()) {
                    if (daughters && fS.empty())
                        group = pS;
                    else if (fS.empty())
                        w.give(pS[0], w.heads(pS[0]) == 1 ? ShareRule::SisterHalf : ShareRule::SistersTwoThirds,
                               w.heads(pS[0]) == 1 ? Half : TwoThirds);
                    else if (!daughters && w.heads(fS[0]) == 1)
                        w.give(pS[0], ShareRule::PaternalSisterSixthCompleting, Sixth);
                    else
                        w.exclude(pS[0], daughters ? Reason::ExcludedBy : Reason::AfterTwoThirds,
                                  daughters ? fS[0] : -1);
                }
            }
            grandfatherAsBrother(w, group);
            return;
        }
        settle(w, {w.grandfather}, w.m(w.grandfather).fixed.isZero() ? ShareRule::AscendantResidue
                                                                       : ShareRule::AscendantSixthAndResidue);
        return;
    }

    // Brothers with their sisters; sisters beside daughters; then the
    // paternal ones; then the collateral lines; then the emancipator.
    int residuary = -1;
    if (!fB.empty()) {
        Group group = fB;
        group.insert(group.end(), fS.begin(), fS.end());
        const Rational left = Rational(1) - w.total();
        int maternalHeads = 0;
        Group maternal;
        for (int i = 0; i < w.size(); ++i)
            if (w.in(i) && w.path(i).kind() == PathKind::MaternalSibling) {
                maternalHeads += w.heads(i);
                maternal.push_back(i);
            }
        if (!(left > Zero) && maternalHeads >= 2 && w.views.mushtaraka == Mushtaraka::Shared) {
            // al-Mushtaraka: the full siblings share the maternal siblings'
            // third as if they were maternal, per head.
            w.r.events |= EvMushtaraka;
            std::int64_t heads = maternalHeads;
            for (int i : group)
                heads += w.heads(i);
            for (int i : maternal)
                w.give(i, ShareRule::SharedThird, Third * Rational(w.heads(i), heads));
            for (int i : group)
                w.give(i, ShareRule::SharedThird, Third * Rational(w.heads(i), heads));
            return;
        }
        settle(w, group, ShareRule::SiblingsResidue);
        residuary = fB[0];
    } else if (!fS.empty() && w.anyFemaleDescendant()) {
        settle(w, fS, ShareRule::SistersWithDaughters);
        for (int i : pB)
            w.exclude(i, Reason::ExcludedBy, fS[0]);
        for (int i : pS)
            w.exclude(i, Reason::ExcludedBy, fS[0]);
        residuary = fS[0];
    } else if (!pB.empty()) {
        Group group = pB;
        for (int i : pS)
            if (w.m(i).fixed.isZero())
                group.push_back(i);
        settle(w, group, ShareRule::SiblingsResidue);
        residuary = pB[0];
    } else if (!pS.empty() && w.anyFemaleDescendant() && fS.empty()) {
        settle(w, pS, ShareRule::SistersWithDaughters);
        residuary = pS[0];
    }
    if (residuary >= 0) {
        for (int i = 0; i < w.size(); ++i)
            if (w.in(i) && w.path(i).kind() == PathKind::AgnateCollateral)
                w.exclude(i, Reason::ExcludedBy, residuary);
        afterBloodResiduary(w, residuary);
        return;
    }
    Group agnates;
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && w.path(i).kind() == PathKind::AgnateCollateral)
            agnates.push_back(i);
    if (!agnates.empty()) {
        settle(w, agnates, ShareRule::AgnateResidue);
        afterBloodResiduary(w, agnates[0]);
        return;
    }
    if (w.emancipator >= 0) {
        settle(w, {w.emancipator}, ShareRule::EmancipatorResidue);
        for (int i = 0; i < w.size(); ++i)
            if (w.in(i) && w.path(i).kind() == PathKind::EmancipatorAgnate)
                w.exclude(i, w.m(w.emancipator).share.isZero() ? Reason::NothingLeft : Reason::ExcludedBy,
                          w.m(w.emancipator).share.isZero() ? -1 : w.emancipator);
        return;
    }
    Group theirs;
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && w.path(i).kind() == PathKind::EmancipatorAgnate)
            theirs.push_back(i);
    if (!theirs.empty()) {
        // Agnates by themselves only: all male, shared per head.
        settle(w, theirs, ShareRule::EmancipatorAgnateResidue);
    }
}

} // namespace engine::detail
