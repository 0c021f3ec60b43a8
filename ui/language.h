// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace language {

// The case record's Language: 0 Arabic, 1 English.
int current();
inline bool isEnglish() { return current() == 1; }

// Makes separate windows, message boxes, Qt's own dialogs and list pop-ups
// follow the language: the application's layout direction, Qt's translations
// of its own texts for Arabic, and an application font that carries Arabic.
void applyToApplication(int language);

// The direction of a window of the given language (Arabic is the design
// state, right to left).
void applyDirection(QWidget *window, int language);

} // namespace language
