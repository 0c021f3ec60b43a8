// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/family/jadd_layout.h"

#include "ui/geometry.h"

#include <algorithm>

namespace layout {

Rects jaddWindow(QSizeF screen, Language language)
{
    Rects r;
    const QRectF window = geom::questionnaireWindow(screen);
    const double W = window.width();
    const double H = window.height();
    r.insert(QStringLiteral("window"), window);

    const auto centredAt = [W](double top, double width, double height) {
        return QRectF((W - width) / 2, top, width, height);
    };
    r.insert(QStringLiteral("Label1"), centredAt(0.05 * H, JaddLabel1Width, JaddLabel1Height));
    r.insert(QStringLiteral("Label2"), centredAt(0.15 * H, JaddLabelWidth, JaddLabelHeight));
    r.insert(QStringLiteral("Label3"), centredAt(0.25 * H, JaddLabelWidth, JaddLabelHeight));
    r.insert(QStringLiteral("optLikeFather"),
             centredAt(0.35 * H, JaddOptionWidth, JaddOptionHeight));
    r.insert(QStringLiteral("Label4"), centredAt(0.5 * H, JaddLabelWidth, JaddLabelHeight));
    r.insert(QStringLiteral("Label5"), centredAt(0.6 * H, JaddLabelWidth, JaddLabelHeight));
    r.insert(QStringLiteral("optUnlikeFather"),
             centredAt(0.7 * H, JaddOptionWidth, JaddOptionHeight));
    r.insert(QStringLiteral("cmdJadd"), centredAt(0.8 * H, JaddButtonWidth, JaddButtonHeight));
    const QRectF line(0, 0.45 * H, W, 30);
    r.insert(QStringLiteral("Line1(0)"), line);
    r.insert(QStringLiteral("Line1(1)"), line);

    if (language == Language::English) {
        for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            QRectF &label = r[QLatin1String(name)];
            label.moveLeft(0.05 * W);
            label.setWidth(0.9 * W);
            // 800 high, but no taller than the tenth of the window that
            // separates it from the next control (a small screen's window).
            if (QLatin1String(name) != QLatin1String("Label1"))
                label.setHeight(std::min(800.0, 0.1 * H));
        }
        for (const char *name : {"optLikeFather", "optUnlikeFather"})
            r[QLatin1String(name)].setWidth(4200);
    }
    return r;
}

} // namespace layout
