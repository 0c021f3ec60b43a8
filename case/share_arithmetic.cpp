// SPDX-License-Identifier: GPL-3.0-or-later
// Totals, proportional reduction, the residue chain, the return of a surplus
// and the treasury.

#include "case/calculation.h"
#include "case/share_steps.h"

#include <utility>

using calc::count;

namespace calc {

// On exact numbers the terms that are 0 are left out: adding a 0 leaves the
// double exactly as it was and costs the fraction a reduction.
void computeTotalsExact(ExactRecord &c)
{
    const std::pair<const Exact *, std::int16_t> terms[] = {
        {&c.GrandFatherShare, 1}, {&c.SonShare, c.SonCount}, {&c.MotherShare, 1},
        {&c.HusbandShare, 1}, {&c.WifeShare, 1}, {&c.DaughterShare, c.DaughterCount},
        {&c.SonsSonShare, c.SonsSonCount}, {&c.SonsDaughterShare, c.SonsDaughterCount},
        {&c.GrandMotherShare, 1}, {&c.FullBrotherShare, c.FullBrotherCount},
        {&c.FullSisterShare, c.FullSisterCount}, {&c.ParentalBrotherShare, c.ParentalBrotherCount},
        {&c.ParentalSisterShare, c.ParentalSisterCount},
        {&c.MaternalSiblingShare, c.MaternalSiblingCount},
        {&c.SonsSonsDaughterShare, c.SonsSonsDaughterCount},
        {&c.SonsSonsSonShare, c.SonsSonsSonCount}, {&c.FullUncleShare, c.FullUncleCount},
        {&c.BrothersSonShare, c.BrothersSonCount},
        {&c.ParentalBrothersSonShare, c.ParentalBrothersSonCount},
        {&c.ParentalUncleShare, c.ParentalUncleCount},
        {&c.ParentalUnclesSonShare, c.ParentalUnclesSonCount}, {&c.TreasuryShare, 1},
        {&c.FullUnclesSonShare, c.FullUnclesSonCount},
    };
    // The doubles in the program's order; the fractions over one common
    // denominator, reduced once at the end.
    double t = c.FatherShare.d;
    __int128 num = c.FatherShare.q.num;
    std::int64_t den = c.FatherShare.q.den;
    for (const auto &[share, n] : terms) {
        if (n == 0 || (share->d == 0 && share->q.isZero()))
            continue;
        t = t + (n == 1 ? share->d : static_cast<double>(n) * share->d);
        const std::int64_t g = gcd64(den, share->q.den);
        const std::int64_t scale = share->q.den / g;
        const __int128 common = static_cast<__int128>(den) * scale;
        if (common > INT64_MAX)
            throw RationalOverflow();
        num = num * scale + static_cast<__int128>(share->q.num) * n * (den / g);
        den = static_cast<std::int64_t>(common);
        if (num > (static_cast<__int128>(1) << 100) || num < -(static_cast<__int128>(1) << 100))
            throw RationalOverflow();
    }
    const Exact total(t, Rational::make(num, den));
    c.ShareTotal = total;
    c.Remainder = Exact(1) - c.ShareTotal;
    if (c.Remainder < RemainderThreshold)
        c.Remainder = 0;
}

template <class N>
void computeTotals(BasicCaseRecord<N> &c)
{
    if constexpr (takesNotes<N>) {
        computeTotalsExact(c);
        return;
    }
    // The order of the sum is fixed: a different order rounds differently.
    N t = c.FatherShare;
    t = t + c.GrandFatherShare;
    t = t + count<N>(c.SonCount) * c.SonShare;
    t = t + c.MotherShare;
    t = t + c.HusbandShare;
    t = t + c.WifeShare;
    t = t + count<N>(c.DaughterCount) * c.DaughterShare;
    t = t + count<N>(c.SonsSonCount) * c.SonsSonShare;
    t = t + count<N>(c.SonsDaughterCount) * c.SonsDaughterShare;
    t = t + c.GrandMotherShare;
    t = t + count<N>(c.FullBrotherCount) * c.FullBrotherShare;
    t = t + count<N>(c.FullSisterCount) * c.FullSisterShare;
    t = t + count<N>(c.ParentalBrotherCount) * c.ParentalBrotherShare;
    t = t + count<N>(c.ParentalSisterCount) * c.ParentalSisterShare;
    t = t + count<N>(c.MaternalSiblingCount) * c.MaternalSiblingShare;
    t = t + count<N>(c.SonsSonsDaughterCount) * c.SonsSonsDaughterShare;
    t = t + count<N>(c.SonsSonsSonCount) * c.SonsSonsSonShare;
    t = t + count<N>(c.FullUncleCount) * c.FullUncleShare;
    t = t + count<N>(c.BrothersSonCount) * c.BrothersSonShare;
    t = t + count<N>(c.ParentalBrothersSonCount) * c.ParentalBrothersSonShare;
    t = t + count<N>(c.ParentalUncleCount) * c.ParentalUncleShare;
    t = t + count<N>(c.ParentalUnclesSonCount) * c.ParentalUnclesSonShare;
    t = t + c.TreasuryShare;
    t = t + count<N>(c.FullUnclesSonCount) * c.FullUnclesSonShare;
    c.ShareTotal = t;
    c.Remainder = N(1) - c.ShareTotal;
    if (c.Remainder < RemainderThreshold)
        c.Remainder = 0;
}

template <class N>
void reduceShares(BasicCaseRecord<N> &c)
{
    if constexpr (takesNotes<N>) {
        if (!c.notes.has(EventAwl))
            c.notes.awlTotal = c.ShareTotal.q;
    }
    noteEvent(c, EventAwl);
    // Only fixed shares are scaled: the residuaries hold nothing when the
    // fixed shares exceed the estate.
    const N total = c.ShareTotal;
    c.MotherShare = c.MotherShare / total;
    c.GrandMotherShare = c.GrandMotherShare / total;
    c.FullBrotherShare = c.FullBrotherShare / total;
    c.FullSisterShare = c.FullSisterShare / total;
    c.ParentalBrotherShare = c.ParentalBrotherShare / total;
    c.MaternalSiblingShare = c.MaternalSiblingShare / total;
    c.ParentalSisterShare = c.ParentalSisterShare / total;
    c.WifeShare = c.WifeShare / total;
    c.HusbandShare = c.HusbandShare / total;
    c.SonsDaughterShare = c.SonsDaughterShare / total;
    c.SonsSonsDaughterShare = c.SonsSonsDaughterShare / total;
    c.DaughterShare = c.DaughterShare / total;
    c.FatherShare = c.FatherShare / total;
    c.GrandFatherShare = c.GrandFatherShare / total;
    ComputeTotals(c);
}

template <class N>
void residueChain(BasicCaseRecord<N> &c)
{
    const N r = c.Remainder;
    if (c.BrothersSonCount != 0) {
        givePerHead(r, c.BrothersSonCount, c.BrothersSonShare);
        note(c, Heir::BrothersSon, Rule::Residue);
    } else if (c.ParentalBrothersSonCount != 0) {
        givePerHead(r, c.ParentalBrothersSonCount, c.ParentalBrothersSonShare);
        note(c, Heir::ParentalBrothersSon, Rule::Residue);
    } else if (c.FullUncleCount != 0) {
        givePerHead(r, c.FullUncleCount, c.FullUncleShare);
        note(c, Heir::FullUncle, Rule::Residue);
    } else if (c.ParentalUncleCount != 0) {
        givePerHead(r, c.ParentalUncleCount, c.ParentalUncleShare);
        note(c, Heir::ParentalUncle, Rule::Residue);
    } else if (c.FullUnclesSonCount != 0) {
        givePerHead(r, c.FullUnclesSonCount, c.FullUnclesSonShare);
        note(c, Heir::FullUnclesSon, Rule::Residue);
    } else if (c.ParentalUnclesSonCount != 0) {
        givePerHead(r, c.ParentalUnclesSonCount, c.ParentalUnclesSonShare);
        note(c, Heir::ParentalUnclesSon, Rule::Residue);
    }
}

template void residueChain(CaseRecord &);
template void residueChain(ExactRecord &);

} // namespace calc

namespace {

using namespace calc;

template <class N>
bool hasReturnHeir(const BasicCaseRecord<N> &c)
{
    return c.DaughterCount != 0 || c.SonsDaughterCount != 0 || c.ParentalGrandMotherAlive != 0
        || c.SonsSonsDaughterCount != 0 || c.FullSisterCount != 0 || c.ParentalSisterCount != 0
        || c.MotherAlive != 0 || c.MaternalGrandMotherAlive != 0 || c.MaternalSiblingCount != 0;
}

// The surplus goes back to the fixed-share heirs other than the spouses, in
// proportion to their shares. False when none of them holds anything.
template <class N>
bool returnSurplus(BasicCaseRecord<N> &c)
{
    const N rest = N(1) - c.HusbandShare - c.WifeShare;
    N base = count<N>(c.DaughterCount) * c.DaughterShare;
    base = base + count<N>(c.SonsDaughterCount) * c.SonsDaughterShare;
    base = base + count<N>(c.SonsSonsDaughterCount) * c.SonsSonsDaughterShare;
    base = base + count<N>(c.FullSisterCount) * c.FullSisterShare;
    base = base + c.MotherShare;
    base = base + c.GrandMotherShare;
    base = base + count<N>(c.ParentalSisterCount) * c.ParentalSisterShare;
    base = base + count<N>(c.MaternalSiblingCount) * c.MaternalSiblingShare;
    c.ReturnBase = base;
    if (!(base > 0))
        return false;   // guards the division; no reachable case gets here
    noteEvent(c, EventReturn);
    c.Remainder = rest;
    const auto scaled = [&](N share) { return c.Remainder * share / c.ReturnBase; };
    const auto returned = [&](Heir h) {
        if constexpr (takesNotes<N>)
            c.notes[h].returned = true;
    };
    if (c.DaughterCount != 0) {
        c.DaughterShare = scaled(c.DaughterShare);
        returned(Heir::Daughter);
    }
    if (c.SonsDaughterCount != 0) {
        c.SonsDaughterShare = scaled(c.SonsDaughterShare);
        returned(Heir::SonsDaughter);
    }
    if (c.SonsSonsDaughterCount != 0) {
        c.SonsSonsDaughterShare = scaled(c.SonsSonsDaughterShare);
        returned(Heir::SonsSonsDaughter);
    }
    if (c.FullSisterCount != 0) {
        c.FullSisterShare = scaled(c.FullSisterShare);
        returned(Heir::FullSister);
    }
    if (c.ParentalSisterCount != 0) {
        c.ParentalSisterShare = scaled(c.ParentalSisterShare);
        returned(Heir::ParentalSister);
    }
    if (c.MotherAlive != 0) {
        c.MotherShare = scaled(c.MotherShare);
        returned(Heir::Mother);
    }
    if (c.MaternalGrandMotherAlive != 0 || c.ParentalGrandMotherAlive != 0) {
        c.GrandMotherShare = scaled(c.GrandMotherShare);
        returned(Heir::GrandMother);
    }
    if (c.MaternalSiblingCount != 0) {
        c.MaternalSiblingShare = scaled(c.MaternalSiblingShare);
        returned(Heir::MaternalSibling);
    }
    return true;
}

template <class N>
void residueToOthers(BasicCaseRecord<N> &c)
{
    ComputeTotals(c);
    calc::residueChain(c);
    ComputeTotals(c);

    if (somethingLeft(c)) {
        if (!hasReturnHeir(c) || !returnSurplus(c)) {
            if (c.HusbandAlive == 1) {
                c.HusbandShare = c.HusbandShare + c.Remainder;
                noteAdded(c, Heir::Husband, Rule::None);
                noteEvent(c, EventRestToSpouse);
            }
            if (c.WifeCount != 0) {
                c.WifeShare = c.WifeShare + c.Remainder;
                noteAdded(c, Heir::Wife, Rule::None);
                noteEvent(c, EventRestToSpouse);
            }
        }
    }

    ComputeTotals(c);
    if (overfull(c))
        ReduceShares(c);

    if (somethingLeft(c)) {
        // Nobody can take the rest: it goes to the treasury, after the user
        // has been told.
        if constexpr (!takesNotes<N>) {
            if (calculationHooks().noHeirsNotice)
                calculationHooks().noHeirsNotice(c);
        }
        c.TreasuryShare = c.Remainder;
        note(c, Heir::Treasury, Rule::Residue);
        noteEvent(c, EventTreasury);
    }
}

} // namespace

void ComputeTotals(CaseRecord &c) { calc::computeTotals(c); }
void ComputeTotals(ExactRecord &c) { calc::computeTotals(c); }
void ReduceShares(CaseRecord &c) { calc::reduceShares(c); }
void ReduceShares(ExactRecord &c) { calc::reduceShares(c); }
void ResidueToOthers(CaseRecord &c) { residueToOthers(c); }
void ResidueToOthers(ExactRecord &c) { residueToOthers(c); }
