// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The points on which the schools and the national codes differ, each a
// named view with named values, and the profiles: a value for every view.
// The names are fixed: the command-line calculator, case files and the
// documents use them. The calculation reads each view in one place.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

enum class GrandfatherWithSiblings : std::uint8_t {
    Ask,        // the case decides (the method window)
    Excludes,   // the grandfather excludes them as the father does
    Shares,     // they share with him (Zayd's way)
    Egypt1943,  // as a brother, with a floor of a sixth (Egypt, law 77/1943 art. 22)
};
enum class MotherWithGrandfather : std::uint8_t { ThirdOfWhole, ThirdOfRemainder };
enum class Mushtaraka : std::uint8_t { Shared, NotShared };
enum class Surplus : std::uint8_t { Return, Treasury };
enum class SpouseReturn : std::uint8_t { Never, WhenNoOtherHeir };
enum class DistantKindredMethod : std::uint8_t { None, Tanzil, Qaraba };
enum class GrandmotherLines : std::uint8_t { One, Two, Any };
enum class GrandmotherByTwoRoutes : std::uint8_t { Once, Twice };
// The bequest a national code makes obligatory for the descendants of a
// child who died before the deceased (case/engine/obligatory_bequest.h).
enum class ObligatoryBequest : std::uint8_t {
    None,
    Egypt1946,  // law 71/1946 arts. 76-79: sons' lines at any depth, daughters' children
    Syria1953,  // decree 59/1953 art. 257: sons' lines at any depth
};
// Relatives who die in one event with no knowledge of who died first.
enum class DiedTogether : std::uint8_t {
    NoneInherit,      // no one of them inherits from another
    OldPropertyOnly,  // each from the other's own property, not from what he inherits from him
};
// How many children an unborn child is reserved for (see case/engine/estimates.h).
enum class UnbornReserve : std::uint8_t {
    One,        // the larger of one son's and one daughter's share
    Two,        // the larger of two sons' and two daughters' share
    Four,       // up to four children
    Unlimited,  // no number: whoever more children could reduce further is paid nothing yet
    Suspend,    // the division waits for the birth
};
// The hermaphrodite whose sex is undetermined.
enum class Hermaphrodite : std::uint8_t {
    Lesser,      // he takes the lesser of his two shares, the others the rest on that supposition
    LeastHeld,   // every heir takes his least, the rest is held
    HalfOfTwo,   // every heir takes half of his two shares (the states averaged)
    ByHope,      // LeastHeld while clarity is hoped for, HalfOfTwo once it is not
};

struct Views
{
    GrandfatherWithSiblings grandfatherWithSiblings = GrandfatherWithSiblings::Ask;
    bool malikiyya = false;
    MotherWithGrandfather motherWithGrandfather = MotherWithGrandfather::ThirdOfWhole;
    Mushtaraka mushtaraka = Mushtaraka::Shared;
    Surplus surplus = Surplus::Return;
    SpouseReturn spouseReturn = SpouseReturn::WhenNoOtherHeir;
    DistantKindredMethod distantKindred = DistantKindredMethod::Qaraba;
    bool ascendantExcludesOwnMother = false;
    GrandmotherLines grandmotherLines = GrandmotherLines::Two;
    bool nearerPaternalExcludesFartherMaternal = true;
    bool excludedGrandmotherStillExcludes = false;
    GrandmotherByTwoRoutes grandmotherByTwoRoutes = GrandmotherByTwoRoutes::Twice;
    ObligatoryBequest obligatoryBequest = ObligatoryBequest::None;
    DiedTogether diedTogether = DiedTogether::NoneInherit;
    UnbornReserve unbornReserve = UnbornReserve::Two;
    Hermaphrodite hermaphrodite = Hermaphrodite::ByHope;

    bool operator==(const Views &) const = default;
};

enum class View : std::uint8_t {
    GrandfatherWithSiblings, Malikiyya, MotherWithGrandfather, Mushtaraka, Surplus, SpouseReturn,
    DistantKindred, AscendantExcludesOwnMother, GrandmotherLines,
    NearerPaternalExcludesFartherMaternal, ExcludedGrandmotherStillExcludes, GrandmotherByTwoRoutes,
    ObligatoryBequest,
    DiedTogether,
    UnbornReserve, Hermaphrodite,
};
inline constexpr int ViewCount = 16;

enum class Profile : std::uint8_t { Program, Hanafi, Maliki, Shafii, Hanbali, Egypt, Syria };
inline constexpr int ProfileCount = 7;

// The views of a profile.
Views profileViews(Profile p);

// Names as written in input and output: "program", "grandfatherWithSiblings",
// "thirdOfWhole", "true", "any", ...
const char *profileName(Profile p);
std::optional<Profile> profileFromName(std::string_view name);
const char *viewName(View v);
std::optional<View> viewFromName(std::string_view name);
// The names of the values a view takes, in the order of its enum (false,
// true for the yes-or-no views).
std::vector<const char *> viewValueNames(View v);
// The value of a view in a set of views, as its name.
const char *viewValue(const Views &views, View v);
// Sets a view from a value's name; false (and nothing changed) if the name
// is not one of the view's values.
bool setView(Views &views, View v, std::string_view value);
