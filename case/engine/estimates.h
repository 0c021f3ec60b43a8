// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Heirs whose state is not yet known: the child still in the womb, the
// missing relative, the hermaphrodite whose sex is undetermined. The case
// is worked out under every estimate (al-taqdir) with calculate(); each
// claimant is paid at once the least he takes under any of them (nothing
// if he takes nothing under one), and the rest is held (al-waqf) until the
// truth is known. The schools' differences are the views `unbornReserve`
// (how many children are estimated) and `hermaphrodite` (the least, the
// lesser state, or half of the two states).

#include "case/engine/result.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace engine {

enum class Uncertainty : std::uint8_t {
    Unborn,         // the place of the child to be born: "son" (the deceased's own),
                    // "son.son" (a son's), "paternalBrother", "maternalBrother", ...
    Missing,        // a relative alive or dead unknown, at his own path
    Hermaphrodite,  // persons at a place whose sex is undetermined
};

struct UncertainPerson
{
    Uncertainty kind = Uncertainty::Unborn;
    // The place. For the unborn and the hermaphrodite either sex's word names
    // it ("son" and "daughter" are the same place); the estimate decides.
    Path place;
    int count = 1;             // missing or hermaphrodite persons there; the unborn: 1
    bool clarityHoped = true;  // a hermaphrodite who may yet show his sex (the view byHope)
    bool operator==(const UncertainPerson &) const = default;
};

struct UncertainFamily
{
    Family known;                          // everyone whose state is known
    std::vector<UncertainPerson> uncertain;
};

// What an estimate supposes about one uncertain person: the unborn born as
// `males` sons and `females` daughters (both 0: born dead), so many of the
// missing alive (`males`), so many of the hermaphrodites male (`males`) and
// the rest female (`females`).
struct Supposition
{
    int males = 0;
    int females = 0;
    bool operator==(const Supposition &) const = default;
};

struct Estimate
{
    std::vector<Supposition> suppose;  // one per uncertain person
    Family family;                     // the case as the estimate makes it
    Result result;
    std::int64_t base = 0;             // its corrected base
    bool decides = true;               // counted in what is paid at once
};

// Who may receive: the known members in the family's order, then the
// uncertain persons in theirs, then the treasury.
struct Claimant
{
    Path path;
    int count = 0;
    int uncertain = -1;        // index into the uncertain persons, or -1
    bool treasury = false;
};

enum class EstimatesError : std::uint8_t {
    None,
    NotAPlace,        // an unborn or a hermaphrodite at a path that is no one's child or sibling
    TooMany,          // more than one unborn, or more than 6 hermaphrodites, or more than 4 missing
    BadCount,
    TooLarge,         // the combined base passes 64 bits
};

struct EstimatesResult
{
    EstimatesError error = EstimatesError::None;
    std::vector<Claimant> claimants;
    std::vector<Estimate> estimates;
    std::vector<std::vector<Rational>> shares;  // [estimate][claimant], all heads together
    std::vector<Rational> now;                  // paid at once, per claimant
    Rational held;                              // the reserve
    bool suspended = false;                     // the division waits for the birth
    bool statesAveraged = false;                // half of the two shares: nothing held for the sex
    // The combined base: the least common multiple of the corrected bases of
    // the estimates that decide, times the number of states where they are
    // averaged; every amount is a whole number of its parts.
    std::int64_t base = 1;
    std::vector<std::int64_t> nowParts;         // per claimant
    std::int64_t heldParts = 0;
    // The least base in which what is paid and what is held are whole.
    std::int64_t reducedBase = 1;
    // Per uncertain person, the most he can take (his largest share over the
    // estimates that decide); what of the reserve none of them can take the
    // others may settle among themselves by agreement.
    std::vector<Rational> mostFor;
    Rational byAgreement;
};

// The estimates of a family under its views.
EstimatesResult estimate(const UncertainFamily &family);

// When the truth is known: the case as it turned out, and what each claimant
// receives from the reserve (negative: what he gives back, as when more
// children are born than were reserved for).
struct Settlement
{
    Result result;
    std::vector<Rational> total;        // per claimant, his share of the resolved case
    std::vector<Rational> fromReserve;  // total - paid at once
};
Settlement settle(const UncertainFamily &family, const EstimatesResult &r,
                  const std::vector<Supposition> &truth);

// The relative at the other sex of a place ("son" <-> "daughter",
// "brother.son" <-> "brother.daughter"); nullopt for a parent or a spouse.
std::optional<Path> otherSex(const Path &place);

// The periods after which a school has a missing person judged dead; noted
// with the result, never decided by the program.
struct WaitingPeriod
{
    Profile school;
    const char *when;     // "always", "apparentlySafe", "apparentlyPerilous", "shipOrPlane", ...
    int years = 0;        // 0 with days == 0: left to the judge
    int upToYears = 0;    // a range reported, or 0
    int days = 0;
    const char *from;     // "birth" or "loss"
};
std::vector<WaitingPeriod> waitingPeriods(Profile p);

} // namespace engine
