// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// Small builders shared by the windows.
namespace widgets {

// A solid bar (a filled shape of the design).
QFrame *bar(QWidget *parent, const QString &name, const QColor &colour);
// A solid bar with rounded ends (the results window's shapes).
QFrame *roundedBar(QWidget *parent, const QString &name, const QColor &colour);
QLabel *label(QWidget *parent, const QString &name, const QFont &font,
              Qt::Alignment align = Qt::AlignCenter);
// A button with a coloured face (the design's graphical buttons).
QPushButton *button(QWidget *parent, const QString &name, const QFont &font,
                    const QColor &face = QColor());
// The colour of a label's, a button's or an entry box's text.
void setTextColour(QWidget *widget, const QColor &colour);
void setBackground(QWidget *widget, const QColor &colour);

inline const QColor Teal(0, 128, 128);

} // namespace widgets
