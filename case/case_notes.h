// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the calculation notes down while it works on exact numbers: for each
// heir group the rule by which it took its share and how much that was, and
// the events of the case ('awl, return, treasury, the named cases). The
// working of a case is read from these notes, never guessed afterwards.

#include "case/rational.h"

#include <array>
#include <cstdint>

// The heir groups in the order of the report's rows.
enum class Heir : std::uint8_t {
    Father, GrandFather, Mother, GrandMother, Husband, Wife, Son, Daughter,
    SonsSon, SonsDaughter, SonsSonsSon, SonsSonsDaughter,
    FullBrother, FullSister, ParentalBrother, ParentalSister, MaternalSibling,
    BrothersSon, ParentalBrothersSon, FullUncle, ParentalUncle, FullUnclesSon,
    ParentalUnclesSon, Treasury,
};
inline constexpr int HeirCount = 24;

// The rule by which a group took its share. Each names the portion and the
// condition; the sentences of the steps are keyed by these.
enum class Rule : std::uint8_t {
    None,
    // Fixed shares.
    FatherSixth, MotherSixthDescendants, MotherSixthSiblings, MotherThird, MotherThirdOfRemainder,
    // The same third of what the spouse leaves beside the grandfather in the
    // father's place (Abu Yusuf's view; not one of the 'Umariyya cases).
    MotherThirdOfRemainderBesideGrandFather,
    GrandMotherSixth, HusbandHalf, HusbandQuarter, WifeQuarter, WifeEighth,
    DaughterHalf, DaughtersTwoThirds,
    SonsDaughterHalf, SonsDaughtersTwoThirds, SonsDaughterSixth,
    SonsSonsDaughterHalf, SonsSonsDaughtersTwoThirds, SonsSonsDaughterSixth,
    FullSisterHalf, FullSistersTwoThirds, ParentalSisterHalf, ParentalSistersTwoThirds,
    ParentalSisterSixth, MaternalSiblingSixth, MaternalSiblingsThird, GrandFatherSixth,
    // Residue.
    Residue, ResidueTwoToOne, ResidueWithLowerMale, ResidueWithDaughters, SixthAndResidue,
    // Brothers and sisters two to one (4:176; the children's rule is 4:11).
    SiblingsTwoToOne,
    // The grandfather beside the siblings.
    GrandFatherSharing, GrandFatherThird, GrandFatherBestSixth, GrandFatherThirdOfRemainder,
    SiblingsAfterGrandFather, FullSisterHalfBesideGrandFather, FullSisterRestBesideGrandFather,
    // Paternal sisters with no brother of theirs: what is left after him (and
    // after a full sister's half), worded as the full sister's.
    ParentalSisterRestBesideGrandFather,
    // Named cases. In al-Akdariyya the grandfather's sixth and the sister's
    // half are pooled after the 'awl; the husband and the mother keep their
    // own rules.
    SharedThird, Akdariyya, AkdariyyaSister,
};
inline constexpr int RuleCount = static_cast<int>(Rule::AkdariyyaSister) + 1;

enum class Portion : std::uint8_t {
    None, Half, Quarter, Eighth, TwoThirds, Third, Sixth, ThirdOfRemainder, Residue,
    SixthAndResidue, Sharing, BestSixth, HalfOrRest, Rest, SharedThird, Akdariyya,
};

// The portion a rule gives, and whether it counts as a fixed share in the
// base of the case.
Portion portionOf(Rule r);
// Names of rules and portions in output and in the sentence tables.
const char *ruleKey(Rule r);
const char *portionKey(Portion p);
bool isFixedPortion(Portion p);

enum CaseEvent : std::uint16_t {
    EventAwl = 1 << 0,            // the fixed shares exceeded the estate
    EventReturn = 1 << 1,         // the surplus went back to the fixed-share heirs
    EventRestToSpouse = 1 << 2,   // no one else could take it: the spouse took the rest
    EventTreasury = 1 << 3,
    EventUmariyya = 1 << 4,
    EventMushtaraka = 1 << 5,
    EventAkdariyya = 1 << 6,
    EventMuadda = 1 << 7,
    EventGrandFatherAsFather = 1 << 8,
};

struct GroupNote
{
    Rule rule = Rule::None;
    Rational fixed;      // the fixed part as given, before any 'awl or return
    Rational residue;    // what came by residue (or the spouse's rest)
    bool returned = false;
    bool restAdded = false;
};

struct CaseNotes
{
    std::array<GroupNote, HeirCount> groups{};
    std::uint16_t events = 0;
    Rational awlTotal;   // the total of the shares when the first reduction was made

    GroupNote &operator[](Heir h) { return groups[static_cast<int>(h)]; }
    const GroupNote &operator[](Heir h) const { return groups[static_cast<int>(h)]; }
    bool has(CaseEvent e) const { return (events & e) != 0; }
};
