// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ui/results_layout.h"

#include "ui/geometry.h"

#include <cmath>

namespace layout {

QString resultsLabelName(int slot)
{
    return QStringLiteral("Label3(%1)").arg(slot);
}

QString resultsValueName(int slot)
{
    return QStringLiteral("Text1(%1)").arg(slot);
}

QRectF resultsWindow(QSizeF screen)
{
    return geom::fractionOfScreen(screen, 0.85, 0.85);
}

QRectF resultsLabelSlot(int slot, Language language)
{
    const double top = ResultsLineTop + ResultsLineStep * slot;
    return language == Language::English ? QRectF(2700, top, 3500, 375) : QRectF(4700, top, 2800, 375);
}

QRectF resultsValueSlot(int slot, Language language)
{
    const double top = ResultsLineTop + ResultsLineStep * slot;
    return language == Language::English ? QRectF(5900, top, 1600, 375) : QRectF(3000, top, 1600, 375);
}

Rects resultsControls(Language language)
{
    Rects r{
        {QStringLiteral("txtTitle"), QRectF(2160, 120, 5295, 495)},
        // The credit starts where the title box ends (designed 15 twips
        // higher, under the title's edge); its bottom is as designed.
        {QStringLiteral("Label1"), QRectF(1440, 615, 5775, 720)},
        {QStringLiteral("lblName"), QRectF(5280, 1080, 2055, 345)},
        {QStringLiteral("lblResultsName"), QRectF(1800, 1560, 6015, 375)},
        {QStringLiteral("lblDate"), QRectF(5160, 1560, 2295, 255)},
        {QStringLiteral("cmdPrint"), QRectF(120, 2400, 1575, 615)},
        {QStringLiteral("cmdFinish"), QRectF(120, 3600, 1575, 615)},
        {QStringLiteral("cmdDetails"), QRectF(120, 4800, 1575, 615)},
        {QStringLiteral("Shape1"), QRectF(8400, 120, 135, 6255)},
        {QStringLiteral("Shape2"), QRectF(8640, 120, 135, 5775)},
        {QStringLiteral("Shape3"), QRectF(8880, 120, 135, 5295)},
        {QStringLiteral("Shape4"), QRectF(9120, 120, 135, 4815)},
    };
    for (int k = 0; k < ResultsDesignSlots; ++k) {
        r.insert(resultsLabelName(k), resultsLabelSlot(k, language));
        r.insert(resultsValueName(k), resultsValueSlot(k, language));
    }
    return r;
}

double resultsLinesLeft()
{
    return 2700;
}

double resultsLinesRight()
{
    return 8400;
}

int resultsSlotsFitting(double clientHeight)
{
    if (clientHeight <= ResultsLineTop)
        return 0;
    return int(std::floor((clientHeight - ResultsLineTop) / ResultsLineStep + 1e-9));
}

} // namespace layout
