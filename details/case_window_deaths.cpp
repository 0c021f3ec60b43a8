// SPDX-License-Identifier: GPL-3.0-or-later
// The case window's heirs who died before the division: the page that
// enters them and works the combined base, kept in the case and printed.
#include "details/case_window.h"
#include "details/deaths_page.h"
#include "details/relatives_panel.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTabWidget>

void CaseWindow::buildDeaths()
{
    // A page of its own rather than a part of the relatives page: the table
    // grows by two columns a death and needs the window's width.
    m_deathsPage = new DeathsPage(m_tabs);
    m_tabs->addTab(m_deathsPage, QString());
    // On a small screen the tabs' captions are shortened rather than
    // scrolled, so that every page stays one click away.
    m_tabs->setElideMode(Qt::ElideRight);
    connect(m_deathsPage, &DeathsPage::deathsChanged, this, [this] {
        m_state.laterDeaths = m_deathsPage->deaths();
        m_modified = true;
        showDeaths();
    });
    // The working page says when its table is not the final division.
    auto *note = new QLabel(m_bases->parentWidget());
    note->setObjectName(QStringLiteral("lblFirstCaseOnly"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #8a4b00;"));
    note->hide();
    if (auto *layout = qobject_cast<QBoxLayout *>(m_bases->parentWidget()->layout()))
        layout->insertWidget(0, note);
}

void CaseWindow::showDeaths()
{
    if (!m_deathsPage || !m_relativesPanel)
        return;
    std::optional<estate::Input> money;
    // With an obligatory bequest the heirs divide what it leaves, which the
    // chain does not take off: no amounts rather than wrong ones.
    if (m_goodEstate && m_goodEstate->given() && m_money.error == estate::Error::None && m_state.predeceased.empty())
        money = details::estateInput(*m_goodEstate);
    m_deathsPage->setCase(details::firstFamily(stateToSave(), m_language), m_state.laterDeaths, money);
    if (auto *note = findChild<QLabel *>(QStringLiteral("lblFirstCaseOnly"))) {
        note->setText(details::deathsCaption("firstCaseOnly", m_language));
        note->setVisible(!m_state.laterDeaths.empty());
    }
}

void CaseWindow::addDeathsParts(details::document::Parts &p) const
{
    const details::DeathsModel &m = *m_deathsPage->model();
    if (!m.hasDeaths() || m.rowCount() == 0)
        return;
    details::document::TextTable t;
    t.title = details::deathsCaption("docTitle", m_language);
    for (int c = 0; c < m.columnCount(); ++c)
        t.header << m.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int r = 0; r < m.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m.columnCount(); ++c)
            row << m.index(r, c).data().toString();
        t.rows << row;
    }
    t.notes << details::deathsCaption("docNote", m_language) << m.steps();
    p.tables << t;
}
