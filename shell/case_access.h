// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the windows of a case read from each other.
namespace caseaccess {

// The main window's print entry (mnuPrint); nothing happens without a main window.
void setPrintEntryEnabled(bool enabled);
bool printEntryEnabled();

// The deceased's particulars, read from the deceased entry window while it
// is loaded (it stays loaded, hidden, for the whole case). Without it the
// name is empty and the sex male, as a fresh entry window would have them.
QString deceasedName();
bool deceasedIsWoman();

// Everything of an earlier case is cleared when a new one starts: shares,
// collateral counts and family answers.
void beginNewCase();

} // namespace caseaccess
