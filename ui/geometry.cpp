// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace geom {

QSizeF screenTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(800, 600);
    return QSizeF(toTwips(size.width()), toTwips(size.height()));
}

void placeWindow(QWidget *window, const QRectF &twips)
{
    const QRect r = toPixels(twips);
    window->resize(r.size());
    window->move(r.topLeft());
}

void placeControl(QWidget *control, const QRectF &twips)
{
    control->setGeometry(toPixels(twips));
}

QRectF twipsOf(const QWidget *widget)
{
    const QRect g = widget->isWindow() ? QRect(widget->pos(), widget->size()) : widget->geometry();
    return QRectF(toTwips(g.x()), toTwips(g.y()), toTwips(g.width()), toTwips(g.height()));
}

} // namespace geom
