// SPDX-License-Identifier: GPL-3.0-or-later
// The case window's family and estate handed to the page of relatives and
// schools, which works them out over paths under the chosen profile.
#include "details/case_window.h"
#include "details/relatives_panel.h"

#include "case/engine/record_family.h"

#include <cmath>

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
}
