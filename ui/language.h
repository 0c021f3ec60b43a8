// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"

class QWidget;

namespace language {

// The case record's language.
Language current();
inline bool isEnglish() { return current() == Language::English; }
// Records the language in the case record.
void setCurrent(Language language);

// Makes separate windows, message boxes, Qt's own dialogs and list pop-ups
// follow the language: the application's layout direction, Qt's translations
// of its own texts for Arabic, and an application font that carries Arabic.
void applyToApplication(Language language);

// The direction of a window of the given language (Arabic is the design
// state, right to left).
void applyDirection(QWidget *window, Language language);

} // namespace language
