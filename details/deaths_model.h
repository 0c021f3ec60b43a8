// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The classical table of al-munasakhat over the case's later deaths: one
// column for each death's case and one for the combined base after each
// later death, then the reduced base, the fraction of the first estate, the
// percentage and, with an estate, the amount. The first rows give each
// column's base and the later deceased's parts with how they stand to his
// case's base; then one row per holder. The page, the printed document
// and the tests read the same model.

#include "case/case_fields.h"
#include "case/engine/successive.h"
#include "case/estate.h"
#include "details/later_deaths.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <vector>

namespace details {

// The caption of a key of the page of later deaths
// (resources/captions/frmDeaths.json).
QString deathsCaption(const char *key, Language language);
inline const QString DeathsCaptions = QStringLiteral("frmDeaths");

// A person's name as the page shows it: the relative's name, his number
// when his group has more than one, and for a later death's relative whose
// heir he is ("the wife (heir of the son 1)").
QString personName(const PersonRef &p, const engine::Family &first, const std::vector<LaterDeath> &later,
                   Language language);

class DeathsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The rows above the holders.
    enum HeadRow { BaseRow, DeceasedRow, HeadRows };
    using QAbstractTableModel::QAbstractTableModel;

    // `money`: the estate to divide among the living, when one is given.
    void setChain(const engine::Family &first, const std::vector<LaterDeath> &later, Language language,
                  const std::optional<estate::Input> &money);

    // What is wrong with the deaths as entered, or "".
    QString error() const { return m_error; }
    bool hasDeaths() const { return !m_later.empty(); }
    const engine::Chain &chain() const { return m_chain; }
    const engine::ChainResult &result() const { return m_result; }
    const std::vector<QString> &holderNames() const { return m_holderNames; }
    // The steps in words in the model's language.
    QStringList steps() const { return m_steps; }
    // The table's row of a holder.
    int rowOfHolder(int holder) const { return HeadRows + holder; }

    // Columns: the holder, then per death its case and, from the second,
    // the combined base after it; then the final parts, the fraction, the
    // percentage and the amount.
    int caseColumn(int death) const { return death == 0 ? 1 : 2 * death; }
    int combinedColumn(int death) const { return death == 0 ? 1 : 2 * death + 1; }
    int finalColumn() const { return combinedColumn(int(m_result.steps.size()) - 1) + 1; }
    int fractionColumn() const { return finalColumn() + 1; }
    int percentColumn() const { return finalColumn() + 2; }
    int amountColumn() const { return m_amounts.empty() ? -1 : finalColumn() + 3; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    QString cell(int row, int column) const;
    // Per death, per holder: his parts of that death's case (0 when none).
    std::vector<std::vector<std::int64_t>> m_caseParts;

    Language m_language = Language::Arabic;
    std::vector<LaterDeath> m_later;
    engine::Chain m_chain;
    engine::ChainResult m_result;
    QString m_error;
    std::vector<QString> m_holderNames;
    std::vector<QString> m_deceasedNames;
    std::vector<QString> m_amounts;   // per holder, empty without an estate
    QStringList m_steps;
};

} // namespace details
