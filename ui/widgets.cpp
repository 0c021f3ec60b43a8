// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace widgets {

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QFrame *bar(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::NoFrame);
    setBackground(f, colour);
    return f;
}

QFrame *roundedBar(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName(name);
    bar->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; border-radius: 4px; }")
                           .arg(name, colour.name()));
    return bar;
}

QLabel *label(QWidget *parent, const QString &name, const QFont &font, Qt::Alignment align)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setAlignment(align);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QFont &font, const QColor &face)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setFont(font);
    b->setAutoDefault(false);
    if (face.isValid()) {
        QPalette p = b->palette();
        p.setColor(QPalette::Button, face);
        b->setPalette(p);
    }
    return b;
}

} // namespace widgets
