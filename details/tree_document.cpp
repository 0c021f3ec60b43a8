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

namespace details::tree {
namespace {

// Pictures are painted at three times the size they are shown, so that the
// printer's resolution keeps the text sharp.
constexpr double Fine = 3;

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
    const QSizeF shown = scene * std::min(1.0, width / scene.width());
    QImage image((shown * Fine).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        const double scale = shown.width() / scene.width() * Fine;
        p.scale(scale, scale);
        paint(p, model, true);
    }
    heading(cursor, text("treeTitle", model.language()));
    picture(cursor, doc, QStringLiteral("tarnavel-tree:"), image, shown);
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
