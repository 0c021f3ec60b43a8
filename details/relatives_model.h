// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The family of the case as paths: every relative by its composed name with
// its count and its share under the chosen profile (engine::calculate), and
// the steps a relative's path may take next, as the path grammar allows.

#include "case/case_fields.h"
#include "case/engine/estimates.h"
#include "case/engine/result.h"

#include <QAbstractTableModel>

#include <vector>

namespace details {

// The steps that may follow `prefix` in a path (case/path.h's grammar);
// every step of an empty prefix that begins a path.
std::vector<PathStep> nextSteps(const std::vector<PathStep> &prefix);
// The path of the steps, or nothing when the grammar refuses them.
std::optional<Path> pathOfSteps(const std::vector<PathStep> &steps);
// A share as "a/b" (whole numbers alone) and as a percentage with two decimals.
QString shareText(const Rational &share);
QString percentText(const Rational &share);
// The caption of a key of the relatives and schools page
// (resources/captions/frmRelatives.json).
QString relativesCaption(const char *key, Language language);
inline const QString RelativesCaptions = QStringLiteral("frmRelatives");

// Rows: the relatives of the family in its order. Columns: name, count,
// share, percentage. Relatives the family editor beside holds (today's
// kinds) are edited there; the count of any other relative is edited here.
class RelativesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Name, Count, Share, Percent, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    // `editorRows` first members come from the family editor.
    void setFamily(const engine::Family &family, int editorRows, const engine::Result &result);
    void setLanguage(Language language);
    const engine::Family &family() const { return m_family; }
    bool fromEditor(int row) const { return row < m_editorRows; }
    // Rows from `rows` on (the descendants of a child who died before the
    // deceased) are edited on the page of the bequest; -1: every row here.
    void setEditableRows(int rows) { m_editableRows = rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The persons whose state is unknown, as rows after the family's, and
    // what every row is paid now (members, then those persons); the share
    // columns then say what is paid now. None: the shares of the result.
    void setUncertain(const std::vector<engine::UncertainPerson> &persons, const std::vector<Rational> &now);
    // The index of the uncertain person of a row, or -1.
    int uncertainOf(int row) const;

signals:
    // A relative added here has a new count (0 removes it).
    void countEdited(int row, int count);

private:
    engine::Family m_family;
    engine::Result m_result;
    int m_editorRows = 0;
    Language m_language = Language::Arabic;
    int m_editableRows = -1;
    std::vector<engine::UncertainPerson> m_uncertain;
    std::vector<Rational> m_now;
    QVariant paidNowData(const QModelIndex &index, int role) const;
};

} // namespace details
