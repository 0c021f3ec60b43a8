// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell_layouts.h"

#include "ui/geometry.h"

namespace layout {

Rects afterResults(QSizeF screen)
{
    Rects r;
    const QRectF window = geom::fractionOfScreen(screen, 0.6, 0.6, 1500);
    const double w = window.width();
    const double h = window.height();
    r.insert(QStringLiteral("window"), window);

    r.insert(QStringLiteral("Label1"), QRectF(geom::centredLeft(w, 4815), h / 8, 4815, 555));
    const double height = 855;
    r.insert(QStringLiteral("Command1"), QRectF((w - 4815) / 2, h / 3, 4815, height));
    // The two lower buttons leave three equal gaps.
    const double left2 = (w - 2415 - 2295) / 3;
    r.insert(QStringLiteral("Command2"), QRectF(left2, h * 2 / 3, 2415, height));
    r.insert(QStringLiteral("Command3"), QRectF(2 * left2 + 2415, h * 2 / 3, 2295, height));
    return r;
}

} // namespace layout
