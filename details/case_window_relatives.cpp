// SPDX-License-Identifier: GPL-3.0-or-later
// The case window's family and estate handed to the page of relatives and
// schools, which works them out over paths under the chosen profile.
#include "details/case_window.h"
#include "details/relatives_panel.h"

#include "case/engine/record_family.h"
#include "report/schools_text.h"

#include <QBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

void CaseWindow::buildRelatives()
{
    // QSplitter lays its first widget out right to left one pixel past its
    // own edge (it mirrors against the width, not the last column): a pixel
    // of margin keeps the family list inside in either direction.
    if (auto *splitter = qobject_cast<QSplitter *>(m_tabs->parentWidget()))
        splitter->setContentsMargins(0, 0, 1, 0);
    m_relativesPanel = new RelativesPanel(m_tabs);
    m_tabs->addTab(m_relativesPanel, QString());
    connect(m_relativesPanel, &RelativesPanel::familyChanged, this, [this] { keepRelatives(); });
    connect(m_relativesPanel, &RelativesPanel::profileChosen, this, [this] {
        m_state.profile = m_relativesPanel->profile();
        m_state.views = m_relativesPanel->views();
        if (m_familyTab)
            showTree();
        showDeaths();
    });
    // The working page says when its table is not this family's answer.
    m_beyondEditor = new QLabel(m_bases->parentWidget());
    m_beyondEditor->setObjectName(QStringLiteral("lblBeyondEditor"));
    m_beyondEditor->setWordWrap(true);
    m_beyondEditor->setStyleSheet(QStringLiteral("color: #8a4b00;"));
    m_beyondEditor->hide();
    if (auto *layout = qobject_cast<QBoxLayout *>(m_bases->parentWidget()->layout()))
        layout->insertWidget(0, m_beyondEditor);
}

void CaseWindow::showRelatives()
{
    if (!m_relativesPanel)
        return;
    engine::Family f;
    if (!m_working.familyError) {
        f = engine::familyOfRecord(details::familyRecord(m_state, m_language));
        if (m_working.methodAsked)
            f.method = m_state.method == 1 ? engine::GrandfatherMethod::Excludes : engine::GrandfatherMethod::Shares;
    }
    m_relativesPanel->setEditorFamily(f);
    const int decimals = m_goodEstate ? m_goodEstate->decimals : m_state.estate.decimals;
    const bool money = m_goodEstate && m_goodEstate->given() && m_money.error == estate::Error::None;
    m_relativesPanel->setEstate(money ? double(m_money.distributed) / std::pow(10.0, decimals) : -1.0);
    const bool own = money && m_money.bequestAsked > 0 && m_money.afterCostsAndDebts > 0;
    m_relativesPanel->setOwnBequest(own ? Rational(m_money.bequestAsked, m_money.afterCostsAndDebts) : Rational(),
                                    m_goodEstate && m_goodEstate->heirsConsent,
                                    money ? double(m_money.afterCostsAndDebts) / std::pow(10.0, decimals) : -1.0);
    showDeaths();
}

void CaseWindow::loadRelatives()
{
    // The panel tells back what it holds as it changes: read the case first.
    const auto added = m_state.added;
    const auto predeceased = m_state.predeceased;
    const auto uncertain = m_state.uncertain;
    const auto profile = m_state.profile;
    const Views views = m_state.views.value_or(profileViews(profile.value_or(Profile::Program)));
    m_relativesPanel->setAdded(added);
    m_relativesPanel->setPredeceased(predeceased);
    if (profile)
        m_relativesPanel->setProfile(*profile, views);
    m_relativesPanel->setUncertain(uncertain);
}

void CaseWindow::keepRelatives()
{
    m_state.added = m_relativesPanel->addedRelatives();
    m_state.predeceased = m_relativesPanel->predeceased();
    m_state.uncertain = m_relativesPanel->uncertainPersons();
    showDeaths();
    if (m_familyTab)
        showTree();
    if (!m_beyondEditor)
        return;
    const bool beyond = m_relativesPanel->beyondEditor();
    if (beyond)
        m_beyondEditor->setText(details::relativesCaption("beyondEditor", m_language)
                                    .arg(m_relativesPanel->profileLine()));
    m_beyondEditor->setVisible(beyond);
}

details::CaseState CaseWindow::stateToSave() const
{
    // The profile on screen, whether this case chose it or it was the last chosen.
    details::CaseState s = m_state;
    s.profile = m_relativesPanel->profile();
    s.views = m_relativesPanel->views();
    return s;
}

namespace {

// A model's texts as the document's table.
details::document::TextTable textTable(const QAbstractItemModel &m, const QString &title, bool rowHeaders)
{
    details::document::TextTable t;
    t.title = title;
    if (rowHeaders)
        t.header << QString();
    for (int c = 0; c < m.columnCount(); ++c)
        t.header << m.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int r = 0; r < m.rowCount(); ++r) {
        QStringList row;
        if (rowHeaders)
            row << m.headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
        for (int c = 0; c < m.columnCount(); ++c)
            row << m.index(r, c).data().toString();
        t.rows << row;
    }
    return t;
}

} // namespace

void CaseWindow::addRelativesParts(details::document::Parts &p) const
{
    p.particulars << m_relativesPanel->profileLine();
    // Printed, the working table comes first: say whose answer it is.
    if (m_relativesPanel->beyondEditor())
        p.particulars << details::relativesCaption("docBeyondEditor", m_language).arg(m_relativesPanel->profileLine());
    // The working table speaks of the editor's family under the program's
    // views; anything beyond it is worked out over paths.
    if (m_relativesPanel->beyondEditor()) {
        auto t = textTable(*m_relativesPanel->relativesModel(), details::relativesCaption("grpRelatives", m_language), false);
        t.notes = m_relativesPanel->pathWorking();
        p.tables << t;
    }
    addBequestParts(p);
    // With someone whose state is unknown: the estimates, then what is paid
    // now and held, each table narrow enough for a page.
    if (!m_relativesPanel->uncertainPersons().empty()) {
        const details::EstimatesModel &m = *m_relativesPanel->estimatesModel();
        const auto columns = [&](const QString &title, int from, int to) {
            details::document::TextTable t = textTable(m, title, false);
            const auto keep = [&](QStringList row) {
                QStringList out{row.value(0)};
                for (int c = from; c < to; ++c)
                    out << row.value(c);
                return out;
            };
            t.header = keep(t.header);
            for (QStringList &row : t.rows)
                row = keep(row);
            return t;
        };
        const int estimates = m.paidColumn() - 1;
        for (int from = 0; from < estimates; from += 6) {
            auto t = columns(details::estimatesCaption(from ? "docEstimatesMore" : "docEstimates", m_language),
                             1 + from, 1 + std::min(estimates, from + 6));
            t.rows.removeLast();   // what is held is in the next table
            p.tables << t;
        }
        auto paid = columns(details::estimatesCaption("docPaidAndHeld", m_language), m.paidColumn(), m.columnCount());
        paid.notes = m_relativesPanel->estimatesWorking();
        p.tables << paid;
    }
    if (m_relativesPanel->printCompare()) {
        auto t = textTable(*m_relativesPanel->schoolsModel(), details::relativesCaption("grpCompare", m_language), true);
        t.header[0] = details::relativesCaption("colRelative", m_language);
        t.notes = m_relativesPanel->differences();
        if (t.notes.isEmpty())
            t.notes << details::relativesCaption("allAgree", m_language);
        p.tables << t;
    }
}
