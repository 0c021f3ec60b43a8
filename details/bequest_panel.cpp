// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/bequest_panel.h"

#include "details/relatives_model.h"
#include "report/bequest_working_text.h"
#include "report/relative_names.h"
#include "report/schools_text.h"
#include "ui/captions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

using details::bequestCaption;

namespace {

// Below a predeceased child: his children, grandchildren and great-grandchildren.
constexpr int DescendantDepth = 3;
// A child of the deceased and, below him, children who also died before,
// down to the great-grandchildren.
constexpr std::size_t PredeceasedDepth = 3;

QLabel *makeLabel(QWidget *parent, const QString &name, bool wrap = false)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(wrap);
    return l;
}

// A wrapped line of text that does not ask its page's height for its width:
// a page that asks is sized by the scroll area that holds it to its
// preferred height, not fitted to the window. It is given three lines.
class WrappedLine : public QLabel
{
public:
    using QLabel::QLabel;
    bool hasHeightForWidth() const override { return false; }
};

QPushButton *makeButton(QWidget *parent, const QString &name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QTableView *makeTable(QWidget *parent, const QString &name, QAbstractItemModel *model)
{
    auto *t = new QTableView(parent);
    t->setObjectName(name);
    t->setModel(model);
    t->setAlternatingRowColors(true);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

// The path of a descendant from the deceased.
Path fromDeceased(const Path &child, const Path &below)
{
    return *Path::parse(child.text() + '.' + below.text());
}

// Every chain of sons and daughters of 1 to `depth` steps.
std::vector<Path> descentPaths(int depth)
{
    std::vector<std::string> level{""}, all;
    for (int d = 0; d < depth; ++d) {
        std::vector<std::string> next;
        for (const std::string &p : level)
            for (const char *w : {"son", "daughter"})
                next.push_back(p.empty() ? std::string(w) : p + '.' + w);
        all.insert(all.end(), next.begin(), next.end());
        level = next;
    }
    std::vector<Path> out;
    for (const std::string &p : all)
        out.push_back(*Path::parse(p));
    return out;
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

BequestPanel::BequestPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlBequest"));
    m_branches = new details::BequestModel(details::BequestModel::Kind::Branches, this);
    m_recipients = new details::BequestModel(details::BequestModel::Kind::Recipients, this);
    m_heirs = new details::BequestModel(details::BequestModel::Kind::Heirs, this);
    build();
    setLanguage(Language::Arabic);
}

void BequestPanel::build()
{
    auto *side = new QHBoxLayout(this);

    // The children who died before the deceased.
    auto *editor = new QVBoxLayout;
    auto *childBox = new QGroupBox(this);
    childBox->setObjectName(QStringLiteral("grpPredeceased"));
    auto *childLayout = new QVBoxLayout(childBox);
    auto *childRow = new QHBoxLayout;
    auto *childLabel = makeLabel(childBox, QStringLiteral("lblPredeceasedChild"));
    m_childBox = new QComboBox(childBox);
    m_childBox->setObjectName(QStringLiteral("cmbPredeceasedChild"));
    childLabel->setBuddy(m_childBox);
    m_addChild = makeButton(childBox, QStringLiteral("cmdAddPredeceased"));
    connect(m_addChild, &QPushButton::clicked, this, [this] { addChild(false); });
    m_addBelow = makeButton(childBox, QStringLiteral("cmdAddPredeceasedBelow"));
    connect(m_addBelow, &QPushButton::clicked, this, [this] { addChild(true); });
    m_removeChild = makeButton(childBox, QStringLiteral("cmdRemovePredeceased"));
    connect(m_removeChild, &QPushButton::clicked, this, [this] { removeChild(); });
    childRow->addWidget(childLabel);
    childRow->addWidget(m_childBox, 1);
    childRow->addWidget(m_addChild);
    childLayout->addLayout(childRow);
    m_children = new QListWidget(childBox);
    m_children->setObjectName(QStringLiteral("lstPredeceased"));
    // A few children at most: three rows show them.
    m_children->setMaximumHeight(m_children->fontMetrics().height() * 4);
    connect(m_children, &QListWidget::currentRowChanged, this, [this] { showDescendants(); });
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_children, 1);
    auto *listButtons = new QVBoxLayout;
    listButtons->addWidget(m_removeChild);
    listButtons->addWidget(m_addBelow);
    listButtons->addStretch(1);
    listRow->addLayout(listButtons);
    childLayout->addLayout(listRow);
    editor->addWidget(childBox);

    // The selected child's living descendants and the gifts.
    auto *descBox = new QGroupBox(this);
    descBox->setObjectName(QStringLiteral("grpDescendants"));
    auto *descLayout = new QVBoxLayout(descBox);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_pathBox = new QComboBox(descBox);
    m_pathBox->setObjectName(QStringLiteral("cmbDescendantPath"));
    m_count = new QSpinBox(descBox);
    m_count->setObjectName(QStringLiteral("spnDescendantCount"));
    m_count->setLayoutDirection(Qt::LeftToRight);
    m_count->setRange(1, 50);
    m_gift = new QLineEdit(descBox);
    m_gift->setObjectName(QStringLiteral("edtDescendantGift"));
    m_gift->setLayoutDirection(Qt::LeftToRight);
    connect(m_gift, &QLineEdit::returnPressed, this, [this] { addDescendant(); });
    m_addDescendant = makeButton(descBox, QStringLiteral("cmdAddDescendant"));
    connect(m_addDescendant, &QPushButton::clicked, this, [this] { addDescendant(); });
    auto *giftRow = new QHBoxLayout;
    giftRow->addWidget(m_gift, 1);
    giftRow->addWidget(m_addDescendant);
    const std::pair<const char *, QWidget *> fields[] = {
        {"lblDescendantPath", m_pathBox}, {"lblDescendantCount", m_count}, {"lblDescendantGift", m_gift}};
    for (const auto &[name, field] : fields) {
        auto *label = makeLabel(descBox, QLatin1String(name));
        label->setBuddy(field);
        if (field == m_gift)
            form->addRow(label, giftRow);
        else
            form->addRow(label, field);
    }
    descLayout->addLayout(form);
    m_descendants = new QTableWidget(0, 3, descBox);
    m_descendants->setObjectName(QStringLiteral("tblDescendants"));
    m_descendants->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_descendants->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_descendants->setSelectionMode(QAbstractItemView::SingleSelection);
    m_descendants->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_descendants->horizontalHeader()->setStretchLastSection(true);
    m_descendants->verticalHeader()->hide();
    m_removeDescendant = makeButton(descBox, QStringLiteral("cmdRemoveDescendant"));
    connect(m_removeDescendant, &QPushButton::clicked, this, [this] { removeDescendant(); });
    auto *tableRow = new QHBoxLayout;
    tableRow->addWidget(m_descendants, 1);
    auto *tableButtons = new QVBoxLayout;
    tableButtons->addWidget(m_removeDescendant);
    tableButtons->addStretch(1);
    tableRow->addLayout(tableButtons);
    descLayout->addLayout(tableRow, 1);
    m_message = new WrappedLine(descBox);
    m_message->setObjectName(QStringLiteral("lblBequestMessage"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_message->hide();
    descLayout->addWidget(m_message);
    editor->addWidget(descBox, 1);

    // What the code gives.
    auto *resultBox = new QGroupBox(this);
    resultBox->setObjectName(QStringLiteral("grpBequest"));
    auto *resultLayout = new QVBoxLayout(resultBox);
    m_code = new WrappedLine(resultBox);
    m_code->setObjectName(QStringLiteral("lblBequestCode"));
    m_code->setWordWrap(true);
    resultLayout->addWidget(m_code);
    auto *split = new QSplitter(Qt::Vertical, resultBox);
    split->setObjectName(QStringLiteral("bequestSplitter"));
    split->setChildrenCollapsible(false);
    m_branchTable = makeTable(split, QStringLiteral("tblBequestBranches"), m_branches);
    m_recipientTable = makeTable(split, QStringLiteral("tblBequestRecipients"), m_recipients);
    m_heirTable = makeTable(split, QStringLiteral("tblBequestHeirs"), m_heirs);
    m_workingText = new QTextBrowser(split);
    m_workingText->setObjectName(QStringLiteral("txtBequestWorking"));
    m_workingText->setOpenLinks(false);
    for (QWidget *w : {static_cast<QWidget *>(m_branchTable), static_cast<QWidget *>(m_recipientTable),
                       static_cast<QWidget *>(m_heirTable), static_cast<QWidget *>(m_workingText)})
        split->addWidget(w);
    for (int k : {0, 1, 2, 3})
        split->setStretchFactor(k, k == 0 ? 1 : 2);
    m_branchTable->horizontalHeader()->setSectionResizeMode(details::BequestModel::Child, QHeaderView::Stretch);
    m_branchTable->horizontalHeader()->setStretchLastSection(false);
    resultLayout->addWidget(split, 1);

    side->addLayout(editor, 5);
    side->addWidget(resultBox, 8);
    // Compact, so that the page fits a 768 pixels high screen unscrolled.
    side->setContentsMargins(4, 4, 4, 4);
    for (QBoxLayout *l : {static_cast<QBoxLayout *>(childLayout), static_cast<QBoxLayout *>(descLayout),
                          static_cast<QBoxLayout *>(resultLayout)}) {
        l->setSpacing(4);
        l->setContentsMargins(6, 4, 6, 4);
    }
    for (QLabel *l : {m_code, m_message})
        l->setMinimumHeight(l->fontMetrics().lineSpacing() * 3 + 2);
    for (QWidget *w : {static_cast<QWidget *>(m_branchTable), static_cast<QWidget *>(m_recipientTable),
                       static_cast<QWidget *>(m_heirTable), static_cast<QWidget *>(m_workingText),
                       static_cast<QWidget *>(m_descendants)})
        w->setMinimumHeight(fontMetrics().height() * 3);

    setTabOrder(m_childBox, m_addChild);
    setTabOrder(m_addChild, m_children);
    setTabOrder(m_children, m_removeChild);
    setTabOrder(m_removeChild, m_addBelow);
    setTabOrder(m_addBelow, m_pathBox);
    setTabOrder(m_pathBox, m_count);
    setTabOrder(m_count, m_gift);
    setTabOrder(m_gift, m_addDescendant);
    setTabOrder(m_addDescendant, m_descendants);
    setTabOrder(m_descendants, m_removeDescendant);
}

void BequestPanel::setLanguage(Language language)
{
    m_language = language;
    captions::apply(this, details::BequestCaptions, language);
    const int child = std::max(0, m_childBox->currentIndex());
    m_childBox->clear();
    for (const char *c : {"son", "daughter"})
        m_childBox->addItem(sentenceCase(report::relativeName(*Path::parse(c), language, 1)));
    m_childBox->setCurrentIndex(child);
    m_gift->setPlaceholderText(bequestCaption("giftPlaceholder", language));
    m_descendants->setHorizontalHeaderLabels({bequestCaption("colDescendant", language),
                                              bequestCaption("colCount", language),
                                              bequestCaption("colGift", language)});
    m_branches->setLanguage(language);
    m_recipients->setLanguage(language);
    m_heirs->setLanguage(language);
    showChildren();
}

void BequestPanel::setPredeceased(const std::vector<engine::Predeceased> &predeceased)
{
    m_predeceased = predeceased;
    showChildren();
}

engine::Predeceased *BequestPanel::current()
{
    const int row = m_children->currentRow();
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return nullptr;
    std::vector<engine::Predeceased> *level = &m_predeceased;
    engine::Predeceased *p = nullptr;
    for (std::size_t k : m_rows[std::size_t(row)]) {
        p = &(*level)[k];
        level = &p->predeceased;
    }
    return p;
}

Path BequestPanel::currentPath() const
{
    const int row = m_children->currentRow();
    std::string text;
    const std::vector<engine::Predeceased> *level = &m_predeceased;
    for (std::size_t k : m_rows[std::size_t(row)]) {
        const engine::Predeceased &p = (*level)[k];
        text += (text.empty() ? "" : ".") + p.child.text();
        level = &p.predeceased;
    }
    return *Path::parse(text);
}

void BequestPanel::showChildren()
{
    const int row = m_children->currentRow();
    showChildren(row >= 0 && std::size_t(row) < m_rows.size() ? m_rows[std::size_t(row)] : std::vector<std::size_t>{0});
}

void BequestPanel::showChildren(const std::vector<std::size_t> &select)
{
    const QSignalBlocker block(m_children);
    m_children->clear();
    m_rows.clear();
    // Each child, then his own children who also died before, indented.
    auto add = [&](auto &&self, const std::vector<engine::Predeceased> &level, std::vector<std::size_t> chain,
                   const std::string &above) -> void {
        for (std::size_t k = 0; k < level.size(); ++k) {
            const engine::Predeceased &p = level[k];
            chain.push_back(k);
            const std::string path = above.empty() ? p.child.text() : above + '.' + p.child.text();
            int heads = 0;
            for (const engine::Member &m : p.descendants)
                heads += m.count;
            // The group's title says they died before: the list names them.
            const Path at = *Path::parse(path);
            auto *item = new QListWidgetItem(QString(int(chain.size() - 1) * 4, QLatin1Char(' '))
                                             + bequestCaption("childItem", m_language)
                                                   .arg(sentenceCase(report::relativeName(at, m_language, 1)))
                                                   .arg(heads));
            item->setToolTip(report::predeceasedName(at, m_language));
            m_children->addItem(item);
            m_rows.push_back(chain);
            self(self, p.predeceased, chain, path);
            chain.pop_back();
        }
    };
    add(add, m_predeceased, {}, std::string());
    int row = 0;
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        if (m_rows[r] == select)
            row = int(r);
    if (!m_rows.empty())
        m_children->setCurrentRow(row);
    m_removeChild->setEnabled(!m_rows.empty());
    showDescendants();
}

void BequestPanel::fillPaths()
{
    const engine::Predeceased *p = current();
    const int was = m_pathBox->currentIndex();
    m_pathBox->clear();
    if (!p)
        return;
    const Path child = currentPath();
    for (const Path &below : descentPaths(DescendantDepth)) {
        m_pathBox->addItem(sentenceCase(report::relativeName(fromDeceased(child, below), m_language, 1)),
                           QString::fromStdString(below.text()));
        m_pathBox->setItemData(m_pathBox->count() - 1, QString::fromStdString(below.text()), Qt::ToolTipRole);
    }
    m_pathBox->setCurrentIndex(std::max(0, was));
}

void BequestPanel::showDescendants()
{
    const engine::Predeceased *p = current();
    fillPaths();
    for (QWidget *w : std::initializer_list<QWidget *>{m_pathBox, m_count, m_gift, m_addDescendant, m_descendants})
        w->setEnabled(p != nullptr);
    m_addBelow->setEnabled(p && m_rows[std::size_t(m_children->currentRow())].size() < PredeceasedDepth);
    m_descendants->setRowCount(0);
    if (!p) {
        m_removeDescendant->setEnabled(false);
        return;
    }
    const Path child = currentPath();
    for (const engine::Member &m : p->descendants) {
        const int row = m_descendants->rowCount();
        m_descendants->insertRow(row);
        auto *name = new QTableWidgetItem(report::relativeName(fromDeceased(child, m.path), m_language, m.count));
        name->setToolTip(QString::fromStdString(m.path.text()));
        m_descendants->setItem(row, 0, name);
        auto *count = new QTableWidgetItem(QString::number(m.count));
        count->setTextAlignment(Qt::AlignCenter);
        m_descendants->setItem(row, 1, count);
        QString gift;
        for (const engine::Gift &g : p->gifts)
            if (g.descendant == m.path)
                gift = details::shareText(g.amount) + QStringLiteral(" (") + details::percentText(g.amount)
                    + QStringLiteral(" %)");
        auto *giftItem = new QTableWidgetItem(gift);
        giftItem->setTextAlignment(Qt::AlignCenter);
        m_descendants->setItem(row, 2, giftItem);
    }
    if (m_descendants->rowCount() > 0)
        m_descendants->selectRow(0);
    m_removeDescendant->setEnabled(m_descendants->rowCount() > 0);
}

std::optional<Rational> BequestPanel::parseGift(const QString &typed)
{
    // Arabic-Indic digits and the Arabic percent sign count as typed.
    QString text;
    for (QChar c : typed.trimmed()) {
        if (c.unicode() >= 0x0660 && c.unicode() <= 0x0669)
            c = QChar(u'0' + (c.unicode() - 0x0660));
        else if (c.unicode() >= 0x06F0 && c.unicode() <= 0x06F9)
            c = QChar(u'0' + (c.unicode() - 0x06F0));
        else if (c.unicode() == 0x066A)
            c = QLatin1Char('%');
        else if (c.unicode() == 0x066B)
            c = QLatin1Char('.');
        if (!c.isSpace())
            text += c;
    }
    if (text.isEmpty())
        return Rational();
    if (text.endsWith(QLatin1Char('%'))) {
        // A percentage with up to four decimals.
        const QString number = text.chopped(1);
        const QStringList parts = number.split(QLatin1Char('.'));
        if (parts.size() > 2 || parts[0].isEmpty() || (parts.size() == 2 && (parts[1].isEmpty() || parts[1].size() > 4)))
            return std::nullopt;
        bool okWhole = false, okDecimals = true;
        const qint64 whole = parts[0].toLongLong(&okWhole);
        qint64 decimals = 0, scale = 1;
        if (parts.size() == 2) {
            decimals = parts[1].toLongLong(&okDecimals);
            for (int i = 0; i < parts[1].size(); ++i)
                scale *= 10;
        }
        if (!okWhole || !okDecimals || whole < 0 || decimals < 0 || whole > 100)
            return std::nullopt;
        const Rational r(whole * scale + decimals, 100 * scale);
        return r > Rational(1) ? std::nullopt : std::optional<Rational>(r);
    }
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return std::nullopt;
    bool okN = false, okD = false;
    const qint64 n = parts[0].toLongLong(&okN);
    const qint64 d = parts[1].toLongLong(&okD);
    if (!okN || !okD || n < 0 || d <= 0 || n > d)
        return std::nullopt;
    return Rational(n, d);
}

void BequestPanel::addChild(bool below)
{
    engine::Predeceased p;
    p.child = *Path::parse(m_childBox->currentIndex() == 1 ? "daughter" : "son");
    engine::Predeceased *parent = below ? current() : nullptr;
    if (below && (!parent || m_rows[std::size_t(m_children->currentRow())].size() >= PredeceasedDepth))
        return;
    std::vector<std::size_t> chain = parent ? m_rows[std::size_t(m_children->currentRow())] : std::vector<std::size_t>{};
    std::vector<engine::Predeceased> &level = parent ? parent->predeceased : m_predeceased;
    level.push_back(p);
    chain.push_back(level.size() - 1);
    showChildren(chain);
    m_message->hide();
    emit predeceasedChanged();
    m_pathBox->setFocus();
}

void BequestPanel::removeChild()
{
    const int row = m_children->currentRow();
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return;
    std::vector<std::size_t> chain = m_rows[std::size_t(row)];
    std::vector<engine::Predeceased> *level = &m_predeceased;
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        level = &(*level)[chain[i]].predeceased;
    level->erase(level->begin() + std::ptrdiff_t(chain.back()));
    // The one before it, or its parent.
    if (chain.back() > 0)
        --chain.back();
    else
        chain.pop_back();
    showChildren(chain.empty() ? std::vector<std::size_t>{0} : chain);
    m_message->hide();
    emit predeceasedChanged();
}

void BequestPanel::addDescendant()
{
    engine::Predeceased *p = current();
    if (!p || m_pathBox->currentIndex() < 0)
        return;
    const auto gift = parseGift(m_gift->text());
    if (!gift) {
        m_message->setText(bequestCaption("badGift", m_language));
        m_message->show();
        m_gift->setFocus();
        return;
    }
    m_message->hide();
    const Path path = *Path::parse(m_pathBox->currentData().toString().toStdString());
    auto it = std::find_if(p->descendants.begin(), p->descendants.end(),
                           [&](const engine::Member &m) { return m.path == path; });
    if (it != p->descendants.end())
        it->count = m_count->value();
    else
        p->descendants.push_back({path, m_count->value()});
    p->gifts.erase(std::remove_if(p->gifts.begin(), p->gifts.end(),
                                  [&](const engine::Gift &g) { return g.descendant == path; }),
                   p->gifts.end());
    if (!gift->isZero())
        p->gifts.push_back({path, *gift});
    m_count->setValue(1);
    m_gift->clear();
    showChildren();
    emit predeceasedChanged();
    m_pathBox->setFocus();
}

void BequestPanel::removeDescendant()
{
    engine::Predeceased *p = current();
    const int row = m_descendants->currentRow();
    if (!p || row < 0 || std::size_t(row) >= p->descendants.size())
        return;
    const Path path = p->descendants[std::size_t(row)].path;
    p->descendants.erase(p->descendants.begin() + row);
    p->gifts.erase(std::remove_if(p->gifts.begin(), p->gifts.end(),
                                  [&](const engine::Gift &g) { return g.descendant == path; }),
                   p->gifts.end());
    showChildren();
    emit predeceasedChanged();
}

void BequestPanel::showResult(const engine::BequestResult &result, const Views &views, double estate)
{
    m_given = result.code != ObligatoryBequest::None;
    m_working = report::bequestSteps(result, views, m_language);
    m_code->setText(m_given ? bequestCaption("codeGives", m_language).arg(report::viewAttribution(views, View::ObligatoryBequest, m_language))
                            : bequestCaption("noBequest", m_language));
    if (m_given) {
        m_branches->setResult(result, estate);
        m_recipients->setResult(result, estate);
    } else {
        m_branches->clear();
        m_recipients->clear();
    }
    m_heirs->setResult(result, estate);
    m_branchTable->setVisible(m_given);
    m_recipientTable->setVisible(m_given);
    m_heirTable->setVisible(true);
    for (QTableView *t : {m_recipientTable, m_heirTable})
        t->setColumnHidden(details::BequestModel::Amount, estate < 0);
    QString html;
    for (const QString &s : m_working)
        html += QStringLiteral("<p>") + s.toHtmlEscaped() + QStringLiteral("</p>");
    m_workingText->setHtml(html);
}

void BequestPanel::showNothing(const QString &why)
{
    m_given = false;
    m_working = why.isEmpty() ? QStringList() : QStringList{why};
    m_code->setText(why.isEmpty() ? bequestCaption("noPredeceased", m_language) : why);
    m_branches->clear();
    m_recipients->clear();
    m_heirs->clear();
    m_branchTable->setVisible(false);
    m_recipientTable->setVisible(false);
    m_heirTable->setVisible(false);
    m_workingText->setHtml(QString());
}

QString BequestPanel::codeLine() const
{
    return m_code->text();
}
