// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/geometry.h"

// Where the shell windows put their controls, as pure functions of the
// screen size in twips. Each returns rectangles in twips keyed by control
// name; "window" is the window on the screen (its client area), every other
// rectangle is relative to the control's container.
namespace layout {

Rects mainWindow(QSizeF screen);    // frmInherence
Rects deceasedEntry(QSizeF screen); // Inheretence
Rects afterResults(QSizeF screen);  // frmwhattodo
Rects aboutBox(QSizeF screen);      // frmAbout

} // namespace layout
