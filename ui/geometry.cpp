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

void placeAll(QWidget *window, const layout::Rects &rects, QWidget *controls)
{
    const QString windowKey = QStringLiteral("window");
    if (const auto it = rects.constFind(windowKey); it != rects.constEnd())
        placeWindow(window, *it);
    QWidget *within = controls ? controls : window;
    for (auto it = rects.begin(); it != rects.end(); ++it)
        if (it.key() != windowKey)
            if (auto *w = within->findChild<QWidget *>(it.key()))
                placeControl(w, *it);
}

QRectF twipsOf(const QWidget *widget)
{
    const QRect g = widget->isWindow() ? QRect(widget->pos(), widget->size()) : widget->geometry();
    return QRectF(toTwips(g.x()), toTwips(g.y()), toTwips(g.width()), toTwips(g.height()));
}

} // namespace geom
