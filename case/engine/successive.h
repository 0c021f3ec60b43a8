// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Cases that span more than one death.
//
// Successive deaths (al-munasakhat): heirs who die, one after another,
// before the first estate is divided. Each death is its own case over paths;
// a person met in several of them is named, and the name is the same person
// in each (the first deceased's wife is her son's mother). The working is
// the teacher's: each case on its own base, the later deceased's parts of
// the combined base set against his case's base (divisible, agreeing or
// prime), the combined base (al-jami'a) grown by the multiplier, every
// holding multiplied, and at the end the base reduced where every holding
// allows. When a later deceased's heirs are the very holders left and inherit
// from him as they held, the classical shortcut (ikhtisar) drops his death.

#include "case/engine/working.h"

#include <string>
#include <vector>

namespace engine {

// A relative in one death's case. A named relative is one person, the same
// in every death that names him; an unnamed group is met in this death only.
struct ChainRelative
{
    Path path;
    int count = 1;        // 1 for a named person
    std::string person;   // "" for an unnamed group
};

struct Death
{
    std::string person;   // the deceased; "" allowed for the first only
    std::vector<ChainRelative> relatives;
};

struct Chain
{
    std::vector<Death> deaths;   // in the order they died
    Views views;
    Profile profile = Profile::Program;
    GrandfatherMethod method = GrandfatherMethod::NotChosen;
};

// One who holds parts of the combined base: a named person, an unnamed group
// of one death, or the treasury.
struct Holder
{
    std::string person;
    int death = -1;        // where he is first met (or the group's death)
    int relative = -1;     // his place among that death's relatives
    Path path;             // as first met
    int count = 1;
    bool treasury = false;
    int diedAt = -1;       // the death that is his own, or -1 while he lives
};

// How the later deceased's parts stand to his case's base.
enum class Relation : std::uint8_t {
    First,       // the first death: its base begins the combined base
    Nothing,     // he held nothing to pass on
    Divisible,   // his parts divide by his base (equal numbers are one instance)
    Agreement,   // they share a factor: multiply by the agreeing part (wafq)
    Prime,       // no common factor: multiply by the whole base
    Shortcut,    // his heirs are the holders left, inheriting as they held
};

struct ChainStep
{
    Result result;
    Working working;
    std::int64_t base = 0;                 // the case's corrected base
    std::vector<std::int64_t> caseParts;   // per relative of the death (all its heads), of `base`
    std::int64_t treasuryParts = 0;        // of `base`
    int deceased = -1;                     // holder index; -1 for the first death
    std::int64_t deceasedParts = 0;        // his parts of the combined base before this death
    Relation relation = Relation::First;
    std::int64_t factor = 1;               // the common factor with Agreement
    std::int64_t multiplier = 1;           // every earlier holding is multiplied by it
    std::int64_t caseMultiplier = 1;       // this case's parts are multiplied by it
    std::int64_t combinedBase = 0;         // the combined base after this death
    std::vector<std::int64_t> added;       // per holder: what this case gives him, of combinedBase
    std::vector<std::int64_t> parts;       // per holder after this death (the dead hold 0)
};

struct ChainResult
{
    std::string error;                     // empty when the chain is sound
    std::vector<Holder> holders;
    std::vector<ChainStep> steps;          // one per death
    std::int64_t reducedBase = 0;          // the last combined base reduced (equal to it when it cannot be)
    std::vector<std::int64_t> finalParts;  // per holder, of reducedBase
    // Each holder's exact fraction of the first estate, reckoned by
    // fractions alone (each later deceased's fraction given out through his
    // own case): the parts above must come to the same.
    std::vector<Rational> shares;
    // Per death, per holder: the fraction of that deceased's own property
    // (for the first, the first estate: `shares`) that reaches each holder
    // through his case and the deaths after him.
    std::vector<std::vector<Rational>> ownShares;
    bool ok() const { return error.empty(); }
};

ChainResult workChain(const Chain &chain);

// The holder of a relative of death `death` (its place `relative`), added
// when first met: a named person is one holder across the deaths. Empty
// error, or what is wrong (a person's sex differing between two deaths).
int holderOf(std::vector<Holder> &holders, const ChainRelative &r, int death, int relative, std::string &error);

// What is wrong with one death's relatives, or "".
std::string checkRelatives(const std::vector<ChainRelative> &relatives);

// The family of one case: the relatives merged by path.
Family familyOf(const std::vector<ChainRelative> &relatives, const Views &views, Profile profile,
                GrandfatherMethod method);

} // namespace engine
