// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small steps shared by the distribution procedures (not part of the
// library's interface). The procedures are written once over the number type
// N and run on doubles for the program and on Exact for the working of a
// case; notes are taken only on Exact.

#include "case/calculation.h"

#include <type_traits>

namespace calc {

template <class N>
inline constexpr bool takesNotes = std::is_same_v<N, Exact>;

template <class N>
inline N count(std::int16_t n)
{
    if constexpr (takesNotes<N>)
        return Exact(static_cast<int>(n));
    else
        return static_cast<double>(n);
}

// The fraction a/b computed as the program always has: b divided into a at
// run time.
template <class N>
inline N fraction(int a, int b)
{
    if constexpr (takesNotes<N>)
        return Exact(static_cast<double>(a) / static_cast<double>(b), Rational(a, b));
    else
        return N(a) / N(b);
}

// Two parts to each male, one to each female of the same degree.
template <class N>
inline void splitTwoToOne(N r, std::int16_t males, std::int16_t females, N &maleShare, N &femaleShare)
{
    maleShare = N(2) * r / (N(2) * count<N>(males) + count<N>(females));
    if (females != 0)
        femaleShare = maleShare / N(2);
}

// Each of `heads` receives p / heads.
template <class N>
inline void givePerHead(N p, std::int16_t heads, N &share)
{
    share = p / count<N>(heads);
}

template <class N>
inline bool hasDescendants(const BasicCaseRecord<N> &c)
{
    return c.SonCount != 0 || c.DaughterCount != 0 || c.SonsSonCount != 0
        || c.SonsDaughterCount != 0 || c.SonsSonsSonCount != 0 || c.SonsSonsDaughterCount != 0;
}

template <class N>
inline int siblingCount(const BasicCaseRecord<N> &c)
{
    return c.FullBrotherCount + c.FullSisterCount + c.ParentalBrotherCount
        + c.ParentalSisterCount + c.MaternalSiblingCount;
}

// --- Notes (Exact only) ------------------------------------------------------

// The group took its share by rule r: the share it now holds is the part the
// rule gives (fixed or residue, after the rule's portion).
template <class N>
inline void note(BasicCaseRecord<N> &c, Heir h, Rule r)
{
    if constexpr (takesNotes<N>) {
        GroupNote &g = c.notes[h];
        const Rational v = groupShare(c, h).q;
        g = GroupNote{};
        g.rule = r;
        if (isFixedPortion(portionOf(r)))
            g.fixed = v;
        else
            g.residue = v;
    }
}

// Residue added to a group that holds a fixed share (the father's sixth and
// the residue), or the rest given to a spouse.
template <class N>
inline void noteAdded(BasicCaseRecord<N> &c, Heir h, Rule r)
{
    if constexpr (takesNotes<N>) {
        GroupNote &g = c.notes[h];
        const Rational v = groupShare(c, h).q;
        if (g.rule == Rule::None) {
            note(c, h, r);
            return;
        }
        g.residue = v - g.fixed;
        if (r == Rule::None)
            g.restAdded = true;
        else
            g.rule = r;
    }
}

// A male group took the residue, with its sisters two to one when present
// (brothers and sisters by their own verse, 4:176).
template <class N>
inline void noteResidue(BasicCaseRecord<N> &c, Heir male, Heir female, std::int16_t females)
{
    if (females != 0) {
        const bool siblings = male == Heir::FullBrother || male == Heir::ParentalBrother;
        const Rule r = siblings ? Rule::SiblingsTwoToOne : Rule::ResidueTwoToOne;
        note(c, male, r);
        note(c, female, r);
    } else {
        note(c, male, Rule::Residue);
    }
}

// The group's share was settled by a named case: the rule and the fixed share
// it was first given, whatever it holds now.
template <class N>
inline void noteNominal(BasicCaseRecord<N> &c, Heir h, Rule r, int num, int den)
{
    if constexpr (takesNotes<N>) {
        GroupNote &g = c.notes[h];
        g = GroupNote{};
        g.rule = r;
        g.fixed = Rational(num, den);
    }
}

template <class N>
inline void noteCleared(BasicCaseRecord<N> &c, Heir h)
{
    if constexpr (takesNotes<N>)
        c.notes[h] = GroupNote{};
}

template <class N>
inline void noteEvent(BasicCaseRecord<N> &c, CaseEvent e)
{
    if constexpr (takesNotes<N>)
        c.notes.events = static_cast<std::uint16_t>(c.notes.events | e);
}

// The first present class of distant male relatives takes what is left.
template <class N>
void residueChain(BasicCaseRecord<N> &c);

template <class N>
inline void openResults(const BasicCaseRecord<N> &c)
{
    // Only the program's own calculation reaches the screen.
    if constexpr (!takesNotes<N>) {
        if (calculationHooks().openResults)
            calculationHooks().openResults(c);
    }
}

// What is left goes to the sons' sons' sons, with their sisters two to one.
template <class N>
inline void greatGrandchildrenShareRest(BasicCaseRecord<N> &c)
{
    if (!somethingLeft(c))
        return;
    if (c.SonsSonsDaughterCount != 0) {
        splitTwoToOne(c.Remainder, c.SonsSonsSonCount, c.SonsSonsDaughterCount,
                      c.SonsSonsSonShare, c.SonsSonsDaughterShare);
    } else {
        givePerHead(c.Remainder, c.SonsSonsSonCount, c.SonsSonsSonShare);
    }
    noteResidue(c, Heir::SonsSonsSon, Heir::SonsSonsDaughter, c.SonsSonsDaughterCount);
}

// The fixed shares of the mother, the grandmothers and the spouse as they
// stand beside descendants.
template <class N>
inline void fixedSharesBesideDescendants(BasicCaseRecord<N> &c)
{
    if (c.MotherAlive == 1) {
        c.MotherShare = fraction<N>(1, 6);
        note(c, Heir::Mother, Rule::MotherSixthDescendants);
    }
    if (c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1) {
        c.GrandMotherShare = fraction<N>(1, 6);
        note(c, Heir::GrandMother, Rule::GrandMotherSixth);
    }
    if (c.WifeCount != 0) {
        c.WifeShare = fraction<N>(1, 8);
        note(c, Heir::Wife, Rule::WifeEighth);
    }
    if (c.HusbandAlive == 1) {
        c.HusbandShare = fraction<N>(1, 4);
        note(c, Heir::Husband, Rule::HusbandQuarter);
    }
}

// The sons take what is left, with their sisters two to one.
template <class N>
inline void sonsTakeResidue(BasicCaseRecord<N> &c)
{
    ComputeTotals(c);
    if (c.DaughterCount != 0)
        splitTwoToOne(c.Remainder, c.SonCount, c.DaughterCount, c.SonShare, c.DaughterShare);
    else
        givePerHead(c.Remainder, c.SonCount, c.SonShare);
    noteResidue(c, Heir::Son, Heir::Daughter, c.DaughterCount);
}

// The sons' daughters (or, below them, the sons' sons' daughters) complete
// the two thirds beside one daughter; a male of their degree makes them
// residuaries with him.
template <class N>
inline void besideOneDaughter(BasicCaseRecord<N> &c)
{
    if (c.SonsSonCount != 0) {
        splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                      c.SonsSonShare, c.SonsDaughterShare);
        noteResidue(c, Heir::SonsSon, Heir::SonsDaughter, c.SonsDaughterCount);
        return;
    }
    if (c.SonsDaughterCount != 0) {
        givePerHead(fraction<N>(1, 6), c.SonsDaughterCount, c.SonsDaughterShare);
        note(c, Heir::SonsDaughter, Rule::SonsDaughterSixth);
    }
    ComputeTotals(c);
    if (c.SonsSonsSonCount != 0) {
        splitTwoToOne(c.Remainder, c.SonsSonsSonCount, c.SonsSonsDaughterCount,
                      c.SonsSonsSonShare, c.SonsSonsDaughterShare);
        noteResidue(c, Heir::SonsSonsSon, Heir::SonsSonsDaughter, c.SonsSonsDaughterCount);
    }
    if (c.SonsSonsSonCount == 0 && c.SonsDaughterCount == 0 && c.SonsSonsDaughterCount != 0) {
        givePerHead(fraction<N>(1, 6), c.SonsSonsDaughterCount, c.SonsSonsDaughterShare);
        note(c, Heir::SonsSonsDaughter, Rule::SonsSonsDaughterSixth);
    }
}

// Beside two or more daughters (or two or more sons' daughters one degree
// up), the lower generations inherit only with a male of their own degree or
// below; the sons' daughters, shut out of the two thirds, then inherit with
// the great-grandson.
template <class N>
inline void besideTwoThirds(BasicCaseRecord<N> &c)
{
    if (c.SonsSonCount != 0) {
        splitTwoToOne(c.Remainder, c.SonsSonCount, c.SonsDaughterCount,
                      c.SonsSonShare, c.SonsDaughterShare);
        noteResidue(c, Heir::SonsSon, Heir::SonsDaughter, c.SonsDaughterCount);
    } else if (c.SonsSonsSonCount != 0) {
        c.SonsSonsSonShare = N(2) * c.Remainder
            / (count<N>(c.SonsSonsDaughterCount) + count<N>(c.SonsDaughterCount)
               + N(2) * count<N>(c.SonsSonsSonCount));
        if (c.SonsSonsDaughterCount != 0)
            c.SonsSonsDaughterShare = c.SonsSonsSonShare / N(2);
        if (c.SonsDaughterCount != 0)
            c.SonsDaughterShare = c.SonsSonsSonShare / N(2);
        noteResidue(c, Heir::SonsSonsSon, Heir::SonsSonsDaughter, c.SonsSonsDaughterCount);
        if (c.SonsSonsDaughterCount == 0 && c.SonsDaughterCount != 0)
            note(c, Heir::SonsSonsSon, Rule::ResidueTwoToOne);
        if (c.SonsDaughterCount != 0)
            note(c, Heir::SonsDaughter, Rule::ResidueWithLowerMale);
    }
}

} // namespace calc
