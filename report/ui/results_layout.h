// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"
#include "ui/geometry.h"

// Geometry of the results window in twips, without a display: the window
// from the screen size, every control at its design place, and the report
// line slots of either language.
namespace layout {

// The designed window holds ten report lines; more continue below them.
inline constexpr int ResultsDesignSlots = 10;
inline constexpr double ResultsLineTop = 2640;
inline constexpr double ResultsLineStep = 375;

QString resultsLabelName(int slot); // "Label3(k)"
QString resultsValueName(int slot); // "Text1(k)"

// 0.85 of the screen in both directions, centred.
QRectF resultsWindow(QSizeF screen);

// The fixed controls and the ten design slots, keyed by objectName.
Rects resultsControls(Language language);

QRectF resultsLabelSlot(int slot, Language language);
QRectF resultsValueSlot(int slot, Language language);

// Horizontal band that holds the line slots of both languages, left of the
// decorative bars.
double resultsLinesLeft();
double resultsLinesRight();

// How many line slots fit, one below the other, in a client area of the
// given height.
int resultsSlotsFitting(double clientHeight);

} // namespace layout
