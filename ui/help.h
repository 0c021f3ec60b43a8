// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window_names.h"

#include <QString>

class QWidget;

// The user guide, opened from the help menus and by F1 in any window. The
// guide has one section per window, whose anchor is the window's name, so F1
// lands on the section of the window it was pressed in.
namespace help {

// The registered name of the guide's window.
inline const QString GuideWindow = windows::Guide;

// Opens the guide (modally, over whatever window is open) at the section, or
// at its start for an empty section; moves an open guide to the section.
void openGuide(const QString &section = QString());

// The section asked for by the last openGuide(), once: the guide's window
// takes it when it loads.
QString takeRequestedSection();

// The section of a widget: the name of the nearest registered window it
// belongs to (a menu or message box counts as part of the window it came
// from), or an empty string.
// A part of a window whose dynamic property SectionProperty holds a section
// lands there instead.
QString sectionFor(const QWidget *widget);
inline constexpr const char *SectionProperty = "helpSection";

// Makes F1 open the guide at the section of the window it is pressed in, in
// every window, once for the whole application.
void installHelpKey();

} // namespace help
