// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ui/print_results.h"

#include "case/case_record.h"
#include "report/composition.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/window_names.h"

#include <QPrinter>

namespace printing {
namespace {

QString text(const char *key, Language language)
{
    return captions::text(windows::Results, QLatin1String("PrintResults.") + QLatin1String(key),
                          language);
}

// Blank lines are lines with nothing printed on them.
void blankLines(ReportPrinter &p, int count)
{
    for (int i = 0; i < count; ++i)
        p.endLine();
}

// A number as the printer writes it: a space where a minus sign would go.
QString signedNumber(long long n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

} // namespace

QString pageFamily()
{
    return QStringLiteral("Arial");
}

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd' - 'MM' - 'yyyy' '"));
}

void layOutReport(ReportPrinter &p, const CaseRecord &c, const QString &deceasedName,
                  const QDate &date)
{
    const Language lang = languageOf(c);
    const QString stars = QLatin1Char(' ') + QString(55, QLatin1Char('*'));
    const QString rule = QLatin1Char(' ') + QString(54, QLatin1Char('_'));
    const QString longRule = QLatin1Char(' ') + QString(64, QLatin1Char('_'));

    p.setCurrentX(3200);
    p.setCurrentY(1500);
    if (lang == Language::Arabic) {
        p.setRightToLeft(true);
        p.setFontBold(true);
    } else {
        p.setFontBold(false);
    }
    p.setFontSize(24);
    p.setCurrentX(3200);
    p.print(text("title", lang));
    p.endLine();

    p.setFontSize(12);
    blankLines(p, 1);
    p.setCurrentX(lang == Language::Arabic ? 3500 : 2500);
    p.print(text("credit", lang));
    p.endLine();
    blankLines(p, 1);

    p.setCurrentX(3200);
    p.print(stars);
    p.endLine();
    blankLines(p, 2);

    p.setCurrentX(1200);
    p.setFontSize(lang == Language::Arabic ? 18 : 16);
    p.printWrapped(text("name", lang) + deceasedName);
    p.endLine();
    blankLines(p, 1);

    p.setCurrentX(1200);
    p.print(text("date", lang));
    p.print(dateText(date));
    p.endLine();
    blankLines(p, 2);

    p.setFontSize(14);
    p.setCurrentX(lang == Language::Arabic ? 1200 : 2200);
    p.print(text("heading", lang));
    p.endLine();
    p.setCurrentX(1200);
    p.print(rule);
    p.endLine();
    blankLines(p, 2);

    p.setFontSize(12);
    p.setCurrentX(1200);
    p.column(45);
    p.print(text("percentColumn", lang));
    p.column(74);
    p.print(text("sharesColumn", lang));
    p.endLine();
    blankLines(p, 2);

    for (const report::PrintedRow &row : report::printedRows(c, lang)) {
        p.setCurrentX(1200);
        if (row.printed) {
            p.print(row.label);
            p.column(45);
            p.print(row.percent);
            p.column(75);
            p.print(signedNumber(row.shares));
            p.endLine();
        }
        blankLines(p, 1);
    }

    const report::PrintedTotals totals = report::printedTotals(c);
    p.setCurrentX(1200);
    p.print(longRule);
    p.endLine();
    blankLines(p, 2);
    p.column(40);
    p.print(text("total", lang) + totals.percent + QLatin1Char('%'));
    p.column(65);
    p.print(text("totalShares", lang) + QString::number(totals.shares) + text("shareUnit", lang));
    p.endLine();
}

bool PrintResults(QPrinter &printer, DisplayList *drawn)
{
    return PrintResults(printer, theCase(), caseaccess::deceasedName(), QDate::currentDate(), drawn);
}

bool PrintResults(QPrinter &printer, const CaseRecord &c, const QString &deceasedName, const QDate &date,
                  DisplayList *drawn)
{
    ReportPrinter p(printer, pageFamily());
    if (!p.begin())
        return false;
    layOutReport(p, c, deceasedName, date);
    const bool ok = p.endDoc();
    if (drawn)
        *drawn = p.displayList();
    return ok;
}

} // namespace printing
