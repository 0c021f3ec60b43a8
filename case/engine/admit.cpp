// SPDX-License-Identifier: GPL-3.0-or-later
// Who is an heir at all, and who is shut out by whom: by direction, degree
// and strength, the grandmothers' rules and the views that change them.

#include "case/engine/work.h"

namespace engine::detail {

namespace {

bool maleAgnate(const Path &p)
{
    return p.male()
        && (p.kind() == PathKind::Descendant || p.kind() == PathKind::MaleAscendant
            || p.kind() == PathKind::Sibling || p.kind() == PathKind::AgnateCollateral);
}

// The order of residuaries by themselves among collaterals: the generations
// up to the common ancestor, then the length of the line, then strength.
struct AgnateKey
{
    int direction, degree, strength;
    bool operator<(const AgnateKey &o) const
    {
        if (direction != o.direction)
            return direction < o.direction;
        if (degree != o.degree)
            return degree < o.degree;
        return strength < o.strength;
    }
    bool operator==(const AgnateKey &o) const
    {
        return direction == o.direction && degree == o.degree && strength == o.strength;
    }
};

AgnateKey agnateKey(const Path &p)
{
    switch (p.kind()) {
    case PathKind::Descendant:
        return {0, p.degree(), 0};
    case PathKind::MaleAscendant:
        return {1, p.degree(), 0};
    default:
        return {1 + p.degree(), p.degree() + p.depthBelow(), p.strength() == Strength::Full ? 0 : 1};
    }
}

// The grandmother's side: the mother's (no father in her line) or the father's.
bool maternalSide(const Path &p) { return p.fathersInLine() == 0; }

int lineLimit(GrandmotherLines g)
{
    switch (g) {
    case GrandmotherLines::One: return 1;
    case GrandmotherLines::Two: return 2;
    case GrandmotherLines::Any: break;
    }
    return INT_MAX;
}

void admitGrandmothers(Work &w)
{
    const auto grandmother = [&w](int i) { return w.heads(i) > 0 && w.path(i).kind() == PathKind::Grandmother; };
    for (int i = 0; i < w.size(); ++i)
        if (grandmother(i) && w.path(i).fathersInLine() > lineLimit(w.views.grandmotherLines))
            w.exclude(i, Reason::NotAnHeirInThisSchool);
    if (w.mother >= 0) {
        for (int i = 0; i < w.size(); ++i)
            if (grandmother(i))
                w.exclude(i, Reason::ExcludedBy, w.mother);
        return;
    }
    // Excluded by a male ascendant through whom she is related, where the
    // views say so; such a grandmother may still shut out a farther one.
    const int asc = w.views.ascendantExcludesOwnMother ? (w.father >= 0 ? w.father : w.grandfather) : -1;
    if (asc >= 0) {
        for (int i = 0; i < w.size(); ++i)
            if (grandmother(i) && w.in(i) && w.path(i).fathersInLine() >= w.path(asc).degree())
                w.exclude(i, Reason::ExcludedBy, asc);
    }
    const auto byAscendant = [&w, asc](int i) {
        return asc >= 0 && w.m(i).reason == Reason::ExcludedBy && w.m(i).by == asc;
    };
    // The nearer shuts out the farther: always on her own side and from
    // the mother's side; from the father's side only where the views say so.
    // Decided for all before any is applied, so an exclusion does not change
    // who may exclude.
    for (int far = 0; far < w.size(); ++far) {
        if (!grandmother(far) || !w.in(far))
            continue;
        for (int near = 0; near < w.size(); ++near) {
            if (!grandmother(near) || w.path(near).degree() >= w.path(far).degree())
                continue;
            const bool canExclude = w.in(near) || (byAscendant(near) && w.views.excludedGrandmotherStillExcludes);
            if (!canExclude)
                continue;
            const bool sameSide = maternalSide(w.path(near)) == maternalSide(w.path(far));
            if (sameSide || maternalSide(w.path(near)) || w.views.nearerPaternalExcludesFartherMaternal) {
                w.m(far).by = near;
                break;
            }
        }
    }
    for (int far = 0; far < w.size(); ++far) {
        if (grandmother(far) && w.in(far) && w.m(far).by >= 0) {
            const int by = w.m(far).by;
            w.m(far).by = -1;
            w.exclude(far, Reason::ExcludedBy, by);
        }
    }
}

} // namespace

void admit(Work &w)
{
    // What each path is, and the nearest of each line.
    int nearestAscendant = -1;
    for (int i = 0; i < w.size(); ++i) {
        if (w.heads(i) <= 0)
            continue;
        const Path &p = w.path(i);
        switch (p.kind()) {
        case PathKind::DistantKindred:
            w.exclude(i, Reason::DistantKindred);
            break;
        case PathKind::NotAgnateOfEmancipator:
            w.exclude(i, Reason::NotAgnateOfEmancipator);
            break;
        case PathKind::Husband: w.husband = i; break;
        case PathKind::Wife: w.wives = i; break;
        case PathKind::Mother: w.mother = i; break;
        case PathKind::Emancipator: w.emancipator = i; break;
        case PathKind::MaleAscendant:
            if (nearestAscendant < 0 || p.degree() < w.path(nearestAscendant).degree())
                nearestAscendant = i;
            break;
        case PathKind::Descendant:
            if (p.male() && p.degree() < w.maleGeneration) {
                w.maleGeneration = p.degree();
                w.nearestMaleDescendant = i;
            }
            break;
        default:
            break;
        }
    }
    if (nearestAscendant >= 0) {
        (w.path(nearestAscendant).degree() == 1 ? w.father : w.grandfather) = nearestAscendant;
        for (int i = 0; i < w.size(); ++i)
            if (w.heads(i) > 0 && i != nearestAscendant && w.path(i).kind() == PathKind::MaleAscendant)
                w.exclude(i, Reason::ExcludedBy, nearestAscendant);
    }
    // The grandfather beside the siblings, as the views and the case's method say.
    const GrandfatherWithSiblings gws = w.views.grandfatherWithSiblings;
    const bool excludes = gws == GrandfatherWithSiblings::Excludes
        || (gws == GrandfatherWithSiblings::Ask && w.family.method == GrandfatherMethod::Excludes);
    w.grandfatherEgypt = gws == GrandfatherWithSiblings::Egypt1943;
    w.grandfatherShares = !excludes && !w.grandfatherEgypt;

    // Descendants below the highest generation that has a male.
    for (int i = 0; i < w.size(); ++i)
        if (w.heads(i) > 0 && w.path(i).kind() == PathKind::Descendant && w.path(i).degree() > w.maleGeneration)
            w.exclude(i, Reason::ExcludedBy, w.nearestMaleDescendant);

    admitGrandmothers(w);

    const int maleAscendant = w.father >= 0 ? w.father : w.grandfather;
    const int anyDescendant = w.firstIn(PathKind::Descendant);
    // Siblings, then the agnates of the collateral lines.
    int fullBrother = -1, paternalBrother = -1;
    for (int i = 0; i < w.size(); ++i) {
        if (!w.in(i))
            continue;
        const Path &p = w.path(i);
        if (p.kind() == PathKind::MaternalSibling) {
            if (anyDescendant >= 0)
                w.exclude(i, Reason::ExcludedBy, anyDescendant);
            else if (maleAscendant >= 0)
                w.exclude(i, Reason::ExcludedBy, maleAscendant);
        } else if (p.kind() == PathKind::Sibling) {
            if (w.nearestMaleDescendant >= 0)
                w.exclude(i, Reason::ExcludedBy, w.nearestMaleDescendant);
            else if (w.father >= 0)
                w.exclude(i, Reason::ExcludedBy, w.father);
            else if (w.grandfather >= 0 && excludes)
                w.exclude(i, Reason::ExcludedBy, w.grandfather);
            else if (p.male())
                (p.strength() == Strength::Full ? fullBrother : paternalBrother) = i;
        }
    }
    if (fullBrother >= 0) {
        for (int i = 0; i < w.size(); ++i)
            if (w.in(i) && w.path(i).kind() == PathKind::Sibling && w.path(i).strength() == Strength::Paternal
                && !(w.grandfather >= 0 && w.grandfatherShares))
                w.exclude(i, Reason::ExcludedBy, fullBrother);
    }
    // Collaterals: by a male descendant, any male ascendant, a brother, then
    // by the nearest of their own order.
    const int blocker = w.nearestMaleDescendant >= 0 ? w.nearestMaleDescendant
        : maleAscendant >= 0                         ? maleAscendant
        : fullBrother >= 0                           ? fullBrother
                                                     : paternalBrother;
    int top = -1;
    for (int i = 0; i < w.size(); ++i) {
        if (!w.in(i) || w.path(i).kind() != PathKind::AgnateCollateral)
            continue;
        if (blocker >= 0)
            w.exclude(i, Reason::ExcludedBy, blocker);
        else if (top < 0 || agnateKey(w.path(i)) < agnateKey(w.path(top)))
            top = i;
    }
    for (int i = 0; i < w.size(); ++i)
        if (w.in(i) && i != top && w.path(i).kind() == PathKind::AgnateCollateral
            && !(agnateKey(w.path(i)) == agnateKey(w.path(top))))
            w.exclude(i, Reason::ExcludedBy, top);

    // The emancipator's agnates, when he is dead, in their own order (the
    // residue step puts them after the emancipator and every residuary by blood).
    if (w.emancipator >= 0)
        return;
    int topAgnate = -1;
    for (int i = 0; i < w.size(); ++i) {
        if (!w.in(i) || w.path(i).kind() != PathKind::EmancipatorAgnate)
            continue;
        const Path sub = *w.path(i).afterEmancipator();
        if (!maleAgnate(sub))
            continue;
        if (topAgnate < 0 || agnateKey(sub) < agnateKey(*w.path(topAgnate).afterEmancipator()))
            topAgnate = i;
    }
    for (int i = 0; i < w.size(); ++i) {
        if (!w.in(i) || i == topAgnate || w.path(i).kind() != PathKind::EmancipatorAgnate)
            continue;
        if (!(agnateKey(*w.path(i).afterEmancipator()) == agnateKey(*w.path(topAgnate).afterEmancipator())))
            w.exclude(i, Reason::ExcludedBy, topAgnate);
    }
}

} // namespace engine::detail
