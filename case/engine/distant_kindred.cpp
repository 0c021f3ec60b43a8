// SPDX-License-Identifier: GPL-3.0-or-later
// The distant kindred's division, by kinship (qaraba) and by substitution
// (tanzil). Every share is given and every exclusion written through Work,
// with the kinsman who takes named as the one who shuts the others out; the
// steps a teacher writes are kept in the result with their sources.

#include "case/engine/distant_kindred.h"

#include "case/engine/work.h"

#include <algorithm>
#include <functional>
#include <string>

namespace engine {

namespace {

// Where each step's rule is written.
namespace src {
const char *const Order = "al-Haskafi, al-Durr al-Mukhtar, chapter on distant kindred: four classes, then degree, "
                          "then the child of an heir (islamweb.net bk_no=27 ID=654)";
const char *const Muhammad = "al-Sirajiyya: Muhammad divides at the first generation whose roots differ, the number "
                             "taken from the branches; the fatwa is on his view (shamela.ws/book/1610/614)";
const char *const Sides = "the father's side two thirds, the mother's side a third (al-Sirajiyya; Egypt law 77/1943 "
                          "arts. 33, 35, 36; Syria decree 59/1953 art. 296)";
const char *const Egypt = "Egypt law 77/1943 arts. 31-38, the male twice the female (Fiqh al-Sunna 3, "
                          "shiaonlinelibrary.com book 1080 p. 638; Dar al-Ifta, shamela.ws/book/432/1021)";
const char *const Syria = "Syria decree 59/1953 arts. 290-297, the male twice the female (shamela.ws/book/7455/317)";
const char *const Tanzil = "each stands in the place of the heir through whom he is related, and the heirs' case "
                           "is divided (Dalil al-Talib, shamela.ws/book/17500/387; Ibn Qudama, al-Sharh al-Kabir "
                           "7/129, shiaonlinelibrary.com book 1016)";
const char *const First = "within one direction whoever reaches an heir first excludes the rest (Wabl al-Ghamama "
                          "fi Sharh 'Umdat al-Fiqh 1441, books.islam-db.com)";
const char *const Spouse = "a spouse takes the share without return and the rest goes to the distant kindred "
                           "(al-Durr al-Mukhtar, islamweb.net bk_no=27 ID=654; al-Sharh al-Kabir 7/129)";
} // namespace src

enum class Method : std::uint8_t {
    Muhammad,        // the Hanafi fatwa
    Code,            // the Egyptian and Syrian codes: by the claimants' persons, two to one
    TanzilEqual,     // the Hanbali school: male and female alike
    TanzilTwoToOne,  // the later Malikis and Shafi'is: two to one, save through uterine siblings
};

Method methodOf(const detail::Work &w)
{
    const Profile p = w.family.profile;
    if (w.views.distantKindred == DistantKindredMethod::Qaraba)
        return p == Profile::Egypt || p == Profile::Syria ? Method::Code : Method::Muhammad;
    return p == Profile::Maliki || p == Profile::Shafii ? Method::TanzilTwoToOne : Method::TanzilEqual;
}

bool maleStep(PathStep s)
{
    return s == PathStep::Father || s == PathStep::Son || s == PathStep::Brother || s == PathStep::PaternalBrother
        || s == PathStep::MaternalBrother;
}

bool ascent(PathStep s) { return s == PathStep::Father || s == PathStep::Mother; }

int ascents(const Path &p)
{
    int a = 0;
    while (a < p.length() && ascent(p[a]))
        ++a;
    return a;
}

// The steps [from, to) of a path, as a path of their own.
std::optional<Path> slice(const Path &p, int from, int to)
{
    return p.slice(from, to);
}

int lineLimit(GrandmotherLines g)
{
    return g == GrandmotherLines::One ? 1 : g == GrandmotherLines::Two ? 2 : 1 << 20;
}

struct Division
{
    detail::Work &w;
    Method method;
    std::vector<Rational> share;

    const Path &path(int i) const { return w.path(i); }
    std::int64_t heads(const std::vector<int> &ids) const
    {
        std::int64_t n = 0;
        for (int i : ids)
            n += w.heads(i);
        return n;
    }
    void step(KinshipStepKind kind, int member, const Path &path, int number, const Rational &amount,
              const char *source)
    {
        w.r.kinship.push_back({kind, member, path, number, amount, source});
    }
    // Keeps the members with the smallest key; the others are shut out for
    // `why` by the first kept.
    template <class Key>
    std::vector<int> keepBest(const std::vector<int> &ids, Key key, Reason why)
    {
        int best = key(ids.front());
        for (int i : ids)
            best = std::min(best, key(i));
        std::vector<int> kept;
        for (int i : ids)
            if (key(i) == best)
                kept.push_back(i);
        for (int i : ids)
            if (key(i) != best)
                w.exclude(i, why, kept.front());
        return kept;
    }
};

// `amount` among members by heads, a male counting two where `twoToOne`.
void byPersons(Division &d, const std::vector<int> &ids, const Rational &amount, bool twoToOne)
{
    const auto weight = [&](int i) {
        return std::int64_t(d.w.heads(i)) * (twoToOne && d.path(i).male() ? 2 : 1);
    };
    std::int64_t total = 0;
    for (int i : ids)
        total += weight(i);
    for (int i : ids)
        d.share[std::size_t(i)] += amount * Rational(weight(i), total);
}

// Muhammad's division: at the first generation (from step `level` down)
// where the ancestors differ in sex, the males' line counts two for each
// claimant below it and the females' line one; each line's part goes down
// the same way; where no ancestor differs, the claimants' persons divide.
void byRoots(Division &d, const std::vector<int> &ids, int level, const Rational &amount, bool equally)
{
    const int n = d.path(ids.front()).length();
    for (int l = level; l < n - 1; ++l) {
        std::vector<int> males, females;
        for (int i : ids)
            (maleStep(d.path(i)[l]) ? males : females).push_back(i);
        if (males.empty() || females.empty())
            continue;
        const std::int64_t m = 2 * d.heads(males), f = d.heads(females);
        const Rational toMales = amount * Rational(m, m + f);
        d.step(KinshipStepKind::Root, males.front(), *slice(d.path(males.front()), 0, l + 1), int(d.heads(males)),
               toMales, src::Muhammad);
        d.step(KinshipStepKind::Root, females.front(), *slice(d.path(females.front()), 0, l + 1),
               int(d.heads(females)), amount - toMales, src::Muhammad);
        byRoots(d, males, l + 1, toMales, equally);
        byRoots(d, females, l + 1, amount - toMales, equally);
        return;
    }
    byPersons(d, ids, amount, !equally);
}

// The father's side two thirds and the mother's a third, at each ascent from
// step `level` to `end`; then `leaf` divides each side's part.
void bySides(Division &d, const std::vector<int> &ids, int level, int end, const Rational &amount,
             const std::function<void(const std::vector<int> &, const Rational &)> &leaf)
{
    if (level >= end) {
        leaf(ids, amount);
        return;
    }
    std::vector<int> fathers, mothers;
    for (int i : ids)
        (d.path(i)[level] == PathStep::Father ? fathers : mothers).push_back(i);
    if (fathers.empty() || mothers.empty()) {
        bySides(d, ids, level + 1, end, amount, leaf);
        return;
    }
    const Rational toFathers = amount * detail::TwoThirds;
    d.step(KinshipStepKind::Side, fathers.front(), *slice(d.path(fathers.front()), 0, level + 1), 0, toFathers,
           src::Sides);
    d.step(KinshipStepKind::Side, mothers.front(), *slice(d.path(mothers.front()), 0, level + 1), 0,
           amount - toFathers, src::Sides);
    bySides(d, fathers, level + 1, end, toFathers, leaf);
    bySides(d, mothers, level + 1, end, amount - toFathers, leaf);
}

Rational sharesOf(const Result &r)
{
    Rational t;
    for (const MemberResult &m : r.members)
        t += m.share;
    return t;
}

int strengthKey(const Path &p)
{
    return p.strength() == Strength::Full ? 0 : p.strength() == Strength::Paternal ? 1 : 2;
}

// Muhammad in the third class: the siblings the claimants descend from
// inherit as heirs would (each counted once for every claimant below), and
// each sibling's part goes down to those below.
void bySiblings(Division &d, const std::vector<int> &ids, const Rational &left)
{
    Family roots;
    roots.views = d.w.views;
    roots.views.distantKindred = DistantKindredMethod::None;
    roots.profile = d.w.family.profile;
    roots.method = d.w.family.method;
    std::vector<std::vector<int>> groups;
    for (int i : ids) {
        const Path root = *slice(d.path(i), 0, 1);
        std::size_t k = 0;
        while (k < roots.members.size() && !(roots.members[k].path == root))
            ++k;
        if (k == roots.members.size()) {
            roots.members.push_back({root, 0});
            groups.emplace_back();
        }
        roots.members[k].count += d.w.heads(i);
        groups[k].push_back(i);
    }
    const Result r = calculate(roots);
    const Rational total = sharesOf(r);
    int taker = -1;
    for (std::size_t k = 0; k < groups.size(); ++k)
        if (!r.members[k].share.isZero())
            taker = groups[k].front();
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const MemberResult &root = r.members[k];
        if (root.share.isZero()) {
            const int by = root.by >= 0 && !r.members[std::size_t(root.by)].share.isZero()
                ? groups[std::size_t(root.by)].front() : taker;
            for (int i : groups[k])
                d.w.exclude(i, Reason::KinshipWeaker, by);
            continue;
        }
        const Rational amount = left * root.share / total;
        d.step(KinshipStepKind::Root, groups[k].front(), root.path, root.count, amount, src::Muhammad);
        byRoots(d, groups[k], 1, amount, root.path.kind() == PathKind::MaternalSibling);
    }
}

void byKinship(Division &d, std::vector<int> ids, const Rational &left)
{
    detail::Work &w = d.w;
    const bool code = d.method == Method::Code;
    const char *law = w.family.profile == Profile::Syria ? src::Syria : src::Egypt;
    ids = d.keepBest(ids, [&](int i) { return kinshipClass(w.path(i)); }, Reason::KinshipLaterClass);
    const int cls = kinshipClass(w.path(ids.front()));
    d.step(KinshipStepKind::Class, ids.front(), w.path(ids.front()), cls, left, code ? law : src::Order);
    // Degree: generations from the deceased; in the fourth class the
    // ancestors' generation first (the uncles and aunts, then their
    // children, then the parents' uncles and aunts, ...).
    const auto degree = [&](int i) {
        const Path &p = w.path(i);
        const int a = ascents(p);
        return cls == 4 ? a * 100 + (p.length() - a - 1) : p.length();
    };
    ids = d.keepBest(ids, degree, Reason::KinshipFartherDegree);
    const auto throughHeir = [&](int i) {
        const auto up = slice(w.path(i), 0, w.path(i).length() - 1);
        return up && heirPath(*up, w.views) ? 0 : 1;
    };
    const auto stronger = [&](int i) { return strengthKey(w.path(i)); };
    const auto childOfAgnate = [&](int i) {
        const auto up = slice(w.path(i), 0, w.path(i).length() - 1);
        return up && up->kind() == PathKind::AgnateCollateral ? 0 : 1;
    };
    switch (cls) {
    case 1:
        ids = d.keepBest(ids, throughHeir, Reason::KinshipNotThroughHeir);
        if (code)
            byPersons(d, ids, left, true);
        else
            byRoots(d, ids, 0, left, false);
        break;
    case 2:
        ids = d.keepBest(ids, throughHeir, Reason::KinshipNotThroughHeir);
        bySides(d, ids, 0, 1, left, [&](const std::vector<int> &side, const Rational &amount) {
            if (code)
                byPersons(d, side, amount, true);
            else
                byRoots(d, side, 1, amount, false);
        });
        break;
    case 3:
        ids = d.keepBest(ids, throughHeir, Reason::KinshipNotThroughHeir);
        if (code) {
            ids = d.keepBest(ids, stronger, Reason::KinshipWeaker);
            byPersons(d, ids, left, true);
        } else {
            bySiblings(d, ids, left);
        }
        break;
    default: {
        const int a = ascents(w.path(ids.front()));
        const bool children = w.path(ids.front()).length() > a + 1;
        bySides(d, ids, 0, a, left, [&](const std::vector<int> &side, const Rational &amount) {
            std::vector<int> kept = side;
            // The codes put the child of an agnate first, then strength
            // (Egypt art. 36); the Hanafis strength, then the child of an agnate.
            if (children && code)
                kept = d.keepBest(kept, childOfAgnate, Reason::KinshipNotThroughHeir);
            kept = d.keepBest(kept, stronger, Reason::KinshipWeaker);
            if (children && !code)
                kept = d.keepBest(kept, childOfAgnate, Reason::KinshipNotThroughHeir);
            if (code)
                byPersons(d, kept, amount, true);
            else
                byRoots(d, kept, a, amount, false);
        });
        break;
    }
    }
}

// The directions of substitution: descent, the father's side (his line and
// the full and paternal siblings), the mother's side (hers and the uterine
// siblings).
int direction(const Path &p)
{
    switch (p[0]) {
    case PathStep::Son:
    case PathStep::Daughter: return 0;
    case PathStep::Mother:
    case PathStep::MaternalBrother:
    case PathStep::MaternalSister: return 2;
    default: return 1;
    }
}

// The relation to the heir, male and female alike ("sister" and "brother"
// are one relation).
std::string relation(const Path &p, int from)
{
    std::string t;
    for (int i = from; i < p.length(); ++i) {
        PathStep s = p[i];
        switch (s) {
        case PathStep::Daughter: s = PathStep::Son; break;
        case PathStep::Sister: s = PathStep::Brother; break;
        case PathStep::PaternalSister: s = PathStep::PaternalBrother; break;
        case PathStep::MaternalSister: s = PathStep::MaternalBrother; break;
        default: break;
        }
        t += stepWord(s);
        t += '.';
    }
    return t;
}

// The heir's part among those who stand in his place: alike when they stand
// in one relation to him; otherwise as his own heirs would take it, the heir
// taken as the deceased.
void bringDown(Division &d, const std::vector<int> &group, const Path &heir, const Rational &amount)
{
    const int from = heir.length();
    bool alike = true;
    for (int i : group)
        alike = alike && relation(d.path(i), from) == relation(d.path(group.front()), from);
    if (alike) {
        const bool twoToOne = d.method == Method::TanzilTwoToOne && heir.kind() != PathKind::MaternalSibling;
        byPersons(d, group, amount, twoToOne);
        return;
    }
    Family own;
    own.views = d.w.views;
    own.profile = d.w.family.profile;
    own.method = d.w.family.method;
    for (int i : group)
        own.members.push_back({*slice(d.path(i), from, d.path(i).length()), d.w.heads(i)});
    const Result r = calculate(own);
    const Rational total = sharesOf(r);
    for (std::size_t k = 0; k < group.size(); ++k) {
        const MemberResult &m = r.members[k];
        if (!m.share.isZero()) {
            d.share[std::size_t(group[k])] += amount * m.share / total;
        } else if (m.by >= 0 && !r.members[std::size_t(m.by)].share.isZero()) {
            d.w.exclude(group[k], Reason::ExcludedBy, group[std::size_t(m.by)]);
        } else {
            d.w.exclude(group[k], Reason::NothingLeft);
        }
    }
}

void bySubstitution(Division &d, const std::vector<int> &ids, const Rational &left)
{
    detail::Work &w = d.w;
    std::vector<Path> heirOf(std::size_t(w.size()));
    for (int i : ids)
        heirOf[std::size_t(i)] = *heirStoodFor(w.path(i), w.views);
    const auto up = [&](int i) { return w.path(i).length() - heirOf[std::size_t(i)].length(); };
    std::vector<int> kept;
    for (int dir = 0; dir < 3; ++dir) {
        std::vector<int> within;
        for (int i : ids)
            if (direction(w.path(i)) == dir)
                within.push_back(i);
        if (within.empty())
            continue;
        for (int i : d.keepBest(within, up, Reason::FartherFromHeir))
            kept.push_back(i);
    }
    std::sort(kept.begin(), kept.end());
    for (int i : ids)
        if (w.m(i).reason == Reason::FartherFromHeir)
            d.step(KinshipStepKind::RaisedTo, i, heirOf[std::size_t(i)], up(i), Rational(), src::First);
    // The heirs' case: a parent or grandparent is one person whoever stands
    // for him; a child or sibling is counted once for every claimant below.
    Family heirs;
    heirs.views = w.views;
    heirs.views.distantKindred = DistantKindredMethod::None;
    heirs.profile = w.family.profile;
    heirs.method = w.family.method;
    std::vector<std::vector<int>> groups;
    for (int i : kept) {
        d.step(KinshipStepKind::RaisedTo, i, heirOf[std::size_t(i)], up(i), Rational(), src::Tanzil);
        const Path &h = heirOf[std::size_t(i)];
        std::size_t k = 0;
        while (k < heirs.members.size() && !(heirs.members[k].path == h))
            ++k;
        if (k == heirs.members.size()) {
            heirs.members.push_back({h, 0});
            groups.emplace_back();
        }
        const bool onePerson = h.kind() == PathKind::Mother || h.kind() == PathKind::MaleAscendant
            || h.kind() == PathKind::Grandmother;
        heirs.members[k].count = onePerson ? 1 : heirs.members[k].count + w.heads(i);
        groups[k].push_back(i);
    }
    const Result r = calculate(heirs);
    const Rational total = sharesOf(r);
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const MemberResult &h = r.members[k];
        d.step(KinshipStepKind::HeirsCase, groups[k].front(), h.path, h.count, left * h.share / total, src::Tanzil);
        if (h.share.isZero()) {
            const int by = h.by >= 0 && !r.members[std::size_t(h.by)].share.isZero()
                ? groups[std::size_t(h.by)].front() : -1;
            for (int i : groups[k])
                w.exclude(i, Reason::HeirShutOut, by);
            continue;
        }
        bringDown(d, groups[k], h.path, left * h.share / total);
    }
}

} // namespace

int kinshipClass(const Path &p)
{
    if (p[0] == PathStep::Son || p[0] == PathStep::Daughter)
        return 1;
    const int a = ascents(p);
    if (a == p.length())
        return 2;
    return a == 0 ? 3 : 4;
}

bool heirPath(const Path &p, const Views &views)
{
    switch (p.kind()) {
    case PathKind::Husband:
    case PathKind::Wife:
    case PathKind::Descendant:
    case PathKind::MaleAscendant:
    case PathKind::Mother:
    case PathKind::Sibling:
    case PathKind::MaternalSibling:
    case PathKind::AgnateCollateral:
        return true;
    case PathKind::Grandmother:
        return p.fathersInLine() <= lineLimit(views.grandmotherLines);
    default:
        return false;
    }
}

std::optional<Path> heirStoodFor(const Path &p, const Views &views)
{
    for (int k = p.length() - 1; k >= 1; --k) {
        const auto up = slice(p, 0, k);
        if (up && heirPath(*up, views))
            return up;
    }
    return std::nullopt;
}

namespace detail {

bool distantKindred(Work &w, const Rational &left)
{
    if (w.views.distantKindred == DistantKindredMethod::None)
        return false;
    std::vector<int> claimants;
    int spouse = -1;
    for (int i = 0; i < w.size(); ++i) {
        const MemberResult &m = w.m(i);
        if (m.count <= 0)
            continue;
        const bool isSpouse = m.path.kind() == PathKind::Husband || m.path.kind() == PathKind::Wife;
        if (!m.share.isZero() && !isSpouse)
            return false;
        if (!m.share.isZero())
            spouse = i;
        if (m.reason == Reason::DistantKindred
            || (m.reason == Reason::NotAnHeirInThisSchool && heirStoodFor(m.path, w.views)))
            claimants.push_back(i);
    }
    if (claimants.empty())
        return false;
    for (int i : claimants)
        w.hearDistantKinsman(i);
    Division d{w, methodOf(w), std::vector<Rational>(std::size_t(w.size()))};
    if (spouse >= 0)
        d.step(KinshipStepKind::SpouseFirst, spouse, w.path(spouse), 0, left, src::Spouse);
    const bool kinship = w.views.distantKindred == DistantKindredMethod::Qaraba;
    if (kinship)
        byKinship(d, claimants, left);
    else
        bySubstitution(d, claimants, left);
    for (int i : claimants) {
        const Rational &s = d.share[std::size_t(i)];
        if (!s.isZero()) {
            w.give(i, kinship ? ShareRule::KinshipShare : ShareRule::SubstitutionShare, s);
            if (!kinship)
                d.step(KinshipStepKind::BroughtDown, i, *heirStoodFor(w.path(i), w.views), w.heads(i), s, src::Tanzil);
        } else if (w.m(i).reason == Reason::None) {
            w.exclude(i, Reason::NothingLeft);
        }
    }
    // Who shuts a kinsman out is one who takes: where the one first named
    // was shut out in turn, the one who shut him out is named.
    for (int i : claimants) {
        MemberResult &m = w.m(i);
        for (int guard = 0; m.by >= 0 && w.m(m.by).share.isZero() && guard < w.size(); ++guard)
            m.by = w.m(m.by).by;
    }
    return true;
}

} // namespace detail

} // namespace engine
