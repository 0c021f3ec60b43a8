// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/share_chart.h"

#include "details/tree_paint.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace details::tree {
namespace {

constexpr double BarH = 22, Gap = 6, Pad = 8;

double shareOf(const TreeModel &model, const Node &n)
{
    if (n.value >= 0)
        return n.value;
    if (n.member >= 0)
        return model.result().members[std::size_t(n.member)].share.toDouble();
    return n.mark == Mark::Treasury ? model.result().treasury.toDouble() : 0.0;
}

} // namespace

QList<int> chartBars(const TreeModel &model)
{
    QList<int> bars;
    for (int k = 0; k < model.nodes().size(); ++k)
        if (!model.nodes()[k].fraction.isEmpty())
            bars << k;
    std::stable_sort(bars.begin(), bars.end(), [&](int a, int b) {
        return shareOf(model, model.nodes()[a]) > shareOf(model, model.nodes()[b]);
    });
    return bars;
}

double chartHeight(const TreeModel &model)
{
    return 2 * Pad + double(chartBars(model).size()) * (BarH + Gap);
}

void paintChart(QPainter &p, const TreeModel &model, const QRectF &area)
{
    const QList<int> bars = chartBars(model);
    if (bars.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const bool rtl = model.rightToLeft();
    p.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    QFont f(model.language() == Language::English ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"));
    f.setPixelSize(12);
    p.setFont(f);
    const QFontMetricsF fm(f);
    double labelW = 0;
    for (int k : bars)
        labelW = std::max(labelW, fm.horizontalAdvance(model.nodes()[k].name));
    labelW = std::min(labelW + 8, area.width() * 0.4);
    const double percentW = fm.horizontalAdvance(QStringLiteral("100.00 %")) + 10;
    const double barMax = std::max(10.0, area.width() - 2 * Pad - labelW - percentW - 24);
    // Rows closer together when the area is lower than the chart wants (a
    // small window): every heir stays in view.
    const double step = std::clamp((area.height() - 2 * Pad) / double(bars.size()), 15.0, BarH + Gap);
    const double barH = step * BarH / (BarH + Gap);
    double y = area.top() + Pad;
    QTextOption label(Qt::AlignVCenter | (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
    label.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    for (int k : bars) {
        const Node &n = model.nodes()[k];
        const double share = shareOf(model, n);
        // Label, sign and bar from the leading edge.
        const double lead = rtl ? area.right() - Pad : area.left() + Pad;
        const QRectF labelRect(rtl ? lead - labelW : lead, y, labelW, barH);
        p.setPen(Qt::black);
        p.drawText(labelRect, fm.elidedText(n.name, Qt::ElideRight, labelW - 4), label);
        const double signX = rtl ? labelRect.left() - 20 : labelRect.right() + 4;
        const double sign = std::min(14.0, barH);
        paintSign(p, n.mark, QRectF(signX, y + (barH - sign) / 2, sign, sign));
        const double w = std::max(1.0, barMax * share);
        const double barStart = rtl ? signX - 4 : signX + 20;
        const QRectF bar(rtl ? barStart - w : barStart, y + 2, w, barH - 4);
        p.setPen(QPen(colours(n.mark).ink, 1.2));
        p.setBrush(colours(n.mark).fill);
        p.drawRect(bar);
        p.setPen(Qt::black);
        const QRectF percent(rtl ? bar.left() - percentW : bar.right() + 6, y, percentW, barH);
        p.drawText(percent, Qt::AlignVCenter | (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute,
                   QChar(0x2066) + n.percent + QChar(0x2069));
        y += step;
    }
    p.restore();
}

ShareChart::ShareChart(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("shareChart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ShareChart::setModel(const TreeModel *model)
{
    m_model = model;
    updateGeometry();
    update();
}

QSize ShareChart::sizeHint() const
{
    return {320, m_model ? int(chartHeight(*m_model)) : 60};
}

QSize ShareChart::minimumSizeHint() const
{
    return {120, 40};
}

void ShareChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (m_model)
        paintChart(p, *m_model, QRectF(rect()));
}

} // namespace details::tree
