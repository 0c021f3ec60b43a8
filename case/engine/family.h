// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The family of a case as a value: every relative as a path with a count,
// and the views the case is worked under. Nothing else: no language, no
// flag that stands for another.

#include "case/path.h"
#include "case/views.h"

#include <vector>

namespace engine {

struct Member
{
    Path path;
    int count = 1;
    bool operator==(const Member &) const = default;
};

// Where the views leave the grandfather beside the siblings to the case
// (the view `ask`), the choice made for this case.
enum class GrandfatherMethod : std::uint8_t {
    NotChosen,   // worked as the siblings sharing with him
    Excludes,    // the grandfather stands in the father's place
    Shares,      // the siblings inherit with him
};

struct Family
{
    std::vector<Member> members;   // one entry per path
    Views views;
    Profile profile = Profile::Program;
    GrandfatherMethod method = GrandfatherMethod::NotChosen;
    // One grandmother reached by more than one route (the mother's mother's
    // mother who is also the father's mother's mother): her paths, each a
    // member of count 1. The view `grandmotherByTwoRoutes` decides whether
    // she is one head in the grandmothers' sixth or a head for each route.
    std::vector<std::vector<Path>> samePerson;
};

// The counts a path may have: a husband 0..1, wives 0..4, any other 0..50.
int maximumCount(const Path &p);

} // namespace engine
