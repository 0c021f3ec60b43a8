// SPDX-License-Identifier: GPL-3.0-or-later
// The page of relatives and schools: its controls, layout and captions.
// What they do is in relatives_panel_actions.cpp.
#include "details/relatives_panel.h"

#include "report/relative_names.h"
#include "report/schools_text.h"
#include "ui/captions.h"
#include "ui/help.h"
#include "ui/language.h"

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
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
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
    build();
    setLanguage(0);
}

Profile RelativesPanel::storedProfile()
{
    const QString name = QSettings().value(ProfileKey).toString();
    return profileFromName(name.toStdString()).value_or(Profile::Program);
}

void RelativesPanel::build()
{
    auto *top = new QVBoxLayout(this);

    // The profile, its single views and the views this case depends on.
    auto *profileRow = new QHBoxLayout;
    auto *profileLabel = makeLabel(this, QStringLiteral("lblProfile"));
    profileLabel->setWordWrap(false);
    m_profileBox = new QComboBox(this);
    m_profileBox->setObjectName(QStringLiteral("cmbProfile"));
    profileLabel->setBuddy(m_profileBox);
    m_advanced = new QCheckBox(this);
    m_advanced->setObjectName(QStringLiteral("chkViews"));
    profileRow->addWidget(profileLabel);
    profileRow->addWidget(m_profileBox);
    profileRow->addWidget(m_advanced);
    profileRow->addStretch(1);
    top->addLayout(profileRow);
    m_depend = makeLabel(this, QStringLiteral("lblDepends"));
    top->addWidget(m_depend);

    m_viewsBox = new QGroupBox(this);
    m_viewsBox->setObjectName(QStringLiteral("grpViews"));
    auto *viewsForm = new QFormLayout(m_viewsBox);
    viewsForm->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int k = 0; k < ViewCount; ++k) {
        const auto v = View(k);
        auto *label = makeLabel(m_viewsBox, QStringLiteral("lblView_") + QLatin1String(viewName(v)));
        auto *box = new QComboBox(m_viewsBox);
        box->setObjectName(QStringLiteral("cmbView_") + QLatin1String(viewName(v)));
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(24);
        label->setBuddy(box);
        connect(box, &QComboBox::currentIndexChanged, this, [this, v](int i) { chooseView(v, i); });
        viewsForm->addRow(label, box);
        m_viewBoxes.push_back(box);
        m_viewLabels.push_back(label);
    }
    m_viewsBox->setVisible(false);
    top->addWidget(m_viewsBox);
    connect(m_advanced, &QCheckBox::toggled, m_viewsBox, &QWidget::setVisible);
    connect(m_profileBox, &QComboBox::currentIndexChanged, this, [this](int i) { chooseProfile(i); });

    auto *split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("relativesSplitter"));
    split->setChildrenCollapsible(false);
    auto *upper = new QWidget(split);
    auto *side = new QHBoxLayout(upper);
    side->setContentsMargins(0, 0, 0, 0);

    // A relative built step by step.
    auto *addBox = new QGroupBox(upper);
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
    addLayout->addWidget(stepsLabel);
    addLayout->addWidget(m_stepList, 1);
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
    countRow->addWidget(m_back);
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

    // The whole family with counts and shares.
    auto *listBox = new QGroupBox(upper);
    listBox->setObjectName(QStringLiteral("grpRelatives"));
    auto *listLayout = new QVBoxLayout(listBox);
    m_relativesTable = makeTable(listBox, QStringLiteral("tblRelatives"), m_relatives);
    m_relativesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_relativesTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_relativesTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                      | QAbstractItemView::AnyKeyPressed);
    listLayout->addWidget(m_relativesTable, 1);
    m_remove = new QPushButton(listBox);
    m_remove->setObjectName(QStringLiteral("cmdRemoveRelative"));
    m_remove->setAutoDefault(false);
    connect(m_remove, &QPushButton::clicked, this, [this] { removeRelative(); });
    m_relativesTable->installEventFilter(this);   // Delete removes the row
    auto *removeRow = new QHBoxLayout;
    removeRow->addStretch(1);
    removeRow->addWidget(m_remove);
    listLayout->addLayout(removeRow);
    connect(m_relatives, &details::RelativesModel::countEdited, this,
            [this](int row, int n) { editCount(row, n); });

    side->addWidget(addBox, 2);
    side->addWidget(listBox, 3);
    split->addWidget(upper);

    // The schools side by side.
    auto *compareBox = new QGroupBox(split);
    compareBox->setObjectName(QStringLiteral("grpCompare"));
    auto *compareLayout = new QVBoxLayout(compareBox);
    m_compareTable = makeTable(compareBox, QStringLiteral("tblCompare"), m_schools);
    m_compareTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    compareLayout->addWidget(m_compareTable, 3);
    m_differencesText = new QTextBrowser(compareBox);
    m_differencesText->setObjectName(QStringLiteral("txtDifferences"));
    m_differencesText->setOpenLinks(false);
    compareLayout->addWidget(m_differencesText, 2);
    split->addWidget(compareBox);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    top->addWidget(split, 1);
}

void RelativesPanel::setLanguage(int language)
{
    m_updating = true;
    m_language = language;
    captions::apply(this, details::RelativesCaptions, Language(language));
    m_profileBox->clear();
    for (int p = 0; p < ProfileCount; ++p)
        m_profileBox->addItem(report::profileTitle(Profile(p), language));
    m_profileBox->setCurrentIndex(int(m_profile));
    for (int k = 0; k < ViewCount; ++k) {
        const auto v = View(k);
        auto *box = m_viewBoxes[std::size_t(k)];
        box->clear();
        for (const char *value : viewValueNames(v)) {
            const QString text = report::viewAttribution(v, value, language);
            box->addItem(text.isEmpty() ? QLatin1String(value) : text);
            box->setItemData(box->count() - 1, text, Qt::ToolTipRole);
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
    }
    m_updating = false;
}

void RelativesPanel::showSteps()
{
    const auto path = details::pathOfSteps(m_steps);
    m_pathName->setText(path ? sentenceCase(report::relativeName(*path, Language(m_language), 1))
                             : relativesCaption("chooseFirst", m_language));
    m_offered = details::nextSteps(m_steps);
    m_stepList->clear();
    auto steps = m_steps;
    steps.push_back(PathStep::Father);
    for (PathStep s : m_offered) {
        steps.back() = s;
        const auto next = details::pathOfSteps(steps);
        auto *item = new QListWidgetItem(sentenceCase(report::relativeName(*next, Language(m_language), 1)));
        item->setToolTip(QString::fromStdString(next->text()));
        m_stepList->addItem(item);
    }
    if (m_stepList->count() > 0)
        m_stepList->setCurrentRow(0);
    m_back->setEnabled(!m_steps.empty());
    m_add->setEnabled(path.has_value());
    m_count->setMaximum(path ? engine::maximumCount(*path) : 50);
}

bool RelativesPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_relativesTable && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        removeRelative();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
