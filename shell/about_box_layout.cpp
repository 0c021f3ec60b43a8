// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell_layouts.h"

#include "ui/geometry.h"

namespace layout {

Rects aboutBox(QSizeF screen)
{
    Rects r;
    r.insert(QStringLiteral("window"), geom::centred(screen, QSizeF(5730, 3645), 1500));
    r.insert(QStringLiteral("picIcon"), QRectF(240, 240, 540, 540));
    r.insert(QStringLiteral("lblTitle"), QRectF(1050, 240, 3885, 480));
    r.insert(QStringLiteral("lblVersion"), QRectF(1050, 780, 3885, 225));
    r.insert(QStringLiteral("lblDescription"), QRectF(1050, 1125, 3885, 1170));
    r.insert(QStringLiteral("Line1"), QRectF(105, 2430, 5520, 30));
    r.insert(QStringLiteral("cmdOK"), QRectF(3900, 2625, 1695, 375));
    r.insert(QStringLiteral("cmdSysInfo"), QRectF(3900, 3105, 1695, 375));
    return r;
}

} // namespace layout
