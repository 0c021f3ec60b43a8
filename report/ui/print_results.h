// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ui/report_printer.h"

#include <QDate>
#include <QString>

class QPrinter;
#include "case/case_record.h"

namespace printing {

// The page's typeface: Liberation Sans, with Noto Sans Arabic for Arabic
// letters (both extract cleanly from PDF).
QString pageFamily();

// "dd - mm - yyyy ", whatever the system locale.
QString dateText(const QDate &date);

// Lays the report of a case out on an opened printer: headings, one line per
// heir row with its percentage and shares out of 2400, the totals.
void layOutReport(ReportPrinter &printer, const CaseRecord &c, const QString &deceasedName,
                  const QDate &date);

// One print job of the current case's report on the chosen printer. false
// when the printer could not be opened or reported an error. When `drawn` is
// given it receives what was printed.
bool PrintResults(QPrinter &printer, DisplayList *drawn = nullptr);
// The same for a given case, name and date.
bool PrintResults(QPrinter &printer, const CaseRecord &c, const QString &deceasedName, const QDate &date,
                  DisplayList *drawn = nullptr);

} // namespace printing
