// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Ending the program at once from any window (Close, Exit): every window is
// closed, nothing is asked or saved.
namespace program {

void end();

// What finally stops the run; QApplication::quit unless a test records it.
void setQuitFunction(std::function<void()> quit); // empty: QApplication::quit

} // namespace program
