// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questionnaires/family/fathers_layout.h"

namespace layout {

// Design sizes of the method window's controls, in twips.
inline constexpr double JaddLabel1Width = 9000, JaddLabel1Height = 600;
inline constexpr double JaddLabelWidth = 10500, JaddLabelHeight = 700;
inline constexpr double JaddOptionWidth = 4000, JaddOptionHeight = 450;
inline constexpr double JaddButtonWidth = 1800, JaddButtonHeight = 500;

// The method window ("window" on the screen) and its controls, for the
// language: both separator lines are keyed "Line1(0)" and "Line1(1)".
Rects jaddWindow(QSizeF screen, Language language);

} // namespace layout
