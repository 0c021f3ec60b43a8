// SPDX-License-Identifier: GPL-3.0-or-later
// The page of relatives and schools with the children who died before the
// deceased: the case worked out with the obligatory bequest of the profile,
// the family table showing each heir's share of the whole estate after it.
#include "details/relatives_panel.h"
#include "details/bequest_panel.h"

#include "case/engine/working.h"
#include "report/bequest_working_text.h"
#include "report/path_working_text.h"

#include <QScrollArea>
#include <QTabWidget>

QWidget *RelativesPanel::buildBequestPage()
{
    // Scrolled on small screens: the window keeps its smallest size.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("pageBequest"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_bequestPage = new BequestPanel(scroll);
    scroll->setWidget(m_bequestPage);
    connect(m_bequestPage, &BequestPanel::predeceasedChanged, this, [this] { recompute(); });
    return scroll;
}

const std::vector<engine::Predeceased> &RelativesPanel::predeceased() const
{
    return m_bequestPage->predeceased();
}

void RelativesPanel::setPredeceased(const std::vector<engine::Predeceased> &predeceased)
{
    m_bequestPage->setPredeceased(predeceased);
    recompute();
}

void RelativesPanel::workBequest(const engine::Family &f)
{
    const int living = int(f.members.size());
    m_relatives->setEditableRows(living);
    if (predeceased().empty()) {
        m_bequest = {};
        m_bequestPage->showNothing(QString());
        return;
    }
    try {
        m_bequest = engine::calculateWithBequest(f, predeceased(), m_ownBequest, m_ownBequestConsent);
        // The family with the descendants who inherit; every share of the
        // whole estate, what the bequest takes out first.
        engine::Result whole = m_bequest.heirs;
        for (std::size_t i = 0; i < whole.members.size(); ++i)
            whole.members[i].share = m_bequest.heirShares[i];
        whole.treasury = m_bequest.treasury;
        m_result = whole;
        m_relatives->setFamily(m_bequest.heirsFamily, int(m_editor.members.size()), m_result);
        m_pathWorking = report::pathSteps(m_bequest.heirsFamily, m_bequest.heirs, engine::workOf(m_bequest.heirs),
                                          m_language);
        // The heirs' case is of what the bequest leaves.
        if (const QString rest = report::bequestRemainderSentence(m_bequest, m_language); !rest.isEmpty())
            m_pathWorking.prepend(rest);
        m_bequestPage->showResult(m_bequest, m_views, m_net);
    } catch (const RationalOverflow &) {
        m_bequest = {};
        m_bequestPage->showNothing(details::relativesCaption("tooLarge", m_language));
    }
}
