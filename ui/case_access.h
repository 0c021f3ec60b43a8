// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// What the windows of a case read from each other.
namespace caseaccess {

// The main window's print entry (mnuPrint); nothing happens without a main window.
void setPrintEntryEnabled(bool enabled);
bool printEntryEnabled();

// What the print entry does: print the current case's report. The printed
// report (report/ui) installs it when its windows are registered; until then
// the entry does nothing.
using PrintReport = std::function<void(QWidget *parent)>;
void setPrintReport(PrintReport print);
void printReport(QWidget *parent);

// The case details window, reached from the results window and the main
// window's menu. Its library installs these; unset entries do nothing.
struct CaseDetails
{
    std::function<void()> showCurrentCase;             // the case calculated last
    std::function<void()> showWindow;                  // the window as it was left
    std::function<void(const QString &path)> openFile; // an empty path asks which
    std::function<QStringList()> recentFiles;
};
void setCaseDetails(CaseDetails entries);
const CaseDetails &caseDetails();

// The deceased's particulars, read from the deceased entry window while it
// is loaded (it stays loaded, hidden, for the whole case). Without it the
// name is empty and the sex male, as a fresh entry window would have them.
QString deceasedName();
bool deceasedIsWoman();

// Everything of an earlier case is cleared when a new one starts: shares,
// collateral counts and family answers.
void beginNewCase();

} // namespace caseaccess
