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

    bool operator==(const Views &) const = default;
};

enum class View : std::uint8_t {
    GrandfatherWithSiblings, Malikiyya, MotherWithGrandfather, Mushtaraka, Surplus, SpouseReturn,
    DistantKindred, AscendantExcludesOwnMother, GrandmotherLines,
    NearerPaternalExcludesFartherMaternal, ExcludedGrandmotherStillExcludes, GrandmotherByTwoRoutes,
};
inline constexpr int ViewCount = 12;

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
