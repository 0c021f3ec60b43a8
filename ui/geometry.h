// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cmath>

class QWidget;

// What every window's layout gives: rectangles in twips keyed by control
// name; "window" is the window on the screen (its client area), every other
// rectangle is relative to the control's container.
namespace layout {
using Rects = QHash<QString, QRectF>;
} // namespace layout

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

// The questionnaire windows: 92 % of the screen's width and 82 % of its
// height, centred.
inline QRectF questionnaireWindow(QSizeF screen)
{
    return fractionOfScreen(screen, 0.92, 0.82);
}

// A finish button centred across a window, its top 2.3 of its own heights
// above the window's bottom edge.
inline QRectF finishButton(QSizeF window, QSizeF button)
{
    return QRectF((window.width() - button.width()) / 2, window.height() - 2.3 * button.height(),
                  button.width(), button.height());
}

// Left edges of two columns of the given width that leave three equal gaps
// across a window: {left column, right column}.
struct Columns
{
    double left;
    double right;
};
inline Columns twoColumns(double windowWidth, double columnWidth)
{
    const double gap = (windowWidth - 2 * columnWidth) / 3;
    return {gap, 2 * gap + columnWidth};
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
// Applies a layout table: "window", when the table has it, places `window`
// on the screen first; every other key places the descendant of `controls`
// (the window itself unless given) of that name. Names without a control are
// passed over.
void placeAll(QWidget *window, const layout::Rects &rects, QWidget *controls = nullptr);
// The widget's geometry read back in twips.
QRectF twipsOf(const QWidget *widget);

} // namespace geom
