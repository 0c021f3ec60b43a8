// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"

#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Geometry of the results window in twips, without a display: the window
// from the screen size, every control at its design place, and the report
// line slots of either language.
namespace resultslayout {

// The designed window holds ten report lines; more continue below them.
inline constexpr int DesignSlots = 10;
inline constexpr double LineTop = 2640;
inline constexpr double LineStep = 375;

QString labelName(int slot);   // "Label3(k)"
QString valueName(int slot);   // "Text1(k)"

// 0.85 of the screen in both directions, centred.
QRectF window(QSizeF screen);

// The fixed controls and the ten design slots, keyed by objectName.
QHash<QString, QRectF> controls(Language language);

QRectF labelSlot(int slot, Language language);
QRectF valueSlot(int slot, Language language);

// Horizontal band that holds the line slots of both languages, left of the
// decorative bars.
double linesLeft();
double linesRight();

// How many line slots fit, one below the other, in a client area of the
// given height.
int slotsFitting(double clientHeight);

} // namespace resultslayout
