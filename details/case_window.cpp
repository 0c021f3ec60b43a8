// SPDX-License-Identifier: GPL-3.0-or-later
// The case window's controls, their layout and captions. What they do is in
// case_window_actions.cpp.
#include "details/case_window.h"
#include "details/family_tab.h"
#include "details/relatives_panel.h"
#include "details/deaths_page.h"
#include "ui/window_names.h"

#include "report/working_text.h"
#include "ui/captions.h"
#include "ui/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

using details::caption;

namespace {

const QString &Name = windows::CaseDetails;

QString key(Relative r)
{
    return QLatin1String(relativeKey(r));
}

QTableView *makeTable(QWidget *parent, const QString &name, QAbstractItemModel *model)
{
    auto *t = new QTableView(parent);
    t->setObjectName(name);
    t->setModel(model);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setAlternatingRowColors(true);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setWordWrap(false);
    return t;
}

// Figures keep left-to-right order in a right-to-left window.
QLineEdit *makeAmountField(QWidget *parent, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setLayoutDirection(Qt::LeftToRight);
    e->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    e->setMaxLength(40);
    return e;
}

QLabel *makeErrorLabel(QWidget *parent, const QString &name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #b00000;"));
    l->hide();
    return l;
}

} // namespace

CaseWindow::CaseWindow(QWidget *parent)
    : QDialog(parent)
    , m_language(language::current())
{
    setObjectName(Name);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    m_model = new WorkingModel(this);
    m_otherModel = new WorkingModel(this);
    m_amounts = new AmountsModel(this);
    build();
    applyLanguage();
    recompute();
}

void CaseWindow::build()
{
    auto *top = new QVBoxLayout(this);

    auto *header = new QHBoxLayout;
    auto *nameCaption = new QLabel(this);
    nameCaption->setObjectName(QStringLiteral("lblName"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setMaxLength(200);
    nameCaption->setBuddy(m_name);
    auto *sexCaption = new QLabel(this);
    sexCaption->setObjectName(QStringLiteral("lblSex"));
    m_sex = new QComboBox(this);
    m_sex->setObjectName(QStringLiteral("cmbSex"));
    sexCaption->setBuddy(m_sex);
    m_date = new QLabel(this);
    m_date->setObjectName(QStringLiteral("lblDate"));
    header->addWidget(nameCaption);
    header->addWidget(m_name, 1);
    header->addWidget(sexCaption);
    header->addWidget(m_sex);
    header->addSpacing(12);
    header->addWidget(m_date);
    top->addLayout(header);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildFamily());
    m_tabs = new QTabWidget(splitter);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->addTab(buildWorking(), QString());
    m_tabs->addTab(buildEstate(), QString());
    buildRelatives();
    buildDeaths();
    m_familyTab = new details::tree::FamilyTab(m_tabs);
    m_tabs->addTab(m_familyTab, QString());
    splitter->addWidget(m_tabs);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    top->addWidget(splitter, 1);

    auto *buttons = new QHBoxLayout;
    const std::pair<const char *, std::function<void()>> actions[] = {
        {"cmdOpen", [this] { open(); }}, {"cmdSave", [this] { save(); }},
        {"cmdPrint", [this] { print(); }}, {"cmdPdf", [this] { saveAsPdf(); }}};
    for (const auto &[name, act] : actions) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, act);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto *close = new QPushButton(this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    buttons->addWidget(close);
    top->addLayout(buttons);

    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_state.name = text;
        m_modified = true;
    });
    connect(m_sex, &QComboBox::currentIndexChanged, this, [this] { readFamily(); });
}

QWidget *CaseWindow::buildFamily()
{
    auto *box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("grpFamily"));
    auto *outer = new QVBoxLayout(box);
    auto *scroll = new QScrollArea(box);
    scroll->setObjectName(QStringLiteral("familyScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *inner = new QWidget(scroll);
    inner->setObjectName(QStringLiteral("familyPanel"));
    auto *form = new QFormLayout(inner);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (int k = 0; k < RelativeCount; ++k) {
        const auto r = Relative(k);
        auto *label = new QLabel(inner);
        label->setObjectName(QStringLiteral("lbl") + key(r));
        m_relativeLabels.insert(k, label);
        if (details::isSingle(r)) {
            auto *check = new QCheckBox(inner);
            check->setObjectName(QStringLiteral("chk") + key(r));
            connect(check, &QCheckBox::toggled, this, [this] { readFamily(); });
            m_flags.insert(k, check);
            label->setBuddy(check);
            form->addRow(label, check);
        } else {
            auto *spin = new QSpinBox(inner);
            spin->setObjectName(QStringLiteral("spn") + key(r));
            spin->setRange(0, details::relativeMax(r));
            spin->setLayoutDirection(Qt::LeftToRight);
            spin->setMinimumWidth(64);
            connect(spin, &QSpinBox::valueChanged, this, [this] { readFamily(); });
            m_counts.insert(k, spin);
            label->setBuddy(spin);
            form->addRow(label, spin);
        }
    }
    scroll->setWidget(inner);
    // The whole row of every relative in view; only the list scrolls (its
    // width is set with the language's font).
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_familyScroll = scroll;
    outer->addWidget(scroll, 1);

    auto *methodCaption = new QLabel(box);
    methodCaption->setObjectName(QStringLiteral("lblMethod"));
    methodCaption->setWordWrap(true);
    m_method = new QComboBox(box);
    m_method->setObjectName(QStringLiteral("cmbMethod"));
    m_method->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_method->setMinimumContentsLength(16);
    methodCaption->setBuddy(m_method);
    connect(m_method, &QComboBox::currentIndexChanged, this, [this] { readFamily(); });
    outer->addWidget(methodCaption);
    outer->addWidget(m_method);
    m_familyError = makeErrorLabel(box, QStringLiteral("lblFamilyError"));
    outer->addWidget(m_familyError);
    return box;
}

QWidget *CaseWindow::buildWorking()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabWorking"));
    auto *layout = new QVBoxLayout(page);
    m_bases = new QLabel(page);
    m_bases->setObjectName(QStringLiteral("lblBases"));
    m_bases->setWordWrap(true);
    layout->addWidget(m_bases);

    auto *split = new QSplitter(Qt::Vertical, page);
    split->setObjectName(QStringLiteral("workingSplitter"));
    split->setChildrenCollapsible(false);
    auto *methods = new QWidget(split);
    methods->setObjectName(QStringLiteral("methods"));
    methods->installEventFilter(this);
    m_methods = methods;
    auto *side = new QBoxLayout(QBoxLayout::LeftToRight, methods);
    m_methodsLayout = side;
    side->setContentsMargins(0, 0, 0, 0);
    m_chosenBox = new QGroupBox(methods);
    m_chosenBox->setObjectName(QStringLiteral("grpChosen"));
    auto *chosenLayout = new QVBoxLayout(m_chosenBox);
    m_table = makeTable(m_chosenBox, QStringLiteral("tblWorking"), m_model);
    chosenLayout->addWidget(m_table);
    m_otherBox = new QGroupBox(methods);
    m_otherBox->setObjectName(QStringLiteral("grpOther"));
    auto *otherLayout = new QVBoxLayout(m_otherBox);
    m_otherTable = makeTable(m_otherBox, QStringLiteral("tblOther"), m_otherModel);
    otherLayout->addWidget(m_otherTable);
    side->addWidget(m_chosenBox, 1);
    side->addWidget(m_otherBox, 1);
    // Columns that widen may no longer fit side by side.
    for (QTableView *t : {m_table, m_otherTable})
        connect(t->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
            QTimer::singleShot(0, this, &CaseWindow::arrangeMethods);
        });
    split->addWidget(methods);

    m_explanation = new QTextBrowser(split);
    m_explanation->setObjectName(QStringLiteral("txtExplanation"));
    m_explanation->setOpenLinks(false);
    split->addWidget(m_explanation);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
    return page;
}

QWidget *CaseWindow::buildEstate()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabEstate"));
    auto *layout = new QVBoxLayout(page);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const std::pair<estate::Field, const char *> fields[] = {
        {estate::Field::Estate, "Estate"}, {estate::Field::FuneralCosts, "FuneralCosts"},
        {estate::Field::Debts, "Debts"}, {estate::Field::Bequest, "Bequest"}};
    for (auto [field, name] : fields) {
        auto *label = new QLabel(page);
        label->setObjectName(QStringLiteral("lbl") + QLatin1String(name));
        auto *edit = makeAmountField(page, QStringLiteral("txt") + QLatin1String(name));
        label->setBuddy(edit);
        connect(edit, &QLineEdit::textChanged, this, [this] { readEstate(); });
        auto *cell = new QVBoxLayout;
        cell->setSpacing(1);
        cell->addWidget(edit);
        auto *error = makeErrorLabel(page, QStringLiteral("err") + QLatin1String(name));
        cell->addWidget(error);
        form->addRow(label, cell);
        m_estateFields.insert(int(field), edit);
        m_estateErrors.insert(int(field), error);
    }
    m_consent = new QCheckBox(page);
    m_consent->setObjectName(QStringLiteral("chkConsent"));
    connect(m_consent, &QCheckBox::toggled, this, [this] { readEstate(); });
    form->addRow(QString(), m_consent);
    auto *decimalsLabel = new QLabel(page);
    decimalsLabel->setObjectName(QStringLiteral("lblDecimals"));
    m_decimals = new QSpinBox(page);
    m_decimals->setObjectName(QStringLiteral("spnDecimals"));
    m_decimals->setRange(0, estate::maxDecimals);
    m_decimals->setValue(2);
    m_decimals->setLayoutDirection(Qt::LeftToRight);
    decimalsLabel->setBuddy(m_decimals);
    connect(m_decimals, &QSpinBox::valueChanged, this, [this] { readEstate(); });
    form->addRow(decimalsLabel, m_decimals);
    layout->addLayout(form);
    auto *general = makeErrorLabel(page, QStringLiteral("errGeneral"));
    m_estateErrors.insert(int(estate::Field::None), general);
    layout->addWidget(general);

    m_summary = new QLabel(page);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);
    m_amountsTable = makeTable(page, QStringLiteral("tblAmounts"), m_amounts);
    layout->addWidget(m_amountsTable, 1);
    return page;
}

void CaseWindow::applyLanguage()
{
    m_updating = true;
    const int sex = m_sex->currentIndex();
    const int method = m_method->currentIndex();
    language::applyDirection(this, m_language);
    captions::apply(this, Name, m_language);
    m_sex->setCurrentIndex(sex < 0 ? 0 : sex);
    m_method->setCurrentIndex(method < 0 ? 1 : method);
    m_tabs->setTabText(0, caption("tabWorking", m_language));
    m_tabs->setTabText(1, caption("tabEstate", m_language));
    m_tabs->setTabText(m_tabs->indexOf(m_relativesPanel), details::relativesCaption("tabRelatives", m_language));
    m_relativesPanel->setLanguage(m_language);
    m_tabs->setTabText(m_tabs->indexOf(m_deathsPage), details::deathsCaption("tabDeaths", m_language));
    m_deathsPage->setLanguage(m_language);
    m_tabs->setTabText(m_tabs->indexOf(m_familyTab), details::tree::text("tabTree", m_language));
    for (int i = 0; i < m_tabs->count(); ++i)   // the whole caption where a small screen shortens it
        m_tabs->setTabToolTip(i, m_tabs->tabText(i));
    m_familyTab->applyLanguage(m_language);
    for (int k = 0; k < RelativeCount; ++k) {
        const auto r = Relative(k);
        QString text = report::relativeName(r, details::isSingle(r) ? 1 : 2, m_language);
        if (m_language == Language::English && text.startsWith(QLatin1String("the ")))
            text = text.mid(4);
        if (!text.isEmpty())
            text[0] = text[0].toUpper();
        m_relativeLabels.value(k)->setText(text);
    }
    QFont f = font();
    // Arial as the results window's lines: figures keep their decimal point.
    f.setFamily(m_language == Language::English ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"));
    f.setPointSizeF(10);
    setFont(f);
    // Rows as high as the text needs: the two methods one above the other
    // still show a whole case on a screen 768 pixels high.
    for (QTableView *t : {m_table, m_otherTable, m_amountsTable})
        t->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 8);
    QWidget *inner = m_familyScroll->widget();
    inner->layout()->invalidate();
    inner->layout()->activate();
    m_familyScroll->setMinimumWidth(inner->sizeHint().width()
                                    + m_familyScroll->verticalScrollBar()->sizeHint().width() + 4);
    m_date->setText(caption("date", m_language).arg(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))));
    m_updating = false;
}

void CaseWindow::showEvent(QShowEvent *event)
{
    // The program's language may have changed since the window was made.
    const Language now = language::current();
    if (now != m_language) {
        m_language = now;
        applyLanguage();
        recompute();
    }
    QDialog::showEvent(event);
}

void CaseWindow::showState()
{
    m_updating = true;
    m_name->setText(m_state.name);
    m_sex->setCurrentIndex(m_state.woman ? 1 : 0);
    for (auto it = m_counts.begin(); it != m_counts.end(); ++it)
        it.value()->setValue(m_state.count(Relative(it.key())));
    for (auto it = m_flags.begin(); it != m_flags.end(); ++it)
        it.value()->setChecked(m_state.count(Relative(it.key())) != 0);
    m_method->setCurrentIndex(m_state.method == 1 ? 0 : 1);
    m_estateFields.value(int(estate::Field::Estate))->setText(m_state.estate.value);
    m_estateFields.value(int(estate::Field::FuneralCosts))->setText(m_state.estate.funeralCosts);
    m_estateFields.value(int(estate::Field::Debts))->setText(m_state.estate.debts);
    m_estateFields.value(int(estate::Field::Bequest))->setText(m_state.estate.bequest);
    m_consent->setChecked(m_state.estate.heirsConsent);
    m_decimals->setValue(m_state.estate.decimals);
    m_updating = false;
}
