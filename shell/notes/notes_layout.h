// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/geometry.h"

// Layout of the inheritance-science window for a screen of the given size,
// in twips: "frmNotes" (the window, on the screen), "RichTextBox1" and
// "Command1" (inside the window).
namespace layout {

Rects notesWindow(QSizeF screenTwips);

} // namespace layout
