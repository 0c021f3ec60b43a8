// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The schools side by side: the family worked out under every profile, the
// views a case depends on (those whose change alone changes a share), and
// for each such view one sentence saying which view gives which share and
// who holds it.

#include "case/case_fields.h"
#include "case/engine/result.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <array>
#include <vector>

namespace details {

// The family under a profile's views (or under `views` as they stand).
engine::Family underProfile(engine::Family family, Profile p);
engine::Family underViews(engine::Family family, const Views &views);

// Whether two results of the same family give every member and the
// treasury the same share.
bool sameShares(const engine::Result &a, const engine::Result &b);

// The views on which this family's shares depend, starting from `views`:
// a view is listed when another of its values alone changes a share.
std::vector<View> dependentViews(const engine::Family &family, const Views &views);

// One sentence per view the family depends on: the view's point, then for
// each of its values who holds it and what it gives the relatives whose
// share it changes.
QStringList differenceSentences(const engine::Family &family, const Views &views, Language language);

// Rows: the relatives; columns: the profiles in their order. A cell is the
// share of all heads of that row under that profile; cells that differ
// from the chosen column are marked (a sign before the share and a shade).
class SchoolsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // `estate` the net estate to divide, or a negative number when none is given.
    void setFamily(const engine::Family &family, Profile chosen, double estate = -1.0);
    void setLanguage(Language language);

    const engine::Result &result(Profile p) const { return m_results[std::size_t(p)]; }
    bool differs(int row, Profile p) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    engine::Family m_family;
    std::array<engine::Result, ProfileCount> m_results;
    Profile m_chosen = Profile::Program;
    double m_estate = -1.0;
    Language m_language = Language::Arabic;
};

// The sign a cell that differs from the chosen profile carries.
inline constexpr char16_t DifferenceMark = u'\u2260';

} // namespace details
