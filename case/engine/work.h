// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation's state while it works a family out, shared by its steps
// (admission, shares, distribution). Not part of the library's interface.

#include "case/engine/result.h"

#include <array>
#include <climits>
#include <stdexcept>

namespace engine::detail {

// The members of one group of heirs, by index. A group holds at most one
// path per kind, strength and generation (48 for the descendants, whose
// paths are at most 24 steps), so it lives on the stack.
class Group
{
public:
    static constexpr std::size_t Capacity = 64;
    Group() = default;
    Group(std::initializer_list<int> members)
    {
        for (int i : members)
            push_back(i);
    }
    void push_back(int i)
    {
        if (m_size == Capacity)
            throw std::length_error("more members in one group than paths of one kind");
        m_members[m_size++] = i;
    }
    void insert(const int *, const int *first, const int *last)
    {
        for (; first != last; ++first)
            push_back(*first);
    }
    bool empty() const { return m_size == 0; }
    std::size_t size() const { return m_size; }
    int operator[](std::size_t k) const { return m_members[k]; }
    const int *begin() const { return m_members.data(); }
    const int *end() const { return m_members.data() + m_size; }

private:
    std::array<int, Capacity> m_members{};
    std::size_t m_size = 0;
};

inline const Rational Half{1, 2}, Third{1, 3}, Quarter{1, 4}, Sixth{1, 6}, Eighth{1, 8}, TwoThirds{2, 3};

struct Work
{
    explicit Work(const Family &family);

    const Family &family;
    Result r;
    Views views;              // the family's views with the case's method applied
    bool grandfatherShares = false;   // the siblings share with the grandfather (Zayd)
    bool grandfatherEgypt = false;    // as a brother, at least a sixth

    // Members by their place (indices into r.members; -1 when absent).
    int father = -1;          // the nearest male ascendant who is the father
    int grandfather = -1;     // the nearest male ascendant when there is no father
    int mother = -1, husband = -1, wives = -1, emancipator = -1;
    int nearestMaleDescendant = -1;   // of the highest generation with a male
    int maleGeneration = INT_MAX;

    MemberResult &m(int i) { return r.members[static_cast<std::size_t>(i)]; }
    const Path &path(int i) const { return r.members[static_cast<std::size_t>(i)].path; }
    int size() const { return static_cast<int>(r.members.size()); }
    // Present and not shut out.
    bool in(int i) const
    {
        return i >= 0 && r.members[static_cast<std::size_t>(i)].count > 0
            && r.members[static_cast<std::size_t>(i)].reason == Reason::None;
    }
    int heads(int i) const { return r.members[static_cast<std::size_t>(i)].count; }

    // The one place a share is given: the rule and the portion together.
    void give(int i, ShareRule rule, const Rational &fixed)
    {
        MemberResult &x = m(i);
        x.rule = rule;
        x.fixed = fixed;
        x.share = fixed;
    }
    // A residuary's part (added to a fixed part already given).
    void giveResidue(int i, ShareRule rule, const Rational &amount)
    {
        MemberResult &x = m(i);
        x.rule = rule;
        x.share = x.fixed + amount;
    }
    // The one place a member is shut out, with who does it.
    void exclude(int i, Reason why, int by = -1)
    {
        MemberResult &x = m(i);
        if (x.reason != Reason::None)
            return;
        x.reason = why;
        x.by = by;
        x.rule = ShareRule::None;
        x.fixed = Rational();
        x.share = Rational();
    }

    // A distant kinsman set aside at admission whose claim is heard because
    // no heir by fixed share or residue is left: the reason is lifted, and a
    // share or another exclusion is then written as for anyone.
    void hearDistantKinsman(int i)
    {
        m(i).reason = Reason::None;
        m(i).by = -1;
    }

    Rational fixedTotal() const;
    Rational total() const;
    bool anyDescendant() const;       // an heir among the descendants
    bool anyFemaleDescendant() const; // a female descendant who is an heir
    int siblingHeads() const;         // every brother and sister, shut out or not
    int firstIn(PathKind kind) const;
};

// The steps, in the order calculate() runs them.
void admit(Work &w);
void fixedShares(Work &w);
void residue(Work &w);
void distribute(Work &w);

// Residue split two to one between the males and females of a group of
// members (males count 2, females 1).
void shareTwoToOne(Work &w, const Group &members, const Rational &amount, ShareRule rule);

} // namespace engine::detail
