// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRectF>
#include <QSizeF>

#include <cmath>

class QWidget;

// Window geometry is designed in twips (1/1440 inch) at 15 twips to a screen
// pixel, mostly as fractions of the screen. These helpers are pure so that a
// window's layout can be checked for a fixed screen without a display.
namespace geom {

inline constexpr double TwipsPerPixel = 15.0;

inline int toPixels(double twips) { return int(std::lround(twips / TwipsPerPixel)); }
inline double toTwips(int pixels) { return pixels * TwipsPerPixel; }

inline QRect toPixels(const QRectF &twips)
{
    return QRect(toPixels(twips.left()), toPixels(twips.top()),
                 toPixels(twips.width()), toPixels(twips.height()));
}

// A window of the given size centred on the screen, raised by `upward`
// twips: top = (screen height - height - upward) / 2.
inline QRectF centred(QSizeF screen, QSizeF size, double upward = 0)
{
    return QRectF((screen.width() - size.width()) / 2,
                  (screen.height() - size.height() - upward) / 2,
                  size.width(), size.height());
}

// A window whose size is a fraction of the screen, centred.
inline QRectF fractionOfScreen(QSizeF screen, double fw, double fh, double upward = 0)
{
    return centred(screen, QSizeF(screen.width() * fw, screen.height() * fh), upward);
}

// Left edge that centres something of width w in a container of width W.
inline double centredLeft(double containerWidth, double width) { return (containerWidth - width) / 2; }

// The primary screen's size in twips.
QSizeF screenTwips();

// Client rectangle of a top-level window (position of the frame's top left
// on the screen, client size), from twips.
void placeWindow(QWidget *window, const QRectF &twips);
// Geometry of a child control inside its container, from twips.
void placeControl(QWidget *control, const QRectF &twips);
// The widget's geometry read back in twips.
QRectF twipsOf(const QWidget *widget);

} // namespace geom
