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

// Why a relative given receives nothing.
Exclusion whyNothing(const CaseWorking &w, const CaseRecord &c, R r)
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
    if ((r == R::ParentalBrother || r == R::ParentalSister) && (w.events & EventMuadda)) {
        e.reason = Reason::CountedAgainstGrandFather;
        return e;
    }
    const std::vector<R> &list = excluders(r);
    for (R who : list) {
        if (who == r)
            break;   // only nearer classes exclude
        // The grandfather in the father's place stands in the father's fields.
        if (!(who == R::Father ? c.FatherAlive == 1 : present(c, who)))
            continue;
        if (r == R::MaternalSibling && who == R::GrandFather && firstMethod)
            return by(R::Father);
        return by(who);
    }
    // A sister who takes the residue beside daughters shuts out those after
    // the full brother's class.
    if (r >= R::ParentalBrother && r != R::MaternalSibling) {
        if (residueWithDaughters(w, Heir::FullSister))
            return by(R::FullSister);
        if (r >= R::BrothersSon && residueWithDaughters(w, Heir::ParentalSister))
            return by(R::ParentalSister);
    }
    if (r == R::SonsDaughter && c.DaughterCount >= 2) {
        e.reason = Reason::AfterDaughtersTwoThirds;
        return e;
    }
    if (r == R::SonsSonsDaughter
        && (c.DaughterCount >= 2 || c.SonsDaughterCount >= 2 || (c.DaughterCount == 1 && c.SonsDaughterCount != 0))) {
        e.reason = Reason::AfterDaughtersTwoThirds;
        return e;
    }
    if (r == R::ParentalSister && c.FullSisterCount >= 2) {
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
    if (r != Rule::Akdariyya)
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
        g.reduced = (notes.events & EventAwl) != 0 && !n.fixed.isZero();
        w.groups.push_back(g);
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
    if (!anyFixed) {
        // Residuaries only: the base is the number of heads, a male counting
        // as two beside females of his degree.
        std::int64_t heads = 0;
        for (const GroupWorking &g : w.groups) {
            const bool twoToOne = g.rule == Rule::ResidueTwoToOne && isMaleResidueGroup(g.heir);
            heads += g.heads * (twoToOne ? 2 : 1);
        }
        base = heads > 0 ? heads : 1;
    }
    w.base = base;
    std::int64_t after = base;
    bool spouseApart = false;
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
        std::int64_t den = 1;
        Rational sum;
        for (const GroupWorking &g : w.groups)
            if (g.returned && !g.fixed.isZero()) {
                den = lcmOfDenominators(den, g.fixed);
                sum += g.fixed;
            }
        const Rational rb = sum * Rational(den);
        if (rb.isWhole() && rb.num > 0)
            w.returnBase = rb.num;
        for (const GroupWorking &g : w.groups)
            if (g.heir == Heir::Husband || g.heir == Heir::Wife)
                spouseApart = true;
        after = spouseApart ? 1 : w.returnBase;
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

void workSteps(CaseWorking &w)
{
    auto add = [&](StepKind k, std::int64_t from = 0, std::int64_t to = 0) {
        Step s{k};
        s.from = from;
        s.to = to;
        w.steps.push_back(s);
    };
    w.steps.reserve(w.groups.size() + 4);
    if (w.methodAsked)
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
    const bool minbariyya = w.awlBase == 27 && w.base == 24;
    if (w.events & EventUmariyya)
        add(StepKind::Umariyya);
    if (w.events & EventMushtaraka)
        add(StepKind::Mushtaraka);
    if (w.events & EventAkdariyya)
        add(StepKind::Akdariyya);
    if (w.events & EventMuadda)
        add(StepKind::Muadda);
    if (minbariyya)
        add(StepKind::Minbariyya);
    if (w.awlBase != 0)
        add(StepKind::Awl, w.base, w.awlBase);
    if (w.events & EventReturn) {
        bool spouse = false;
        for (const GroupWorking &g : w.groups)
            spouse = spouse || g.heir == Heir::Husband || g.heir == Heir::Wife;
        add(spouse ? StepKind::ReturnWithSpouse : StepKind::Return, w.base, w.returnBase);
    }
    if (w.events & EventRestToSpouse)
        add(StepKind::RestToSpouse);
    if (w.events & EventTreasury)
        add(StepKind::Treasury);
    const std::int64_t before = w.awlBase ? w.awlBase : (w.returnBase ? w.returnBase : w.base);
    if (w.correctedBase != before)
        add(StepKind::Correction, before, w.correctedBase);
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
            w.excluded.push_back(whyNothing(w, f.record, r));
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
