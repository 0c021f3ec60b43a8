// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"
#include "case/case_record.h"

#include <QList>
#include <QString>

// Report composition without widgets: the on-screen lines and the printed
// heir lines and totals, from a case record and a language (0 Arabic,
// 1 English). Numbers never depend on the system locale.
namespace report {

// One on-screen line: heir label and percentage text ("66.67    %").
struct ScreenLine
{
    int row = 0;          // 1..24, the heir row
    QString label;
    QString percent;
};

// One printed heir row whose tested share is not 0. `printed` is false when
// the counts chose no label (only the blank line is printed then).
struct PrintedRow
{
    int row = 0;
    bool printed = false;
    QString label;
    QString percent;
    long long shares = 0; // shares out of 2400, halves to even
};

struct PrintedTotals
{
    QString percent;     // 100 x ShareTotal, plain, up to 15 significant digits
    long long shares = 0; // 2400 x ShareTotal, halves to even
};

// Value of a heir row as a fraction of the estate (whole share, or per-head
// share times its count), and the share tested for the row.
double rowValue(const CaseRecord &c, int row);
double rowTestedShare(const CaseRecord &c, int row);

// "###.00" of 100 x value followed by "    %". 0.5 -> "50.00    %", 0.004 -> ".40    %".
QString percentageText(double value);
// Whole number of 2400ths, halves to the even neighbour.
long long sharesOf2400(double value);
// A plain decimal number with up to 15 significant digits and no exponent:
// 100 -> "100", 99.99999999999999 -> "100", 12.5 -> "12.5".
QString plainNumber(double value);

QList<ScreenLine> screenLines(const CaseRecord &c, Language language);
QList<PrintedRow> printedRows(const CaseRecord &c, Language language);
PrintedTotals printedTotals(const CaseRecord &c);

// The fixed texts of the no-heirs notice in a language.
QString noHeirsTitle(Language language);
QString noHeirsText(Language language);

} // namespace report
