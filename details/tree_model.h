// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The family of a case as a tree: every relative one node with its place
// (generation row, column), its composed name, count, share and mark; the
// ancestors a line passes through are nodes too, without a share. The
// drawing (details/tree_paint.h), the chart, the printed document and the
// tests read the same nodes. QtCore only: no pixels here.
//
// Places: the deceased on row 0, ascendants above (rows -1, -2, ...),
// descendants below; the deceased's own line in the middle with the
// spouses beside it, the siblings and their lines next to it, the uncles'
// lines beyond them (the father's side on one side, the mother's on the
// other), the emancipator and the treasury last. Columns count from the
// left as drawn: in Arabic the picture is mirrored, the father's side on
// the right.

#include "case/case_fields.h"
#include "case/engine/estimates.h"
#include "case/engine/family.h"
#include "case/engine/obligatory_bequest.h"
#include "case/engine/result.h"
#include "case/estate.h"

#include <QList>
#include <QString>

#include <optional>

namespace details::tree {

// What a node stands for, and how it is told apart (colour and sign).
enum class Mark : std::uint8_t {
    Deceased,
    Fixed,            // a fixed share
    Residuary,
    FixedAndResidue,  // the father or grandfather beside female descendants only
    Kindred,          // a distant kinsman who takes a share
    Treasury,
    Excluded,         // receives nothing: reason and who decides it
    Link,             // an ancestor a line passes through, not in the family
    Predeceased,      // a child (or grandchild) who died before the deceased
    Bequest,          // takes by the obligatory bequest
    Uncertain,        // the unborn, the missing, the hermaphrodite: his share held
};

// How a node hangs from its `parent` node.
enum class Tie : std::uint8_t {
    None,        // the deceased, the treasury
    Child,       // below its parent (or, for an ascendant, above the node it is parent of)
    Sibling,     // beside its parent, on the same row
    Spouse,
    Emancipation,
};

struct Node
{
    int member = -1;     // index in the family; -1 for the deceased, links and the treasury
    QString path;        // the path's text ("father.brother"); empty for the deceased and the treasury
    int row = 0;         // generations: negative above the deceased, positive below
    double column = 0;   // in reading order, from 0; nodes on a row are at least 1 apart
    int parent = -1;     // node index
    Tie tie = Tie::None;
    Mark mark = Mark::Link;
    bool kindred = false;   // the relative is distant kindred (whether or not he takes a share)
    QString name;        // composed, for the count
    int count = 0;
    QString fraction;    // exact: "1/6"; empty without a share
    QString percent;     // "16.67 %"
    QString amount;      // of the estate, when one is given
    QString reason;      // why an excluded relative receives nothing, and who decides it
    int by = -1;         // node index of who excludes, or -1
    // A predeceased child's line: the descendant's entry in the bequest's
    // recipients and in the heirs' family (or -1), and his share of the
    // whole estate as a number (-1 outside such a line).
    int recipient = -1;
    int heir = -1;
    double value = -1;
    QString state;       // a person whose state is unknown at this place, and what waits for him
};

// The money of the estate as the case window has it: the entries, and
// whether they are good enough to divide.
struct Money
{
    estate::Input input;
    bool given = false;
    // What the shares divide when a bequest of the deceased's own is paid
    // first at its exact part of the estate (beside the obligatory bequest):
    // the shares, of the whole, are divided by it.
    Rational rest{1};
};

class TreeModel
{
public:
    // Works the family out and places it.
    void setFamily(const engine::Family &family, Language language, const Money &money = {});
    // Places a family already worked out (`result` of `family`).
    void setResult(const engine::Family &family, const engine::Result &result, Language language,
                   const Money &money = {});
    // Places the family with the children who died before the deceased,
    // worked out with the obligatory bequest (`bequest` of the two): each
    // such child beside the living ones, his descendants below him with
    // what each takes of the whole estate, by the bequest or as an heir.
    void setBequest(const engine::Family &family, const std::vector<engine::Predeceased> &predeceased,
                    const engine::BequestResult &bequest, Language language, const Money &money = {});

    const QList<Node> &nodes() const { return m_nodes; }
    Language language() const { return m_language; }
    bool rightToLeft() const { return m_language != Language::English; }
    // The node of a member, or -1.
    int nodeOf(int member) const;
    int rows() const { return m_maxRow - m_minRow + 1; }
    int minRow() const { return m_minRow; }
    double columns() const { return m_columns; }   // the widest column + 1
    const engine::Result &result() const { return m_result; }

    // A family with persons whose state is unknown: everyone with what he
    // is paid now (engine::estimate), the uncertain persons marked at their
    // places. No amounts: part of the estate is held.
    void setEstimates(const engine::UncertainFamily &family, const engine::EstimatesResult &estimates, Language language);

    // The mark's word in a language ("fixed share", "فرض").
    static QString markText(Mark m, Language language);

private:
    void place(const engine::Family &family);
    void texts(const engine::Family &family, const Money &money);
    Rational branchShare(const Node &n) const;
    Rational branchTexts(const engine::Family &family, Node &n) const;

    QList<Node> m_nodes;
    engine::Result m_result;
    Language m_language = Language::Arabic;
    int m_minRow = 0;
    int m_maxRow = 0;
    double m_columns = 1;
    std::vector<engine::Predeceased> m_predeceased;
    engine::BequestResult m_bequest;
};

// The tree's caption of a key (resources/captions/frmCaseTree.json).
QString text(const char *key, Language language);

// The mark of a member as worked out.
Mark markOf(const engine::MemberResult &m);

} // namespace details::tree
