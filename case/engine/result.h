// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the calculation returns: for every member of the family either a
// share with the rule that gave it, or the reason it receives nothing and
// who decided it. Each entry is written once, where it is decided.

#include "case/engine/family.h"
#include "case/rational.h"

#include <cstdint>
#include <vector>

namespace engine {

// The rule by which a member takes a share: a portion and its ground.
enum class ShareRule : std::uint8_t {
    None,
    HusbandHalf, HusbandQuarter, WifeQuarter, WifeEighth,
    MotherThird, MotherSixthDescendants, MotherSixthSiblings, MotherThirdOfRemainder,
    AscendantSixth,            // the father (or a grandfather) beside a male descendant
    AscendantSixthAndResidue,  // beside female descendants only
    AscendantResidue,
    GrandmothersSixth,
    DescendantHalf, DescendantsTwoThirds, DescendantSixthCompleting,
    DescendantsResidue,        // the males of a generation with the females beside and above them
    SisterHalf, SistersTwoThirds, PaternalSisterSixthCompleting,
    SiblingsResidue,           // brothers (with their sisters, two to one)
    SistersWithDaughters,      // sisters who take the residue beside female descendants
    MaternalSiblingSixth, MaternalSiblingsThird,
    SharedThird,               // al-Mushtaraka
    AgnateResidue,             // nephews, uncles and their sons
    EmancipatorResidue, EmancipatorAgnateResidue,
    GrandfatherSharing, GrandfatherThird, GrandfatherSixth, GrandfatherThirdOfRemainder,
    GrandfatherAsBrother,      // Egypt 1943: as one of the brothers, at least a sixth
    SiblingsAfterGrandfather,
    Akdariyya,
    Malikiyya,                 // the grandfather takes the maternal siblings' third
    KinshipShare,              // a distant kinsman, by kinship (qaraba)
    SubstitutionShare,         // a distant kinsman, standing in an heir's place (tanzil)
};

enum class Reason : std::uint8_t {
    None,
    ExcludedBy,               // `by` shuts the member out
    NothingLeft,              // a residuary for whom nothing is left
    AfterTwoThirds,           // lower female descendants, or paternal sisters, once two thirds are taken
    CountedAgainstGrandfather,
    DistantKindred,           // a relative who is not an heir by fixed share or residue
    NotAnHeirInThisSchool,    // a grandmother beyond the lines the views admit
    NotAgnateOfEmancipator,   // no claim by the emancipator's right
    // Distant kindred shut out by other distant kindred (`by` takes):
    KinshipLaterClass,        // a kinsman of an earlier class is present
    KinshipFartherDegree,     // one nearer in degree within the class
    KinshipNotThroughHeir,    // as near, but another is the child of an heir (or related through one)
    KinshipWeaker,            // as near, but related by a stronger tie, or his root is shut out
    FartherFromHeir,          // substitution: one of the same direction reaches an heir first
    HeirShutOut,              // substitution: the heir he stands for takes nothing in the heirs' case
    SameGrandmother,          // a grandmother by two routes counted once: `by` is her route that takes
};

enum Event : std::uint16_t {
    EvAwl = 1 << 0,
    EvReturn = 1 << 1,
    EvRestToSpouse = 1 << 2,
    EvTreasury = 1 << 3,
    EvUmariyya = 1 << 4,
    EvMushtaraka = 1 << 5,
    EvAkdariyya = 1 << 6,
    EvMuadda = 1 << 7,
    EvMalikiyya = 1 << 8,
    EvGrandfatherExcludes = 1 << 9,
};

struct MemberResult
{
    Path path;
    int count = 0;
    ShareRule rule = ShareRule::None;
    Rational fixed;        // the fixed part as given, before 'awl or return
    Rational share;        // the final share of all heads together
    bool reduced = false;  // by the 'awl
    bool returned = false; // the return added to it
    Reason reason = Reason::None;
    int by = -1;           // the member who excludes, with ExcludedBy
    Rational perHead() const { return count > 0 ? share / Rational(count) : Rational(); }
    double shareDouble() const { return share.toDouble(); }
};

// One step of the distant kindred's division, for the working.
enum class KinshipStepKind : std::uint8_t {
    SpouseFirst,   // the spouse takes the share without return; `amount` is left for the kindred
    Class,         // kinship: the class that inherits (`number`, 1..4), `amount` among them
    Side,          // the father's side two thirds, the mother's a third: `path` the side, `amount` its part
    Root,          // kinship: a generation of roots (or the siblings they descend from) takes `amount`
    RaisedTo,      // substitution: `member` stands in the place of the heir `path`, `number` steps up
    HeirsCase,     // substitution: the heir `path` (`number` heads) takes `amount` in the heirs' case
    BroughtDown,   // `member` receives `amount`, brought down from `path`
};

struct KinshipStep
{
    KinshipStepKind kind = KinshipStepKind::Class;
    int member = -1;
    Path path;
    int number = 0;
    Rational amount;
    const char *source = "";   // the book or article the step follows
};

struct Result
{
    std::vector<MemberResult> members;   // in the family's order
    Rational treasury;
    std::uint16_t events = 0;
    Rational awlTotal;                   // the fixed shares' total when it passed the whole
    std::vector<KinshipStep> kinship;    // how the distant kindred divided what they took
    bool has(Event e) const { return (events & e) != 0; }
};

// Works the family out. Throws RationalOverflow only for counts beyond the
// accepted ranges.
Result calculate(const Family &family);

} // namespace engine
