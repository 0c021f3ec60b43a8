// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/working_document.h"

#include "details/tree_document.h"
#include "details/working_model.h"

#include <QFileInfo>
#include <QFont>
#include <QFile>
#include <QList>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <type_traits>

namespace details::document {
namespace {

// The text width of an A4 page with 15 mm margins, in the document's pixels
// (QTextDocument::print lays the page out at 96 to the inch).
constexpr double PageWidth = 180 / 25.4 * 96;

QString esc(const QString &s)
{
    return s.toHtmlEscaped();
}

QString list(const QString &title, const QStringList &items)
{
    if (items.isEmpty())
        return {};
    QString out = QStringLiteral("<h3>%1</h3><ul>").arg(esc(title));
    for (const QString &item : items)
        out += QStringLiteral("<li>%1</li>").arg(esc(item));
    return out + QStringLiteral("</ul>");
}

// A ruled table of a model; empty columns (the 'awl or return column of a
// case without either) are left out. Qt lays a right-to-left table out from
// the right only now and then (it depends on what surrounds the table), so
// the columns are written in the order they stand on the page, and only the
// cells carry the direction.
template<class Model>
QString headerOf(const Model &m, int c)
{
    if constexpr (std::is_same_v<Model, TextTable>)
        return m.headerText(c);
    else
        return m.header(c);
}

template<class Model>
QString table(const Model &m, int columns, bool skipAwl, bool rtl)
{
    QList<int> order;
    for (int c = 0; c < columns; ++c)
        if (!(skipAwl && c == WorkingModel::AwlOrReturn))
            order << c;
    if (rtl)
        std::reverse(order.begin(), order.end());
    const QString dir = rtl ? QStringLiteral(" dir=\"rtl\"") : QString();
    const QString leading = rtl ? QStringLiteral("right") : QStringLiteral("left");
    QString out = QStringLiteral(
        "<table dir=\"ltr\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
        "style=\"border-collapse: collapse; border-color: #444;\"><thead><tr>");
    for (int c : order)
        out += QStringLiteral("<th%1 bgcolor=\"#e8e8e8\">%2</th>").arg(dir, esc(headerOf(m, c)));
    out += QStringLiteral("</tr></thead>");
    for (int r = 0; r < m.rowCount(); ++r) {
        out += QStringLiteral("<tr>");
        for (int c : order)
            out += QStringLiteral("<td%1 align=\"%2\" valign=\"middle\">%3</td>")
                       .arg(c == 0 ? dir : QString(), c == 0 ? leading : QStringLiteral("center"), esc(m.text(r, c)));
        out += QStringLiteral("</tr>");
    }
    return out + QStringLiteral("</table>");
}

QString workingTable(const WorkingModel &m, bool rtl)
{
    return table(m, WorkingModel::ColumnCount, !m.hasAwlOrReturn(), rtl);
}

} // namespace

QString html(const Parts &p)
{
    const bool rtl = p.language != Language::English;
    const QString dir = rtl ? QStringLiteral("rtl") : QStringLiteral("ltr");
    QString out = QStringLiteral("<html dir=\"%1\"><body dir=\"%1\">").arg(dir);
    out += QStringLiteral("<h2 align=\"center\">%1</h2>").arg(esc(p.title));
    out += QStringLiteral("<p>");
    for (const QString &line : p.particulars)
        out += esc(line) + QStringLiteral("<br/>");
    out += QStringLiteral("</p>");
    if (!p.family.isEmpty())
        out += QStringLiteral("<p>%1</p>").arg(esc(p.family.join(QStringLiteral(" · "))));
    if (p.working && p.working->rowCount() > 0) {
        out += QStringLiteral("<h3>%1</h3>").arg(esc(p.workingTitle)) + workingTable(*p.working, rtl);
        if (p.other && p.other->rowCount() > 0)
            out += QStringLiteral("<h3>%1</h3>").arg(esc(p.otherTitle)) + workingTable(*p.other, rtl);
    }
    out += list(p.excludedTitle, p.excluded);
    out += list(p.stepsTitle, p.steps);
    if (p.amounts && p.amounts->rowCount() > 0) {
        out += QStringLiteral("<h3>%1</h3><p>").arg(esc(p.amountsTitle));
        for (const QString &line : p.amountsSummary)
            out += esc(line) + QStringLiteral("<br/>");
        out += QStringLiteral("</p>") + table(*p.amounts, AmountsModel::ColumnCount, false, rtl);
    }
    for (const TextTable &t : p.tables) {
        out += QStringLiteral("<h3>%1</h3>").arg(esc(t.title)) + table(t, int(t.header.size()), false, rtl);
        for (const QString &line : t.notes)
            out += QStringLiteral("<p>%1</p>").arg(esc(line));
    }
    return out + QStringLiteral("</body></html>");
}

void build(QTextDocument &doc, const Parts &p)
{
    QFont font(p.language == Language::English ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    QTextOption option = doc.defaultTextOption();
    // A name of one long word still wraps instead of running off the page.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(p.language == Language::English ? Qt::LeftToRight : Qt::RightToLeft);
    doc.setDefaultTextOption(option);
    doc.setHtml(html(p));
    if (p.tree)
        tree::append(doc, *p.tree, p.chart, PageWidth);
}

bool print(const Parts &p, QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(p.title);
    QTextDocument doc;
    build(doc, p);
    // QTextDocument::print says nothing when the file cannot be written:
    // try it first, so that a failure is known.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        QFile file(printer.outputFileName());
        if (printer.outputFileName().isEmpty() || !file.open(QIODevice::WriteOnly))
            return false;
    }
    doc.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QFileInfo file(printer.outputFileName());
        return file.exists() && file.size() > 0;
    }
    return true;
}

} // namespace details::document
