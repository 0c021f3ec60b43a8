// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"
#include "ui/geometry.h"

// Geometry of the family questionnaire, in twips.
namespace layout {

inline constexpr double FathersFinishWidth = 3375;
inline constexpr double FathersFinishHeight = 375;

// The window on the screen ("window"), the finish button, the fifteen
// frames (relative to the window) and Option1 (relative to Frame1).
Rects fathersWindow(QSizeF screen);

// The label and answer controls inside a frame of the given width: the
// Arabic design arrangement (question on the right) or the English one
// (question on the left). Every control is keyed by its name. The captions
// take the room the frame leaves them, since the substitute fonts run wider
// than the design fonts.
Rects fathersFrameContents(Language language, double frameWidth);

} // namespace layout
