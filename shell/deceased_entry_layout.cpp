// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell_layouts.h"

#include "ui/geometry.h"

namespace layout {

Rects deceasedEntry(QSizeF screen)
{
    Rects r;
    const QRectF window = geom::fractionOfScreen(screen, 0.75, 0.7);
    const double w = window.width();
    r.insert(QStringLiteral("window"), window);

    auto centred = [&](const char *name, double top, double width, double height) {
        const QRectF rect(geom::centredLeft(w, width), top, width, height);
        r.insert(QString::fromLatin1(name), rect);
        return rect;
    };
    // The heading is wider than designed (6495): the free Arabic faces set
    // its text wider than the original ones did.
    const QRectF label1 = centred("Label1", 120, 7620, 495);
    centred("lbldead", 900, 3615, 495);
    centred("txtNameofDead", 1500, 5175, 540); // 470 designed; the free faces stand taller
    centred("frameInherence", 2220, 5175, 1215);

    // Inside the frame: the male option on the right, the female on the left,
    // each with its label on its left.
    r.insert(QStringLiteral("OptMan"), QRectF(4440, 600, 285, 285));
    r.insert(QStringLiteral("lblMan"), QRectF(3240, 540, 1140, 405));
    r.insert(QStringLiteral("OptWoman"), QRectF(1920, 600, 285, 285));
    r.insert(QStringLiteral("lblWoman"), QRectF(720, 540, 1140, 405));

    const QSizeF button(1815, 615);
    r.insert(QStringLiteral("Command1"),
             QRectF((w - button.width()) / 5, 3900, button.width(), button.height()));
    r.insert(QStringLiteral("cmdok1"),
             QRectF((w - button.width()) * 3 / 5, 3900, button.width(), button.height()));

    const double thick = 135;
    const double l = label1.left();
    const double lw = label1.width();
    const QRectF shape2(l + lw + l * 2 / 5, 120, thick, 4920);
    r.insert(QStringLiteral("Shape1"), QRectF(l + lw + l / 5, 240, thick, 4560));
    r.insert(QStringLiteral("Shape2"), shape2);
    r.insert(QStringLiteral("Shape3"), QRectF(shape2.right() - 6975, 4665, 6975, thick));
    r.insert(QStringLiteral("Shape4"), QRectF(shape2.right() - 7455, 4905, 7455, thick));
    return r;
}

} // namespace layout
