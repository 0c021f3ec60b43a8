// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/collateral/brothers_layout.h"

#include "ui/geometry.h"

#include <algorithm>

namespace layout {
namespace {
constexpr double EnglishTop = 300;
}

Rects brothersWindow(QSizeF screen)
{
    Rects r;
    const QRectF window = geom::questionnaireWindow(screen);
    const double W = window.width();
    const double H = window.height();
    r.insert(QStringLiteral("window"), window);
    r.insert(QStringLiteral("cmdfinish"),
             geom::finishButton(window.size(), QSizeF(BrothersFinishWidth, BrothersFinishHeight)));
    const double FW = 0.45 * W;
    const auto [left, right] = geom::twoColumns(W, FW);
    const double h = H / 9;
    for (int q = 1; q <= 12; ++q) {
        const int row = (q - 1) / 2;
        const double top = row * 1.2 * h;
        const bool odd = q % 2 == 1;
        r.insert(QStringLiteral("Frame%1").arg(q), QRectF(odd ? right : left, top, FW, h));
    }
    return r;
}

QRectF brothersLabel(int question, Language language, double frameWidth)
{
    // In English the frame's caption takes the top of the frame.
    if (language == Language::English)
        return QRectF(50, EnglishTop, std::max(question == 11 ? 2300.0 : 2200.0, 2400.0), 360);
    return QRectF(1700, 160, std::max(2200.0, frameWidth - 60 - 1700), 450);
}

QRectF brothersList(int question, Language language)
{
    Q_UNUSED(question);
    return language == Language::English ? QRectF(2500, EnglishTop, 1455, 315) : QRectF(120, 240, 1455, 315);
}

} // namespace layout
