// SPDX-License-Identifier: GPL-3.0-or-later
// The page of later deaths: its controls, layout and what it shows. What
// they do is in deaths_page_actions.cpp.
#include "details/deaths_page.h"

#include "details/relatives_model.h"
#include "report/relative_names.h"
#include "ui/captions.h"
#include "ui/help.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

using details::deathsCaption;

namespace {

QString sentenceCase(QString s)
{
    if (s.startsWith(QLatin1String("the ")))
        s = s.mid(4);
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

template <class W> W *named(W *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

} // namespace

DeathsPage::DeathsPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabDeaths"));
    setProperty(help::SectionProperty, QStringLiteral("frmDeaths"));
    m_model = new details::DeathsModel(this);
    build();
}

void DeathsPage::build()
{
    auto *top = new QVBoxLayout(this);
    auto *splitter = named(new QSplitter(Qt::Vertical, this), "splDeaths");
    splitter->setChildrenCollapsible(false);
    top->addWidget(splitter);

    auto *editor = new QWidget(splitter);
    auto *row = new QHBoxLayout(editor);
    row->setContentsMargins(0, 0, 0, 0);

    // The later deaths in order.
    auto *listBox = named(new QGroupBox(editor), "grpDeaths");
    auto *listLayout = new QVBoxLayout(listBox);
    m_deathList = named(new QListWidget(listBox), "lstDeaths");
    listLayout->addWidget(m_deathList, 1);
    // One above the other: the page fits a window on a screen 800 wide.
    auto *listButtons = new QVBoxLayout;
    m_addDeath = named(new QPushButton(listBox), "cmdAddDeath");
    m_removeDeath = named(new QPushButton(listBox), "cmdRemoveDeath");
    for (QPushButton *b : {m_addDeath, m_removeDeath}) {
        b->setAutoDefault(false);
        listButtons->addWidget(b);
    }
    listLayout->addLayout(listButtons);
    row->addWidget(listBox, 1);
    connect(m_deathList, &QListWidget::currentRowChanged, this, [this](int r) {
        if (m_updating)
            return;
        m_current = r + 1;
        showDeath();
    });
    connect(m_addDeath, &QPushButton::clicked, this, [this] { addDeath(); });
    connect(m_removeDeath, &QPushButton::clicked, this, [this] { removeDeath(); });
    m_deathList->installEventFilter(this);

    // The death being edited: who died and his relatives.
    auto *deathBox = named(new QGroupBox(editor), "grpDeath");
    m_deathBox = deathBox;
    auto *deathLayout = new QVBoxLayout(deathBox);
    auto *whoRow = new QHBoxLayout;
    auto *whoLabel = named(new QLabel(deathBox), "lblDeceased");
    m_deceased = named(new QComboBox(deathBox), "cmbDeceased");
    whoLabel->setBuddy(m_deceased);
    whoRow->addWidget(whoLabel);
    whoRow->addWidget(m_deceased, 1);
    deathLayout->addLayout(whoRow);
    connect(m_deceased, &QComboBox::activated, this, [this](int i) { chooseDeceased(i); });

    auto *inner = new QHBoxLayout;
    auto *relativesColumn = new QVBoxLayout;
    auto *relativesLabel = named(new QLabel(deathBox), "lblDeathRelatives");
    m_relatives = named(new QListWidget(deathBox), "lstDeathRelatives");
    relativesLabel->setBuddy(m_relatives);
    m_removeRelative = named(new QPushButton(deathBox), "cmdRemoveDeathRelative");
    m_removeRelative->setAutoDefault(false);
    relativesColumn->addWidget(relativesLabel);
    relativesColumn->addWidget(m_relatives, 1);
    auto *editRow = new QHBoxLayout;
    auto *editLabel = named(new QLabel(deathBox), "lblDeathRelativeCount");
    m_relativeCount = named(new QSpinBox(deathBox), "spnDeathRelativeCount");
    m_relativeCount->setLayoutDirection(Qt::LeftToRight);
    m_relativeCount->setRange(1, 50);
    editLabel->setBuddy(m_relativeCount);
    editRow->addWidget(editLabel);
    editRow->addWidget(m_relativeCount);
    editRow->addStretch(1);
    editRow->addWidget(m_removeRelative);
    relativesColumn->addLayout(editRow);
    inner->addLayout(relativesColumn, 1);
    connect(m_removeRelative, &QPushButton::clicked, this, [this] { removeRelative(); });
    connect(m_relatives, &QListWidget::currentRowChanged, this, [this] { showRelativeCount(); });
    connect(m_relativeCount, &QSpinBox::valueChanged, this, [this](int n) { editCount(n); });
    m_relatives->installEventFilter(this);

    // A relative from the later deceased, step by step.
    auto *addColumn = new QVBoxLayout;
    m_pathName = named(new QLabel(deathBox), "lblDeathPath");
    m_pathName->setWordWrap(true);
    auto *stepsRow = new QHBoxLayout;
    auto *stepsLabel = named(new QLabel(deathBox), "lblDeathSteps");
    m_back = named(new QPushButton(deathBox), "cmdDeathStepBack");
    m_back->setAutoDefault(false);
    stepsRow->addWidget(stepsLabel, 1);
    stepsRow->addWidget(m_back);
    m_stepList = named(new QListWidget(deathBox), "lstDeathSteps");
    stepsLabel->setBuddy(m_stepList);
    connect(m_stepList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { takeStep(m_stepList->row(item)); });
    connect(m_back, &QPushButton::clicked, this, [this] {
        if (!m_steps.empty())
            m_steps.pop_back();
        showSteps();
        m_stepList->setFocus();
    });
    auto *sameRow = new QHBoxLayout;
    auto *sameLabel = named(new QLabel(deathBox), "lblDeathSame");
    m_same = named(new QComboBox(deathBox), "cmbDeathSame");
    sameLabel->setBuddy(m_same);
    sameRow->addWidget(sameLabel);
    sameRow->addWidget(m_same, 1);
    connect(m_same, &QComboBox::currentIndexChanged, this, [this](int i) { m_count->setEnabled(i <= 0); });
    auto *countRow = new QHBoxLayout;
    auto *countLabel = named(new QLabel(deathBox), "lblDeathCount");
    m_count = named(new QSpinBox(deathBox), "spnDeathCount");
    m_count->setLayoutDirection(Qt::LeftToRight);
    m_count->setRange(1, 50);
    countLabel->setBuddy(m_count);
    m_add = named(new QPushButton(deathBox), "cmdAddDeathRelative");
    m_add->setAutoDefault(false);
    countRow->addWidget(countLabel);
    countRow->addWidget(m_count);
    countRow->addStretch(1);
    countRow->addWidget(m_add);
    connect(m_add, &QPushButton::clicked, this, [this] { addRelative(); });
    addColumn->addWidget(m_pathName);
    addColumn->addLayout(stepsRow);
    addColumn->addWidget(m_stepList, 1);
    addColumn->addLayout(sameRow);
    addColumn->addLayout(countRow);
    inner->addLayout(addColumn, 1);
    deathLayout->addLayout(inner, 1);
    row->addWidget(deathBox, 3);

    // The working: the table and the steps in words.
    auto *working = new QWidget(splitter);
    auto *workingLayout = new QVBoxLayout(working);
    workingLayout->setContentsMargins(0, 0, 0, 0);
    m_error = named(new QLabel(working), "lblDeathsError");
    m_error->setWordWrap(true);
    m_error->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_error->hide();
    workingLayout->addWidget(m_error);
    m_table = named(new QTableView(working), "tblDeaths");
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    workingLayout->addWidget(m_table, 2);
    m_stepsText = named(new QTextBrowser(working), "txtDeathsSteps");
    workingLayout->addWidget(m_stepsText, 1);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    setTabOrder(m_deathList, m_addDeath);
    setTabOrder(m_addDeath, m_removeDeath);
    setTabOrder(m_removeDeath, m_deceased);
    setTabOrder(m_deceased, m_relatives);
    setTabOrder(m_relatives, m_relativeCount);
    setTabOrder(m_relativeCount, m_removeRelative);
    setTabOrder(m_removeRelative, m_stepList);
    setTabOrder(m_stepList, m_back);
    setTabOrder(m_back, m_same);
    setTabOrder(m_same, m_count);
    setTabOrder(m_count, m_add);
    setTabOrder(m_add, m_table);
}

void DeathsPage::setLanguage(Language language)
{
    m_language = language;
    captions::apply(this, details::DeathsCaptions, language);
    showDeaths();
}

void DeathsPage::setCase(const engine::Family &first, const std::vector<details::LaterDeath> &later,
                         const std::optional<estate::Input> &money)
{
    m_first = first;
    m_later = later;
    m_money = money;
    if (m_current > int(m_later.size()))
        m_current = int(m_later.size());
    if (m_current == 0 && !m_later.empty())
        m_current = 1;
    showDeaths();
}

void DeathsPage::changed()
{
    showDeaths();
    emit deathsChanged();
}

void DeathsPage::showDeaths()
{
    m_updating = true;
    m_deathList->clear();
    for (int k = 1; k <= int(m_later.size()); ++k)
        m_deathList->addItem(deathsCaption("deathItem", m_language)
                                 .arg(k + 1)
                                 .arg(details::personName(m_later[std::size_t(k - 1)].deceased, m_first, m_later,
                                                          m_language)));
    m_deathList->setCurrentRow(m_current - 1);
    m_removeDeath->setEnabled(m_current > 0);
    m_updating = false;
    showDeath();
    showWorking();
}

void DeathsPage::showDeath()
{
    m_updating = true;
    m_deathBox->setEnabled(m_current > 0);
    m_removeDeath->setEnabled(m_current > 0);
    m_deceased->clear();
    m_relatives->clear();
    m_deceasedChoices.clear();
    if (m_current > 0) {
        const details::LaterDeath &d = m_later[std::size_t(m_current - 1)];
        m_deceasedChoices = details::aliveBefore(m_first, m_later, m_current);
        for (const details::Head &h : m_deceasedChoices) {
            m_deceased->addItem(details::personName(h.ref, m_first, m_later, m_language));
            if (h.ref == d.deceased)
                m_deceased->setCurrentIndex(m_deceased->count() - 1);
        }
        for (const details::LaterRelative &r : d.relatives) {
            QString text = report::relativeName(r.path, m_language, r.count);
            if (r.same)
                text = deathsCaption(r.path.male() ? "sameItem.male" : "sameItem.female", m_language)
                           .arg(text, details::personName(*r.same, m_first, m_later, m_language));
            else if (r.count > 1)
                text = deathsCaption("group", m_language).arg(text).arg(r.count);
            m_relatives->addItem(sentenceCase(text));
        }
    }
    m_removeRelative->setEnabled(m_relatives->count() > 0);
    m_updating = false;
    showRelativeCount();
    showSteps();
}

void DeathsPage::showRelativeCount()
{
    // New people are counted; someone met before is one.
    const int row = m_relatives->currentRow();
    const details::LaterRelative *r = nullptr;
    if (m_current > 0 && row >= 0 && std::size_t(row) < m_later[std::size_t(m_current - 1)].relatives.size())
        r = &m_later[std::size_t(m_current - 1)].relatives[std::size_t(row)];
    m_updating = true;
    m_relativeCount->setEnabled(r && !r->same);
    m_relativeCount->setMaximum(r ? engine::maximumCount(r->path) : 50);
    m_relativeCount->setValue(r ? r->count : 1);
    m_updating = false;
}

void DeathsPage::showSteps()
{
    const auto path = details::pathOfSteps(m_steps);
    m_pathName->setText(path ? sentenceCase(report::relativeName(*path, m_language, 1))
                             : deathsCaption("chooseFirst", m_language));
    m_offered = details::nextSteps(m_steps);
    m_stepList->clear();
    auto steps = m_steps;
    steps.push_back(PathStep::Father);
    for (PathStep s : m_offered) {
        steps.back() = s;
        const auto next = details::pathOfSteps(steps);
        auto *item = new QListWidgetItem(sentenceCase(report::relativeName(*next, m_language, 1)));
        item->setToolTip(QString::fromStdString(next->text()));
        m_stepList->addItem(item);
    }
    if (m_stepList->count() > 0)
        m_stepList->setCurrentRow(0);
    m_back->setEnabled(!m_steps.empty());
    m_add->setEnabled(path.has_value() && m_current > 0);
    m_count->setMaximum(path ? engine::maximumCount(*path) : 50);
    showSame();
}

void DeathsPage::showSame()
{
    // Someone already in the case whose sex fits, alive at this death, not
    // the deceased, and not yet one of his relatives.
    const auto path = details::pathOfSteps(m_steps);
    m_same->clear();
    m_sameChoices.clear();
    m_same->addItem(deathsCaption("newPerson", m_language));
    if (path && m_current > 0) {
        const details::LaterDeath &d = m_later[std::size_t(m_current - 1)];
        for (const details::Head &h : details::aliveBefore(m_first, m_later, m_current)) {
            if (h.ref == d.deceased || h.ref.path.male() != path->male())
                continue;
            if (std::any_of(d.relatives.begin(), d.relatives.end(),
                            [&](const details::LaterRelative &r) { return r.same && *r.same == h.ref; }))
                continue;
            m_sameChoices.push_back(h.ref);
            m_same->addItem(details::personName(h.ref, m_first, m_later, m_language));
        }
    }
    m_same->setCurrentIndex(0);
    m_same->setEnabled(m_same->count() > 1);
    m_count->setEnabled(true);
}

void DeathsPage::showWorking()
{
    m_model->setChain(m_first, m_later, m_language, m_money);
    const QString error = m_model->error();
    m_error->setText(error.isEmpty() ? QString() : deathsCaption("chainError", m_language).arg(error));
    m_error->setVisible(!error.isEmpty());
    const bool rtl = m_language == Language::Arabic;
    QString html = rtl ? QStringLiteral("<div dir=\"rtl\">") : QStringLiteral("<div>");
    for (const QString &line : m_model->steps())
        html += QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>");
    if (m_later.empty())
        html += QStringLiteral("<p>") + deathsCaption("none", m_language).toHtmlEscaped() + QStringLiteral("</p>");
    m_stepsText->setHtml(html + QStringLiteral("</div>"));
}
