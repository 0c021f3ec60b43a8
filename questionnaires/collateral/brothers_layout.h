// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Geometry of the collateral questionnaire, in twips.
namespace layout {

using BrothersRects = QHash<QString, QRectF>;

inline constexpr double BrothersFrameWidth = 4215;
inline constexpr double BrothersFinishWidth = 3375;
inline constexpr double BrothersFinishHeight = 375;

// The window on the screen ("window"), the finish button and the twelve
// question frames Frame1 to Frame12 (numbered by question) in the window.
BrothersRects brothersWindow(QSizeF screen);

// Label and list of question n (1 to 12) inside its frame, for the language.
QRectF brothersLabel(int question, int language);
QRectF brothersList(int question, int language);

} // namespace layout
