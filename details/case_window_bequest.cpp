// SPDX-License-Identifier: GPL-3.0-or-later
// The obligatory bequest in the printed document: the branches, the
// descendants and the heirs' shares of the whole estate, with the working.
#include "details/case_window.h"
#include "details/bequest_panel.h"
#include "details/relatives_panel.h"

namespace {

details::document::TextTable modelTable(const QAbstractItemModel &m, const QString &title)
{
    details::document::TextTable t;
    t.title = title;
    for (int c = 0; c < m.columnCount(); ++c)
        t.header << m.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int r = 0; r < m.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m.columnCount(); ++c)
            row << m.index(r, c).data().toString().replace(QLatin1Char('\n'), QLatin1Char(' '));
        t.rows << row;
    }
    return t;
}

} // namespace

void CaseWindow::addBequestParts(details::document::Parts &p) const
{
    const BequestPanel *page = m_relativesPanel->bequestPage();
    if (m_relativesPanel->predeceased().empty())
        return;
    const bool money = page->heirsModel()->rowCount() > 0
        && !page->heirsModel()->index(0, details::BequestModel::Amount).data().toString().isEmpty();
    const auto drop = [money](details::document::TextTable t, int amountColumn) {
        // No estate given: no column of amounts.
        if (!money && amountColumn >= 0) {
            t.header.removeAt(amountColumn);
            for (QStringList &row : t.rows)
                row.removeAt(amountColumn);
        }
        return t;
    };
    if (page->bequestGiven()) {
        p.tables << modelTable(*page->branchesModel(), details::bequestCaption("titleBranches", m_language));
        p.tables << drop(modelTable(*page->recipientsModel(), details::bequestCaption("titleRecipients", m_language)),
                         details::BequestModel::Amount);
    }
    auto heirs = drop(modelTable(*page->heirsModel(),
                                 details::bequestCaption(page->bequestGiven() ? "titleHeirs" : "titleNoBequest", m_language)),
                      details::BequestModel::Amount);
    heirs.notes = page->working();
    p.tables << heirs;
}
