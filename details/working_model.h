// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"
#include "case/estate.h"
#include "case/working.h"

#include <QAbstractTableModel>

// The working of a case as a table: one row per heir group and a row of
// totals. The case window shows it, the printed document and the tests read
// the same texts through text() and header().
class WorkingModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Heir, Count, Nominal, Base, AwlOrReturn, Corrected, EachHead, Percent, Shares, ColumnCount };

    explicit WorkingModel(QObject *parent = nullptr);

    void setWorking(const CaseWorking &w, Language language);
    const CaseWorking &working() const { return m_working; }
    // The 'awl or return column applies to this case.
    bool hasAwlOrReturn() const { return m_working.awlBase != 0 || m_working.returnBase != 0; }
    int groupRows() const { return int(m_working.groups.size()); }

    QString text(int row, int column) const;
    QString header(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString groupText(const GroupWorking &g, int column) const;
    QString totalText(int column) const;

    CaseWorking m_working;
    Language m_language = Language::Arabic;
    Rational m_returnedFixed;   // the fixed shares the return went back to
};

// Each group's and each head's amount of the estate.
class AmountsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Heir, Heads, Total, Each, ColumnCount };

    explicit AmountsModel(QObject *parent = nullptr);

    // An empty result (no groups) clears the table.
    void setAmounts(const CaseWorking &w, const estate::Result &r, int decimals, Language language);

    QString text(int row, int column) const;
    QString header(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row
    {
        QString heir;
        int heads = 0;
        QString total;
        QString each;
    };
    QList<Row> m_rows;
    Language m_language = Language::Arabic;
};

namespace details {

// A fraction as "a/b" (a whole number alone), kept left to right inside
// right-to-left text.
QString fractionText(const Rational &r, bool isolate);
// A heir group's name as a table shows it.
QString groupLabel(Heir h, int heads, Language language);
// The case window's caption of a key in a language.
QString caption(const char *key, Language language);

} // namespace details
