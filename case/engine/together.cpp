// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/engine/together.h"

#include <algorithm>

namespace engine {

namespace {

bool among(const std::vector<TogetherDeath> &deaths, const std::string &person)
{
    return !person.empty()
        && std::any_of(deaths.begin(), deaths.end(), [&](const TogetherDeath &d) { return d.person == person; });
}

std::vector<ChainRelative> living(const std::vector<ChainRelative> &relatives, const std::vector<TogetherDeath> &deaths)
{
    std::vector<ChainRelative> out;
    for (const ChainRelative &r : relatives)
        if (!among(deaths, r.person))
            out.push_back(r);
    return out;
}

int holderNamed(const std::vector<Holder> &holders, const std::string &person)
{
    for (std::size_t i = 0; i < holders.size(); ++i)
        if (!person.empty() && holders[i].person == person)
            return static_cast<int>(i);
    return -1;
}

Rational shareOf(const Result &r, const ChainRelative &rel)
{
    for (const MemberResult &m : r.members)
        if (m.path == rel.path)
            return m.perHead() * Rational(rel.count);
    return {};
}

int treasuryOf(std::vector<Holder> &holders)
{
    for (std::size_t i = 0; i < holders.size(); ++i)
        if (holders[i].treasury)
            return static_cast<int>(i);
    Holder t;
    t.treasury = true;
    holders.push_back(t);
    return static_cast<int>(holders.size()) - 1;
}

} // namespace

namespace {

TogetherResult workTogetherExactly(const std::vector<TogetherDeath> &deaths, const Views &views, Profile profile,
                            GrandfatherMethod method)
{
    TogetherResult out;
    if (deaths.size() < 2) {
        out.error = "at least two who die together";
        return out;
    }
    for (std::size_t d = 0; d < deaths.size(); ++d) {
        if (deaths[d].person.empty()
            || std::count_if(deaths.begin(), deaths.end(), [&](const TogetherDeath &x) { return x.person == deaths[d].person; }) > 1) {
            out.error = "each who dies together is named, once";
            return out;
        }
    }
    // Holders: every relative of every deceased, named ones once.
    std::vector<std::vector<int>> relHolder(deaths.size());
    for (std::size_t d = 0; d < deaths.size(); ++d) {
        const TogetherDeath &death = deaths[d];
        if (const std::string e = checkRelatives(death.relatives); !e.empty()) {
            out.error = e;
            return out;
        }
        for (std::size_t j = 0; j < death.relatives.size(); ++j) {
            if (death.relatives[j].person == death.person) {
                out.error = death.person + " among his own relatives";
                return out;
            }
            relHolder[d].push_back(holderOf(out.holders, death.relatives[j], static_cast<int>(d), static_cast<int>(j), out.error));
            if (!out.error.empty())
                return out;
        }
    }
    for (std::size_t d = 0; d < deaths.size(); ++d) {
        const TogetherDeath &death = deaths[d];
        int self = holderNamed(out.holders, death.person);
        if (self < 0) {
            Holder h;
            h.person = death.person;
            out.holders.push_back(h);
            self = static_cast<int>(out.holders.size()) - 1;
        }
        out.holders[static_cast<std::size_t>(self)].diedAt = static_cast<int>(d);
    }
    const bool mutual = views.diedTogether == DiedTogether::OldPropertyOnly;
    // Each one's case among his living heirs: his whole estate under the
    // majority view, what he takes from another under the Hanbali one.
    std::vector<TogetherCase> alone;
    for (std::size_t d = 0; d < deaths.size(); ++d) {
        TogetherCase c;
        c.result = calculate(familyOf(living(deaths[d].relatives, deaths), views, profile, method));
        c.working = workOf(c.result);
        alone.push_back(std::move(c));
    }
    const auto giveOut = [&](TogetherCase &into, std::size_t d, const Rational &amount, const Result &r,
                             bool livingOnly) {
        for (std::size_t j = 0; j < deaths[d].relatives.size(); ++j) {
            const ChainRelative &rel = deaths[d].relatives[j];
            if (livingOnly && among(deaths, rel.person))
                continue;
            into.shares[static_cast<std::size_t>(relHolder[d][j])] += amount * shareOf(r, rel);
        }
        if (!r.treasury.isZero())
            into.shares[static_cast<std::size_t>(treasuryOf(out.holders))] += amount * r.treasury;
    };
    for (std::size_t d = 0; d < deaths.size(); ++d) {
        TogetherCase c;
        c.result = mutual ? calculate(familyOf(deaths[d].relatives, views, profile, method)) : alone[d].result;
        c.working = workOf(c.result);
        c.shares.assign(out.holders.size() + 1, Rational());
        giveOut(c, d, Rational(1), c.result, true);
        if (mutual) {
            // What one who died with him takes passes to that one's living heirs.
            for (std::size_t j = 0; j < deaths[d].relatives.size(); ++j) {
                const ChainRelative &rel = deaths[d].relatives[j];
                if (!among(deaths, rel.person))
                    continue;
                const auto other = static_cast<std::size_t>(
                    std::find_if(deaths.begin(), deaths.end(), [&](const TogetherDeath &x) { return x.person == rel.person; })
                    - deaths.begin());
                giveOut(c, other, shareOf(c.result, rel), alone[other].result, true);
            }
        }
        out.cases.push_back(std::move(c));
    }
    for (TogetherCase &c : out.cases)
        c.shares.resize(out.holders.size());
    if (mutual)
        out.passOn = std::move(alone);
    return out;
}

} // namespace

TogetherResult workTogether(const std::vector<TogetherDeath> &deaths, const Views &views, Profile profile,
                            GrandfatherMethod method)
{
    try {
        return workTogetherExactly(deaths, views, profile, method);
    } catch (const RationalOverflow &) {
        TogetherResult out;
        out.error = "the fractions grow beyond the exact range";
        return out;
    }
}

} // namespace engine
