// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The estimates of a case with a person whose state is not yet known (the
// unborn child, the missing, the hermaphrodite) side by side: one column per
// estimate, saying what it supposes, one row per claimant with his exact
// share under each, what he is paid now, and a last row for what is held,
// each as a percentage, in parts of the combined base and in money when the
// estate is given (engine::estimate). The relatives page, its printed
// document and the tests read the same model.

#include "case/case_fields.h"
#include "case/engine/estimates.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace details {

// The caption of a key of the estimates (resources/captions/frmEstimates.json).
QString estimatesCaption(const char *key, Language language);
inline const QString EstimatesCaptions = QStringLiteral("frmEstimates");

// "the unborn child: the son", "the missing: the full brother".
QString uncertainName(const engine::UncertainPerson &u, Language language);
// What an estimate supposes: "born a male", "a male and a female",
// "alive", "as female"; with several persons, each named. `brief`: a line
// per person, named by his state alone where no other shares it (a column's
// caption).
QString suppositionText(const engine::UncertainFamily &f, const engine::Estimate &e, Language language,
                        bool brief = false);
// The working in words: who is uncertain and the views on them, each
// estimate's working over paths, what is held, the most each uncertain
// person can take, and whether the division waits.
QStringList estimatesWorking(const engine::UncertainFamily &f, const engine::EstimatesResult &r, Language language);

class EstimatesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // `estate` the net estate to divide, or negative when none is given.
    void setEstimates(const engine::UncertainFamily &family, const engine::EstimatesResult &result, double estate,
                      Language language);
    const engine::EstimatesResult &result() const { return m_result; }

    // Columns: the claimant, one per estimate, paid now, held, percentage,
    // parts of the combined base, and the amount when the estate is given.
    int estimateColumn(int estimate) const { return 1 + estimate; }
    int paidColumn() const { return 1 + int(m_result.estimates.size()); }
    int heldColumn() const { return paidColumn() + 1; }
    int percentColumn() const { return paidColumn() + 2; }
    int partsColumn() const { return paidColumn() + 3; }
    int amountColumn() const { return m_amounts.empty() ? -1 : paidColumn() + 4; }
    // The row of a claimant (index into result().claimants), or -1; the last row is what is held.
    int rowOf(int claimant) const;
    int heldRow() const { return int(m_rows.size()); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    QString claimantName(int claimant) const;

    engine::UncertainFamily m_family;
    engine::EstimatesResult m_result;
    std::vector<int> m_rows;          // claimant per row
    std::vector<QString> m_amounts;   // per row, then the held row; empty without an estate
    Language m_language = Language::Arabic;
};

} // namespace details
