// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The obligatory bequest of the national codes (الوصية الواجبة): the
// descendants of a child who died before the deceased (or with him) take,
// as a bequest paid before the heirs, what that child would have inherited
// had he been alive, within a third of the estate. It is worked beside
// calculate(), in two stages that both call it: the case with the
// predeceased children alive, which gives each one's share; then, the
// bequest taken out, a new case for the heirs on what is left (so an heir
// by fixed share takes his fraction of the remainder, not of the whole).
// The code is the view `obligatoryBequest` of the family.

#include "case/engine/result.h"

#include <cstdint>
#include <vector>

namespace engine {

// What the deceased gave a descendant without return (during his life, or by
// a bequest of his own), as a fraction of the estate: it is counted against
// that descendant's bequest, and only his ("وإن كان ما أعطاه أقل منه وجبت له
// وصية بمقدار ما يكمله", Egypt art. 76; Syria art. 257 b).
struct Gift
{
    Path descendant;   // one of the paths of `descendants` (all its heads together)
    Rational amount;
    friend bool operator==(const Gift &, const Gift &) = default;
};

// A child who died before the deceased, with his own descendants.
struct Predeceased
{
    // One step: "son" or "daughter" (of the deceased, or of the predeceased
    // parent for an entry in `predeceased`).
    Path child;
    // The living descendants, as paths below the child ("son", "daughter",
    // "son.daughter"). On a path of more than one step every person between
    // the child and the descendant died before the deceased: one person for
    // each such path ("son.son" and "son.daughter" are children of the same
    // son). Where two of the child's children died each with descendants of
    // their own, give them in `predeceased` instead.
    std::vector<Member> descendants;
    std::vector<Predeceased> predeceased;
    std::vector<Gift> gifts;
    friend bool operator==(const Predeceased &, const Predeceased &) = default;
};

// Why a living descendant of a predeceased child takes nothing by the bequest.
enum class BequestReason : std::uint8_t {
    None,
    Heir,             // he inherits: the bequest is for those who do not
    OutsideTheLines,  // the code gives no bequest through this line or generation
    GiftCovers,       // what the deceased gave him is at least his due
};

// One predeceased child of the deceased and what the code gives his branch.
struct BequestBranch
{
    Path child;
    bool entitled = false;  // some descendant takes through him: he is supposed alive
    Rational asAlive;       // his share in the case with the predeceased children alive
    Rational withinThird;   // after the third is applied to all branches together
    Rational gifts;         // what the deceased gave those who take
    Rational due;           // what they take: withinThird less each one's gift
};

// A living descendant of a predeceased child (a group of `count` heads with
// one path below one ancestor), with his part of the whole estate.
struct BequestRecipient
{
    Path path;               // from the deceased: "son.son.daughter"
    int count = 0;
    int branch = 0;          // the index of the predeceased child he descends from
    Rational share;          // all heads together, of the whole estate
    Rational gift;           // counted against it
    BequestReason reason = BequestReason::None;
    Rational perHead() const { return count > 0 ? share / Rational(count) : Rational(); }
};

struct BequestResult
{
    ObligatoryBequest code = ObligatoryBequest::None;
    // Stage one: the family with every entitled predeceased child alive.
    Family asAliveFamily;
    Result asAlive;
    std::vector<BequestBranch> branches;   // one per predeceased child, in the order given
    bool thirdApplied = false;             // their shares together passed the third
    Rational bequest;                      // the sum of the dues: taken out first
    std::vector<BequestRecipient> recipients;
    // Stage two: the heirs' case. `heirs` divides the remainder (its shares
    // add up to 1); `heirShares` are the same of the whole estate, one per
    // member of `heirs`, and `treasury` the treasury's part of the whole.
    Family heirsFamily;
    Result heirs;
    std::vector<Rational> heirShares;
    Rational treasury;
    // A bequest of the deceased to others, as a fraction of the estate: what
    // it takes after the obligatory bequest (Egypt art. 78), and whether
    // that is less than he left.
    Rational voluntary;
    bool voluntaryCut = false;
};

// The family's relatives with the predeceased children's descendants, as
// the classical calculation takes them (the descendants are relatives like
// any other); the heirs' family of stage two.
Family familyWithDescendants(const Family &family, const std::vector<Predeceased> &predeceased);

// Works the family out with the obligatory bequest of its code. With the
// code `none`, or no predeceased child, it is calculate() of
// familyWithDescendants() and nothing is bequeathed. Throws
// std::invalid_argument for a child or descendant path that is not a chain
// of sons and daughters.
// `voluntary` is what the deceased left to others by his own bequest, as a
// fraction of the estate: it comes after the obligatory bequest and takes
// what that leaves of the third, or as much as is left where the heirs
// consent (Egypt art. 78: "وتقدم على غيرها من الوصايا").
BequestResult calculateWithBequest(const Family &family, const std::vector<Predeceased> &predeceased,
                                   const Rational &voluntary = Rational(), bool heirsConsent = false);

// The base of the whole case: the fewest parts in which every head's share
// of the whole estate (heirs, those who take by the bequest, the treasury)
// is whole.
std::int64_t wholeBase(const BequestResult &r);

} // namespace engine
