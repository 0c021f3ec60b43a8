// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/tree_document.h"

#include "details/share_chart.h"
#include "details/tree_paint.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace details::tree {
namespace {

// Pictures are painted at three times the size they are shown, so that the
// printer's resolution keeps the text sharp.
constexpr double Fine = 3;

QSizeF treeShown(const TreeModel &model, double width)
{
    const QSizeF scene = sceneSize(model);
    const double scale = std::min(1.0, width / scene.width());
    return scene * scale;
}

} // namespace

QString documentHtml(const TreeModel &model, bool chart, double width)
{
    if (model.nodes().size() <= 1)
        return {};
    const QSizeF tree = treeShown(model, width);
    QString out = QStringLiteral("<h3>%1</h3><p align=\"center\"><img src=\"tarnavel-tree:\" width=\"%2\" height=\"%3\"/></p>")
                      .arg(text("treeTitle", model.language()).toHtmlEscaped())
                      .arg(int(tree.width()))
                      .arg(int(tree.height()));
    const QStringList lines = notes(model);
    if (!lines.isEmpty()) {
        out += QStringLiteral("<p>");
        for (const QString &line : lines)
            out += line.toHtmlEscaped() + QStringLiteral("<br/>");
        out += QStringLiteral("</p>");
    }
    if (chart && !chartBars(model).isEmpty())
        out += QStringLiteral("<h3>%1</h3><p align=\"center\"><img src=\"tarnavel-chart:\" width=\"%2\" height=\"%3\"/></p>")
                   .arg(text("chartTitle", model.language()).toHtmlEscaped())
                   .arg(int(width))
                   .arg(int(chartHeight(model)));
    return out;
}

void addPictures(QTextDocument &doc, const TreeModel &model, bool chart, double width)
{
    if (model.nodes().size() <= 1)
        return;
    const QSizeF tree = treeShown(model, width);
    QImage image((tree * Fine).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        const double scale = tree.width() / sceneSize(model).width() * Fine;
        p.scale(scale, scale);
        paint(p, model, true);
    }
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("tarnavel-tree:")), image);
    if (chart) {
        QImage bars((QSizeF(width, chartHeight(model)) * Fine).toSize(), QImage::Format_RGB32);
        bars.fill(Qt::white);
        QPainter p(&bars);
        p.scale(Fine, Fine);
        paintChart(p, model, QRectF(0, 0, width, chartHeight(model)));
        p.end();
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("tarnavel-chart:")), bars);
    }
}

} // namespace details::tree
