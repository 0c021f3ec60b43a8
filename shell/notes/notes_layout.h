// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Layout of the inheritance-science window for a screen of the given size,
// in twips: "frmNotes" (the window, on the screen), "RichTextBox1" and
// "Command1" (inside the window).
QHash<QString, QRectF> notesLayout(QSizeF screenTwips);
