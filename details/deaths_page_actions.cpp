// SPDX-License-Identifier: GPL-3.0-or-later
// What the page of later deaths does: deaths added, removed and changed in
// place, relatives added step by step. Its controls are in deaths_page.cpp.
#include "details/deaths_page.h"

#include "details/relatives_model.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QSpinBox>

#include <algorithm>

void DeathsPage::editCount(int count)
{
    const int row = m_relatives->currentRow();
    if (m_updating || m_current < 1 || row < 0)
        return;
    auto &relatives = m_later[std::size_t(m_current - 1)].relatives;
    if (std::size_t(row) >= relatives.size() || relatives[std::size_t(row)].same)
        return;
    relatives[std::size_t(row)].count = count;
    details::prune(m_first, m_later);
    changed();
    m_relatives->setCurrentRow(row);
    m_relativeCount->setFocus();
}

void DeathsPage::addDeath()
{
    const auto alive = details::aliveBefore(m_first, m_later, int(m_later.size()) + 1);
    if (alive.empty())
        return;
    // The first who lives and held something is the likeliest; the user picks.
    m_later.push_back({alive.front().ref, {}});
    m_current = int(m_later.size());
    m_steps.clear();
    changed();
    m_deceased->setFocus();
}

void DeathsPage::removeDeath()
{
    if (m_current < 1)
        return;
    details::removeDeath(m_later, m_current);
    details::prune(m_first, m_later);
    m_current = std::min(m_current, int(m_later.size()));
    changed();
}

void DeathsPage::chooseDeceased(int index)
{
    if (m_updating || m_current < 1 || index < 0 || std::size_t(index) >= m_deceasedChoices.size())
        return;
    m_later[std::size_t(m_current - 1)].deceased = m_deceasedChoices[std::size_t(index)].ref;
    details::prune(m_first, m_later);
    changed();
}

void DeathsPage::takeStep(int row)
{
    if (row < 0 || std::size_t(row) >= m_offered.size())
        return;
    m_steps.push_back(m_offered[std::size_t(row)]);
    showSteps();
    m_stepList->setFocus();
}

void DeathsPage::addRelative()
{
    const auto path = details::pathOfSteps(m_steps);
    if (!path || m_current < 1)
        return;
    auto &relatives = m_later[std::size_t(m_current - 1)].relatives;
    const int same = m_same->currentIndex();
    if (same > 0 && std::size_t(same) <= m_sameChoices.size()) {
        relatives.push_back({*path, 1, m_sameChoices[std::size_t(same - 1)]});
    } else {
        // One group of new people per relative: a second entry adds to it.
        auto it = std::find_if(relatives.begin(), relatives.end(),
                               [&](const details::LaterRelative &r) { return !r.same && r.path == *path; });
        if (it != relatives.end())
            it->count = std::min(it->count + m_count->value(), engine::maximumCount(*path));
        else
            relatives.push_back({*path, std::min(m_count->value(), engine::maximumCount(*path)), std::nullopt});
    }
    m_steps.clear();
    m_count->setValue(1);
    changed();
    m_stepList->setFocus();
}

void DeathsPage::removeRelative()
{
    const int row = m_relatives->currentRow();
    if (m_current < 1 || row < 0)
        return;
    auto &relatives = m_later[std::size_t(m_current - 1)].relatives;
    if (std::size_t(row) >= relatives.size())
        return;
    relatives.erase(relatives.begin() + row);
    details::prune(m_first, m_later);
    changed();
    m_relatives->setCurrentRow(std::min(row, m_relatives->count() - 1));
}

bool DeathsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        if (watched == m_relatives) {
            removeRelative();
            return true;
        }
        if (watched == m_deathList) {
            removeDeath();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
