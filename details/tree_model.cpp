// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/tree_model.h"

#include "report/bequest_working_text.h"
#include "report/composition.h"
#include "report/path_working_text.h"
#include "report/relative_names.h"
#include "ui/captions.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace details::tree {

QString text(const char *key, Language language)
{
    return captions::text(QStringLiteral("frmCaseTree"), QLatin1String(key), language);
}

namespace {

using engine::ShareRule;

bool isAscent(PathStep s) { return s == PathStep::Father || s == PathStep::Mother; }
bool isDescent(PathStep s) { return s == PathStep::Son || s == PathStep::Daughter; }
bool isSibling(PathStep s)
{
    return s == PathStep::Brother || s == PathStep::Sister || s == PathStep::PaternalBrother
        || s == PathStep::PaternalSister || s == PathStep::MaternalBrother || s == PathStep::MaternalSister;
}

// A path's first `n` steps, or nothing for n == 0 (the deceased).
std::optional<Path> prefix(const Path &p, int n)
{
    if (n == 0)
        return std::nullopt;
    std::string text;
    for (int i = 0; i < n; ++i) {
        if (i)
            text += '.';
        text += stepWord(p[i]);
    }
    return Path::parse(text);
}

// Where a node belongs among the blocks laid side by side.
enum class Place { Deceased, Ancestor, Spouse, Collateral, Emancipator };

struct Work
{
    std::optional<Path> path;   // none: the deceased
    int node = -1;
    Place place = Place::Deceased;
    int blockTop = 0;           // Collateral: the steps up to the sibling step, inclusive
    std::vector<int> children;  // work indices laid out below (or beside, after the emancipator)
};

std::string keyOf(const std::optional<Path> &p) { return p ? p->text() : std::string(); }

Place placeOf(const Path &p, int &blockTop)
{
    if (p[0] == PathStep::Husband || p[0] == PathStep::Wife)
        return Place::Spouse;
    if (p[0] == PathStep::Emancipator)
        return Place::Emancipator;
    for (int i = 0; i < p.length(); ++i) {
        if (isSibling(p[i])) {
            blockTop = i + 1;
            return Place::Collateral;
        }
    }
    return isAscent(p[0]) && isAscent(p[p.length() - 1]) ? Place::Ancestor
         : isDescent(p[0])                               ? Place::Deceased
                                                         : Place::Collateral;
}

// A father's line before a mother's at every step: -1 .. 1.
double ancestorKey(const Path &p)
{
    double key = 0, weight = 0.5;
    for (int i = 0; i < p.length(); ++i, weight /= 2)
        key += (p[i] == PathStep::Father ? -1 : 1) * weight;
    return key;
}

} // namespace

Mark markOf(const engine::MemberResult &m)
{
    if (m.reason != engine::Reason::None || m.share.isZero())
        return Mark::Excluded;
    switch (m.rule) {
    case ShareRule::AscendantSixthAndResidue:
        return Mark::FixedAndResidue;
    case ShareRule::AscendantResidue: case ShareRule::DescendantsResidue: case ShareRule::SiblingsResidue:
    case ShareRule::SistersWithDaughters: case ShareRule::AgnateResidue: case ShareRule::EmancipatorResidue:
    case ShareRule::EmancipatorAgnateResidue: case ShareRule::GrandfatherSharing:
    case ShareRule::GrandfatherAsBrother: case ShareRule::SiblingsAfterGrandfather:
        return Mark::Residuary;
    case ShareRule::KinshipShare: case ShareRule::SubstitutionShare:
        return Mark::Kindred;
    default:
        return Mark::Fixed;
    }
}

QString TreeModel::markText(Mark m, Language language)
{
    static const char *const keys[] = {"mark.deceased", "mark.fixed", "mark.residuary", "mark.fixedAndResidue",
                                       "mark.kindred", "mark.treasury", "mark.excluded", "mark.link",
                                       "mark.predeceased", "mark.bequest", "mark.uncertain"};
    return text(keys[int(m)], language);
}

int TreeModel::nodeOf(int member) const
{
    for (int k = 0; k < m_nodes.size(); ++k)
        if (m_nodes[k].member == member)
            return k;
    return -1;
}

void TreeModel::setFamily(const engine::Family &family, Language language, const Money &money)
{
    setResult(family, engine::calculate(family), language, money);
}

void TreeModel::setBequest(const engine::Family &family, const std::vector<engine::Predeceased> &predeceased,
                           const engine::BequestResult &bequest, Language language, const Money &money)
{
    // Every heir's share of the whole estate; the living family placed as
    // always (its members come first in the heirs' family), the branches
    // beside.
    m_result = bequest.heirs;
    for (std::size_t i = 0; i < m_result.members.size(); ++i)
        m_result.members[i].share = bequest.heirShares[i];
    m_result.treasury = bequest.treasury;
    m_language = language;
    m_predeceased = predeceased;
    m_bequest = bequest;
    place(family);
    texts(bequest.heirsFamily, money);
    m_predeceased.clear();
}

void TreeModel::setResult(const engine::Family &family, const engine::Result &result, Language language,
                          const Money &money)
{
    m_result = result;
    m_language = language;
    m_predeceased.clear();
    place(family);
    texts(family, money);
}

void TreeModel::place(const engine::Family &family)
{
    m_nodes.clear();
    std::vector<Work> work;
    std::map<std::string, int> byKey;   // path text -> work index

    // Every member, and every ancestor or relative its line passes through.
    auto ensure = [&](auto &&self, const std::optional<Path> &p) -> int {
        const std::string key = keyOf(p);
        if (auto it = byKey.find(key); it != byKey.end())
            return it->second;
        Node n;
        Work w;
        w.path = p;
        if (p) {
            w.place = placeOf(*p, w.blockTop);
            const std::optional<Path> up = prefix(*p, p->length() - 1);
            n.parent = (p->length() == 1 || up) ? self(self, up) : 0;
            const PathStep last = (*p)[p->length() - 1];
            n.tie = isSibling(last)                 ? Tie::Sibling
                  : last == PathStep::Husband || last == PathStep::Wife ? Tie::Spouse
                  : last == PathStep::Emancipator   ? Tie::Emancipation
                                                    : Tie::Child;
            n.row = m_nodes[work[std::size_t(n.parent)].node].row + (isAscent(last) ? -1 : isDescent(last) ? 1 : 0);
            n.path = QString::fromStdString(key);
        } else {
            n.mark = Mark::Deceased;
        }
        w.node = int(m_nodes.size());
        m_nodes.append(n);
        work.push_back(w);
        const int index = int(work.size()) - 1;
        byKey.emplace(key, index);
        // The parent's node index is the work index: both grow together.
        if (p && m_nodes[w.node].parent >= 0) {
            Work &parent = work[std::size_t(m_nodes[w.node].parent)];
            const PathStep last = (*p)[p->length() - 1];
            if (isDescent(last) || parent.place == Place::Emancipator)
                parent.children.push_back(index);
        }
        return index;
    };
    ensure(ensure, std::nullopt);
    for (std::size_t k = 0; k < family.members.size(); ++k) {
        const int index = ensure(ensure, family.members[k].path);
        m_nodes[work[std::size_t(index)].node].member = int(k);
    }

    // The children who died before the deceased, each under the deceased
    // beside the living, his descendants below him (a descendant's path of
    // several steps passes through one dead person on each step, as the
    // calculation reads it), the recipients in the calculation's order.
    int recipient = 0;
    auto branchNode = [&](const Path &path, int parent, Mark mark, int count) {
        Node n;
        n.path = QString::fromStdString(path.text());
        n.parent = parent;
        n.tie = Tie::Child;
        n.row = m_nodes[work[std::size_t(parent)].node].row + 1;
        n.mark = mark;
        n.count = count;
        Work w;
        w.path = path;
        w.node = int(m_nodes.size());
        m_nodes.append(n);
        work.push_back(w);
        const int index = int(work.size()) - 1;
        work[std::size_t(parent)].children.push_back(index);
        return index;
    };
    struct Person
    {
        Path path;
        bool alive = false;
        int count = 0;
        std::vector<Person> children;
    };
    auto personOf = [](auto &&self, const engine::Predeceased &p, const Path &path) -> Person {
        Person top{path, false, 1, {}};
        for (const engine::Member &m : p.descendants) {
            if (m.count <= 0)
                continue;
            Person *at = &top;
            for (int i = 0; i < m.path.length(); ++i) {
                const bool last = i + 1 == m.path.length();
                const auto below = Path::parse(at->path.text() + '.' + stepWord(m.path[i]));
                Person *next = nullptr;
                for (Person &c : at->children)
                    if (c.path == *below && c.alive == last)
                        next = &c;
                if (!next) {
                    at->children.push_back({*below, last, last ? 0 : 1, {}});
                    next = &at->children.back();
                }
                at = next;
            }
            at->count += m.count;
        }
        for (const engine::Predeceased &q : p.predeceased)
            top.children.push_back(self(self, q, *Path::parse(path.text() + '.' + q.child.text())));
        return top;
    };
    auto placePerson = [&](auto &&self, const Person &person, int parent) -> void {
        const int index = branchNode(person.path, parent, person.alive ? Mark::Excluded : Mark::Predeceased, person.count);
        Node &n = m_nodes[work[std::size_t(index)].node];
        if (person.alive) {
            if (m_bequest.code != ObligatoryBequest::None)
                n.recipient = recipient++;
            for (std::size_t i = m_bequest.heirs.members.size(); i-- > family.members.size();)
                if (m_bequest.heirs.members[i].path == person.path)
                    n.heir = int(i);
        }
        for (const Person &c : person.children)
            self(self, c, index);
    };
    for (const engine::Predeceased &p : m_predeceased)
        placePerson(placePerson, personOf(personOf, p, p.child), 0);

    // Children in a fixed order: sons before daughters, then by path.
    for (Work &w : work)
        std::sort(w.children.begin(), w.children.end(),
                  [&](int a, int b) { return *work[std::size_t(a)].path < *work[std::size_t(b)].path; });

    // A line laid out as a tidy tree: leaves side by side, a parent centred
    // over its children. Returns the width in columns.
    auto layout = [&](auto &&self, int index, double left) -> double {
        Work &w = work[std::size_t(index)];
        if (w.children.empty()) {
            m_nodes[w.node].column = left;
            return 1;
        }
        double width = 0;
        for (int c : w.children)
            width += self(self, c, left + width);
        const Node &first = m_nodes[work[std::size_t(w.children.front())].node];
        const Node &last = m_nodes[work[std::size_t(w.children.back())].node];
        m_nodes[w.node].column = (first.column + last.column) / 2;
        return width;
    };
    auto shift = [&](auto &&self, int index, double by) -> void {
        m_nodes[work[std::size_t(index)].node].column += by;
        for (int c : work[std::size_t(index)].children)
            self(self, c, by);
    };

    // The deceased's own line, the deceased at column 0.
    layout(layout, 0, 0);
    shift(shift, 0, -m_nodes[0].column);

    // The ascendants, a generation at a time upwards: each over the relative
    // whose parent he is, the father to the left of the mother, one column
    // apart at least.
    std::map<int, std::vector<int>> ancestors;
    for (std::size_t k = 0; k < work.size(); ++k)
        if (work[k].place == Place::Ancestor)
            ancestors[m_nodes[work[k].node].row].push_back(int(k));
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        std::vector<int> &list = it->second;
        std::sort(list.begin(), list.end(), [&](int a, int b) {
            return ancestorKey(*work[std::size_t(a)].path) < ancestorKey(*work[std::size_t(b)].path);
        });
        std::vector<double> ideal, x;
        for (int k : list) {
            const Node &n = m_nodes[work[std::size_t(k)].node];
            const Path &p = *work[std::size_t(k)].path;
            ideal.push_back(m_nodes[n.parent].column + (p[p.length() - 1] == PathStep::Father ? -0.5 : 0.5));
        }
        for (std::size_t i = 0; i < ideal.size(); ++i)
            x.push_back(i == 0 ? ideal[0] : std::max(ideal[i], x[i - 1] + 1));
        double by = 0;
        for (std::size_t i = 0; i < x.size(); ++i)
            by += ideal[i] - x[i];
        by /= double(x.size());
        for (std::size_t i = 0; i < x.size(); ++i)
            m_nodes[work[std::size_t(list[i])].node].column = x[i] + by;
    }

    // What each row holds so far, leftmost and rightmost: the lines beside
    // are packed against it row by row, so a line of the lower generations
    // may stand under the ancestors' row.
    std::map<int, std::pair<double, double>> edge;
    auto hold = [&](const Node &n) {
        auto [it, fresh] = edge.try_emplace(n.row, n.column, n.column);
        if (!fresh)
            it->second = {std::min(it->second.first, n.column), std::max(it->second.second, n.column)};
    };
    for (const Node &n : m_nodes)
        hold(n);
    auto blockNodes = [&](int index) {
        std::vector<int> out{index};
        for (std::size_t i = 0; i < out.size(); ++i)
            for (int c : work[std::size_t(out[i])].children)
                out.push_back(c);
        return out;
    };
    // Places a line laid out from column 0 beside what the rows hold.
    auto pack = [&](int index, bool before) {
        layout(layout, index, 0);
        const std::vector<int> members = blockNodes(index);
        double by = before ? 1e9 : -1e9;
        for (int k : members) {
            const Node &n = m_nodes[work[std::size_t(k)].node];
            const auto it = edge.find(n.row);
            if (it == edge.end())
                continue;
            by = before ? std::min(by, it->second.first - 1 - n.column) : std::max(by, it->second.second + 1 - n.column);
        }
        if (std::abs(by) > 1e8)
            by = 0;
        for (int k : members) {
            Node &n = m_nodes[work[std::size_t(k)].node];
            n.column += by;
            hold(n);
        }
    };

    // The lines of the siblings and the uncles, nearer lines first: the
    // father's side leading; the spouses beside the deceased, then the
    // mother's side, the emancipator and the treasury trailing.
    std::vector<int> spouses, leading, trailing, emancipation;
    for (std::size_t k = 0; k < work.size(); ++k) {
        const Work &w = work[k];
        if (!w.path)
            continue;
        if (w.place == Place::Spouse)
            spouses.push_back(int(k));
        else if (w.place == Place::Emancipator && w.path->length() == 1)
            emancipation.push_back(int(k));
        else if (w.place == Place::Collateral && w.path->length() == w.blockTop) {
            const PathStep first = (*w.path)[0];
            const bool mothers = first == PathStep::Mother || first == PathStep::MaternalBrother
                || first == PathStep::MaternalSister;
            (mothers ? trailing : leading).push_back(int(k));
        }
    }
    auto nearer = [&](int a, int b) {
        const Work &wa = work[std::size_t(a)], &wb = work[std::size_t(b)];
        return wa.blockTop != wb.blockTop ? wa.blockTop < wb.blockTop : *wa.path < *wb.path;
    };
    std::sort(leading.begin(), leading.end(), nearer);
    std::sort(trailing.begin(), trailing.end(), nearer);
    for (int k : leading)
        pack(k, true);
    for (const auto &group : {spouses, trailing, emancipation})
        for (int k : group)
            pack(k, false);
    if (!m_result.treasury.isZero()) {
        Node t;
        t.mark = Mark::Treasury;
        t.column = edge[0].second + 1;
        m_nodes.append(t);
    }

    double left = 0, right = 0;
    for (const Node &n : m_nodes) {
        left = std::min(left, n.column);
        right = std::max(right, n.column);
    }
    m_minRow = 0;
    m_maxRow = 0;
    for (Node &n : m_nodes) {
        n.column -= left;
        m_minRow = std::min(m_minRow, n.row);
        m_maxRow = std::max(m_maxRow, n.row);
    }
    m_columns = right - left + 1;
    if (rightToLeft())
        for (Node &n : m_nodes)
            n.column = m_columns - 1 - n.column;
}

Rational TreeModel::branchShare(const Node &n) const
{
    if (n.recipient >= 0 && std::size_t(n.recipient) < m_bequest.recipients.size()) {
        const engine::BequestRecipient &r = m_bequest.recipients[std::size_t(n.recipient)];
        if (r.reason != engine::BequestReason::Heir)
            return r.share;
    }
    return n.heir >= 0 ? m_result.members[std::size_t(n.heir)].share : Rational();
}

Rational TreeModel::branchTexts(const engine::Family &family, Node &n) const
{
    // A descendant of a predeceased child: by the bequest, as an heir, or
    // nothing and why.
    const Language lang = m_language;
    const Path path = *Path::parse(n.path.toStdString());
    n.name = report::relativeName(path, lang, n.count);
    const engine::BequestRecipient *r = n.recipient >= 0 && std::size_t(n.recipient) < m_bequest.recipients.size()
        ? &m_bequest.recipients[std::size_t(n.recipient)] : nullptr;
    if (r && r->reason != engine::BequestReason::Heir) {
        n.mark = r->reason == engine::BequestReason::None ? Mark::Bequest : Mark::Excluded;
        if (n.mark == Mark::Excluded)
            n.reason = report::bequestRecipientSentence(*r, lang);
    } else if (n.heir >= 0) {
        const engine::MemberResult &m = m_result.members[std::size_t(n.heir)];
        n.mark = markOf(m);
        if (n.mark == Mark::Excluded)
            n.reason = report::pathExclusionSentence(family, m_result, n.heir, lang);
    }
    const Rational share = branchShare(n);
    n.value = share.toDouble();
    return share;
}

void TreeModel::texts(const engine::Family &family, const Money &money)
{
    const Language lang = m_language;
    // The amounts of the estate, divided by the exact shares.
    std::vector<estate::Claimant> claimants;
    std::vector<int> claimantNode;
    for (int k = 0; k < m_nodes.size(); ++k) {
        const Node &n = m_nodes[k];
        const Rational share = n.member >= 0 ? m_result.members[std::size_t(n.member)].share
                             : n.mark == Mark::Treasury ? m_result.treasury : branchShare(n);
        if (share.isZero())
            continue;
        const int heads = n.member >= 0 ? std::max(1, m_result.members[std::size_t(n.member)].count)
                                        : std::max(1, n.count);
        const Rational each = share / money.rest / Rational(heads);
        claimants.push_back({each.num, each.den, heads});
        claimantNode.push_back(k);
    }
    estate::Result divided;
    if (money.given && !claimants.empty())
        divided = estate::divide(money.input, claimants);
    const bool amounts = money.given && divided.error == estate::Error::None && !claimants.empty();

    for (int k = 0; k < m_nodes.size(); ++k) {
        Node &n = m_nodes[k];
        Rational share;
        if (n.member >= 0) {
            const engine::MemberResult &m = m_result.members[std::size_t(n.member)];
            n.count = m.count;
            n.name = report::relativeName(m.path, lang, m.count);
            n.mark = markOf(m);
            n.kindred = m.path.kind() == PathKind::DistantKindred;
            share = m.share;
            if (n.mark == Mark::Excluded) {
                n.reason = report::pathExclusionSentence(family, m_result, n.member, lang);
                n.by = m.by >= 0 ? nodeOf(m.by) : -1;
            }
        } else if (n.mark == Mark::Deceased) {
            n.name = text("deceased", m_language);
        } else if (n.mark == Mark::Treasury) {
            n.name = text("treasury", m_language);
            share = m_result.treasury;
        } else if (n.mark == Mark::Predeceased) {
            n.name = report::predeceasedName(*Path::parse(n.path.toStdString()), lang);
        } else if (n.recipient >= 0 || n.heir >= 0) {
            share = branchTexts(family, n);
        } else if (const auto p = Path::parse(n.path.toStdString())) {
            // A link: the relative the line passes through, named as one.
            n.name = report::relativeName(*p, lang, 1);
        }
        if (!share.isZero()) {
            n.fraction = share.isWhole() ? QString::number(share.num)
                                         : QStringLiteral("%1/%2").arg(share.num).arg(share.den);
            n.percent = report::percentageText(share.toDouble()).simplified();
        }
    }
    if (amounts) {
        const int decimals = money.input.decimals;
        for (std::size_t i = 0; i < claimantNode.size(); ++i)
            m_nodes[claimantNode[i]].amount
                = QString::fromStdString(estate::formatMinor(divided.groups[i].total, decimals));
    }
}

} // namespace details::tree
