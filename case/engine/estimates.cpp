// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/engine/estimates.h"

#include "case/engine/working.h"

#include <algorithm>
#include <climits>
#include <string>

namespace engine {

namespace {

constexpr int MaxHermaphrodites = 6;
constexpr int MaxMissing = 4;

bool isChildOrSiblingStep(PathStep s)
{
    switch (s) {
    case PathStep::Son: case PathStep::Daughter:
    case PathStep::Brother: case PathStep::Sister:
    case PathStep::PaternalBrother: case PathStep::PaternalSister:
    case PathStep::MaternalBrother: case PathStep::MaternalSister:
        return true;
    default:
        return false;
    }
}

Path placeOfSex(const UncertainPerson &u, bool male)
{
    if (u.place.male() == male)
        return u.place;
    return otherSex(u.place).value_or(u.place);
}

std::int64_t binomial(int n, int k)
{
    std::int64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

// What can be supposed about one person, in the order the estimates are shown.
std::vector<Supposition> suppositionsOf(const UncertainPerson &u, UnbornReserve reserve)
{
    std::vector<Supposition> out;
    switch (u.kind) {
    case Uncertainty::Unborn: {
        const int most = reserve == UnbornReserve::One ? 1
            : reserve == UnbornReserve::Four       ? 4
            : reserve == UnbornReserve::Unlimited  ? 5   // the fifth only shows who more children reduce
                                                   : 2;
        for (int n = 0; n <= most; ++n)
            for (int m = n; m >= 0; --m)
                out.push_back({m, n - m});
        break;
    }
    case Uncertainty::Missing:
        for (int alive = u.count; alive >= 0; --alive)
            out.push_back({alive, 0});
        break;
    case Uncertainty::Hermaphrodite:
        for (int males = u.count; males >= 0; --males)
            out.push_back({males, u.count - males});
        break;
    }
    return out;
}

void addTo(Family &f, const Path &p, int n)
{
    if (n <= 0)
        return;
    for (Member &m : f.members) {
        if (m.path == p) {
            m.count += n;
            return;
        }
    }
    f.members.push_back({p, n});
}

Family familyOf(const UncertainFamily &uf, const std::vector<Supposition> &s)
{
    Family f = uf.known;
    for (std::size_t i = 0; i < uf.uncertain.size(); ++i) {
        const UncertainPerson &u = uf.uncertain[i];
        if (u.kind == Uncertainty::Missing) {
            addTo(f, u.place, s[i].males);
        } else {
            addTo(f, placeOfSex(u, true), s[i].males);
            addTo(f, placeOfSex(u, false), s[i].females);
        }
    }
    return f;
}

Rational perHeadAt(const Result &r, const Path &p)
{
    for (const MemberResult &m : r.members)
        if (m.path == p)
            return m.perHead();
    return {};
}

// What each claimant can be sure of under one estimate: his share, except
// that of several hermaphrodites at one place each may be the one who is
// female (or male): each is sure only of the lesser of the two.
std::vector<Rational> certainShares(const UncertainFamily &uf, const std::vector<Claimant> &claimants,
                                    const std::vector<Supposition> &s, const Result &r,
                                    std::vector<Rational> shares)
{
    for (std::size_t c = 0; c < claimants.size(); ++c) {
        const int i = claimants[c].uncertain;
        if (i < 0 || uf.uncertain[static_cast<std::size_t>(i)].kind != Uncertainty::Hermaphrodite)
            continue;
        const UncertainPerson &u = uf.uncertain[static_cast<std::size_t>(i)];
        const Supposition &x = s[static_cast<std::size_t>(i)];
        const Rational male = perHeadAt(r, placeOfSex(u, true)), female = perHeadAt(r, placeOfSex(u, false));
        const Rational each = x.males == 0 ? female : x.females == 0 ? male : std::min(male, female);
        shares[c] = each * Rational(u.count);
    }
    return shares;
}

std::vector<Rational> claimantShares(const UncertainFamily &uf, const std::vector<Claimant> &claimants,
                                     const std::vector<Supposition> &s, const Result &r)
{
    std::vector<Rational> out;
    out.reserve(claimants.size());
    for (const Claimant &c : claimants) {
        if (c.treasury) {
            out.push_back(r.treasury);
        } else if (c.uncertain < 0) {
            out.push_back(perHeadAt(r, c.path) * Rational(c.count));
        } else {
            const UncertainPerson &u = uf.uncertain[static_cast<std::size_t>(c.uncertain)];
            const Supposition &x = s[static_cast<std::size_t>(c.uncertain)];
            if (u.kind == Uncertainty::Missing)
                out.push_back(perHeadAt(r, u.place) * Rational(x.males));
            else
                out.push_back(perHeadAt(r, placeOfSex(u, true)) * Rational(x.males)
                              + perHeadAt(r, placeOfSex(u, false)) * Rational(x.females));
        }
    }
    return out;
}

EstimatesError check(const UncertainFamily &uf)
{
    int unborn = 0, hermaphrodites = 0, missing = 0;
    for (const UncertainPerson &u : uf.uncertain) {
        if (u.count < 1)
            return EstimatesError::BadCount;
        if (u.kind != Uncertainty::Missing) {
            const bool place = u.place.length() > 0 && isChildOrSiblingStep(u.place[u.place.length() - 1])
                && u.place.kind() != PathKind::Emancipator && otherSex(u.place);
            if (!place)
                return EstimatesError::NotAPlace;
        }
        if (u.kind == Uncertainty::Unborn && (++unborn > 1 || u.count != 1))
            return unborn > 1 ? EstimatesError::TooMany : EstimatesError::BadCount;
        hermaphrodites += u.kind == Uncertainty::Hermaphrodite ? u.count : 0;
        missing += u.kind == Uncertainty::Missing ? u.count : 0;
    }
    return hermaphrodites > MaxHermaphrodites || missing > MaxMissing ? EstimatesError::TooMany
                                                                        : EstimatesError::None;
}

// The combined base and everyone's parts of it.
void combinedBase(EstimatesResult &out, std::int64_t states)
{
    for (const Estimate &e : out.estimates)
        if (e.decides)
            out.base = lcm64(out.base, e.base);
    if (out.statesAveraged) {
        // Each state's parts summed: the base times the number of states.
        if (out.base > INT64_MAX / states)
            throw RationalOverflow();
        out.base *= states;
    }
    for (const Rational &q : out.now)
        out.base = q.isZero() ? out.base : lcm64(out.base, q.den);
    out.base = out.held.isZero() ? out.base : lcm64(out.base, out.held.den);
    for (const Rational &q : out.now)
        out.nowParts.push_back((q * Rational(out.base)).num);
    out.heldParts = (out.held * Rational(out.base)).num;
    for (const Rational &q : out.now)
        out.reducedBase = q.isZero() ? out.reducedBase : lcm64(out.reducedBase, q.den);
    out.reducedBase = out.held.isZero() ? out.reducedBase : lcm64(out.reducedBase, out.held.den);
}

// The case under every combination of the persons' suppositions, and each
// claimant's share and certain share under each.
std::vector<std::vector<Rational>> workEstimates(const UncertainFamily &uf, EstimatesResult &out)
{
    std::vector<std::vector<Supposition>> choices;
    for (const UncertainPerson &u : uf.uncertain)
        choices.push_back(suppositionsOf(u, uf.known.views.unbornReserve));
    std::vector<std::vector<Supposition>> combos{{}};
    for (const auto &c : choices) {
        std::vector<std::vector<Supposition>> next;
        for (const auto &partial : combos)
            for (const Supposition &s : c) {
                auto longer = partial;
                longer.push_back(s);
                next.push_back(std::move(longer));
            }
        combos = std::move(next);
    }
    std::vector<std::vector<Rational>> certain;  // [estimate][claimant]
    for (auto &s : combos) {
        Estimate e;
        e.family = familyOf(uf, s);
        e.result = calculate(e.family);
        e.base = workOf(e.result).correctedBase;
        out.shares.push_back(claimantShares(uf, out.claimants, s, e.result));
        certain.push_back(certainShares(uf, out.claimants, s, e.result, out.shares.back()));
        e.suppose = std::move(s);
        out.estimates.push_back(std::move(e));
    }
    return certain;
}

// Each claimant's figure over a group of estimates that differ only in the
// hermaphrodites' sexes, by the view on the hermaphrodite: his least, the
// mean over the states, or the state in which they take least.
std::vector<Rational> groupFigures(const UncertainFamily &uf, EstimatesResult &out,
                                   const std::vector<std::vector<Rational>> &certain,
                                   const std::vector<std::size_t> &members, Hermaphrodite method,
                                   std::int64_t states)
{
    const std::size_t n = out.claimants.size();
    std::vector<Rational> figure(n);
    if (method == Hermaphrodite::LeastHeld) {
        for (std::size_t c = 0; c < n; ++c) {
            figure[c] = certain[members[0]][c];
            for (std::size_t e : members)
                figure[c] = std::min(figure[c], certain[e][c]);
        }
    } else if (method == Hermaphrodite::HalfOfTwo) {
        for (std::size_t e : members) {
            std::int64_t weight = 1;
            for (std::size_t i = 0; i < uf.uncertain.size(); ++i)
                if (uf.uncertain[i].kind == Uncertainty::Hermaphrodite)
                    weight *= binomial(uf.uncertain[i].count, out.estimates[e].suppose[i].males);
            for (std::size_t c = 0; c < n; ++c)
                figure[c] += out.shares[e][c] * Rational(weight, states);
        }
    } else {
        // The lesser: the state in which the hermaphrodites together take least.
        std::size_t pick = members[0];
        Rational best;
        for (std::size_t k = 0; k < members.size(); ++k) {
            Rational theirs;
            for (std::size_t c = 0; c < n; ++c) {
                const int u = out.claimants[c].uncertain;
                if (u >= 0 && uf.uncertain[static_cast<std::size_t>(u)].kind == Uncertainty::Hermaphrodite)
                    theirs += out.shares[members[k]][c];
            }
            if (k == 0 || theirs < best) {
                best = theirs;
                pick = members[k];
            }
        }
        for (std::size_t e : members)
            out.estimates[e].decides = e == pick;
        figure = out.shares[pick];
    }
    return figure;
}

EstimatesResult estimateChecked(const UncertainFamily &uf)
{
    EstimatesResult out;
    const Views &views = uf.known.views;

    for (const Member &m : uf.known.members)
        out.claimants.push_back({m.path, m.count, -1, false});
    bool anyUnborn = false, anyHermaphrodite = false, hoped = false;
    for (std::size_t i = 0; i < uf.uncertain.size(); ++i) {
        const UncertainPerson &u = uf.uncertain[i];
        out.claimants.push_back({u.place, u.count, static_cast<int>(i), false});
        anyUnborn = anyUnborn || u.kind == Uncertainty::Unborn;
        anyHermaphrodite = anyHermaphrodite || u.kind == Uncertainty::Hermaphrodite;
        hoped = hoped || (u.kind == Uncertainty::Hermaphrodite && u.clarityHoped);
    }
    out.claimants.push_back({Path(), 1, -1, true});
    Hermaphrodite method = views.hermaphrodite;
    if (method == Hermaphrodite::ByHope)
        method = hoped ? Hermaphrodite::LeastHeld : Hermaphrodite::HalfOfTwo;

    const std::vector<std::vector<Rational>> certain = workEstimates(uf, out);

    // The estimates that differ only in the hermaphrodites' sexes form one
    // group; within it the view on the hermaphrodite decides each claimant's
    // figure, and across the groups each is paid his least.
    const std::size_t n = out.claimants.size();
    auto outer = [&](const Estimate &e) {
        std::vector<Supposition> key;
        for (std::size_t i = 0; i < uf.uncertain.size(); ++i)
            key.push_back(uf.uncertain[i].kind == Uncertainty::Hermaphrodite ? Supposition{} : e.suppose[i]);
        return key;
    };
    auto unbornChildren = [&](const Estimate &e) {
        for (std::size_t i = 0; i < uf.uncertain.size(); ++i)
            if (uf.uncertain[i].kind == Uncertainty::Unborn)
                return e.suppose[i].males + e.suppose[i].females;
        return 0;
    };
    std::int64_t states = 1;
    for (const UncertainPerson &u : uf.uncertain)
        states *= u.kind == Uncertainty::Hermaphrodite ? std::int64_t(1) << u.count : 1;

    std::vector<std::optional<Rational>> leastUpToFour(n), least(n);
    std::vector<bool> grouped(out.estimates.size(), false);
    for (std::size_t g = 0; g < out.estimates.size(); ++g) {
        if (grouped[g])
            continue;
        const auto key = outer(out.estimates[g]);
        std::vector<std::size_t> members;
        for (std::size_t e = g; e < out.estimates.size(); ++e) {
            if (!grouped[e] && outer(out.estimates[e]) == key) {
                grouped[e] = true;
                members.push_back(e);
            }
        }
        const std::vector<Rational> figure = groupFigures(uf, out, certain, members, anyHermaphrodite ? method : Hermaphrodite::LeastHeld, states);
        const bool withinFour = unbornChildren(out.estimates[g]) <= 4;
        if (!withinFour)
            for (std::size_t e : members)
                out.estimates[e].decides = false;
        for (std::size_t c = 0; c < n; ++c) {
            least[c] = least[c] ? std::min(*least[c], figure[c]) : figure[c];
            if (withinFour)
                leastUpToFour[c] = leastUpToFour[c] ? std::min(*leastUpToFour[c], figure[c]) : figure[c];
        }
    }

    out.suspended = anyUnborn && views.unbornReserve == UnbornReserve::Suspend;
    out.statesAveraged = anyHermaphrodite && method == Hermaphrodite::HalfOfTwo;
    Rational paid;
    for (std::size_t c = 0; c < n; ++c) {
        Rational now = least[c].value_or(Rational());
        // With no number set, whoever a fifth child would still reduce could
        // be reduced without end: he receives nothing before the birth.
        if (anyUnborn && views.unbornReserve == UnbornReserve::Unlimited && leastUpToFour[c] && now < *leastUpToFour[c])
            now = Rational();
        if (out.suspended)
            now = Rational();
        out.now.push_back(now);
        paid += now;
    }
    out.held = Rational(1) - paid;
    Rational theirs;
    for (std::size_t c = 0; c < n; ++c) {
        if (out.claimants[c].uncertain < 0)
            continue;
        Rational most;
        for (std::size_t e = 0; e < out.estimates.size(); ++e)
            if (out.estimates[e].decides)
                most = std::max(most, out.shares[e][c]);
        out.mostFor.push_back(most);
        theirs += most - out.now[c];
    }
    out.byAgreement = out.statesAveraged || out.held < theirs ? Rational() : out.held - theirs;

    combinedBase(out, states);
    return out;
}

} // namespace

std::optional<Path> otherSex(const Path &place)
{
    std::string text = place.text();
    const auto dot = text.rfind('.');
    const std::string head = dot == std::string::npos ? std::string() : text.substr(0, dot + 1);
    const std::string last = dot == std::string::npos ? text : text.substr(dot + 1);
    static const std::pair<const char *, const char *> pairs[] = {
        {"son", "daughter"}, {"brother", "sister"}, {"paternalBrother", "paternalSister"},
        {"maternalBrother", "maternalSister"},
    };
    for (const auto &[male, female] : pairs) {
        if (last == male)
            return Path::parse(head + female);
        if (last == female)
            return Path::parse(head + male);
    }
    return std::nullopt;
}

EstimatesResult estimate(const UncertainFamily &uf)
{
    EstimatesResult refused;
    refused.error = check(uf);
    if (refused.error != EstimatesError::None)
        return refused;
    try {
        return estimateChecked(uf);
    } catch (const RationalOverflow &) {
        refused.error = EstimatesError::TooLarge;
        return refused;
    }
}


Settlement settle(const UncertainFamily &uf, const EstimatesResult &r, const std::vector<Supposition> &truth)
{
    Settlement s;
    s.result = calculate(familyOf(uf, truth));
    s.total = claimantShares(uf, r.claimants, truth, s.result);
    for (std::size_t c = 0; c < s.total.size(); ++c)
        s.fromReserve.push_back(s.total[c] - (c < r.now.size() ? r.now[c] : Rational()));
    return s;
}

std::vector<WaitingPeriod> waitingPeriods(Profile p)
{
    static const WaitingPeriod all[] = {
        {Profile::Hanafi, "peersDead", 60, 120, 0, "birth"},
        {Profile::Maliki, "lifespan", 70, 80, 0, "birth"},
        {Profile::Shafii, "judge", 0, 0, 0, "loss"},
        {Profile::Hanbali, "apparentlySafe", 90, 0, 0, "birth"},
        {Profile::Hanbali, "apparentlyPerilous", 4, 0, 0, "loss"},
        {Profile::Egypt, "deathLikely", 4, 0, 0, "loss"},
        {Profile::Egypt, "shipOrPlane", 0, 0, 30, "loss"},
        {Profile::Egypt, "forcesInOperations", 1, 0, 0, "loss"},
        {Profile::Egypt, "judgeAtLeast", 4, 0, 0, "loss"},
        {Profile::Syria, "always", 80, 0, 0, "birth"},
        {Profile::Syria, "deathLikely", 4, 0, 0, "loss"},
    };
    std::vector<WaitingPeriod> out;
    for (const WaitingPeriod &w : all)
        if (p == Profile::Program || w.school == p)
            out.push_back(w);
    return out;
}

} // namespace engine
