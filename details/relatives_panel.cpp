// SPDX-License-Identifier: GPL-3.0-or-later
// The page of relatives and schools: its controls, layout and captions.
// What they do is in relatives_panel_actions.cpp.
#include "details/relatives_panel.h"
#include "details/bequest_panel.h"

#include "report/relative_names.h"
#include "report/schools_text.h"
#include "ui/captions.h"
#include "ui/help.h"
#include "ui/language.h"

#include <QCheckBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

using details::relativesCaption;

namespace {

const QString ProfileKey = QStringLiteral("case/profile");

QTableView *makeTable(QWidget *parent, const QString &name, QAbstractItemModel *model)
{
    auto *t = new QTableView(parent);
    t->setObjectName(name);
    t->setModel(model);
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QLabel *makeLabel(QWidget *parent, const QString &name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

QString sentenceCase(QString s)
{
    if (s.startsWith(QLatin1String("the ")))
        s = s.mid(4);
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

} // namespace

RelativesPanel::RelativesPanel(QWidget *parent)
    : QWidget(parent)
    , m_profile(storedProfile())
    , m_views(profileViews(m_profile))
{
    setObjectName(QStringLiteral("tabRelatives"));
    setProperty(help::SectionProperty, QStringLiteral("frmRelatives"));
    m_relatives = new details::RelativesModel(this);
    m_schools = new details::SchoolsModel(this);
    m_estimatesModel = new details::EstimatesModel(this);
    build();
    setLanguage(Language::Arabic);
}

Profile RelativesPanel::storedProfile()
{
    const QString name = QSettings().value(ProfileKey).toString();
    return profileFromName(name.toStdString()).value_or(Profile::Program);
}

void RelativesPanel::build()
{
    auto *top = new QVBoxLayout(this);

    // The profile and the views this case depends on, over every page.
    auto *profileRow = new QHBoxLayout;
    auto *profileLabel = makeLabel(this, QStringLiteral("lblProfile"));
    profileLabel->setWordWrap(false);
    m_profileBox = new QComboBox(this);
    m_profileBox->setObjectName(QStringLiteral("cmbProfile"));
    m_profileBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_profileBox->setMinimumContentsLength(28);
    profileLabel->setBuddy(m_profileBox);
    profileRow->addWidget(profileLabel);
    profileRow->addWidget(m_profileBox);
    profileRow->addStretch(1);
    top->addLayout(profileRow);
    m_depend = makeLabel(this, QStringLiteral("lblDepends"));
    top->addWidget(m_depend);
    connect(m_profileBox, &QComboBox::currentIndexChanged, this, [this](int i) { chooseProfile(i); });

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("tabsRelatives"));
    // Five pages on a small screen: the captions shorten to fit rather than
    // hide behind scroll arrows; each tab's tooltip keeps the whole caption.
    m_pages->setUsesScrollButtons(false);
    m_pages->tabBar()->setElideMode(Qt::ElideRight);
    m_pages->addTab(buildFamilyPage(), QString());
    m_pages->addTab(buildViewsPage(), QString());
    m_pages->addTab(buildComparePage(), QString());
    m_pages->addTab(buildBequestPage(), QString());
    m_pages->addTab(buildEstimatesPage(), QString());
    top->addWidget(m_pages, 1);
}

QWidget *RelativesPanel::buildFamilyPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("pageFamily"));
    auto *side = new QHBoxLayout(page);

    // A relative built step by step.
    auto *addBox = new QGroupBox(page);
    addBox->setObjectName(QStringLiteral("grpAddRelative"));
    auto *addLayout = new QVBoxLayout(addBox);
    m_pathName = makeLabel(addBox, QStringLiteral("lblPathName"));
    QFont bold = m_pathName->font();
    bold.setBold(true);
    m_pathName->setFont(bold);
    addLayout->addWidget(m_pathName);
    auto *stepsLabel = makeLabel(addBox, QStringLiteral("lblSteps"));
    m_stepList = new QListWidget(addBox);
    m_stepList->setObjectName(QStringLiteral("lstSteps"));
    stepsLabel->setBuddy(m_stepList);
    stepsLabel->setWordWrap(false);
    auto *stepsRow = new QHBoxLayout;
    stepsRow->addWidget(stepsLabel);
    stepsRow->addStretch(1);
    addLayout->addLayout(stepsRow);
    addLayout->addWidget(m_stepList, 1);
    m_stepList->installEventFilter(this);   // Enter takes the step, and only that
    connect(m_stepList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { takeStep(m_stepList->row(item)); });
    auto *countRow = new QHBoxLayout;
    m_back = new QPushButton(addBox);
    m_back->setObjectName(QStringLiteral("cmdStepBack"));
    m_back->setAutoDefault(false);
    connect(m_back, &QPushButton::clicked, this, [this] { stepBack(); });
    auto *countLabel = makeLabel(addBox, QStringLiteral("lblRelativeCount"));
    countLabel->setWordWrap(false);
    m_count = new QSpinBox(addBox);
    m_count->setObjectName(QStringLiteral("spnRelativeCount"));
    m_count->setLayoutDirection(Qt::LeftToRight);
    m_count->setRange(1, 50);
    countLabel->setBuddy(m_count);
    m_add = new QPushButton(addBox);
    m_add->setObjectName(QStringLiteral("cmdAddRelative"));
    connect(m_add, &QPushButton::clicked, this, [this] { addRelative(); });
    stepsRow->addWidget(m_back);
    countRow->addStretch(1);
    countRow->addWidget(countLabel);
    countRow->addWidget(m_count);
    countRow->addWidget(m_add);
    addLayout->addLayout(countRow);
    m_addMessage = makeLabel(addBox, QStringLiteral("lblAddMessage"));
    m_addMessage->hide();
    addLayout->addWidget(m_addMessage);
    // Tab order: the steps, back, the count, add.
    setTabOrder(m_stepList, m_back);
    setTabOrder(m_back, m_count);
    setTabOrder(m_count, m_add);
    buildUncertainRow(addBox, addLayout);

    // The whole family with counts and shares.
    auto *listBox = new QGroupBox(page);
    listBox->setObjectName(QStringLiteral("grpRelatives"));
    auto *listLayout = new QVBoxLayout(listBox);
    m_relativesTable = makeTable(listBox, QStringLiteral("tblRelatives"), m_relatives);
    m_relativesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_relativesTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_relativesTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                      | QAbstractItemView::AnyKeyPressed);
    m_relativesTable->installEventFilter(this);   // Delete removes the row
    listLayout->addWidget(m_relativesTable, 3);
    m_remove = new QPushButton(listBox);
    m_remove->setObjectName(QStringLiteral("cmdRemoveRelative"));
    m_remove->setAutoDefault(false);
    connect(m_remove, &QPushButton::clicked, this, [this] { removeRelative(); });
    auto *removeRow = new QHBoxLayout;
    removeRow->addStretch(1);
    removeRow->addWidget(m_remove);
    listLayout->addLayout(removeRow);
    m_workingText = new QTextBrowser(listBox);
    m_workingText->setObjectName(QStringLiteral("txtPathWorking"));
    m_workingText->setOpenLinks(false);
    listLayout->addWidget(m_workingText, 2);
    connect(m_relatives, &details::RelativesModel::countEdited, this,
            [this](int row, int n) { editCount(row, n); });

    side->addWidget(addBox, 2);
    side->addWidget(listBox, 3);
    return page;
}

QWidget *RelativesPanel::buildViewsPage()
{
    // Every view of the profile, each changeable for this case alone.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("pageViews"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_viewsBox = new QGroupBox(scroll);
    m_viewsBox->setObjectName(QStringLiteral("grpViews"));
    auto *form = new QFormLayout(m_viewsBox);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    for (int k = 0; k < ViewCount; ++k) {
        const auto v = View(k);
        const QString name = QLatin1String(viewName(v));
        auto *label = makeLabel(m_viewsBox, QStringLiteral("lblView_") + name);
        auto *box = new QComboBox(m_viewsBox);
        box->setObjectName(QStringLiteral("cmbView_") + name);
        label->setBuddy(box);
        connect(box, &QComboBox::currentIndexChanged, this, [this, v](int i) { chooseView(v, i); });
        auto *note = makeLabel(m_viewsBox, QStringLiteral("lblViewHolds_") + name);
        auto *cell = new QVBoxLayout;
        cell->setSpacing(1);
        cell->addWidget(box);
        cell->addWidget(note);
        form->addRow(label, cell);
        m_viewBoxes.push_back(box);
        m_viewLabels.push_back(label);
        m_viewNotes.push_back(note);
    }
    scroll->setWidget(m_viewsBox);
    return scroll;
}

QWidget *RelativesPanel::buildComparePage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("pageCompare"));
    auto *layout = new QVBoxLayout(page);
    auto *split = new QSplitter(Qt::Vertical, page);
    split->setObjectName(QStringLiteral("compareSplitter"));
    split->setChildrenCollapsible(false);
    m_compareTable = makeTable(split, QStringLiteral("tblCompare"), m_schools);
    m_compareTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_differencesText = new QTextBrowser(split);
    m_differencesText->setObjectName(QStringLiteral("txtDifferences"));
    m_differencesText->setOpenLinks(false);
    split->addWidget(m_compareTable);
    split->addWidget(m_differencesText);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
    m_printCompare = new QCheckBox(page);
    m_printCompare->setObjectName(QStringLiteral("chkPrintCompare"));
    layout->addWidget(m_printCompare);
    return page;
}

void RelativesPanel::setLanguage(Language language)
{
    m_updating = true;
    m_language = language;
    captions::apply(this, details::RelativesCaptions, language);
    m_profileBox->clear();
    for (int p = 0; p < ProfileCount; ++p)
        m_profileBox->addItem(report::profileTitle(Profile(p), language));
    m_profileBox->setCurrentIndex(int(m_profile));
    m_pages->setTabText(0, relativesCaption("pageFamily", language));
    m_pages->setTabText(1, relativesCaption("pageViews", language));
    m_pages->setTabText(2, relativesCaption("pageCompare", language));
    m_pages->setTabText(3, details::bequestCaption("pageBequest", language));
    m_bequestPage->setLanguage(language);
    languageOfEstimates();
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->setTabToolTip(i, m_pages->tabText(i));
    for (int k = 0; k < ViewCount; ++k) {
        const auto v = View(k);
        auto *box = m_viewBoxes[std::size_t(k)];
        box->clear();
        for (const char *value : viewValueNames(v)) {
            const QByteArray key = QByteArray("val.") + viewName(v) + '.' + value;
            box->addItem(relativesCaption(key.constData(), language));
            box->setItemData(box->count() - 1, report::viewAttribution(v, value, language), Qt::ToolTipRole);
        }
    }
    m_relatives->setLanguage(language);
    m_schools->setLanguage(language);
    m_updating = false;
    showViews();
    showSteps();
    recompute();
}

void RelativesPanel::showViews()
{
    m_updating = true;
    const Views of = profileViews(m_profile);
    for (int k = 0; k < ViewCount; ++k) {
        const auto v = View(k);
        const auto names = viewValueNames(v);
        const std::string value = viewValue(m_views, v);
        for (std::size_t i = 0; i < names.size(); ++i)
            if (value == names[i])
                m_viewBoxes[std::size_t(k)]->setCurrentIndex(int(i));
        const bool changed = value != viewValue(of, v);
        QString title = report::viewTitle(v, m_language);
        if (changed)
            title = relativesCaption("changedView", m_language).arg(title);
        m_viewLabels[std::size_t(k)]->setText(title);
        m_viewNotes[std::size_t(k)]->setText(report::viewAttribution(m_views, v, m_language));
    }
    m_updating = false;
}

void RelativesPanel::showSteps()
{
    const auto path = details::pathOfSteps(m_steps);
    m_pathName->setText(path ? sentenceCase(report::relativeName(*path, m_language, 1))
                             : relativesCaption("chooseFirst", m_language));
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
    m_add->setEnabled(path.has_value());
    if (m_addUncertain)
        m_addUncertain->setEnabled(path.has_value());
    m_count->setMaximum(path ? engine::maximumCount(*path) : 50);
}

bool RelativesPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_relativesTable && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        removeRelative();
        return true;
    }
    if (watched == m_stepList && event->type() == QEvent::KeyPress) {
        // Taken here: left to the list, the key goes on to the case window's
        // dialog, which presses Add as well.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takeStep(m_stepList->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
