// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPainter>
#include <QString>

class QPrinter;

namespace printing {

// One text item as it went onto the page. x is the print position it was
// printed at, in twips from the leading edge of the printable area (the left
// edge, or the right edge in right-to-left mode); y is its top, in twips from
// the top of the page's printable area. left and width give where it landed
// on the page, in twips from the left edge.
struct PrintedText
{
    QString text;
    double x = 0;
    double y = 0;
    double size = 0;
    bool bold = false;
    bool rtl = false;
    int page = 1;
    double left = 0;
    double width = 0;
};

using DisplayList = QList<PrintedText>;

// A line printer over QPainter with the vocabulary of the report's layout:
// a current position in twips, print and stay on the line, column stops
// counted in average character widths of the current font, end of line and
// end of document. In right-to-left mode positions and columns count from
// the right edge of the printable area and text runs right to left.
// Everything drawn is also kept in a display list.
class ReportPrinter
{
public:
    ReportPrinter(QPrinter &printer, const QString &family);

    // Opens the print job; false when the printer cannot be opened.
    bool begin();
    // Closes the job; false when the printer reported an error.
    bool endDoc();

    void setCurrentX(double twips) { m_x = twips; }
    void setCurrentY(double twips) { m_y = twips; }
    double currentX() const { return m_x; }
    double currentY() const { return m_y; }

    void setRightToLeft(bool on) { m_rtl = on; }
    void setFontBold(bool bold);
    void setFontSize(double points);

    // Prints the text at the current position and stays on the line.
    void print(const QString &text);
    // The same, but a text wider than the room between the position and the
    // far edge of the printable area goes on over as many lines as it needs,
    // each starting at the position, broken between words where it can.
    void printWrapped(const QString &text);
    // Moves to column n of the line (1 is the leading edge); past it, to
    // column n of the next line.
    void column(int n);
    // Ends the line; on an empty line this prints a blank line.
    void endLine();

    // Twips of the current font: the width of a column (the average
    // character), line spacing.
    double columnWidth() const;
    double lineHeight() const;
    double pageWidth() const { return m_pageWidth; }
    double pageHeight() const { return m_pageHeight; }

    const DisplayList &displayList() const { return m_drawn; }

private:
    double toDevice(double twips) const;
    double toTwips(double device) const;
    double textWidth(const QString &text) const;

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    bool m_rtl = false;
    bool m_open = false;
    bool m_failed = false;
    double m_x = 0;
    double m_y = 0;
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    int m_page = 1;
    DisplayList m_drawn;
};

} // namespace printing
