// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell_layouts.h"

#include "ui/geometry.h"

#include <algorithm>

namespace layout {

Rects mainWindow(QSizeF screen)
{
    const double sw = screen.width();
    const double sh = screen.height();
    Rects r;

    // The controls are placed against the whole screen, so the window grows
    // with it: the design client area (11880 x 8310) on an 800 x 600 screen,
    // never smaller.
    const QSizeF size(std::max(11880.0, sw * 11880.0 / 12000.0),
                      std::max(8310.0, sh * 8310.0 / 9000.0));
    QRectF window = geom::centred(screen, size, 1000);
    // A window taller than that room would lose its title bar above the screen.
    window.moveTop(std::max(0.0, window.top()));
    r.insert(QStringLiteral("window"), window);

    const double langTop = 960;
    r.insert(QStringLiteral("Command3"), QRectF(sw / 5, langTop, 2775, 615));
    const QRectF c4(sw * 3 / 5, langTop, 2775, 615);
    r.insert(QStringLiteral("Command4"), c4);

    // Bars: the vertical ones stand right of the Arabic button, the
    // horizontal ones end where the vertical ones stand.
    const double thick = 135;
    const QRectF shape1(c4.left() + 1.5 * c4.width(), 1320, thick, 6495);
    const QRectF shape3(c4.left() + 1.25 * c4.width(), 240, thick, 7335);
    const QRectF shape2(shape1.left() - 11175, 7680, 11175, thick);
    const QRectF shape4(shape3.left() - 10215, 7440, 10215, thick);
    r.insert(QStringLiteral("Shape1"), shape1);
    r.insert(QStringLiteral("Shape2"), shape2);
    r.insert(QStringLiteral("Shape3"), shape3);
    r.insert(QStringLiteral("Shape4"), shape4);

    const double buttonHeight = 615;
    const double buttonTop = shape4.top() - 1.5 * buttonHeight;

    // The title stays centred but ends before the green bar on its right
    // (on an 800 x 600 screen the bar stands inside the designed width).
    const double titleWidth = std::min(9600.0, 2 * (shape3.left() - sw / 2) - 2 * geom::TwipsPerPixel);
    const QSizeF label1(titleWidth, 1080), label2(8400, 555), label3(7200, 1080);
    r.insert(QStringLiteral("Label1"),
             QRectF(geom::centredLeft(sw, label1.width()), sh * 0.18, label1.width(), label1.height()));
    // The credit stands at two fifths of the screen's height, but never
    // lower than a gap above the start button: on a tall screen two fifths
    // fall onto the button.
    const double creditTop = std::min(sh * 0.4, buttonTop - label2.height() - buttonHeight / 2);
    r.insert(QStringLiteral("Label2"),
             QRectF(geom::centredLeft(sw, label2.width()), creditTop, label2.width(), label2.height()));
    r.insert(QStringLiteral("Label3"),
             QRectF(geom::centredLeft(sw, label3.width()), sh * 0.02, label3.width(), label3.height()));
    r.insert(QStringLiteral("Command1"), QRectF(sw * 2.5 / 5, buttonTop, 3615, buttonHeight));
    r.insert(QStringLiteral("Command2"), QRectF(sw / 5, buttonTop, 2175, buttonHeight));
    return r;
}

} // namespace layout
