// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"
#include "ui/printer_chooser.h"

#include <QDate>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// Printing of the report and the choice of printer.
namespace printing {

// The printer chooser (PrinterChooser, setPrinterChooser) is in
// ui/printer_chooser.h, shared with the case window.

enum class PrintOutcome { Cancelled, Printed, Failed };

// Where a report printed to a PDF file goes unless the user says otherwise:
// "<name> <yyyy-mm-dd>.pdf" in the user's documents folder, or the home
// folder when there is none. Characters a file name cannot carry become
// spaces; a very long name is shortened; no name gives the language's word
// for an unnamed case.
QString suggestedPdfPath(const QString &deceasedName, const QDate &date, Language language);

// Chooses a printer and prints the current case's report on it. A cancel
// ends silently; a failure is reported in a message box in the current
// language before returning.
PrintOutcome chooseAndPrint(QWidget *parent);

// The message box that tells the user the report could not be printed.
void showPrintFailure(QWidget *parent);

// The main window's print entry: choose a printer, then print the report of
// the last finished case (see caseaccess::finishedCase()); nothing when there
// is none. A cancel ends silently; a printing failure is reported in a
// message box.
void printFromMainWindow(QWidget *parent);

} // namespace printing
