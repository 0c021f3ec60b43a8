// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/path.h"

#include <algorithm>

namespace {

constexpr std::array<const char *, PathStepCount> Words = {
    "father", "mother", "son", "daughter", "brother", "sister", "paternalBrother",
    "paternalSister", "maternalBrother", "maternalSister", "husband", "wife", "emancipator",
};

bool isAscent(PathStep s) { return s == PathStep::Father || s == PathStep::Mother; }
bool isDescent(PathStep s) { return s == PathStep::Son || s == PathStep::Daughter; }
bool isSibling(PathStep s) { return s >= PathStep::Brother && s <= PathStep::MaternalSister; }

Strength strengthOf(PathStep s)
{
    switch (s) {
    case PathStep::Brother:
    case PathStep::Sister:
        return Strength::Full;
    case PathStep::PaternalBrother:
    case PathStep::PaternalSister:
        return Strength::Paternal;
    case PathStep::MaternalBrother:
    case PathStep::MaternalSister:
        return Strength::Maternal;
    default:
        return Strength::None;
    }
}

// Ascents, then at most one sibling step, then descents; never an ascent
// followed directly by a descent.
bool lineageAccepted(const PathStep *s, int n)
{
    if (n == 0)
        return false;
    int i = 0;
    while (i < n && isAscent(s[i]))
        ++i;
    const int ascents = i;
    bool sibling = false;
    if (i < n && isSibling(s[i])) {
        sibling = true;
        ++i;
    }
    if (ascents > 0 && !sibling && i < n)
        return false;
    while (i < n && isDescent(s[i]))
        ++i;
    return i == n;
}

bool accepted(const PathStep *s, int n)
{
    if (n == 0 || n > MaxPathLength)
        return false;
    if (s[0] == PathStep::Husband || s[0] == PathStep::Wife)
        return n == 1;
    if (s[0] == PathStep::Emancipator)
        return n == 1 || lineageAccepted(s + 1, n - 1);
    return lineageAccepted(s, n);
}

} // namespace

const char *stepWord(PathStep s)
{
    return Words[static_cast<std::size_t>(s)];
}

std::optional<PathStep> stepFromWord(std::string_view w)
{
    for (std::size_t i = 0; i < Words.size(); ++i)
        if (w == Words[i])
            return static_cast<PathStep>(i);
    return std::nullopt;
}

std::optional<Path> Path::parse(std::string_view text)
{
    Path p;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = text.find('.', start);
        const std::string_view word = text.substr(start, dot == std::string_view::npos ? text.npos : dot - start);
        const auto step = stepFromWord(word);
        if (!step || p.m_length == MaxPathLength)
            return std::nullopt;
        p.m_steps[p.m_length++] = *step;
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    if (!accepted(p.m_steps.data(), p.m_length))
        return std::nullopt;
    p.classify();
    return p;
}

std::optional<Path> Path::of(std::initializer_list<PathStep> steps)
{
    if (steps.size() > static_cast<std::size_t>(MaxPathLength))
        return std::nullopt;
    Path p;
    for (PathStep s : steps)
        p.m_steps[p.m_length++] = s;
    if (!accepted(p.m_steps.data(), p.m_length))
        return std::nullopt;
    p.classify();
    return p;
}

std::optional<Path> Path::of(const PathStep *steps, int count)
{
    if (count < 0 || count > MaxPathLength)
        return std::nullopt;
    Path p;
    std::copy(steps, steps + count, p.m_steps.begin());
    p.m_length = static_cast<std::uint8_t>(count);
    if (!accepted(p.m_steps.data(), p.m_length))
        return std::nullopt;
    p.classify();
    return p;
}

std::optional<Path> Path::slice(int from, int to) const
{
    if (from < 0 || to > m_length || to <= from)
        return std::nullopt;
    return of(m_steps.data() + from, to - from);
}

std::string Path::text() const
{
    std::string t;
    for (int i = 0; i < m_length; ++i) {
        if (i > 0)
            t += '.';
        t += stepWord(m_steps[static_cast<std::size_t>(i)]);
    }
    return t;
}

bool Path::operator==(const Path &o) const
{
    return m_length == o.m_length && std::equal(m_steps.begin(), m_steps.begin() + m_length, o.m_steps.begin());
}

bool Path::operator<(const Path &o) const
{
    return std::lexicographical_compare(m_steps.begin(), m_steps.begin() + m_length, o.m_steps.begin(),
                                        o.m_steps.begin() + o.m_length);
}

bool Path::male() const
{
    switch (m_steps[static_cast<std::size_t>(m_length - 1)]) {
    case PathStep::Father:
    case PathStep::Son:
    case PathStep::Brother:
    case PathStep::PaternalBrother:
    case PathStep::MaternalBrother:
    case PathStep::Husband:
        return true;
    case PathStep::Emancipator:
        return true;   // the emancipator's sex changes nothing in the shares
    default:
        return false;
    }
}

std::optional<Path> Path::afterEmancipator() const
{
    if (m_length < 2 || m_steps[0] != PathStep::Emancipator)
        return std::nullopt;
    Path p;
    std::copy(m_steps.begin() + 1, m_steps.begin() + m_length, p.m_steps.begin());
    p.m_length = static_cast<std::uint8_t>(m_length - 1);
    p.classify();
    return p;
}

void Path::classify()
{
    const PathStep *s = m_steps.data();
    const int n = m_length;
    m_kind = PathKind::DistantKindred;
    m_degree = m_depthBelow = m_fathers = 0;
    m_strength = Strength::None;
    if (s[0] == PathStep::Husband) {
        m_kind = PathKind::Husband;
        return;
    }
    if (s[0] == PathStep::Wife) {
        m_kind = PathKind::Wife;
        return;
    }
    if (s[0] == PathStep::Emancipator) {
        if (n == 1) {
            m_kind = PathKind::Emancipator;
            return;
        }
        const Path sub = *afterEmancipator();
        const bool agnate = sub.male()
                && (sub.kind() == PathKind::Descendant || sub.kind() == PathKind::MaleAscendant
                    || sub.kind() == PathKind::AgnateCollateral
                    || (sub.kind() == PathKind::Sibling));
        m_kind = agnate ? PathKind::EmancipatorAgnate : PathKind::NotAgnateOfEmancipator;
        m_degree = sub.m_degree;
        m_depthBelow = sub.m_depthBelow;
        m_strength = sub.m_strength;
        return;
    }
    int ascents = 0;
    while (ascents < n && isAscent(s[ascents]))
        ++ascents;
    const bool sibling = ascents < n && isSibling(s[ascents]);
    const int descents = n - ascents - (sibling ? 1 : 0);
    const PathStep *below = s + ascents + (sibling ? 1 : 0);
    const bool sonsLine = std::all_of(below, below + descents, [](PathStep x) { return x == PathStep::Son; });

    if (!sibling && ascents == 0) {
        m_degree = static_cast<std::uint8_t>(n);
        m_depthBelow = m_degree;
        const bool sonsThenOne = std::all_of(s, s + n - 1, [](PathStep x) { return x == PathStep::Son; });
        if (sonsThenOne)
            m_kind = PathKind::Descendant;
        return;
    }
    if (!sibling) {
        m_degree = static_cast<std::uint8_t>(n);
        int fathers = 0;
        while (fathers < n && s[fathers] == PathStep::Father)
            ++fathers;
        const bool mothersAfter = std::all_of(s + fathers, s + n, [](PathStep x) { return x == PathStep::Mother; });
        if (fathers == n) {
            m_kind = PathKind::MaleAscendant;
        } else if (mothersAfter) {
            m_fathers = static_cast<std::uint8_t>(fathers);
            m_kind = n == 1 ? PathKind::Mother : PathKind::Grandmother;
        }
        return;
    }
    const PathStep sib = s[ascents];
    m_strength = strengthOf(sib);
    m_degree = static_cast<std::uint8_t>(ascents + 1);
    m_depthBelow = static_cast<std::uint8_t>(descents);
    const bool fathersAbove = std::all_of(s, s + ascents, [](PathStep x) { return x == PathStep::Father; });
    if (!fathersAbove)
        return;
    if (ascents == 0 && descents == 0) {
        m_kind = m_strength == Strength::Maternal ? PathKind::MaternalSibling : PathKind::Sibling;
        return;
    }
    if ((sib == PathStep::Brother || sib == PathStep::PaternalBrother) && sonsLine)
        m_kind = PathKind::AgnateCollateral;
}
