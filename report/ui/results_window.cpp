// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ui/results_window.h"

#include "case/case_record.h"
#include "report/composition.h"
#include "report/ui/printing.h"
#include "report/ui/results_layout.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/widgets.h"
#include "ui/window_names.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>
#include <cmath>

namespace {

const QString WindowName = windows::Results;
const QColor DarkRed(192, 0, 0);
const QColor DarkBlue(0, 0, 192);
const QColor Blue(0, 0, 255);

// The design face of the report lines; the size is set when a line is
// composed and English takes Times New Roman.
QFont lineFont()
{
    return fonts::design(QStringLiteral("Arial"), 9);
}

} // namespace

Results::Results(QWidget *parent)
    : CaseDialog(WindowName, parent)
    , m_language(language::current())
{
    buildDesign();

    // Load sequence.
    geom::placeWindow(this, layout::resultsWindow(geom::screenTwips()));
    m_finish->setVisible(true);
    hideLines();
    if (m_language == Language::English)
        presentEnglish();
    fitHeading();
    composeLines();
    theCase().GrandFatherAsFather = 0;
}

void Results::buildDesign()
{
    language::applyDirection(this, Language::Arabic);

    auto *title = new QLineEdit(this);
    title->setObjectName(QStringLiteral("txtTitle"));
    title->setReadOnly(true);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 15.75));
    widgets::setTextColour(title, DarkRed);

    auto *credit = widgets::label(this, QStringLiteral("Label1"),
                             fonts::design(QStringLiteral("Simplified Arabic"), 12), Qt::AlignCenter);
    credit->setWordWrap(true);
    widgets::setTextColour(widgets::label(this, QStringLiteral("lblName"),
                            fonts::design(QStringLiteral("Traditional Arabic"), 12), Qt::AlignCenter),
                  Blue);
    widgets::setTextColour(widgets::label(this, QStringLiteral("lblResultsName"),
                            fonts::design(QStringLiteral("Arial"), 12), Qt::AlignCenter),
                  DarkRed);
    widgets::setTextColour(widgets::label(this, QStringLiteral("lblDate"), font(), Qt::AlignCenter), Blue);

    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("cmdPrint"));
    m_print->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 14.25));
    m_print->setAutoDefault(false);
    m_finish = new QPushButton(this);
    m_finish->setObjectName(QStringLiteral("cmdFinish"));
    m_finish->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 14.25));
    m_finish->setAutoDefault(false);
    // The case details, below the design's two buttons in the column they
    // leave free.
    m_details = new QPushButton(this);
    m_details->setObjectName(QStringLiteral("cmdDetails"));
    m_details->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 12));
    m_details->setAutoDefault(false);
    connect(m_details, &QPushButton::clicked, this, [] {
        if (const auto &show = caseaccess::caseDetails().showCurrentCase)
            show();
    });
    connect(m_print, &QPushButton::clicked, this, &Results::onPrint);
    connect(m_finish, &QPushButton::clicked, this, &Results::onFinish);

    const QColor green(192, 255, 192), salmon(255, 128, 128);
    widgets::roundedBar(this, QStringLiteral("Shape1"), green);
    widgets::roundedBar(this, QStringLiteral("Shape2"), salmon);
    widgets::roundedBar(this, QStringLiteral("Shape3"), green);
    widgets::roundedBar(this, QStringLiteral("Shape4"), salmon);

    for (int k = 0; k < layout::ResultsDesignSlots; ++k)
        ensureSlot(k);

    geom::placeAll(this, layout::resultsControls(Language::Arabic));

    captions::apply(this, WindowName, Language::Arabic);
}

// Slots beyond the design's ten are made when a case has more lines, in the
// presentation the load gave the first ten.
void Results::ensureSlot(int slot)
{
    while (m_labels.size() <= slot) {
        const int k = int(m_labels.size());
        auto *label = widgets::label(this, layout::resultsLabelName(k), lineFont(), Qt::AlignRight);
        widgets::setTextColour(label, DarkBlue);
        auto *value = new QLineEdit(this);
        value->setObjectName(layout::resultsValueName(k));
        value->setReadOnly(true);
        value->setFont(lineFont());
        widgets::setTextColour(value, DarkRed);
        label->hide();
        value->hide();
        m_labels.append(label);
        m_values.append(value);
        presentSlot(k, k < layout::ResultsDesignSlots ? Language::Arabic : m_language);
    }
}

// Direction, alignment, typeface and place of a line slot in a language.
void Results::presentSlot(int k, Language language)
{
    QLabel *label = m_labels[k];
    QLineEdit *value = m_values[k];
    const bool english = language == Language::English;
    const QString family = english ? QStringLiteral("Times New Roman") : QStringLiteral("Arial");
    label->setLayoutDirection(english ? Qt::LeftToRight : Qt::RightToLeft);
    label->setAlignment(english ? Qt::AlignLeft | Qt::AlignVCenter
                                : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    QFont lf = label->font();
    lf.setFamily(family);
    label->setFont(lf);
    geom::placeControl(label, layout::resultsLabelSlot(k, language));

    value->setLayoutDirection(english ? Qt::LeftToRight : Qt::RightToLeft);
    // A right-to-left text box keeps its text at the right, next to the
    // label; digits alone would otherwise pull it to the left.
    value->setAlignment(english ? Qt::AlignLeft | Qt::AlignVCenter
                                : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    QFont vf = value->font();
    vf.setFamily(family);
    value->setFont(vf);
    geom::placeControl(value, layout::resultsValueSlot(k, language));
}

void Results::hideLines()
{
    for (int k = 0; k < m_labels.size(); ++k) {
        m_values[k]->hide();
        m_labels[k]->hide();
    }
    m_nextSlot = 0;
}

void Results::presentEnglish()
{
    language::applyDirection(this, Language::English);
    QFont windowFont = font();
    windowFont.setFamily(QStringLiteral("Times New Roman"));
    setFont(windowFont);
    for (int k = 0; k < m_labels.size(); ++k)
        presentSlot(k, Language::English);
    captions::apply(this, WindowName, Language::English);

    auto *title = findChild<QLineEdit *>(QStringLiteral("txtTitle"));
    QFont tf = title->font();
    tf.setFamily(QStringLiteral("Times New Roman"));
    tf.setPointSizeF(18);
    title->setFont(tf);
    title->setLayoutDirection(Qt::LeftToRight);

    auto *credit = findChild<QLabel *>(QStringLiteral("Label1"));
    QFont cf = credit->font();
    cf.setFamily(QStringLiteral("Times New Roman"));
    cf.setPointSizeF(12);
    credit->setFont(cf);
    credit->setLayoutDirection(Qt::LeftToRight);

    auto *heading = findChild<QLabel *>(QStringLiteral("lblResultsName"));
    QFont hf = heading->font();
    hf.setFamily(QStringLiteral("Times New Roman"));
    hf.setPointSizeF(14);
    heading->setFont(hf);
    heading->setLayoutDirection(Qt::LeftToRight);
}

void Results::composeLines()
{
    const double size = m_language == Language::English ? 11 : 9;
    const QList<report::ScreenLine> lines = report::screenLines(theCase(), m_language);
    for (const report::ScreenLine &line : lines) {
        const int k = m_nextSlot;
        ensureSlot(k);
        QLabel *label = m_labels[k];
        QLineEdit *value = m_values[k];
        QFont lf = label->font();
        lf.setPointSizeF(size);
        label->setFont(lf);
        QFont vf = value->font();
        vf.setPointSizeF(size);
        value->setFont(vf);
        label->setText(line.label);
        fitLineLabel(label, k);
        label->show();
        value->setText(line.percent);
        value->setCursorPosition(0);
        value->show();
        ++m_nextSlot;
    }
    fitLines();
}

// A few heir labels are longer than their slot (in English the value box
// also covers the slot's last 300 twips): such a label gets a smaller size
// instead of being cut off.
void Results::fitLineLabel(QLabel *label, int slot)
{
    const QRectF l = layout::resultsLabelSlot(slot, m_language);
    const QRectF v = layout::resultsValueSlot(slot, m_language);
    const double room = m_language == Language::English ? std::min(l.width(), v.left() - l.left()) : l.width();
    const double available = geom::toPixels(room) - 2;
    label->setFont(fonts::shrinkToFit(label->font(), 6, [label, available](const QFont &f) {
        return QFontMetricsF(f).horizontalAdvance(label->text()) <= available;
    }));
}

// The Arabic heading is wider than its box in the free faces: it widens
// about the same centre, as far as the decorative bars allow.
void Results::fitHeading()
{
    auto *heading = findChild<QLabel *>(QStringLiteral("lblResultsName"));
    const QRect box = heading->geometry();
    const double needed = QFontMetricsF(heading->font()).horizontalAdvance(heading->text()) + 8;
    if (needed <= box.width())
        return;
    const int centre = box.center().x();
    const int half = std::min({int(std::ceil(needed / 2)), centre,
                               geom::toPixels(layout::resultsLinesRight()) - centre});
    heading->setGeometry(centre - half, box.y(), 2 * half, box.height());
    heading->setFont(fonts::shrinkToFit(heading->font(), 6, [heading, half](const QFont &f) {
        return QFontMetricsF(f).horizontalAdvance(heading->text()) + 8 <= 2 * half;
    }));
}

// Lines that do not fit below the design's ten go into a scrolling band, so
// that every line of a large case can be read.
void Results::fitLines()
{
    const double clientHeight = geom::toTwips(height());
    if (m_nextSlot <= layout::resultsSlotsFitting(clientHeight))
        return;
    const double left = layout::resultsLinesLeft();
    const double top = layout::ResultsLineTop;
    m_lineArea = new QScrollArea(this);
    m_lineArea->setObjectName(QStringLiteral("lineArea"));
    m_lineArea->setFrameShape(QFrame::NoFrame);
    m_lineArea->setLayoutDirection(Qt::LeftToRight);
    m_lineArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lineArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lineArea->viewport()->setAutoFillBackground(false);
    geom::placeControl(m_lineArea, QRectF(left, top, layout::resultsLinesRight() - left,
                                          clientHeight - top));
    m_lineArea->setWidgetResizable(true);
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("lineAreaContent"));
    content->setAutoFillBackground(false);
    content->setMinimumHeight(geom::toPixels(layout::ResultsLineStep * m_labels.size()));
    const QPoint shift = QPoint(geom::toPixels(left), geom::toPixels(top));
    for (int k = 0; k < m_labels.size(); ++k) {
        for (QWidget *w : {static_cast<QWidget *>(m_labels[k]), static_cast<QWidget *>(m_values[k])}) {
            const QRect g = w->geometry().translated(-shift);
            const bool shown = k < m_nextSlot;
            w->setParent(content);
            w->setGeometry(g);
            w->setVisible(shown);
        }
    }
    m_lineArea->setWidget(content);
    m_lineArea->show();
}

void Results::onFinish()
{
    ui::showModeless(windows::AfterResults);
}

void Results::onPrint()
{
    // A cancel or a failure leaves the window as it is; the failure has
    // been reported by then.
    if (printing::chooseAndPrint(this) != printing::PrintOutcome::Printed)
        return;
    ui::showModal(windows::AfterResults);
}
