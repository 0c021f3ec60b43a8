// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/tree_document.h"

#include "details/share_chart.h"
#include "details/tree_paint.h"

#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace details::tree {
namespace {

// Pictures are painted at three times the size they are shown, so that the
// printer's resolution keeps the text sharp.
constexpr double Fine = 3;
// Below this scale the boxes' names are too small to read on paper: a wider
// tree is printed in strips of the page's width, one under the other, in
// reading order.
constexpr double Smallest = 0.6;

void heading(QTextCursor &cursor, const QString &title)
{
    cursor.insertBlock();
    cursor.insertHtml(QStringLiteral("<h3>%1</h3>").arg(title.toHtmlEscaped()));
}

void picture(QTextCursor &cursor, QTextDocument &doc, const QString &name, const QImage &image, QSizeF shown)
{
    doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown.width());
    format.setHeight(shown.height());
    cursor.insertImage(format);
}

} // namespace

void append(QTextDocument &doc, const TreeModel &model, bool chart, double width)
{
    if (model.nodes().size() <= 1)
        return;
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    const QSizeF scene = sceneSize(model);
    const double scale = std::max(Smallest, std::min(1.0, width / scene.width()));
    const int strips = int(std::ceil(scene.width() * scale / width - 1e-9));
    heading(cursor, text("treeTitle", model.language()));
    for (int k = 0; k < strips; ++k) {
        const double stripWidth = std::min(width, scene.width() * scale - k * width);
        const QSizeF shown(stripWidth, scene.height() * scale);
        QImage image((shown * Fine).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.scale(scale * Fine, scale * Fine);
            // Right to left: the first strip is the picture's right end.
            const double from = model.rightToLeft() ? scene.width() * scale - k * width - stripWidth : k * width;
            p.translate(-from / scale, 0);
            paint(p, model, true);
        }
        picture(cursor, doc, QStringLiteral("tarnavel-tree-%1:").arg(k), image, shown);
    }
    const QStringList lines = notes(model);
    if (!lines.isEmpty()) {
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(lines.join(QChar(QChar::LineSeparator)));
    }
    if (chart && !chartBars(model).isEmpty()) {
        const QSizeF bars(width * 0.8, chartHeight(model));
        QImage drawn((bars * Fine).toSize(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter p(&drawn);
        p.scale(Fine, Fine);
        paintChart(p, model, QRectF(QPointF(0, 0), bars));
        p.end();
        heading(cursor, text("chartTitle", model.language()));
        picture(cursor, doc, QStringLiteral("tarnavel-chart:"), drawn, bars);
    }
}

} // namespace details::tree
