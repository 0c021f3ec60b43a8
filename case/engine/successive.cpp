// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/engine/successive.h"

#include <algorithm>
#include <map>

namespace engine {

namespace {

constexpr __int128 Limit = INT64_MAX;

// The share of one relative of a case (all his heads).
Rational shareOf(const Result &r, const ChainRelative &rel)
{
    for (const MemberResult &m : r.members)
        if (m.path == rel.path)
            return m.perHead() * Rational(rel.count);
    return {};
}

std::int64_t partsOf(const Rational &share, std::int64_t base)
{
    return (share * Rational(base)).num;
}

int treasuryHolder(std::vector<Holder> &holders)
{
    for (std::size_t i = 0; i < holders.size(); ++i)
        if (holders[i].treasury)
            return static_cast<int>(i);
    Holder t;
    t.treasury = true;
    holders.push_back(t);
    return static_cast<int>(holders.size()) - 1;
}

// The relatives of the deceased of a later death who take something, as
// holders, are the holders left, and each takes of his case what he holds of
// the combined base, in proportion.
bool inheritAlike(const ChainStep &step, const std::vector<int> &relHolder, const std::vector<std::int64_t> &parts,
                  std::int64_t combined, std::int64_t deceasedParts)
{
    // Summed over the holders, proportion leaves nothing for a treasury in
    // his case, so the treasury needs no check of its own.
    const __int128 left = combined - deceasedParts;
    if (left <= 0)
        return false;
    std::vector<std::int64_t> taken(parts.size(), 0);
    for (std::size_t j = 0; j < relHolder.size(); ++j)
        taken[static_cast<std::size_t>(relHolder[j])] += step.caseParts[j];
    for (std::size_t h = 0; h < parts.size(); ++h) {
        if (static_cast<int>(h) == step.deceased)
            continue;
        if (static_cast<__int128>(taken[h]) * left != static_cast<__int128>(parts[h]) * step.base)
            return false;
    }
    return true;
}

} // namespace

std::string checkRelatives(const std::vector<ChainRelative> &relatives)
{
    std::map<std::string, int> perPath;
    std::vector<std::string> named;
    bool husband = false, wife = false;
    for (const ChainRelative &r : relatives) {
        if (r.count < 1)
            return "a relative with no head: " + r.path.text();
        if (!r.person.empty()) {
            if (r.count != 1)
                return "a named person is one head: " + r.person;
            if (std::find(named.begin(), named.end(), r.person) != named.end())
                return r.person + " is named twice in one death";
            named.push_back(r.person);
        }
        const int n = perPath[r.path.text()] += r.count;
        if (n > maximumCount(r.path))
            return "too many heads for " + r.path.text();
        husband = husband || r.path.kind() == PathKind::Husband;
        wife = wife || r.path.kind() == PathKind::Wife;
    }
    if (husband && wife)
        return "a husband and wives in one family";
    return {};
}

int holderOf(std::vector<Holder> &holders, const ChainRelative &r, int death, int relative, std::string &error)
{
    if (!r.person.empty()) {
        for (std::size_t i = 0; i < holders.size(); ++i) {
            if (holders[i].person != r.person)
                continue;
            if (holders[i].path.male() != r.path.male())
                error = r.person + " is a man in one death and a woman in another";
            return static_cast<int>(i);
        }
    }
    Holder h;
    h.person = r.person;
    h.death = death;
    h.relative = relative;
    h.path = r.path;
    h.count = r.count;
    holders.push_back(h);
    return static_cast<int>(holders.size()) - 1;
}

Family familyOf(const std::vector<ChainRelative> &relatives, const Views &views, Profile profile,
                GrandfatherMethod method)
{
    Family f;
    f.views = views;
    f.profile = profile;
    f.method = method;
    for (const ChainRelative &r : relatives) {
        auto same = std::find_if(f.members.begin(), f.members.end(), [&](const Member &m) { return m.path == r.path; });
        if (same != f.members.end())
            same->count += r.count;
        else
            f.members.push_back({r.path, r.count});
    }
    return f;
}

namespace {

ChainResult workChainExactly(const Chain &chain)
{
    ChainResult out;
    if (chain.deaths.empty()) {
        out.error = "no death";
        return out;
    }
    std::vector<std::string> dead;
    // The exact reckoning, beside the parts: per estate (the first, then each
    // later deceased's own property), what reaches each holder.
    std::vector<std::vector<Rational>> from(1);
    std::int64_t combined = 0;
    std::vector<std::int64_t> parts;
    for (std::size_t d = 0; d < chain.deaths.size(); ++d) {
        const Death &death = chain.deaths[d];
        const int di = static_cast<int>(d);
        ChainStep step;
        if (const std::string e = checkRelatives(death.relatives); !e.empty()) {
            out.error = e;
            return out;
        }
        if (d > 0) {
            const auto h = std::find_if(out.holders.begin(), out.holders.end(),
                                        [&](const Holder &x) { return !x.person.empty() && x.person == death.person; });
            if (death.person.empty() || h == out.holders.end()) {
                out.error = "a later death must be of a person named among an earlier death's relatives";
                return out;
            }
            if (h->diedAt >= 0) {
                out.error = death.person + " dies twice";
                return out;
            }
            h->diedAt = di;
            step.deceased = static_cast<int>(h - out.holders.begin());
        }
        if (!death.person.empty())
            dead.push_back(death.person);
        std::vector<int> relHolder;
        for (std::size_t j = 0; j < death.relatives.size(); ++j) {
            const ChainRelative &rel = death.relatives[j];
            if (std::find(dead.begin(), dead.end(), rel.person) != dead.end()) {
                out.error = rel.person + " has died before this death";
                return out;
            }
            relHolder.push_back(holderOf(out.holders, rel, di, static_cast<int>(j), out.error));
            if (!out.error.empty())
                return out;
        }
        step.result = calculate(familyOf(death.relatives, chain.views, chain.profile, chain.method));
        step.working = workOf(step.result);
        step.base = step.working.correctedBase;
        for (const ChainRelative &rel : death.relatives)
            step.caseParts.push_back(partsOf(shareOf(step.result, rel), step.base));
        step.treasuryParts = partsOf(step.result.treasury, step.base);
        const int treasury = step.treasuryParts != 0 ? treasuryHolder(out.holders) : -1;
        parts.resize(out.holders.size(), 0);
        if (d > 0) {
            from.emplace_back(out.holders.size());
            from.back()[static_cast<std::size_t>(step.deceased)] = Rational(1);
        }
        // The exact reckoning: what the deceased holds of each estate given out through his case.
        for (std::vector<Rational> &f : from) {
            f.resize(out.holders.size());
            Rational passed(1);
            if (d > 0) {
                passed = f[static_cast<std::size_t>(step.deceased)];
                f[static_cast<std::size_t>(step.deceased)] = Rational();
            }
            for (std::size_t j = 0; j < death.relatives.size(); ++j)
                f[static_cast<std::size_t>(relHolder[j])] += passed * shareOf(step.result, death.relatives[j]);
            if (treasury >= 0)
                f[static_cast<std::size_t>(treasury)] += passed * step.result.treasury;
        }

        // The combined base.
        if (d == 0) {
            combined = step.base;
        } else {
            const std::int64_t s = parts[static_cast<std::size_t>(step.deceased)];
            step.deceasedParts = s;
            if (s == 0) {
                step.relation = Relation::Nothing;
                step.caseMultiplier = 0;
            } else if (inheritAlike(step, relHolder, parts, combined, s)) {
                step.relation = Relation::Shortcut;
                step.caseMultiplier = 0;
                combined -= s;
                parts[static_cast<std::size_t>(step.deceased)] = 0;
            } else {
                const std::int64_t g = gcd64(s, step.base);
                step.relation = s % step.base == 0 ? Relation::Divisible : g > 1 ? Relation::Agreement : Relation::Prime;
                step.factor = step.relation == Relation::Agreement ? g : 1;
                step.multiplier = step.base / g;
                step.caseMultiplier = s / g;
                const __int128 grown = static_cast<__int128>(combined) * step.multiplier;
                if (grown > Limit) {
                    out.error = "the combined base grows beyond the exact range";
                    return out;
                }
                combined = static_cast<std::int64_t>(grown);
                parts[static_cast<std::size_t>(step.deceased)] = 0;
                for (std::int64_t &p : parts)
                    p *= step.multiplier;
            }
        }
        step.added.assign(parts.size(), 0);
        if (step.caseMultiplier != 0 || d == 0) {
            const std::int64_t k = d == 0 ? 1 : step.caseMultiplier;
            for (std::size_t j = 0; j < relHolder.size(); ++j)
                step.added[static_cast<std::size_t>(relHolder[j])] += step.caseParts[j] * k;
            if (treasury >= 0)
                step.added[static_cast<std::size_t>(treasury)] += step.treasuryParts * k;
            for (std::size_t h = 0; h < parts.size(); ++h)
                parts[h] += step.added[h];
        }
        step.combinedBase = combined;
        step.parts = parts;
        out.steps.push_back(std::move(step));
    }
    // The reduction: by the common factor of every head's parts.
    std::int64_t common = combined;
    for (std::size_t h = 0; h < parts.size(); ++h)
        if (parts[h] != 0)
            common = gcd64(common, parts[h] / out.holders[h].count);
    out.reducedBase = combined / common;
    for (std::int64_t p : parts)
        out.finalParts.push_back(p / common);
    for (std::vector<Rational> &f : from)
        f.resize(out.holders.size());
    out.shares = from[0];
    out.ownShares = std::move(from);
    return out;
}

} // namespace

ChainResult workChain(const Chain &chain)
{
    try {
        return workChainExactly(chain);
    } catch (const RationalOverflow &) {
        ChainResult out;
        out.error = "the fractions grow beyond the exact range";
        return out;
    }
}

} // namespace engine
