// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The obligatory bequest as tables, one model over the case worked out that
// the page, the printed document and the tests read: the branches (each
// predeceased child, his share as if alive, within the third, the gifts and
// what the branch takes), the descendants with what each takes of the whole
// estate or why nothing, and the heirs' shares of the whole estate after the
// bequest. Captions from resources/captions/frmBequest.json.

#include "case/case_fields.h"
#include "case/engine/obligatory_bequest.h"

#include <QAbstractTableModel>

namespace details {

// The caption of a key of the bequest page.
QString bequestCaption(const char *key, Language language);
inline const QString BequestCaptions = QStringLiteral("frmBequest");

class BequestModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Kind { Branches, Recipients, Heirs };
    // Recipients and heirs: name, count, share of the estate, percentage,
    // amount, note. Branches: child, as alive, within the third, gifts, due.
    enum Column { Name, Count, Share, Percent, Amount, Note, ColumnCount };
    enum BranchColumn { Child, AsAlive, WithinThird, Gifts, Due, BranchColumnCount };

    BequestModel(Kind kind, QObject *parent = nullptr);

    // `estate` is the net estate in money, negative when none is given.
    void setResult(const engine::BequestResult &result, double estate);
    void clear();
    void setLanguage(Language language);
    Kind kind() const { return m_kind; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    struct Row
    {
        QString name;
        int count = 0;
        Rational share;
        Rational extra[3];   // branches: within the third, gifts, due
        QString note;
        Path path;
        engine::BequestReason reason = engine::BequestReason::None;
        bool treasury = false;
    };
    void build();

    Kind m_kind;
    engine::BequestResult m_result;
    bool m_given = false;
    double m_estate = -1.0;
    Language m_language = Language::Arabic;
    std::vector<Row> m_rows;
};

} // namespace details
