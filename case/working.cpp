// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a case, read from the calculation's notes.

#include "case/working.h"

#include "case/calculation.h"

namespace {

using R = Relative;

bool present(const CaseRecord &c, R r)
{
    return relativeCount(c, r) != 0;
}

// Who shuts a relative out, nearest first.
const std::vector<R> &excluders(R r)
{
    static const std::vector<R> none;
    static const std::vector<R> grandFather{R::Father};
    static const std::vector<R> maternalGrandMother{R::Mother};
    // The father's mother inherits beside her son (the program's view).
    static const std::vector<R> parentalGrandMother{R::Mother};
    static const std::vector<R> sonsChildren{R::Son};
    static const std::vector<R> lowerChildren{R::Son, R::SonsSon};
    static const std::vector<R> full{R::Son, R::SonsSon, R::SonsSonsSon, R::Father};
    static const std::vector<R> paternal{R::Son, R::SonsSon, R::SonsSonsSon, R::Father, R::FullBrother};
    static const std::vector<R> maternal{R::Son, R::Daughter, R::SonsSon, R::SonsDaughter,
                                         R::SonsSonsSon, R::SonsSonsDaughter, R::Father, R::GrandFather};
    static const std::vector<R> chain{R::Son, R::SonsSon, R::SonsSonsSon, R::Father, R::GrandFather,
                                      R::FullBrother, R::ParentalBrother, R::BrothersSon,
                                      R::ParentalBrothersSon, R::FullUncle, R::ParentalUncle,
                                      R::FullUnclesSon};
    switch (r) {
    case R::GrandFather: return grandFather;
    case R::MaternalGrandMother: return maternalGrandMother;
    case R::ParentalGrandMother: return parentalGrandMother;
    case R::SonsSon: case R::SonsDaughter: return sonsChildren;
    case R::SonsSonsSon: case R::SonsSonsDaughter: return lowerChildren;
    case R::FullBrother: case R::FullSister: return full;
    case R::ParentalBrother: case R::ParentalSister: return paternal;
    case R::MaternalSibling: return maternal;
    default: break;
    }
    if (r >= R::BrothersSon)
        return chain;
    return none;
}

bool residueWithDaughters(const CaseWorking &w, Heir h)
{
    for (const GroupWorking &g : w.groups)
        if (g.heir == h && g.rule == Rule::ResidueWithDaughters)
            return true;
    return false;
}

// Why a relative given receives nothing. Only a relative who receives
// something is named as the one who shuts another out.
Exclusion whyNothing(const CaseWorking &w, const CaseRecord &c, R r, const bool (&receives)[HeirCount])
{
    Exclusion e{r, relativeCount(c, r), Reason::NothingLeft, r, false};
    const bool firstMethod = (w.events & EventGrandFatherAsFather) != 0;
    const bool sibling = r == R::FullBrother || r == R::FullSister || r == R::ParentalBrother
        || r == R::ParentalSister;
    const auto by = [&](R who) {
        if (who == R::Father && firstMethod) {
            e.reason = sibling ? Reason::ExcludedByGrandFatherAsFather : Reason::ExcludedBy;
            e.by = R::GrandFather;
        } else {
            e.reason = Reason::ExcludedBy;
            e.by = who;
        }
        return e;
    };
    const auto takes = [&](R who) {
        // The grandfather in the father's place stands in the father's fields
        // and receives in his own group.
        if (who == R::Father && firstMethod)
            return receives[static_cast<int>(Heir::GrandFather)];
        return receives[static_cast<int>(groupOf(who))];
    };
    if ((r == R::ParentalBrother || r == R::ParentalSister) && (w.events & EventMuadda)) {
        e.reason = Reason::CountedAgainstGrandFather;
        return e;
    }
    for (R who : excluders(r)) {
        if (who == r)
            break;   // only nearer classes exclude
        if ((who == R::Father ? c.FatherAlive == 1 : present(c, who)) && takes(who)) {
            if (r == R::MaternalSibling && who == R::GrandFather && firstMethod)
                return by(R::Father);
            return by(who);
        }
        // A sister who takes the residue beside daughters stands where her
        // brother would and shuts out those after him.
        if (who == R::FullBrother && residueWithDaughters(w, Heir::FullSister))
            return by(R::FullSister);
        if (who == R::ParentalBrother && residueWithDaughters(w, Heir::ParentalSister))
            return by(R::ParentalSister);
    }
    // A female whose brother (or a male below her) would have made her a
    // residuary gets nothing because nothing is left, as he does.
    if (r == R::SonsDaughter && c.DaughterCount >= 2 && c.SonsSonCount + c.SonsSonsSonCount == 0) {
        e.reason = Reason::AfterDaughtersTwoThirds;
        return e;
    }
    if (r == R::SonsSonsDaughter && c.SonsSonsSonCount == 0
        && (c.DaughterCount >= 2 || c.SonsDaughterCount >= 2 || (c.DaughterCount == 1 && c.SonsDaughterCount != 0))) {
        e.reason = Reason::AfterDaughtersTwoThirds;
        return e;
    }
    if (r == R::ParentalSister && c.FullSisterCount >= 2 && c.ParentalBrotherCount == 0) {
        e.reason = Reason::AfterSistersTwoThirds;
        return e;
    }
    return e;
}

std::int64_t lcmOfDenominators(std::int64_t acc, const Rational &q)
{
    return q.isZero() ? acc : lcm64(acc, q.den);
}

bool isMaleResidueGroup(Heir h)
{
    switch (h) {
    case Heir::Son: case Heir::SonsSon: case Heir::SonsSonsSon: case Heir::FullBrother:
    case Heir::ParentalBrother:
        return true;
    default:
        return false;
    }
}

} // namespace

Portion nominalPortion(Rule r, const Rational &fixed)
{
    if (r != Rule::Akdariyya && r != Rule::AkdariyyaSister)
        return portionOf(r);
    if (fixed == Rational(1, 2))
        return Portion::Half;
    if (fixed == Rational(1, 3))
        return Portion::Third;
    return Portion::Sixth;
}

bool methodAsked(const CaseRecord &family)
{
    const bool male = family.SonCount + family.SonsSonCount + family.SonsSonsSonCount != 0;
    if (male)
        return false;
    return (family.GrandFatherAlive == 1 && family.FatherAlive == 0)
        || (family.GrandFatherAsFather == 1 && family.FatherAlive == 1 && family.GrandFatherAlive == 0);
}

namespace {

void readGroups(CaseWorking &w, const ExactRecord &e)
{
    const CaseNotes &notes = e.notes;
    w.groups.reserve(8);
    for (int i = 0; i < HeirCount; ++i) {
        const Heir h = static_cast<Heir>(i);
        const Exact &held = e.*shareMember<Exact>(h);
        if (held.q.isZero())
            continue;
        const Exact share = groupShare(e, h);
        if (share.q.isZero())
            continue;
        GroupWorking g;
        g.heir = h;
        g.heads = headCount(w.record, h);
        const GroupNote &n = notes[h];
        g.rule = n.rule;
        g.fixed = n.fixed;
        g.share = share.q;
        g.perHead = g.heads > 1 ? g.share / Rational(g.heads) : g.share;
        g.returned = n.returned;
        g.restAdded = n.restAdded;
        // al-Akdariyya rises from 6 to 9 by its own parts, not by the reduction.
        g.reduced = (notes.events & (EventAwl | EventAkdariyya)) != 0 && !n.fixed.isZero();
        w.groups.push_back(g);
    }
}

// The grandfather shares with the siblings and no one else holds a fixed
// share (the full sister's half is taken out of the heads): the case is made
// of heads, the paternal siblings counted against him included; beside
// sisters he and every brother count two, every sister one.
bool headsOfSharing(const CaseWorking &w)
{
    bool sharing = false;
    for (const GroupWorking &g : w.groups) {
        if (g.heir == Heir::GrandFather)
            sharing = g.rule == Rule::GrandFatherSharing;
        else if (!g.fixed.isZero() && g.rule != Rule::FullSisterHalfBesideGrandFather)
            return false;
    }
    return sharing;
}

std::int64_t sharingHeads(const CaseRecord &c)
{
    const std::int64_t males = 1 + c.FullBrotherCount + c.ParentalBrotherCount;
    const std::int64_t females = c.FullSisterCount + c.ParentalSisterCount;
    return females == 0 ? males : 2 * males + females;
}

bool isSpouse(Heir h)
{
    return h == Heir::Husband || h == Heir::Wife;
}

// The return case: the returnees' fixed shares over their common base, or,
// when they are one class, their number of heads.
void workReturn(CaseWorking &w)
{
    std::int64_t den = 1;
    Rational sum;
    int classes = 0;
    std::int64_t heads = 0;
    for (const GroupWorking &g : w.groups)
        if (g.returned && !g.fixed.isZero()) {
            den = lcmOfDenominators(den, g.fixed);
            sum += g.fixed;
            ++classes;
            heads = g.heads;
        }
    const Rational rb = sum * Rational(den);
    if (classes == 1)
        w.returnBase = heads;
    else if (rb.isWhole() && rb.num > 0)
        w.returnBase = rb.num;
    for (const GroupWorking &g : w.groups)
        if (isSpouse(g.heir) && !g.fixed.isZero() && w.returnBase > 0) {
            // The spouse's case, and what it leaves set against the return
            // case: whole, sharing a factor, or prime to it.
            w.spouseBase = g.fixed.den;
            const std::int64_t rest = g.fixed.den - g.fixed.num;
            w.combinedBase = w.spouseBase * (w.returnBase / gcd64(rest, w.returnBase));
        }
}

void workBases(CaseWorking &w)
{
    const bool akdariyya = (w.events & EventAkdariyya) != 0;
    std::int64_t base = 1;
    Rational fixedSum;
    bool anyFixed = false;
    bool sharedThirdCounted = false;
    for (const GroupWorking &g : w.groups) {
        if (g.fixed.isZero())
            continue;
        anyFixed = true;
        if (g.rule == Rule::SharedThird) {
            // The brothers join the maternal siblings in their one third.
            if (!sharedThirdCounted) {
                base = lcm64(base, 3);
                fixedSum += Rational(1, 3);
                sharedThirdCounted = true;
            }
            continue;
        }
        base = lcmOfDenominators(base, g.fixed);
        fixedSum += g.fixed;
    }
    if (headsOfSharing(w)) {
        base = sharingHeads(w.record);
    } else if (!anyFixed) {
        // Residuaries only: the base is the number of heads, a male counting
        // as two beside females of his degree.
        std::int64_t heads = 0;
        for (const GroupWorking &g : w.groups) {
            const bool twoToOne = (g.rule == Rule::ResidueTwoToOne || g.rule == Rule::SiblingsTwoToOne)
                && isMaleResidueGroup(g.heir);
            heads += g.heads * (twoToOne ? 2 : 1);
        }
        base = heads > 0 ? heads : 1;
    }
    w.base = base;
    std::int64_t after = base;
    if (akdariyya) {
        w.base = 6;
        w.awlBase = 9;
        after = 9;
    } else if ((w.events & EventAwl) && Rational(1) < fixedSum) {
        const Rational awl = fixedSum * Rational(base);
        if (awl.isWhole()) {
            w.awlBase = awl.num;
            after = awl.num;
        }
    }
    if (w.events & EventReturn) {
        workReturn(w);
        after = w.combinedBase ? w.combinedBase : w.returnBase;
    }
    std::int64_t corrected = after > 0 ? after : 1;
    for (const GroupWorking &g : w.groups)
        corrected = lcmOfDenominators(corrected, g.perHead);
    w.correctedBase = corrected;
    for (GroupWorking &g : w.groups) {
        g.parts = (g.share * Rational(corrected)).num;
        g.partsEach = (g.perHead * Rational(corrected)).num;
    }
}

// al-Minbariyya: the wife, two daughters, the father and the mother (or
// their like: sons' daughters for the daughters, the grandfather, the
// grandmother), each with a fixed share, 24 rising to 27.
bool isMinbariyya(const CaseWorking &w)
{
    if (w.base != 24 || w.awlBase != 27 || w.groups.size() != 4)
        return false;
    for (const GroupWorking &g : w.groups) {
        switch (g.rule) {
        case Rule::WifeEighth: case Rule::FatherSixth: case Rule::GrandFatherSixth:
        case Rule::MotherSixthDescendants: case Rule::GrandMotherSixth: case Rule::DaughtersTwoThirds:
        case Rule::SonsDaughtersTwoThirds: case Rule::SonsSonsDaughtersTwoThirds:
            break;
        default:
            return false;
        }
    }
    return true;
}

bool hasFullOrPaternalSiblings(const CaseRecord &c)
{
    return c.FullBrotherCount + c.FullSisterCount + c.ParentalBrotherCount + c.ParentalSisterCount != 0;
}

void workSteps(CaseWorking &w)
{
    auto add = [&](StepKind k, std::int64_t from = 0, std::int64_t to = 0, std::int64_t result = 0) {
        Step s{k};
        s.from = from;
        s.to = to;
        s.result = result;
        w.steps.push_back(s);
    };
    w.steps.reserve(w.groups.size() + 4);
    // The choice of method speaks of the siblings: said only when there are some.
    if (w.methodAsked && hasFullOrPaternalSiblings(w.record))
        add(StepKind::Method, w.method);
    // Fixed shares first, then the residue, as a teacher writes them.
    for (int pass = 0; pass < 2; ++pass)
        for (const GroupWorking &g : w.groups) {
            if (g.rule == Rule::None || g.heir == Heir::Treasury)
                continue;
            const bool fixed = isFixedPortion(portionOf(g.rule)) || g.rule == Rule::SixthAndResidue;
            if (fixed != (pass == 0))
                continue;
            Step s{StepKind::Share};
            s.heir = g.heir;
            s.rule = g.rule;
            w.steps.push_back(s);
        }
    if (w.events & EventUmariyya)
        add(StepKind::Umariyya);
    if (w.events & EventMushtaraka)
        add(StepKind::Mushtaraka);
    if (w.events & EventAkdariyya)
        add(StepKind::Akdariyya);
    if (w.events & EventMuadda)
        add(StepKind::Muadda);
    if (isMinbariyya(w))
        add(StepKind::Minbariyya);
    if (w.awlBase != 0)
        add(StepKind::Awl, w.base, w.awlBase);
    if (w.events & EventReturn) {
        if (w.combinedBase)
            add(StepKind::ReturnWithSpouse, w.spouseBase, w.returnBase, w.combinedBase);
        else
            add(StepKind::Return, w.base, w.returnBase);
    }
    if (w.events & EventRestToSpouse)
        add(StepKind::RestToSpouse);
    if (w.events & EventTreasury)
        add(StepKind::Treasury);
    const std::int64_t before = w.awlBase ? w.awlBase
        : w.combinedBase ? w.combinedBase
        : w.returnBase ? w.returnBase : w.base;
    if (w.correctedBase != before) {
        add(StepKind::Correction, before, w.correctedBase);
        // Parts that all share a factor: the books reduce the case by it.
        std::int64_t common = 0;
        for (const GroupWorking &g : w.groups)
            common = gcd64(common, g.partsEach);
        if (common > 1)
            add(StepKind::Reduction, w.correctedBase, w.correctedBase / common);
    }
}

CaseWorking workAdmitted(const AdmittedFamily &f, bool bothMethods)
{
    CaseWorking w;
    ExactRecord e = toExact(f.record);
    try {
        Recalculate(e);
    } catch (const RationalOverflow &) {
        w.exact = false;
        w.record = f.record;
        Recalculate(w.record);
        return w;
    }
    w.record = toDouble(e);
    // Keep the counts as admitted (the first method changes the record's
    // flags only inside the calculation).
    w.record.FatherAlive = f.record.FatherAlive;
    w.record.GrandFatherAlive = f.record.GrandFatherAlive;
    w.events = e.notes.events;
    w.methodAsked = methodAsked(f.record);
    if (w.methodAsked)
        w.method = f.record.GrandFatherAsFather == 1 ? 1 : 2;
    try {
        readGroups(w, e);
        workBases(w);
    } catch (const RationalOverflow &) {
        w.exact = false;
    }

    w.excluded = f.setAside;
    bool receives[HeirCount] = {};
    for (const GroupWorking &g : w.groups)
        receives[static_cast<int>(g.heir)] = true;
    for (int i = 0; i < RelativeCount; ++i) {
        const R r = static_cast<R>(i);
        if (present(f.record, r) && !receives[static_cast<int>(groupOf(r))])
            w.excluded.push_back(whyNothing(w, f.record, r, receives));
    }
    workSteps(w);

    if (bothMethods && w.methodAsked) {
        AdmittedFamily other = f;
        CaseRecord &o = other.record;
        if (w.method == 1) {
            o.FatherAlive = 0;
            o.GrandFatherAlive = 1;
            o.GrandFatherAsFather = 0;
        } else {
            o.FatherAlive = 1;
            o.GrandFatherAlive = 0;
            o.GrandFatherAsFather = 1;
        }
        w.otherMethod = std::make_shared<CaseWorking>(workAdmitted(other, false));
    }
    return w;
}

} // namespace

CaseWorking workCase(const CaseRecord &family, bool bothMethods)
{
    const AdmittedFamily f = admitFamily(family);
    if (f.error) {
        CaseWorking w;
        w.exact = false;
        w.familyError = f.error;
        return w;
    }
    return workAdmitted(f, bothMethods);
}

CaseWorking workCase(const AdmittedFamily &family, bool bothMethods)
{
    return workAdmitted(family, bothMethods);
}

std::vector<estate::Claimant> estateClaimants(const CaseWorking &w)
{
    std::vector<estate::Claimant> out;
    out.reserve(w.groups.size());
    for (const GroupWorking &g : w.groups)
        out.push_back({g.perHead.num, g.perHead.den, g.heads});
    return out;
}
