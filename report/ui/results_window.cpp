// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ui/results_window.h"

#include "case/case_record.h"
#include "report/composition.h"
#include "report/ui/printing.h"
#include "report/ui/results_layout.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/language.h"

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

const QString WindowName = QStringLiteral("Results");
const QColor DarkRed(192, 0, 0);
const QColor DarkBlue(0, 0, 192);
const QColor Blue(0, 0, 255);

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QFont &font, Qt::Alignment align)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setAlignment(align);
    return l;
}

QFrame *makeBar(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(name);
    bar->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; border-radius: 4px; }")
                           .arg(name, colour.name()));
    return bar;
}

// The design face of the report lines; the size is set when a line is
// composed and English takes Times New Roman.
QFont lineFont()
{
    return fonts::design(QStringLiteral("Arial"), 9);
}

} // namespace

Results::Results(QWidget *parent)
    : CaseDialog(WindowName, parent)
    , m_language(language::current() == 1 ? 1 : 0)
{
    buildDesign();

    // Load sequence.
    geom::placeWindow(this, resultslayout::window(geom::screenTwips()));
    m_finish->setVisible(true);
    hideLines();
    if (m_language == 1)
        presentEnglish();
    fitHeading();
    composeLines();
    theCase().GrandFatherAsFather = 0;
}

void Results::buildDesign()
{
    language::applyDirection(this, 0);

    auto *title = new QLineEdit(this);
    title->setObjectName(QStringLiteral("txtTitle"));
    title->setReadOnly(true);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 15.75));
    setTextColour(title, DarkRed);

    auto *credit = makeLabel(this, QStringLiteral("Label1"),
                             fonts::design(QStringLiteral("Simplified Arabic"), 12), Qt::AlignCenter);
    credit->setWordWrap(true);
    setTextColour(makeLabel(this, QStringLiteral("lblName"),
                            fonts::design(QStringLiteral("Traditional Arabic"), 12), Qt::AlignCenter),
                  Blue);
    setTextColour(makeLabel(this, QStringLiteral("lblResultsName"),
                            fonts::design(QStringLiteral("Arial"), 12), Qt::AlignCenter),
                  DarkRed);
    setTextColour(makeLabel(this, QStringLiteral("lblDate"), font(), Qt::AlignCenter), Blue);

    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("cmdPrint"));
    m_print->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 14.25));
    m_print->setAutoDefault(false);
    m_finish = new QPushButton(this);
    m_finish->setObjectName(QStringLiteral("cmdFinish"));
    m_finish->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 14.25));
    m_finish->setAutoDefault(false);
    connect(m_print, &QPushButton::clicked, this, &Results::onPrint);
    connect(m_finish, &QPushButton::clicked, this, &Results::onFinish);

    const QColor green(192, 255, 192), salmon(255, 128, 128);
    makeBar(this, QStringLiteral("Shape1"), green);
    makeBar(this, QStringLiteral("Shape2"), salmon);
    makeBar(this, QStringLiteral("Shape3"), green);
    makeBar(this, QStringLiteral("Shape4"), salmon);

    for (int k = 0; k < resultslayout::DesignSlots; ++k)
        ensureSlot(k);

    const auto rects = resultslayout::controls(0);
    for (auto it = rects.begin(); it != rects.end(); ++it)
        if (auto *w = findChild<QWidget *>(it.key()))
            geom::placeControl(w, it.value());

    captions::apply(this, WindowName, 0);
}

// Slots beyond the design's ten are made when a case has more lines, in the
// presentation the load gave the first ten.
void Results::ensureSlot(int slot)
{
    while (m_labels.size() <= slot) {
        const int k = int(m_labels.size());
        auto *label = makeLabel(this, resultslayout::labelName(k), lineFont(), Qt::AlignRight);
        setTextColour(label, DarkBlue);
        auto *value = new QLineEdit(this);
        value->setObjectName(resultslayout::valueName(k));
        value->setReadOnly(true);
        value->setFont(lineFont());
        setTextColour(value, DarkRed);
        label->hide();
        value->hide();
        m_labels.append(label);
        m_values.append(value);
        presentSlot(k, k < resultslayout::DesignSlots ? 0 : m_language);
    }
}

// Direction, alignment, typeface and place of a line slot in a language.
void Results::presentSlot(int k, int language)
{
    QLabel *label = m_labels[k];
    QLineEdit *value = m_values[k];
    const bool english = language == 1;
    const QString family = english ? QStringLiteral("Times New Roman") : QStringLiteral("Arial");
    label->setLayoutDirection(english ? Qt::LeftToRight : Qt::RightToLeft);
    label->setAlignment(english ? Qt::AlignLeft | Qt::AlignVCenter
                                : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    QFont lf = label->font();
    lf.setFamily(family);
    label->setFont(lf);
    geom::placeControl(label, resultslayout::labelSlot(k, language));

    value->setLayoutDirection(english ? Qt::LeftToRight : Qt::RightToLeft);
    // A right-to-left text box keeps its text at the right, next to the
    // label; digits alone would otherwise pull it to the left.
    value->setAlignment(english ? Qt::AlignLeft | Qt::AlignVCenter
                                : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    QFont vf = value->font();
    vf.setFamily(family);
    value->setFont(vf);
    geom::placeControl(value, resultslayout::valueSlot(k, language));
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
    language::applyDirection(this, 1);
    QFont windowFont = font();
    windowFont.setFamily(QStringLiteral("Times New Roman"));
    setFont(windowFont);
    for (int k = 0; k < m_labels.size(); ++k)
        presentSlot(k, 1);
    captions::apply(this, WindowName, 1);

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
    const double size = m_language == 1 ? 11 : 9;
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
    const QRectF l = resultslayout::labelSlot(slot, m_language);
    const QRectF v = resultslayout::valueSlot(slot, m_language);
    const double room = m_language == 1 ? std::min(l.width(), v.left() - l.left()) : l.width();
    const double available = geom::toPixels(room) - 2;
    QFont f = label->font();
    while (f.pointSizeF() > 6 && QFontMetricsF(f).horizontalAdvance(label->text()) > available)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
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
                               geom::toPixels(resultslayout::linesRight()) - centre});
    heading->setGeometry(centre - half, box.y(), 2 * half, box.height());
    QFont f = heading->font();
    while (f.pointSizeF() > 6 && QFontMetricsF(f).horizontalAdvance(heading->text()) + 8 > 2 * half)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    heading->setFont(f);
}

// Lines that do not fit below the design's ten go into a scrolling band, so
// that every line of a large case can be read.
void Results::fitLines()
{
    const double clientHeight = geom::toTwips(height());
    if (m_nextSlot <= resultslayout::slotsFitting(clientHeight))
        return;
    const double left = resultslayout::linesLeft();
    const double top = resultslayout::LineTop;
    m_lineArea = new QScrollArea(this);
    m_lineArea->setObjectName(QStringLiteral("lineArea"));
    m_lineArea->setFrameShape(QFrame::NoFrame);
    m_lineArea->setLayoutDirection(Qt::LeftToRight);
    m_lineArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lineArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lineArea->viewport()->setAutoFillBackground(false);
    geom::placeControl(m_lineArea, QRectF(left, top, resultslayout::linesRight() - left,
                                          clientHeight - top));
    m_lineArea->setWidgetResizable(true);
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("lineAreaContent"));
    content->setAutoFillBackground(false);
    content->setMinimumHeight(geom::toPixels(resultslayout::LineStep * m_labels.size()));
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
    ui::showModeless(QStringLiteral("frmwhattodo"));
}

void Results::onPrint()
{
    // A cancel or a failure leaves the window as it is; the failure has
    // been reported by then.
    if (printing::chooseAndPrint(this) != printing::PrintOutcome::Printed)
        return;
    ui::showModal(QStringLiteral("frmwhattodo"));
}
