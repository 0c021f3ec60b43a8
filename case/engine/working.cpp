// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/engine/working.h"

namespace engine {

namespace {

std::int64_t lcmDen(std::int64_t base, const Rational &q) { return q.isZero() ? base : lcm64(base, q.den); }

// Rules whose one portion is shared among several members of the family
// (the grandmothers' sixth, the maternal siblings' third, the shared third).
bool sharedPortion(ShareRule r)
{
    return r == ShareRule::GrandmothersSixth || r == ShareRule::MaternalSiblingsThird || r == ShareRule::SharedThird;
}

int portionIndex(ShareRule r)
{
    return r == ShareRule::GrandmothersSixth ? 0 : r == ShareRule::MaternalSiblingsThird ? 1 : 2;
}

bool isSpouse(const MemberResult &m)
{
    return m.path.kind() == PathKind::Husband || m.path.kind() == PathKind::Wife;
}

// The heads of a residue: a male counts two beside the females of his
// group, and one where the group is all male.
std::int64_t residueHeads(const Result &r)
{
    std::int64_t males = 0, females = 0;
    for (const MemberResult &m : r.members) {
        if (m.share.isZero() || !m.fixed.isZero())
            continue;
        (m.path.male() ? males : females) += m.count;
    }
    return females == 0 ? males : 2 * males + females;
}

// The grandfather sharing as a brother with no fixed share beside him but
// a sister's half: the heads, he and every brother (those counted against
// him included) two each beside sisters, one each among males only.
std::int64_t grandfatherSharingHeads(const Result &r)
{
    bool sharing = false;
    std::int64_t males = 0, females = 0;
    for (const MemberResult &m : r.members) {
        if (m.rule == ShareRule::GrandfatherSharing || m.rule == ShareRule::GrandfatherAsBrother) {
            sharing = true;
            ++males;
        } else if (!m.fixed.isZero() && m.rule != ShareRule::SiblingsAfterGrandfather) {
            return 0;
        }
        if (m.path.kind() == PathKind::Sibling && m.count > 0)
            (m.path.male() ? males : females) += m.count;
    }
    if (!sharing)
        return 0;
    return females == 0 ? males : 2 * males + females;
}

} // namespace

Working workOf(const Result &r)
{
    Working w;
    w.parts.resize(r.members.size());
    std::int64_t base = 1;
    Rational fixedSum;
    Rational shared[3];
    bool anyFixed = false;
    for (const MemberResult &m : r.members) {
        if (m.fixed.isZero())
            continue;
        anyFixed = true;
        if (sharedPortion(m.rule)) {
            shared[portionIndex(m.rule)] += m.fixed;
            continue;
        }
        base = lcmDen(base, m.fixed);
        fixedSum += m.fixed;
    }
    for (const Rational &s : shared) {
        base = lcmDen(base, s);
        fixedSum += s;
    }
    if (const std::int64_t heads = grandfatherSharingHeads(r)) {
        base = heads;
    } else if (!anyFixed) {
        const std::int64_t heads = residueHeads(r);
        base = heads > 0 ? heads : 1;
    }
    w.base = base;
    std::int64_t after = base;
    if (r.has(EvAkdariyya)) {
        w.base = 6;
        w.awlBase = 9;
        after = 9;
    } else if (r.has(EvAwl)) {
        const Rational awl = r.awlTotal * Rational(base);
        if (awl.isWhole()) {
            w.awlBase = awl.num;
            after = awl.num;
        }
    }
    if (r.has(EvReturn)) {
        // The returnees' portions (a portion shared by several members once).
        std::int64_t den = 1, heads = 0;
        int classes = 0;
        Rational sum, sharedSum[3];
        std::int64_t sharedHeads[3] = {0, 0, 0};
        for (const MemberResult &m : r.members) {
            if (!m.returned || m.fixed.isZero())
                continue;
            if (sharedPortion(m.rule)) {
                const int k = portionIndex(m.rule);
                sharedSum[k] += m.fixed;
                sharedHeads[k] += m.count;
                continue;
            }
            den = lcmDen(den, m.fixed);
            sum += m.fixed;
            heads = m.count;
            ++classes;
        }
        for (int k = 0; k < 3; ++k) {
            if (sharedSum[k].isZero())
                continue;
            den = lcmDen(den, sharedSum[k]);
            sum += sharedSum[k];
            heads = sharedHeads[k];
            ++classes;
        }
        const Rational rb = sum * Rational(den);
        w.returnBase = classes == 1 ? heads : rb.isWhole() ? rb.num : 0;
        after = w.returnBase;
        for (const MemberResult &m : r.members) {
            if (isSpouse(m) && !m.fixed.isZero() && w.returnBase > 0) {
                // The spouse's case, and what it leaves set against the return case.
                w.spouseBase = m.fixed.den;
                const std::int64_t rest = m.fixed.den - m.fixed.num;
                w.combinedBase = w.spouseBase * (w.returnBase / gcd64(rest, w.returnBase));
                after = w.combinedBase;
            }
        }
    }
    // Each head's share is a whole number of parts of the corrected base.
    std::int64_t corrected = after > 0 ? after : 1;
    for (const MemberResult &m : r.members)
        if (!m.share.isZero())
            corrected = lcm64(corrected, m.share.den * (m.count / gcd64(m.share.num, m.count)));
    corrected = lcmDen(corrected, r.treasury);
    w.correctedBase = corrected;
    std::int64_t common = corrected;
    for (std::size_t i = 0; i < r.members.size(); ++i) {
        const MemberResult &m = r.members[i];
        if (m.share.isZero())
            continue;
        const std::int64_t parts = corrected / m.share.den * m.share.num;
        w.parts[i].parts = parts;
        w.parts[i].partsEach = parts / m.count;
        common = gcd64(common, w.parts[i].partsEach);
    }
    w.treasuryParts = (r.treasury * Rational(corrected)).num;
    if (w.treasuryParts)
        common = gcd64(common, w.treasuryParts);
    // After a correction, parts that all share a factor: the books say the
    // case can be reduced.
    if (common > 1 && corrected != after)
        w.reducedBase = corrected / common;
    return w;
}

} // namespace engine
