// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ui/report_printer.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QTextLayout>
#include <QTextOption>

namespace printing {

ReportPrinter::ReportPrinter(QPrinter &printer, const QString &family)
    : m_printer(printer)
    , m_font(family)
{
    m_font.setPointSizeF(12);
}

bool ReportPrinter::begin()
{
    if (!m_painter.begin(&m_printer))
        return false;
    m_open = true;
    m_pageWidth = toTwips(m_printer.width());
    m_pageHeight = toTwips(m_printer.height());
    m_painter.setPen(Qt::black);
    return true;
}

bool ReportPrinter::endDoc()
{
    if (!m_open)
        return false;
    m_open = false;
    const bool ended = m_painter.end();
    return ended && !m_failed && m_printer.printerState() != QPrinter::Error;
}

void ReportPrinter::setFontBold(bool bold)
{
    m_font.setBold(bold);
}

void ReportPrinter::setFontSize(double points)
{
    m_font.setPointSizeF(points);
}

double ReportPrinter::toDevice(double twips) const
{
    return twips * m_printer.resolution() / 1440.0;
}

double ReportPrinter::toTwips(double device) const
{
    return device * 1440.0 / m_printer.resolution();
}

double ReportPrinter::textWidth(const QString &text) const
{
    return toTwips(QFontMetricsF(m_font, &m_printer).horizontalAdvance(text));
}

double ReportPrinter::columnWidth() const
{
    // The average character width in the classic sense: lowercase letters
    // and the space weighted by their frequency in English text. The page
    // face is metric-compatible with Arial, so this reproduces the columns
    // of the designed page; the all-glyph average that newer fonts declare
    // is about a third wider and pushes the last column off an A4 page.
    static const int weights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                    56, 56, 17, 4, 49, 56, 71, 31, 10, 18, 3, 18, 2};
    const QFontMetricsF fm(m_font, &m_printer);
    double sum = 166 * fm.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i)
        sum += weights[i] * fm.horizontalAdvance(QChar(u'a' + i));
    return toTwips(sum / 1000);
}

double ReportPrinter::lineHeight() const
{
    return toTwips(QFontMetricsF(m_font, &m_printer).lineSpacing());
}

void ReportPrinter::print(const QString &text)
{
    if (!m_open || text.isEmpty())
        return;
    const double height = lineHeight();
    // A line that would run past the bottom starts the next page.
    if (m_y > 0 && m_y + height > m_pageHeight) {
        if (!m_printer.newPage())
            m_failed = true;
        ++m_page;
        m_y = 0;
    }
    const double width = textWidth(text);
    const double left = m_rtl ? m_pageWidth - m_x - width : m_x;

    // One laid-out line, its visual right edge at the print position in
    // right-to-left mode, its left edge there otherwise. Every item of a
    // line sits on the same baseline, one ascent of the page face below the
    // line's top, whichever faces its letters come from.
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    option.setTextDirection(m_rtl ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment((m_rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
    QTextLayout layout(text, m_font, &m_printer);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(toDevice(width));
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const double baseline = toDevice(m_y) + QFontMetricsF(m_font, &m_printer).ascent();
    m_painter.setLayoutDirection(m_rtl ? Qt::RightToLeft : Qt::LeftToRight);
    layout.draw(&m_painter, QPointF(toDevice(left), baseline - line.ascent()));

    m_drawn.append(PrintedText{text, m_x, m_y, m_font.pointSizeF(), m_font.bold(), m_rtl,
                               m_page, left, width});
    m_x += width;
}

void ReportPrinter::printWrapped(const QString &text)
{
    const double room = m_pageWidth - m_x;
    if (!m_open || textWidth(text) <= room) {
        print(text);
        return;
    }
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(m_rtl ? Qt::RightToLeft : Qt::LeftToRight);
    QTextLayout layout(text, m_font, &m_printer);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<QString> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(toDevice(room));
        QString part = text.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && part.back().isSpace())
            part.chop(1);
        lines << (lines.isEmpty() ? part : part.trimmed());
    }
    layout.endLayout();
    const double x = m_x;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            endLine();
            m_x = x;
        }
        print(lines.at(i));
    }
}

void ReportPrinter::column(int n)
{
    const double stop = (n - 1) * columnWidth();
    // Text already past the stop (a long label) continues at the stop on
    // the next line, so that the columns stay aligned.
    if (m_x > stop)
        endLine();
    m_x = stop;
}

void ReportPrinter::endLine()
{
    m_y += lineHeight();
    m_x = 0;
}

} // namespace printing
