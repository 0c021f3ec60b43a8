// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of a case as a teacher of the science writes it: the family
// taken as it is, the exact share of every group and head, the base of the
// case with its 'awl or return and its correction, who receives nothing and
// why, and the steps. All of it is read from the calculation's own notes.

#include "case/case_record.h"
#include "case/estate.h"

#include <array>
#include <memory>
#include <vector>

// Every relative the program knows, as the user gives them.
enum class Relative : std::uint8_t {
    Father, GrandFather, Mother, MaternalGrandMother, ParentalGrandMother, Husband, Wife,
    Son, Daughter, SonsSon, SonsDaughter, SonsSonsSon, SonsSonsDaughter,
    FullBrother, FullSister, ParentalBrother, ParentalSister, MaternalSibling,
    BrothersSon, ParentalBrothersSon, FullUncle, ParentalUncle, FullUnclesSon, ParentalUnclesSon,
};
inline constexpr int RelativeCount = 24;

// The key of a relative or a heir group in the command-line calculator's
// output and in the sentence tables ("Father", "ParentalGrandMother", ...).
const char *relativeKey(Relative r);
const char *heirKey(Heir h);
int relativeCount(const CaseRecord &c, Relative r);
// The group a relative inherits in.
Heir groupOf(Relative r);

enum class Reason : std::uint8_t {
    ExcludedBy,              // a nearer heir (`by`) shuts the relative out
    NothingLeft,             // a residuary for whom nothing is left
    AfterDaughtersTwoThirds, // sons' daughters (or lower) once the two thirds are taken
    AfterSistersTwoThirds,   // paternal sisters once the full sisters took two thirds
    CountedAgainstGrandFather, // paternal siblings counted against the grandfather, then left out
    ExcludedByGrandFatherAsFather, // siblings under the first grandfather method
};
const char *reasonKey(Reason r);

struct Exclusion
{
    Relative relative;
    int count;
    Reason reason;
    Relative by;        // meaningful with ExcludedBy
    bool setAside;      // the family step set it aside before the calculation
};

// The family as the user gives it, made into the record the questionnaires
// would have produced. Relatives the questionnaires would never have asked
// about (because a nearer heir excludes them) are set aside with the reason.
struct AdmittedFamily
{
    CaseRecord record;
    std::vector<Exclusion> setAside;
    // Empty when the family is consistent; otherwise why it is not.
    const char *error = nullptr;
};
AdmittedFamily admitFamily(const CaseRecord &given);

// The portion a group was given: its rule's, or for a named case the
// fraction it was first given.
Portion nominalPortion(Rule r, const Rational &fixed);

struct GroupWorking
{
    Heir heir;
    int heads = 0;
    Rule rule = Rule::None;
    Rational fixed;      // the fixed share as given, before 'awl or return
    Rational share;      // the group's final share
    Rational perHead;
    std::int64_t parts = 0;      // of the corrected base
    std::int64_t partsEach = 0;  // each head's parts
    bool reduced = false;        // by the 'awl
    bool returned = false;       // the return added to it
    bool restAdded = false;      // a spouse that took the rest
};

enum class StepKind : std::uint8_t {
    Method, Share, Awl, Return, ReturnWithSpouse, RestToSpouse, Treasury, Correction,
    Umariyya, Mushtaraka, Akdariyya, Muadda, Minbariyya,
    Reduction,   // the parts of the corrected base share a factor
};

struct Step
{
    StepKind kind;
    Heir heir = Heir::Treasury;   // with Share
    Rule rule = Rule::None;       // with Share
    std::int64_t from = 0;        // bases, with Awl, Return, Correction, Reduction; the method 1 or 2
    std::int64_t to = 0;
    std::int64_t result = 0;      // with ReturnWithSpouse: the spouse's case (from) and the
                                  // return case (to) combined
};

struct CaseWorking
{
    bool exact = true;          // false if an exact value overflowed or the family is inconsistent
    const char *familyError = nullptr;   // admitFamily's error
    CaseRecord record;          // the record as calculated (doubles, as the program has them)
    std::vector<GroupWorking> groups;   // every group with a share, in report order
    std::int64_t base = 0;          // of the fixed shares
    std::int64_t awlBase = 0;       // 0 without 'awl
    std::int64_t returnBase = 0;    // 0 without return; the heads when the returnees are one class
    std::int64_t spouseBase = 0;    // with a return beside a spouse: the spouse's case
    std::int64_t combinedBase = 0;  // and the spouse's case combined with the return case
    std::int64_t correctedBase = 0;
    std::uint16_t events = 0;
    std::vector<Exclusion> excluded;
    std::vector<Step> steps;
    bool methodAsked = false;   // the case is one where the method window is asked
    int method = 0;             // 1 the grandfather in the father's place, 2 with the siblings
    std::shared_ptr<const CaseWorking> otherMethod;
};

// Works a family out. The record's counts and flags are the family (shares
// are ignored); with `bothMethods` the other grandfather method is worked too
// where the case has the choice.
CaseWorking workCase(const CaseRecord &family, bool bothMethods = true);
// The same for a family already admitted (admitFamily without error).
CaseWorking workCase(const AdmittedFamily &family, bool bothMethods = true);

// The groups of a working as the estate's claimants: each head's exact share
// and the heads, in the working's order.
std::vector<estate::Claimant> estateClaimants(const CaseWorking &w);

// Whether the method window is asked for this family: the grandfather lives,
// the father does not, and there is no male descendant.
bool methodAsked(const CaseRecord &family);
