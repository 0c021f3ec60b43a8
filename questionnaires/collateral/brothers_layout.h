// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"
#include "ui/geometry.h"

// Geometry of the collateral questionnaire, in twips.
namespace layout {

inline constexpr double BrothersFinishWidth = 3375;
inline constexpr double BrothersFinishHeight = 375;

// The window on the screen ("window"), the finish button and the twelve
// question frames Frame1 to Frame12 (numbered by question) in the window.
// The frames take 0.45 of the window's width, as the family questionnaire's
// do: at the design width of 4215 twips the Arabic questions do not fit in
// the free fonts.
Rects brothersWindow(QSizeF screen);

// Label and list of question n (1 to 12) inside a frame of the given width,
// for the language. The label takes the room up to the frame's edge (Arabic)
// or up to its list (English).
QRectF brothersLabel(int question, Language language, double frameWidth);
QRectF brothersList(int question, Language language);

} // namespace layout
