// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the X11 keyboard layer reads from the server, for its own test.
typedef struct _XDisplay Display;

namespace platform::x11 {

// Qt's connection to the X server, or nullptr on other platforms.
Display *display();
// Index of the keymap's Arabic group, or -1 when it has none.
int arabicGroup(Display *display);
// The locked group now in effect, or -1.
int currentGroup(Display *display);

} // namespace platform::x11
