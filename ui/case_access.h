// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_record.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

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
    std::function<bool()> hasUnsavedEdits;             // edits since the last save or opening
    std::function<bool()> saveEdits;                   // asks where; false when not saved
};
void setCaseDetails(CaseDetails entries);
const CaseDetails &caseDetails();

// The last case whose results were shown: the print entry prints it (its
// record, the deceased's name and the date) until another calculation
// starts, and is enabled exactly while there is one.
struct FinishedCase
{
    CaseRecord record;
    QString deceasedName;
    QDate date;
};
// Keeps the current case record and the deceased's name, dated today.
void recordFinishedCase();
void forgetFinishedCase();
const std::optional<FinishedCase> &finishedCase();

// The deceased's particulars. The deceased entry window keeps them here as
// they are typed, for as long as it is loaded (it stays loaded, hidden, for
// the whole case), and clears them when it goes; `owner` is the window, so
// that one going late does not clear those of the next. Without it the
// name is empty and the sex male, as a fresh entry window would have them.
void setDeceased(const QString &name, bool woman, const void *owner);
void clearDeceased(const void *owner);
QString deceasedName();
bool deceasedIsWoman();

// Everything of an earlier case is cleared when a new one starts: shares,
// collateral counts and family answers.
void beginNewCase();

} // namespace caseaccess
