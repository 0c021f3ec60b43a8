// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/family_tab.h"

#include "details/share_chart.h"
#include "details/tree_view.h"
#include "ui/help.h"

#include <QCheckBox>
#include <QSettings>
#include <QSplitter>
#include <QVBoxLayout>

namespace details::tree {
namespace {

const QString ChartKey = QStringLiteral("caseWindow/shareChart");

} // namespace

bool FamilyTab::chartWanted()
{
    return QSettings().value(ChartKey, true).toBool();
}

void FamilyTab::setChartWanted(bool on)
{
    QSettings().setValue(ChartKey, on);
}

FamilyTab::FamilyTab(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabTree"));
    setProperty(help::SectionProperty, QStringLiteral("frmCaseTree"));
    auto *layout = new QVBoxLayout(this);
    m_split = new QSplitter(Qt::Vertical, this);
    m_split->setObjectName(QStringLiteral("treeSplitter"));
    m_split->setChildrenCollapsible(false);
    m_view = new TreeView(m_split);
    m_chart = new ShareChart(m_split);
    m_split->addWidget(m_view);
    m_split->addWidget(m_chart);
    m_split->setStretchFactor(0, 4);
    m_split->setStretchFactor(1, 1);
    layout->addWidget(m_split, 1);
    m_showChart = new QCheckBox(this);
    m_showChart->setObjectName(QStringLiteral("chkChart"));
    m_showChart->setChecked(chartWanted());
    m_chart->setVisible(m_showChart->isChecked());
    connect(m_showChart, &QCheckBox::toggled, this, [this](bool on) {
        setChartWanted(on);
        m_chart->setVisible(on);
    });
    layout->addWidget(m_showChart);
}

bool FamilyTab::chartShown() const
{
    return m_showChart->isChecked();
}

void FamilyTab::setFamily(const engine::Family &family, Language language, const Money &money)
{
    m_model.setFamily(family, language, money);
    m_view->setModel(&m_model);
    m_chart->setModel(&m_model);
}

void FamilyTab::setBequest(const engine::Family &family, const std::vector<engine::Predeceased> &predeceased,
                           const engine::BequestResult &bequest, Language language, const Money &money)
{
    m_model.setBequest(family, predeceased, bequest, language, money);
    m_view->setModel(&m_model);
    m_chart->setModel(&m_model);
}

void FamilyTab::setEstimates(const engine::UncertainFamily &family, const engine::EstimatesResult &estimates,
                             Language language)
{
    m_model.setEstimates(family, estimates, language);
    m_view->setModel(&m_model);
    m_chart->setModel(&m_model);
}

void FamilyTab::applyLanguage(Language language)
{
    m_view->applyLanguage(language);
    m_showChart->setText(text("chkChart", language));
}

} // namespace details::tree
