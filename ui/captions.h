// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "case/case_fields.h"

#include <QString>
#include <QStringList>

class QWidget;

// Caption tables of the windows, one JSON file per window in
// resources/captions/<window>.json:
//   { "window": { "ar": "...", "en": "..." },
//     "<control objectName>": { "ar": "...", "en": "..." },
//     "<list objectName>": { "ar": ["...", ...], "en": [...] } }
// "window" is the window title; "<control objectName>.toolTip" is that
// control's tool tip. A language missing for a key leaves that control as it
// is. Texts are used exactly as they stand.
namespace captions {

// The text of one key, or a null QString when the table has none.
QString text(const QString &window, const QString &key, Language language);
QStringList list(const QString &window, const QString &key, Language language);
bool has(const QString &window, const QString &key, Language language);

// Applies every caption of the language to the window and its children,
// found by objectName: window title, labels, buttons, group boxes, line
// edits, menus and actions, and combo box entries (lists).
void apply(QWidget *window, const QString &windowName, Language language);

} // namespace captions
