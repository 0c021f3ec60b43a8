// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation: admit the family, give the fixed shares, the residue,
// then the 'awl, the return, the spouse's rest or the treasury.

#include "case/engine/distant_kindred.h"
#include "case/engine/work.h"

namespace engine {

int maximumCount(const Path &p)
{
    switch (p.kind()) {
    case PathKind::Husband: return 1;
    case PathKind::Wife: return 4;
    default: return 50;
    }
}

namespace detail {

Work::Work(const Family &f) : family(f), views(f.views)
{
    r.members.reserve(f.members.size());
    for (const Member &x : f.members) {
        MemberResult m;
        m.path = x.path;
        m.count = x.count;
        r.members.push_back(m);
    }
}

Rational Work::fixedTotal() const
{
    Rational t;
    for (const MemberResult &m : r.members)
        t += m.fixed;
    return t;
}

Rational Work::total() const
{
    Rational t;
    for (const MemberResult &m : r.members)
        t += m.share;
    return t;
}

bool Work::anyDescendant() const { return firstIn(PathKind::Descendant) >= 0; }

bool Work::anyFemaleDescendant() const
{
    for (int i = 0; i < size(); ++i)
        if (in(i) && path(i).kind() == PathKind::Descendant && !path(i).male())
            return true;
    return false;
}

int Work::siblingHeads() const
{
    int n = 0;
    for (const MemberResult &m : r.members)
        if (m.count > 0 && (m.path.kind() == PathKind::Sibling || m.path.kind() == PathKind::MaternalSibling))
            n += m.count;
    return n;
}

int Work::firstIn(PathKind kind) const
{
    for (int i = 0; i < size(); ++i)
        if (in(i) && path(i).kind() == kind)
            return i;
    return -1;
}

void distribute(Work &w)
{
    const Rational total = w.total();
    const Rational one(1);
    if (total > one) {
        w.r.events |= EvAwl;
        w.r.awlTotal = total;
        for (MemberResult &m : w.r.members) {
            if (!m.share.isZero()) {
                m.share = m.share / total;
                m.reduced = true;
            }
        }
        return;
    }
    if (!(total < one))
        return;
    const Rational left = one - total;
    if (w.views.surplus == Surplus::Return) {
        Rational base;
        for (int i = 0; i < w.size(); ++i)
            if (i != w.husband && i != w.wives)
                base += w.m(i).share;
        if (!base.isZero()) {
            w.r.events |= EvReturn;
            for (int i = 0; i < w.size(); ++i) {
                MemberResult &m = w.m(i);
                if (i == w.husband || i == w.wives || m.share.isZero())
                    continue;
                m.share = m.share + left * m.share / base;
                m.returned = true;
            }
            return;
        }
    }
    if (distantKindred(w, left))
        return;
    const int spouse = w.husband >= 0 ? w.husband : w.wives;
    const bool othersShare = total != (spouse >= 0 ? w.m(spouse).share : Rational());
    if (spouse >= 0 && !othersShare && w.views.spouseReturn == SpouseReturn::WhenNoOtherHeir) {
        w.r.events |= EvRestToSpouse;
        w.m(spouse).share = one;
        w.m(spouse).returned = true;
        return;
    }
    w.r.events |= EvTreasury;
    w.r.treasury = left;
}

// Who excludes is one who takes: where the one first named was shut out in
// turn, the one who shut him out is named; where nothing was left for him,
// nothing was left for those below him either. A grandmother shut out by a
// male ascendant may still shut out a farther one where the views say so:
// she stays named.
void nameWhoExcludes(Work &w)
{
    for (MemberResult &m : w.r.members) {
        for (int guard = 0; m.reason == Reason::ExcludedBy && m.by >= 0 && guard < w.size(); ++guard) {
            const MemberResult &by = w.r.members[static_cast<std::size_t>(m.by)];
            if (!by.share.isZero() || by.path.kind() == PathKind::Grandmother)
                break;
            if (by.reason == Reason::ExcludedBy) {
                m.by = by.by;
            } else {
                m.reason = Reason::NothingLeft;
                m.by = -1;
            }
        }
    }
}

} // namespace detail

Result calculate(const Family &family)
{
    detail::Work w(family);
    detail::admit(w);
    detail::fixedShares(w);
    detail::residue(w);
    detail::distribute(w);
    detail::nameWhoExcludes(w);
    return std::move(w.r);
}

} // namespace engine
