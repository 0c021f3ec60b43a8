// SPDX-License-Identifier: GPL-3.0-or-later
// The obligatory bequest: who in a predeceased child's branch takes, the
// child's share with him supposed alive, the third, the gift, the division
// down the branch, and the heirs' new case on what is left.

#include "case/engine/obligatory_bequest.h"

#include <stdexcept>
#include <string>

namespace engine {

namespace {

// A person of a predeceased child's branch: the dead pass their part down,
// the living take it (a group of `count` heads on one path).
struct Node
{
    Path path;               // from the deceased
    bool alive = false;
    bool male = false;
    bool shorthand = false;  // a dead ancestor implied by a longer descendant path
    int count = 1;
    Rational gift;           // a living one's
    std::vector<Node> children;
    // Worked out below.
    bool transmits = false;  // the code lets a bequest pass through him to his children
    bool counts = false;     // he takes, or passes on to someone who takes
    int recipient = -1;      // a living one's entry in the result
};

bool isDescent(PathStep s) { return s == PathStep::Son || s == PathStep::Daughter; }

Path below(const Path &parent, PathStep step)
{
    const auto p = Path::parse(parent.text() + "." + stepWord(step));
    if (!p)
        throw std::invalid_argument("a descendant's path is too long");
    return *p;
}

bool onlySons(const Path &p)
{
    for (int i = 0; i < p.length(); ++i)
        if (p[i] != PathStep::Son)
            return false;
    return true;
}

// The lines a code's bequest runs through. Egypt art. 76: "the first
// generation of daughters' children, and the sons' children of the
// backs however low": a predeceased daughter passes to her own children
// only; below her, and below any daughter in a son's line, no one takes.
// Syria art. 257 c: the children of a son and of a son's son however low.
bool passesThrough(ObligatoryBequest code, const Node &n, bool topChild)
{
    switch (code) {
    case ObligatoryBequest::Egypt1946:
        return topChild || onlySons(n.path);
    case ObligatoryBequest::Syria1953:
        return onlySons(n.path);
    case ObligatoryBequest::None:
        break;
    }
    return false;
}

Node branchOf(const Predeceased &p, const Path *parent)
{
    if (p.child.length() != 1 || !isDescent(p.child[0]))
        throw std::invalid_argument("a predeceased child is a son or a daughter");
    Node n;
    n.path = parent ? below(*parent, p.child[0]) : p.child;
    n.male = p.child[0] == PathStep::Son;
    // The living node of a descendant's path, made on the way when `make`.
    const auto living = [&n](const Path &path, bool make) -> Node * {
        Node *at = &n;
        for (int i = 0; i < path.length(); ++i) {
            const PathStep s = path[i];
            if (!isDescent(s))
                throw std::invalid_argument("a descendant is a chain of sons and daughters");
            const bool last = i + 1 == path.length();
            Node *next = nullptr;
            for (Node &c : at->children)
                if (c.path[c.path.length() - 1] == s && (last ? c.alive : c.shorthand))
                    next = &c;
            if (!next && !make)
                return nullptr;
            if (!next) {
                Node c;
                c.path = below(at->path, s);
                c.male = s == PathStep::Son;
                c.alive = last;
                c.shorthand = !last;
                c.count = last ? 0 : 1;
                at->children.push_back(std::move(c));
                next = &at->children.back();
            }
            at = next;
        }
        return at;
    };
    for (const Member &m : p.descendants)
        if (m.count > 0)
            living(m.path, true)->count += m.count;
    for (const Gift &g : p.gifts) {
        Node *to = living(g.descendant, false);
        if (!to)
            throw std::invalid_argument("a gift to a descendant who is not given");
        to->gift += g.amount;
    }
    for (const Predeceased &q : p.predeceased)
        n.children.push_back(branchOf(q, &n.path));
    return n;
}

void addMember(Family &f, const Path &path, int count)
{
    for (Member &m : f.members) {
        if (m.path == path) {
            m.count += count;
            return;
        }
    }
    f.members.push_back({path, count});
}

void addLiving(Family &f, const Node &n)
{
    if (n.alive)
        addMember(f, n.path, n.count);
    for (const Node &c : n.children)
        addLiving(f, c);
}

Rational shareOf(const Result &r, const Path &path)
{
    for (const MemberResult &m : r.members)
        if (m.path == path)
            return m.share;
    return Rational();
}

Rational perHeadOf(const Result &r, const Path &path)
{
    for (const MemberResult &m : r.members)
        if (m.path == path)
            return m.perHead();
    return Rational();
}

// Who takes: the living reached through the code's lines who do not inherit.
void mark(Node &n, ObligatoryBequest code, const Result &classical, bool reached, bool topChild,
          int branch, std::vector<BequestRecipient> &out)
{
    if (n.alive) {
        BequestRecipient r;
        r.path = n.path;
        r.count = n.count;
        r.branch = branch;
        r.gift = n.gift;
        r.reason = !shareOf(classical, n.path).isZero() ? BequestReason::Heir
            : !reached                                 ? BequestReason::OutsideTheLines
                                                       : BequestReason::None;
        n.counts = r.reason == BequestReason::None;
        n.recipient = static_cast<int>(out.size());
        out.push_back(r);
        return;
    }
    n.transmits = reached && passesThrough(code, n, topChild);
    n.counts = false;
    for (Node &c : n.children) {
        mark(c, code, classical, n.transmits, false, branch, out);
        n.counts = n.counts || c.counts;   // (none counts below one who does not pass on)
    }
}

// The part of a dead ancestor divided among his children who count, as
// inheritance among children (the male twice the female), each one's part
// passed on down his own line: an ancestor excludes only his own branch.
void divide(const Node &n, const Rational &amount, std::vector<BequestRecipient> &out)
{
    std::int64_t weight = 0;
    for (const Node &c : n.children)
        if (c.counts)
            weight += (c.male ? 2 : 1) * (c.alive ? c.count : 1);
    if (weight == 0)
        return;
    for (const Node &c : n.children) {
        if (!c.counts)
            continue;
        const Rational part = amount * Rational((c.male ? 2 : 1) * (c.alive ? c.count : 1), weight);
        if (c.alive)
            out[static_cast<std::size_t>(c.recipient)].share += part;
        else
            divide(c, part, out);
    }
}

} // namespace

Family familyWithDescendants(const Family &family, const std::vector<Predeceased> &predeceased)
{
    Family f = family;
    for (const Predeceased &p : predeceased)
        addLiving(f, branchOf(p, nullptr));
    return f;
}

BequestResult calculateWithBequest(const Family &family, const std::vector<Predeceased> &predeceased,
                                   const Rational &voluntary, bool heirsConsent)
{
    BequestResult r;
    r.code = family.views.obligatoryBequest;
    std::vector<Node> branches;
    branches.reserve(predeceased.size());
    r.heirsFamily = family;
    for (const Predeceased &p : predeceased) {
        branches.push_back(branchOf(p, nullptr));
        addLiving(r.heirsFamily, branches.back());
    }
    // The descendants are relatives like any other: those who inherit do so,
    // and the case of the heirs is the same whatever the bequest takes out.
    r.heirs = calculate(r.heirsFamily);
    Rational remainder(1);
    if (r.code != ObligatoryBequest::None && !predeceased.empty()) {
        r.asAliveFamily = r.heirsFamily;
        for (std::size_t b = 0; b < branches.size(); ++b) {
            mark(branches[b], r.code, r.heirs, true, true, static_cast<int>(b), r.recipients);
            BequestBranch out;
            out.child = branches[b].path;
            out.entitled = branches[b].counts;
            r.branches.push_back(out);
            if (out.entitled)
                addMember(r.asAliveFamily, out.child, 1);
        }
        r.asAlive = calculate(r.asAliveFamily);
        Rational total;
        for (BequestBranch &b : r.branches) {
            if (b.entitled)
                b.asAlive = perHeadOf(r.asAlive, b.child);
            total += b.asAlive;
        }
        const Rational third(1, 3);
        r.thirdApplied = total > third;
        for (std::size_t b = 0; b < r.branches.size(); ++b) {
            BequestBranch &x = r.branches[b];
            x.withinThird = r.thirdApplied ? x.asAlive * third / total : x.asAlive;
            divide(branches[b], x.withinThird, r.recipients);
        }
        // What each one was given is counted against his own part only.
        for (BequestRecipient &x : r.recipients) {
            if (x.reason != BequestReason::None)
                continue;
            BequestBranch &b = r.branches[static_cast<std::size_t>(x.branch)];
            b.gifts += x.gift;
            if (x.share < x.gift || x.share == x.gift) {
                x.share = Rational();
                x.reason = BequestReason::GiftCovers;
            } else {
                x.share = x.share - x.gift;
            }
            b.due += x.share;
            r.bequest += x.share;
        }
        remainder = Rational(1) - r.bequest;
    }
    if (Rational() < voluntary) {
        const Rational third(1, 3);
        const Rational room = heirsConsent ? remainder : r.bequest < third ? third - r.bequest : Rational();
        r.voluntary = voluntary < room ? voluntary : room;
        r.voluntaryCut = r.voluntary < voluntary;
        remainder = remainder - r.voluntary;
    }
    for (const MemberResult &m : r.heirs.members)
        r.heirShares.push_back(m.share * remainder);
    r.treasury = r.heirs.treasury * remainder;
    return r;
}

std::int64_t wholeBase(const BequestResult &r)
{
    std::int64_t base = r.treasury.den;
    for (std::size_t i = 0; i < r.heirShares.size(); ++i)
        if (r.heirs.members[i].count > 0)
            base = lcm64(base, (r.heirShares[i] / Rational(r.heirs.members[i].count)).den);
    for (const BequestRecipient &x : r.recipients)
        base = lcm64(base, x.perHead().den);
    return lcm64(base, r.voluntary.den);
}

} // namespace engine
