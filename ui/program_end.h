// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// Ending the program from any window (Close, Exit): every window is closed.
namespace program {

// Asks before the program ends while a case is being entered (a window of
// the case is loaded) or the case window holds edits not saved: Save /
// Discard / Cancel for the edits, Exit / Cancel for a case. True when the
// program may end (nothing to lose, discarded, or saved).
bool mayEnd(QWidget *parent);

// Ends at once: nothing is asked or saved.
void end();

// What finally stops the run; QApplication::quit unless a test records it.
void setQuitFunction(std::function<void()> quit); // empty: QApplication::quit

} // namespace program
