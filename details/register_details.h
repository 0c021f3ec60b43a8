// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_record.h"

#include <QString>

namespace details {

// Registers the case window and its entries in the results window and the
// main window's menu.
void registerCaseWindow();

// The family of the case whose results are about to be shown, taken before
// the results window resets the grandfather method, with the deceased's
// particulars.
void noteCalculatedCase(const CaseRecord &c);

// `tarnavel FILE`: the case window with the file's case, in the language the
// file was saved in. False (after the message) when the file is bad.
bool openFromCommandLine(const QString &path);

} // namespace details
