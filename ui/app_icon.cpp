// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace appicon {

QPixmap pixmap(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 128));
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 18, 18);

    QPen pen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(64, 24), QPointF(64, 104));
    p.drawLine(QPointF(28, 40), QPointF(100, 40));
    p.drawLine(QPointF(44, 104), QPointF(84, 104));
    for (double x : {28.0, 100.0}) {
        QPainterPath pan;
        pan.moveTo(x, 40);
        pan.lineTo(x - 12, 72);
        pan.lineTo(x + 12, 72);
        pan.closeSubpath();
        p.drawPath(pan);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 0, 0));
    p.drawRect(QRectF(8, 112, 112, 6));
    p.setBrush(QColor(0, 192, 0));
    p.drawRect(QRectF(8, 10, 6, 100));
    return pm;
}

QIcon icon()
{
    QIcon i;
    for (int size : {16, 32, 48, 64, 128})
        i.addPixmap(pixmap(size));
    return i;
}

} // namespace appicon
