// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Heirs who die before the estate is divided (al-munasakhat), as the case
// window and its files keep them: each later death names who died, one of
// the people of an earlier death, and gives his relatives as paths from
// him; a relative who is someone met before (the first deceased's wife is
// the son's mother) says who. The chain the calculation works
// (engine::workChain) is built from them and the first deceased's family.

#include "case/case_fields.h"
#include "case/engine/successive.h"

#include <optional>
#include <string>
#include <vector>

namespace details {

struct CaseState;

// One of the case's people: the head `which` (from 0) of the relatives at
// `path` of death `death` (0 the first deceased, k the k-th later death).
struct PersonRef
{
    int death = 0;
    Path path;
    int which = 0;
    friend bool operator==(const PersonRef &, const PersonRef &) = default;
};

struct LaterRelative
{
    Path path;
    int count = 1;                     // 1 when `same` is given
    std::optional<PersonRef> same;     // someone already in the case
    friend bool operator==(const LaterRelative &, const LaterRelative &) = default;
};

struct LaterDeath
{
    PersonRef deceased;
    std::vector<LaterRelative> relatives;
    friend bool operator==(const LaterDeath &, const LaterDeath &) = default;
};

// The first deceased's whole family as the case gives it: the family
// editor's relatives, those added by path, the profile and its views.
engine::Family firstFamily(const CaseState &s, Language language);

// The heads of death `death`'s relatives who are new people (the first
// deceased's family, or a later death's relatives not said to be someone
// met before), in order, each with the size of his group.
struct Head
{
    PersonRef ref;
    int count = 1;
};
std::vector<Head> headsOf(const engine::Family &first, const std::vector<LaterDeath> &later, int death);
// Everyone alive when later death `k` (1 for the first of them) comes:
// the heads of the earlier deaths, less those who died before it.
std::vector<Head> aliveBefore(const engine::Family &first, const std::vector<LaterDeath> &later, int k);

// The name the chain gives a person ("2/son/0").
std::string personKey(const PersonRef &p);
std::optional<PersonRef> personOfKey(const std::string &key);

// The chain of deaths; `error` says what is wrong, empty when it is sound
// as far as the references go (workChain checks the rest), and `death` the
// later death at fault (1 for the first of them).
engine::Chain chainOf(const engine::Family &first, const std::vector<LaterDeath> &later, std::string &error,
                      int *death = nullptr);

// Edits that keep the references sound: removing later death `k` (1 for
// the first) shifts the references past it; then every death whose
// deceased is no longer one who was alive goes too, and a relative said to
// be someone no longer there (or who cannot be he) is dropped.
void removeDeath(std::vector<LaterDeath> &later, int k);
void prune(const engine::Family &first, std::vector<LaterDeath> &later);

} // namespace details
