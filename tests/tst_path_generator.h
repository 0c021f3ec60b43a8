// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pseudo-random families of paths at any depth (up to six generations up or
// down, every kind of path, distant kindred and the emancipator's line
// included) for the properties of the calculation over paths and its
// benchmark; the same seed always gives the same families.

#include "case/engine/family.h"

#include <random>

namespace calctest {

class PathFamilyGenerator
{
public:
    explicit PathFamilyGenerator(std::uint64_t seed) : m_rng(seed) {}

    engine::Family next()
    {
        engine::Family f;
        const int relatives = 1 + int(m_rng() % 10);
        const bool female = m_rng() % 2 == 0;
        for (int i = 0; i < relatives; ++i) {
            const Path p = randomPath(female);
            bool known = false;
            for (const engine::Member &m : f.members)
                known = known || m.path == p;
            if (known)
                continue;
            const int max = engine::maximumCount(p);
            f.members.push_back({p, 1 + int(m_rng() % std::uint64_t(max < 4 ? max : 4))});
        }
        return f;
    }

private:
    Path randomPath(bool deceasedFemale)
    {
        while (true) {
            std::string text;
            const auto add = [&text](const char *w) {
                if (!text.empty())
                    text += '.';
                text += w;
            };
            switch (m_rng() % 12) {
            case 0:
                add(deceasedFemale ? "husband" : "wife");
                break;
            case 1:
                add("emancipator");
                if (m_rng() % 2)
                    lineage(text, add);
                break;
            default:
                lineage(text, add);
            }
            if (auto p = Path::parse(text))
                return *p;
        }
    }

    template <class Add>
    void lineage(std::string &, const Add &add)
    {
        static const char *const Siblings[] = {"brother", "sister", "paternalBrother", "paternalSister",
                                               "maternalBrother", "maternalSister"};
        const int up = int(m_rng() % 4) == 0 ? 0 : int(m_rng() % 6);
        for (int i = 0; i < up; ++i)
            add(m_rng() % 4 == 0 ? "mother" : "father");
        const bool sibling = m_rng() % 3 != 0;
        if (sibling)
            add(Siblings[m_rng() % 6]);
        const int down = (up == 0 && !sibling) ? 1 + int(m_rng() % 6) : (sibling ? int(m_rng() % 4) : 0);
        for (int i = 0; i < down; ++i)
            add(m_rng() % 3 == 0 ? "daughter" : "son");
    }

    std::mt19937_64 m_rng;
};

} // namespace calctest
