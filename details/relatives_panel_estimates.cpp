// SPDX-License-Identifier: GPL-3.0-or-later
// The relatives page's persons whose state is unknown: the unborn child, the
// missing, the hermaphrodite, added at the place built step by step, and the
// case's estimates side by side with what is paid now and what is held.
#include "details/relatives_panel.h"

#include "case/rational.h"
#include "details/working_model.h"
#include "ui/captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

using details::estimatesCaption;

namespace {

const char *errorKey(engine::EstimatesError e)
{
    switch (e) {
    case engine::EstimatesError::None: return "";
    case engine::EstimatesError::NotAPlace: return "error.notAPlace";
    case engine::EstimatesError::TooMany: return "error.tooMany";
    case engine::EstimatesError::BadCount: return "error.badCount";
    case engine::EstimatesError::TooLarge: return "error.tooLarge";
    }
    return "";
}

engine::EstimatesResult estimateOf(const engine::UncertainFamily &f)
{
    try {
        return engine::estimate(f);
    } catch (const RationalOverflow &) {
        engine::EstimatesResult r;
        r.error = engine::EstimatesError::TooLarge;
        return r;
    }
}

} // namespace

void RelativesPanel::buildUncertainRow(QWidget *box, QVBoxLayout *layout)
{
    // The place built above, added as a person whose state is unknown: the
    // label over the state and its button, for the box is narrow on small screens.
    auto *label = new QLabel(box);
    label->setObjectName(QStringLiteral("lblUncertainState"));
    m_uncertainState = new QComboBox(box);
    m_uncertainState->setObjectName(QStringLiteral("cmbUncertainState"));
    // As wide as its longest state, never squeezed.
    m_uncertainState->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_uncertainState->addItems({QString(), QString(), QString()});
    label->setBuddy(m_uncertainState);
    m_addUncertain = new QPushButton(box);
    m_addUncertain->setObjectName(QStringLiteral("cmdAddUncertain"));
    m_addUncertain->setAutoDefault(false);
    connect(m_addUncertain, &QPushButton::clicked, this, [this] { addUncertain(); });
    auto *row = new QHBoxLayout;
    row->addWidget(m_uncertainState);
    row->addStretch(1);
    row->addWidget(m_addUncertain);
    // Above the message line, which is the box's last.
    layout->insertWidget(layout->count() - 1, label);
    layout->insertLayout(layout->count() - 1, row);
    // After Add in the tab order: the state, then add in this state.
    setTabOrder(m_add, m_uncertainState);
    setTabOrder(m_uncertainState, m_addUncertain);
}

QWidget *RelativesPanel::buildEstimatesPage()
{
    m_estimatesPage = new QWidget(this);
    m_estimatesPage->setObjectName(QStringLiteral("pageEstimates"));
    auto *layout = new QVBoxLayout(m_estimatesPage);
    m_estimatesSummary = new QLabel(m_estimatesPage);
    m_estimatesSummary->setObjectName(QStringLiteral("lblEstimatesSummary"));
    m_estimatesSummary->setWordWrap(true);
    QFont bold = m_estimatesSummary->font();
    bold.setBold(true);
    m_estimatesSummary->setFont(bold);
    layout->addWidget(m_estimatesSummary);
    // Whether the hermaphrodites may yet show their sex (the view byHope reads it).
    m_clarityHoped = new QCheckBox(m_estimatesPage);
    m_clarityHoped->setObjectName(QStringLiteral("chkClarityHoped"));
    m_clarityHoped->setChecked(true);
    connect(m_clarityHoped, &QCheckBox::toggled, this, [this](bool on) {
        for (engine::UncertainPerson &u : m_uncertain)
            u.clarityHoped = on;
        recompute();
    });
    layout->addWidget(m_clarityHoped);
    auto *split = new QSplitter(Qt::Vertical, m_estimatesPage);
    split->setObjectName(QStringLiteral("estimatesSplitter"));
    split->setChildrenCollapsible(false);
    m_estimatesTable = new QTableView(split);
    m_estimatesTable->setObjectName(QStringLiteral("tblEstimates"));
    m_estimatesTable->setModel(m_estimatesModel);
    m_estimatesTable->setAlternatingRowColors(true);
    m_estimatesTable->setWordWrap(false);
    m_estimatesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_estimatesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_estimatesTable->horizontalHeader()->setStretchLastSection(true);
    m_estimatesText = new QTextBrowser(split);
    m_estimatesText->setObjectName(QStringLiteral("txtEstimatesWorking"));
    m_estimatesText->setOpenLinks(false);
    split->addWidget(m_estimatesTable);
    split->addWidget(m_estimatesText);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
    return m_estimatesPage;
}

void RelativesPanel::languageOfEstimates()
{
    const int state = m_uncertainState->currentIndex();
    captions::apply(this, details::EstimatesCaptions, m_language);
    m_uncertainState->setCurrentIndex(std::max(0, state));
    m_pages->setTabText(m_pages->indexOf(m_estimatesPage), estimatesCaption("pageEstimates", m_language));
}

engine::UncertainFamily RelativesPanel::uncertainFamily() const
{
    return {family(), m_uncertain};
}

void RelativesPanel::setUncertain(const std::vector<engine::UncertainPerson> &persons)
{
    m_uncertain = persons;
    showHope();
    recompute();
}

void RelativesPanel::showHope()
{
    // One answer for every hermaphrodite of the case; shown only where there is one.
    bool any = false, hoped = true;
    for (const engine::UncertainPerson &u : m_uncertain)
        if (u.kind == engine::Uncertainty::Hermaphrodite) {
            any = true;
            hoped = u.clarityHoped;
        }
    const QSignalBlocker quiet(m_clarityHoped);
    m_clarityHoped->setChecked(hoped);
    m_clarityHoped->setVisible(any);
}

void RelativesPanel::addUncertain()
{
    const auto path = details::pathOfSteps(m_steps);
    if (!path || m_uncertainState->currentIndex() < 0)
        return;
    engine::UncertainPerson u;
    u.kind = engine::Uncertainty(m_uncertainState->currentIndex());
    u.place = *path;
    // The unborn is one child however many are born; the estimates count them.
    u.count = u.kind == engine::Uncertainty::Unborn ? 1 : std::min(m_count->value(), 6);
    u.clarityHoped = m_clarityHoped->isChecked();
    auto persons = m_uncertain;
    const auto same = std::find_if(persons.begin(), persons.end(), [&](const engine::UncertainPerson &p) {
        return p.kind == u.kind && p.place == u.place;
    });
    if (same != persons.end())
        *same = u;
    else
        persons.push_back(u);
    // Where they may stand and how many: refused here, before the case takes them.
    const engine::EstimatesError error = estimateOf({engine::Family{}, persons}).error;
    if (error != engine::EstimatesError::None && error != engine::EstimatesError::TooLarge) {
        m_addMessage->setText(estimatesCaption(errorKey(error), m_language));
        m_addMessage->show();
        return;
    }
    m_uncertain = std::move(persons);
    showHope();
    m_addMessage->setText(estimatesCaption("added", m_language));
    m_addMessage->show();
    m_steps.clear();
    m_count->setValue(1);
    showSteps();
    recompute();
    m_stepList->setFocus();
}

bool RelativesPanel::removeUncertain(int row)
{
    const int k = m_relatives->uncertainOf(row);
    if (k < 0)
        return false;
    m_uncertain.erase(m_uncertain.begin() + k);
    showHope();
    m_addMessage->hide();
    recompute();
    const int rows = m_relatives->rowCount();
    if (rows > 0)
        m_relativesTable->setCurrentIndex(m_relatives->index(std::min(row, rows - 1), 0));
    return true;
}

void RelativesPanel::showEstimates()
{
    const engine::UncertainFamily f = uncertainFamily();
    const engine::EstimatesResult r = m_uncertain.empty() ? engine::EstimatesResult{} : estimateOf(f);
    m_estimatesModel->setEstimates(f, r, m_estate, m_language);
    m_estimatesWorking = m_uncertain.empty() ? QStringList() : details::estimatesWorking(f, r, m_language);
    // The family list says what is paid now (the treasury is the claimants' last).
    std::vector<Rational> now;
    if (!m_uncertain.empty() && r.error == engine::EstimatesError::None && !r.now.empty())
        now.assign(r.now.begin(), r.now.end() - 1);
    m_relatives->setUncertain(m_uncertain, now);
    if (!m_uncertain.empty()) {
        // The working of the case without them would contradict what is paid now.
        m_pathWorking = {estimatesCaption("seeEstimates", m_language)};
        m_workingText->setHtml(QStringLiteral("<p>") + m_pathWorking.front().toHtmlEscaped() + QStringLiteral("</p>"));
    }

    QString summary;
    if (m_uncertain.empty())
        summary = estimatesCaption("noUncertain", m_language);
    else if (r.error != engine::EstimatesError::None)
        summary = estimatesCaption(errorKey(r.error), m_language);
    else if (r.suspended)
        summary = estimatesCaption("summarySuspended", m_language);
    else
        summary = estimatesCaption("summary", m_language)
                      .arg(r.base)
                      .arg(details::fractionText(Rational(1) - r.held, true), details::fractionText(r.held, true));
    m_estimatesSummary->setText(summary);
    QString html;
    for (const QString &s : m_estimatesWorking) {
        // The head of each estimate stands out from its working.
        const bool head = s.endsWith(QLatin1Char(':'));
        html += (head ? QStringLiteral("<p><b>") : QStringLiteral("<p>")) + s.toHtmlEscaped()
            + (head ? QStringLiteral("</b></p>") : QStringLiteral("</p>"));
    }
    m_estimatesText->setHtml(html);
}
