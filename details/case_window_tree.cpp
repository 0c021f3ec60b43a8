// SPDX-License-Identifier: GPL-3.0-or-later
// The family tab follows the case window's family, views and estate.
#include "details/case_window.h"

#include "case/engine/record_family.h"
#include "details/family_tab.h"
#include "details/relatives_panel.h"

#include <stdexcept>

void CaseWindow::showTree()
{
    details::tree::Money money;
    if (m_goodEstate && m_goodEstate->given()) {
        money.input = details::estateInput(*m_goodEstate);
        money.given = true;
    }
    try {
        // The family of the relatives page (the editor's relatives, those
        // added by path, and the profile), else the editor's alone.
        const engine::Family family = m_relativesPanel ? m_relativesPanel->family()
                                                       : engine::familyOfRecord(details::familyRecord(m_state, m_language));
        if (m_relativesPanel && !m_relativesPanel->uncertainPersons().empty()) {
            m_familyTab->setEstimates(m_relativesPanel->uncertainFamily(), m_relativesPanel->estimates(), m_language);
        } else if (m_relativesPanel && !m_relativesPanel->predeceased().empty()
                   && !m_relativesPanel->bequestResult().heirsFamily.members.empty()) {
            // The deceased's own bequest is paid after the obligatory one,
            // at what the calculation left it (Egypt art. 78).
            const Rational own = m_relativesPanel->bequestResult().voluntary;
            if (money.given && m_money.bequestAsked > 0 && m_money.afterCostsAndDebts > 0) {
                money.input.bequest = estate::formatMinor(
                    static_cast<std::int64_t>(static_cast<__int128>(own.num) * m_money.afterCostsAndDebts / own.den),
                    money.input.decimals);
                money.input.heirsConsent = true;
                money.rest = Rational(1) - own;
            }
            m_familyTab->setBequest(family, m_relativesPanel->predeceased(), m_relativesPanel->bequestResult(),
                                    m_language, money);
        } else {
            m_familyTab->setFamily(family, m_language, money);
        }
    } catch (const std::exception &) {
        // A count beyond what the calculation takes: the tables say so; the
        // tree shows the deceased alone.
        m_familyTab->setFamily(engine::Family{}, m_language, money);
    }
}
