// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/later_deaths.h"

#include "case/engine/record_family.h"
#include "details/case_state.h"

#include <algorithm>

namespace details {

engine::Family firstFamily(const CaseState &s, Language language)
{
    engine::Family f = engine::familyOfRecord(familyRecord(s, language));
    f.members.erase(std::remove_if(f.members.begin(), f.members.end(),
                                   [](const engine::Member &m) { return m.count <= 0; }),
                    f.members.end());
    for (const engine::Member &m : s.added)
        if (std::none_of(f.members.begin(), f.members.end(), [&](const engine::Member &e) { return e.path == m.path; }))
            f.members.push_back(m);
    f.profile = s.profile.value_or(Profile::Program);
    f.views = s.views.value_or(profileViews(f.profile));
    f.method = s.method == 1 ? engine::GrandfatherMethod::Excludes : engine::GrandfatherMethod::Shares;
    return f;
}

std::vector<Head> headsOf(const engine::Family &first, const std::vector<LaterDeath> &later, int death)
{
    std::vector<Head> out;
    const auto add = [&](const Path &path, int count) {
        for (int i = 0; i < count; ++i)
            out.push_back({{death, path, i}, count});
    };
    if (death == 0) {
        for (const engine::Member &m : first.members)
            add(m.path, m.count);
    } else if (death <= int(later.size())) {
        for (const LaterRelative &r : later[std::size_t(death - 1)].relatives)
            if (!r.same)
                add(r.path, r.count);
    }
    return out;
}

std::vector<Head> aliveBefore(const engine::Family &first, const std::vector<LaterDeath> &later, int k)
{
    std::vector<Head> out;
    for (int d = 0; d < k && d <= int(later.size()); ++d)
        for (const Head &h : headsOf(first, later, d))
            out.push_back(h);
    for (int d = 1; d < k && d <= int(later.size()); ++d) {
        const PersonRef &dead = later[std::size_t(d - 1)].deceased;
        out.erase(std::remove_if(out.begin(), out.end(), [&](const Head &h) { return h.ref == dead; }), out.end());
    }
    return out;
}

std::string personKey(const PersonRef &p)
{
    return std::to_string(p.death) + "/" + p.path.text() + "/" + std::to_string(p.which);
}

std::optional<PersonRef> personOfKey(const std::string &key)
{
    const auto a = key.find('/');
    const auto b = key.rfind('/');
    if (a == std::string::npos || b == a)
        return std::nullopt;
    const auto path = Path::parse(key.substr(a + 1, b - a - 1));
    if (!path)
        return std::nullopt;
    return PersonRef{std::stoi(key.substr(0, a)), *path, std::stoi(key.substr(b + 1))};
}

engine::Chain chainOf(const engine::Family &first, const std::vector<LaterDeath> &later, std::string &error,
                      int *death)
{
    engine::Chain c;
    c.views = first.views;
    c.profile = first.profile;
    c.method = first.method;
    // Everyone named anywhere is one person of the chain; the rest of his
    // group stays an unnamed group of its death.
    std::vector<PersonRef> named;
    for (const LaterDeath &d : later) {
        named.push_back(d.deceased);
        for (const LaterRelative &r : d.relatives)
            if (r.same)
                named.push_back(*r.same);
    }
    for (int k = 1; k <= int(later.size()); ++k) {
        const LaterDeath &d = later[std::size_t(k - 1)];
        const auto alive = aliveBefore(first, later, k);
        const auto isAlive = [&](const PersonRef &p) {
            return std::any_of(alive.begin(), alive.end(), [&](const Head &h) { return h.ref == p; });
        };
        if (!isAlive(d.deceased)) {
            error = "death " + std::to_string(k) + ": " + personKey(d.deceased) + " is not one who was alive";
            if (death)
                *death = k;
            return c;
        }
        for (const LaterRelative &r : d.relatives)
            if (r.same && (!isAlive(*r.same) || *r.same == d.deceased || r.same->path.male() != r.path.male())) {
                error = "death " + std::to_string(k) + ": " + personKey(*r.same) + " cannot be his " + r.path.text();
                if (death)
                    *death = k;
                return c;
            }
    }
    for (int k = 0; k <= int(later.size()); ++k) {
        engine::Death step;
        if (k > 0)
            step.person = personKey(later[std::size_t(k - 1)].deceased);
        std::vector<engine::Member> groups;
        if (k == 0)
            groups = first.members;
        else
            for (const LaterRelative &r : later[std::size_t(k - 1)].relatives)
                if (!r.same)
                    groups.push_back({r.path, r.count});
        for (const engine::Member &g : groups) {
            int rest = g.count;
            for (int i = 0; i < g.count; ++i) {
                const PersonRef p{k, g.path, i};
                if (std::find(named.begin(), named.end(), p) == named.end())
                    continue;
                step.relatives.push_back({g.path, 1, personKey(p)});
                --rest;
            }
            if (rest > 0)
                step.relatives.push_back({g.path, rest, {}});
        }
        if (k > 0)
            for (const LaterRelative &r : later[std::size_t(k - 1)].relatives)
                if (r.same)
                    step.relatives.push_back({r.path, 1, personKey(*r.same)});
        c.deaths.push_back(std::move(step));
    }
    return c;
}

void removeDeath(std::vector<LaterDeath> &later, int k)
{
    if (k < 1 || k > int(later.size()))
        return;
    later.erase(later.begin() + (k - 1));
    const auto shift = [k](PersonRef &p) {
        if (p.death == k)
            p.death = -1;   // no one now
        else if (p.death > k)
            --p.death;
    };
    for (LaterDeath &d : later) {
        shift(d.deceased);
        for (LaterRelative &r : d.relatives)
            if (r.same)
                shift(*r.same);
    }
}

void prune(const engine::Family &first, std::vector<LaterDeath> &later)
{
    for (int k = 1; k <= int(later.size()); ++k) {
        const auto alive = aliveBefore(first, later, k);
        const auto isAlive = [&](const PersonRef &p) {
            return std::any_of(alive.begin(), alive.end(), [&](const Head &h) { return h.ref == p; });
        };
        LaterDeath &d = later[std::size_t(k - 1)];
        if (!isAlive(d.deceased)) {
            removeDeath(later, k);
            k = 0;   // from the start: references have shifted
            continue;
        }
        std::erase_if(d.relatives, [&](const LaterRelative &r) {
            return r.same && (!isAlive(*r.same) || *r.same == d.deceased || r.same->path.male() != r.path.male());
        });
    }
}

} // namespace details
