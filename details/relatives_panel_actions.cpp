// SPDX-License-Identifier: GPL-3.0-or-later
// What the page of relatives and schools does: steps, adding, editing and
// removing relatives, the profile and its views, and working the case out.
#include "details/relatives_panel.h"

#include "case/rational.h"
#include "case/engine/working.h"
#include "report/path_working_text.h"
#include "report/schools_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTextBrowser>

#include <algorithm>

using details::relativesCaption;

engine::Family RelativesPanel::family() const
{
    engine::Family f = m_editor;
    f.members.insert(f.members.end(), m_added.begin(), m_added.end());
    f.profile = m_profile;
    f.views = m_views;
    return f;
}

bool RelativesPanel::beyondEditor() const
{
    return !m_added.empty() || !predeceased().empty() || !m_uncertain.empty() || m_profile != Profile::Program
        || !(m_views == profileViews(Profile::Program));
}

void RelativesPanel::setEditorFamily(const engine::Family &family)
{
    m_editor = family;
    m_editor.members.erase(std::remove_if(m_editor.members.begin(), m_editor.members.end(),
                                          [](const engine::Member &m) { return m.count <= 0; }),
                           m_editor.members.end());
    // A relative added here that the editor now holds is the editor's.
    m_added.erase(std::remove_if(m_added.begin(), m_added.end(), [this](const engine::Member &m) {
                      return std::any_of(m_editor.members.begin(), m_editor.members.end(),
                                         [&](const engine::Member &e) { return e.path == m.path; });
                  }), m_added.end());
    recompute();
}

void RelativesPanel::setEstate(double estate)
{
    if (estate == m_estate)
        return;
    m_estate = estate;
    recompute();
}

void RelativesPanel::setOwnBequest(const Rational &part, bool consent, double net)
{
    if (part == m_ownBequest && consent == m_ownBequestConsent && net == m_net)
        return;
    m_ownBequest = part;
    m_ownBequestConsent = consent;
    m_net = net;
    recompute();
}

void RelativesPanel::setAdded(const std::vector<engine::Member> &added)
{
    m_added = added;
    recompute();
}

void RelativesPanel::setProfile(Profile p, const Views &views)
{
    m_profile = p;
    m_views = views;
    m_updating = true;
    m_profileBox->setCurrentIndex(int(p));
    m_updating = false;
    showViews();
    recompute();
}

void RelativesPanel::takeStep(int k)
{
    if (k < 0 || std::size_t(k) >= m_offered.size())
        return;
    m_steps.push_back(m_offered[std::size_t(k)]);
    m_addMessage->hide();
    showSteps();
    m_stepList->setFocus();
}

void RelativesPanel::stepBack()
{
    if (m_steps.empty())
        return;
    m_steps.pop_back();
    m_addMessage->hide();
    showSteps();
    m_stepList->setFocus();
}

void RelativesPanel::addRelative()
{
    const auto path = details::pathOfSteps(m_steps);
    if (!path)
        return;
    const auto same = [&](const engine::Member &m) { return m.path == *path; };
    const bool spouse = path->kind() == PathKind::Husband || path->kind() == PathKind::Wife;
    if (spouse || std::any_of(m_editor.members.begin(), m_editor.members.end(), same)) {
        // One entry per relative: the editor beside holds this one (and the
        // spouses, whom the deceased's sex decides).
        m_addMessage->setText(relativesCaption("inEditor", m_language));
        m_addMessage->show();
        return;
    }
    const int n = std::min(m_count->value(), engine::maximumCount(*path));
    auto it = std::find_if(m_added.begin(), m_added.end(), same);
    if (it != m_added.end())
        it->count = n;
    else
        m_added.push_back({*path, n});
    m_addMessage->hide();
    m_steps.clear();
    m_count->setValue(1);
    showSteps();
    recompute();
    m_stepList->setFocus();
}

void RelativesPanel::editCount(int row, int count)
{
    const int k = row - int(m_editor.members.size());
    if (k < 0 || std::size_t(k) >= m_added.size())
        return;
    if (count == 0)
        m_added.erase(m_added.begin() + k);
    else
        m_added[std::size_t(k)].count = count;
    recompute();
}

void RelativesPanel::removeRelative()
{
    const QModelIndex current = m_relativesTable->currentIndex();
    if (!current.isValid() || removeUncertain(current.row()))
        return;
    if (m_relatives->fromEditor(current.row())) {
        m_addMessage->setText(relativesCaption("removeInEditor", m_language));
        m_addMessage->show();
        return;
    }
    const int row = current.row();
    editCount(row, 0);
    const int rows = m_relatives->rowCount();
    if (rows > 0)
        m_relativesTable->setCurrentIndex(m_relatives->index(std::min(row, rows - 1), 0));
}

void RelativesPanel::chooseProfile(int index)
{
    if (m_updating || index < 0 || index >= ProfileCount)
        return;
    m_profile = Profile(index);
    m_views = profileViews(m_profile);
    QSettings().setValue(QStringLiteral("case/profile"), QLatin1String(profileName(m_profile)));
    showViews();
    recompute();
    emit profileChosen();
}

void RelativesPanel::chooseView(View v, int index)
{
    if (m_updating || index < 0)
        return;
    const auto names = viewValueNames(v);
    if (std::size_t(index) >= names.size())
        return;
    setView(m_views, v, names[std::size_t(index)]);
    showViews();
    recompute();
    emit profileChosen();
}

void RelativesPanel::recompute()
{
    const engine::Family f = family();
    try {
        m_result = engine::calculate(f);
        m_relatives->setFamily(f, int(m_editor.members.size()), m_result);
        m_schools->setFamily(f, m_profile, m_estate);
        m_depends = details::dependentViews(f, m_views);
        m_differences = details::differenceSentences(f, m_views, m_language);
        m_pathWorking = report::pathSteps(f, m_result, engine::workOf(m_result), m_language);
    } catch (const RationalOverflow &) {
        m_result = {};
        m_relatives->setFamily(f, int(m_editor.members.size()), m_result);
        m_depends.clear();
        m_differences = {relativesCaption("tooLarge", m_language)};
        m_pathWorking = m_differences;
    }
    workBequest(f);
    QStringList titles;
    for (View v : m_depends)
        titles << report::viewTitle(v, m_language);
    m_depend->setText(titles.isEmpty() ? relativesCaption("dependsNone", m_language)
                                       : relativesCaption("dependsOn", m_language)
                                                 .arg(titles.join(relativesCaption("separator", m_language))));
    QString html;
    for (const QString &s : m_differences)
        html += QStringLiteral("<p>") + s.toHtmlEscaped() + QStringLiteral("</p>");
    if (html.isEmpty())
        html = QStringLiteral("<p>") + relativesCaption("allAgree", m_language).toHtmlEscaped() + QStringLiteral("</p>");
    m_differencesText->setHtml(html);
    QString steps;
    for (const QString &s : m_pathWorking)
        steps += QStringLiteral("<p>") + s.toHtmlEscaped() + QStringLiteral("</p>");
    m_workingText->setHtml(steps);
    showEstimates();
    emit familyChanged();
}

bool RelativesPanel::printCompare() const
{
    return m_printCompare->isChecked();
}

QString RelativesPanel::profileLine() const
{
    QString line = relativesCaption("profileLine", m_language).arg(report::profileTitle(m_profile, m_language));
    const Views of = profileViews(m_profile);
    QStringList changed;
    for (int k = 0; k < ViewCount; ++k) {
        const auto v = View(k);
        if (std::string_view(viewValue(m_views, v)) != viewValue(of, v))
            changed << relativesCaption("viewGives", m_language)
                           .arg(report::viewTitle(v, m_language), report::viewAttribution(m_views, v, m_language));
    }
    if (!changed.isEmpty())
        line += relativesCaption("changedViews", m_language).arg(changed.join(relativesCaption("separator", m_language)));
    return line;
}
