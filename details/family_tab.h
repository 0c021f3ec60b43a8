// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The case window's tab of the family: the tree and, when the user wants
// it (a setting kept between sessions), the chart of the shares beside it.
// It follows the window's family, views and estate through setFamily().

#include "case/case_fields.h"
#include "details/tree_model.h"

#include <QWidget>

class QCheckBox;
class QSplitter;

namespace details::tree {

class ShareChart;
class TreeView;

class FamilyTab : public QWidget
{
    Q_OBJECT
public:
    explicit FamilyTab(QWidget *parent = nullptr);

    void setFamily(const engine::Family &family, Language language, const Money &money);
    // The family with the children who died before the deceased.
    void setBequest(const engine::Family &family, const std::vector<engine::Predeceased> &predeceased,
                    const engine::BequestResult &bequest, Language language, const Money &money);
    // With persons whose state is unknown: what is paid now (TreeModel::setEstimates).
    void setEstimates(const engine::UncertainFamily &family, const engine::EstimatesResult &estimates, Language language);
    void applyLanguage(Language language);
    const TreeModel &model() const { return m_model; }
    TreeView *view() const { return m_view; }
    bool chartShown() const;

    // The setting: whether the chart is shown (and printed).
    static bool chartWanted();
    static void setChartWanted(bool on);

private:
    TreeModel m_model;
    TreeView *m_view = nullptr;
    ShareChart *m_chart = nullptr;
    QCheckBox *m_showChart = nullptr;
    QSplitter *m_split = nullptr;
};

} // namespace details::tree
