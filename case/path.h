// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A relative as the chain of steps from the deceased: "father.father.brother"
// is the father's full paternal uncle, "son.son.daughter" the son's son's
// daughter. The grammar: a spouse ("husband", "wife") alone; or
// "emancipator", alone or followed by a chain of the emancipator's own
// relatives; or a chain of ascents (father, mother), then at most one
// sibling step, then descents (son, daughter), not empty, and never an
// ascent followed directly by a descent ("father.son" is written "brother"
// or "paternalBrother"). What a path is (heir, distant kindred, ...) is
// read from its shape here; who inherits is the calculation's business.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class PathStep : std::uint8_t {
    Father, Mother, Son, Daughter,
    Brother, Sister, PaternalBrother, PaternalSister, MaternalBrother, MaternalSister,
    Husband, Wife, Emancipator,
};
inline constexpr int PathStepCount = 13;

// The word of a step in paths ("paternalBrother").
const char *stepWord(PathStep s);
std::optional<PathStep> stepFromWord(std::string_view w);

// The longest path taken (steps after "emancipator" included).
inline constexpr int MaxPathLength = 24;

// The relative's place among the kin, read from the path's shape.
enum class PathKind : std::uint8_t {
    Husband, Wife,
    Descendant,        // son^n, or son^n daughter (n >= 0): the sons' line
    MaleAscendant,     // father^k (k >= 1)
    Mother,
    Grandmother,       // father^k mother^j, j >= 1, k + j >= 2 (a valid grandmother)
    Sibling,           // brother, sister, paternal ones (not maternal)
    MaternalSibling,   // maternalBrother, maternalSister
    AgnateCollateral,  // father^(k-1) (brother | paternalBrother) son^n, k + n >= 2
    Emancipator,
    EmancipatorAgnate, // an agnate by himself of the emancipator (emancipator.<male agnate>)
    NotAgnateOfEmancipator, // emancipator.<anyone else>: no claim by wala'
    DistantKindred,    // every other relative by blood
};

enum class Strength : std::uint8_t { None, Full, Paternal, Maternal };

class Path
{
public:
    Path() = default;
    // Parses "father.father.brother"; nullopt if the grammar refuses it.
    static std::optional<Path> parse(std::string_view text);
    // A path from steps; nullopt if the grammar refuses it.
    static std::optional<Path> of(std::initializer_list<PathStep> steps);
    static std::optional<Path> of(const PathStep *steps, int count);
    // Steps `from` up to `to` of this path, as a path of its own.
    std::optional<Path> slice(int from, int to) const;

    std::string text() const;
    int length() const { return m_length; }
    PathStep operator[](int i) const { return m_steps[static_cast<std::size_t>(i)]; }
    bool operator==(const Path &o) const;
    bool operator<(const Path &o) const;   // a fixed order, by steps

    PathKind kind() const { return m_kind; }
    bool male() const;          // the sex of the relative (the last step)
    // Descendant: generations below the deceased (son 1, son.son 2).
    // MaleAscendant and Grandmother: generations above (father 1, father.mother 2).
    // Sibling, MaternalSibling: 1. AgnateCollateral: the generations up to
    // the common ancestor (1 a brother's line, 2 the uncles', 3 the father's
    // uncles').
    int degree() const { return m_degree; }
    // AgnateCollateral: the generations below the brother or uncle who
    // begins the line (a brother 0, his son 1); Descendant: the same as degree.
    int depthBelow() const { return m_depthBelow; }
    // Sibling, MaternalSibling, AgnateCollateral: full, paternal or maternal.
    Strength strength() const { return m_strength; }
    // Grandmother: how many fathers stand in her line (mother.mother 0,
    // father.mother 1, father.father.mother 2).
    int fathersInLine() const { return m_fathers; }
    // The path after "emancipator" (EmancipatorAgnate and
    // NotAgnateOfEmancipator), or nothing.
    std::optional<Path> afterEmancipator() const;

private:
    void classify();
    std::array<PathStep, MaxPathLength> m_steps{};
    std::uint8_t m_length = 0;
    PathKind m_kind = PathKind::DistantKindred;
    std::uint8_t m_degree = 0;
    std::uint8_t m_depthBelow = 0;
    std::uint8_t m_fathers = 0;
    Strength m_strength = Strength::None;
};
