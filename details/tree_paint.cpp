// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/tree_paint.h"

#include <QFile>
#include <QHash>
#include <QStaticText>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QTextOption>

namespace details::tree {
namespace {

constexpr double Margin = 20, BoxW = 156, BoxH = 96, GapX = 12, GapY = 44, LegendH = 44;

QFont treeFont(Language language, double pixels, bool bold = false)
{
    // The case window's faces: Arial keeps the figures' decimal point in Arabic.
    QFont f(language == Language::English ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"));
    f.setPixelSize(int(pixels));
    f.setBold(bold);
    return f;
}

// Figures and fractions read left to right inside right-to-left text.
QString isolated(const QString &s)
{
    return QChar(0x2066) + s + QChar(0x2069);
}

QString shareLine(const Node &n)
{
    if (n.fraction.isEmpty())
        return {};
    return isolated(n.fraction) + QStringLiteral("  ·  ") + isolated(n.percent);
}

QString text_note(int note)
{
    return QStringLiteral("(%1)").arg(note);
}

// A box's text laid out once and kept: a change of the family changes a few
// names and figures, and shaping the rest again would be most of a repaint.
struct Laid
{
    QStaticText text;
};

const Laid &laidOut(const QString &s, const QFont &font, double width, bool rtl, bool twoLines)
{
    static QHash<QString, Laid> kept;
    const QString key = s + QChar(0x1f) + font.key() + QChar(0x1f) + QString::number(width) + (rtl ? u'r' : u'l');
    if (auto it = kept.constFind(key); it != kept.constEnd())
        return *it;
    if (kept.size() > 4000)
        kept.clear();
    const QFontMetricsF fm(font);
    QString shown = s;
    // Two lines at most; what does not fit is elided.
    if (twoLines && fm.horizontalAdvance(shown) > width * 2 - 20)
        shown = fm.elidedText(shown, Qt::ElideRight, width * 2 - 30);
    Laid laid;
    laid.text.setText(shown);
    laid.text.setTextFormat(Qt::PlainText);
    laid.text.setTextWidth(width);
    QTextOption option(Qt::AlignHCenter | Qt::AlignTop);
    option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    laid.text.setTextOption(option);
    laid.text.prepare(QTransform(), font);
    return *kept.insert(key, laid);
}

QPointF topCentre(const QRectF &r) { return {r.center().x(), r.top()}; }
QPointF bottomCentre(const QRectF &r) { return {r.center().x(), r.bottom()}; }

void paintTies(QPainter &p, const TreeModel &model)
{
    const QList<Node> &nodes = model.nodes();
    for (int k = 0; k < nodes.size(); ++k) {
        const Node &n = nodes[k];
        if (n.parent < 0)
            continue;
        const QRectF a = nodeRect(model, k), b = nodeRect(model, n.parent);
        QPen pen(QColor(0x55, 0x55, 0x55), 1.4);
        if (n.tie == Tie::Emancipation)
            pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        switch (n.tie) {
        case Tie::Child: {
            const QRectF &upper = n.row < nodes[n.parent].row ? a : b;
            const QRectF &lower = n.row < nodes[n.parent].row ? b : a;
            const double mid = upper.bottom() + GapY / 2;
            p.drawPolyline(QPolygonF{bottomCentre(upper), {upper.center().x(), mid}, {lower.center().x(), mid},
                                     topCentre(lower)});
            break;
        }
        case Tie::Sibling:
        case Tie::Emancipation: {
            const double rail = a.top() - GapY / 3;
            p.drawPolyline(QPolygonF{topCentre(a), {a.center().x(), rail}, {b.center().x(), rail}, topCentre(b)});
            break;
        }
        case Tie::Spouse: {
            const bool after = a.left() > b.left();
            const double x1 = after ? b.right() : b.left(), x2 = after ? a.left() : a.right();
            const double y = a.center().y();
            p.drawLine(QPointF(x1, y - 2.5), QPointF(x2, y - 2.5));
            p.drawLine(QPointF(x1, y + 2.5), QPointF(x2, y + 2.5));
            break;
        }
        case Tie::None:
            break;
        }
    }
}

void paintNode(QPainter &p, const TreeModel &model, int k, int note)
{
    const Node &n = model.nodes()[k];
    const QRectF r = nodeRect(model, k);
    const Colours c = colours(n.mark);
    const bool faint = n.mark == Mark::Excluded || n.mark == Mark::Link;
    // Solid borders: a dashed outline costs more to paint than the rest of
    // the box; the grey, the cross and the italic name tell these apart.
    QPen border(c.ink, n.mark == Mark::Deceased ? 3 : n.mark == Mark::Link ? 1 : 1.6);
    // A person whose state is unknown: dashed, so that it tells in black and white too.
    if (n.mark == Mark::Uncertain || !n.state.isEmpty())
        border.setStyle(Qt::DashLine);
    p.setPen(border);
    p.setBrush(n.mark == Mark::Link ? QBrush(Qt::NoBrush) : QBrush(c.fill));
    p.drawRoundedRect(r, 7, 7);

    // The sign in the leading corner; distant kindred carry a second one.
    const bool rtl = model.rightToLeft();
    const double s = 15;
    const QRectF sign(rtl ? r.right() - s - 6 : r.left() + 6, r.top() + 6, s, s);
    if (n.mark != Mark::Link)
        paintSign(p, n.mark, sign);
    if (n.kindred && n.mark != Mark::Kindred)
        paintSign(p, Mark::Kindred, sign.translated(rtl ? -s - 3 : s + 3, 0));
    if (!n.state.isEmpty() && n.mark != Mark::Uncertain)
        paintSign(p, Mark::Uncertain, sign.translated(rtl ? -s - 3 : s + 3, 0));

    const QRectF inner = r.adjusted(8, 6 + s, -8, -5);
    p.setPen(faint ? QColor(0x70, 0x70, 0x70) : QColor(Qt::black));
    QFont nameFont = treeFont(model.language(), 15, n.mark != Mark::Link);
    nameFont.setItalic(n.mark == Mark::Link);
    QString name = n.name;
    if (n.count > 1)
        name += QStringLiteral(" ") + isolated(QStringLiteral("×%1").arg(n.count));
    const Laid &title = laidOut(name, nameFont, inner.width(), rtl, true);
    // The name under the signs, on one line or two.
    const double top = r.top() + 4 + s;
    p.setFont(nameFont);
    p.drawStaticText(QPointF(inner.left(), top), title.text);

    QStringList lines;
    if (!n.fraction.isEmpty())
        lines << shareLine(n);
    if (!n.amount.isEmpty())
        lines << isolated(n.amount);
    if (n.mark == Mark::Excluded)
        lines << (note > 0 ? text_note(note) : text("noShare", model.language()));
    if (!n.state.isEmpty())
        lines << n.state;
    const QFont figures = treeFont(model.language(), 13);
    p.setFont(figures);
    const double spacing = QFontMetricsF(figures).lineSpacing();
    double y = r.bottom() - 5 - spacing * double(lines.size());
    for (const QString &line : lines) {
        p.drawStaticText(QPointF(inner.left(), y), laidOut(line, figures, inner.width(), rtl, false).text);
        y += spacing;
    }
}

void paintLegend(QPainter &p, const TreeModel &model, const QSizeF &size)
{
    bool present[11] = {};
    for (const Node &n : model.nodes()) {
        present[int(n.mark)] = true;
        if (!n.state.isEmpty())
            present[int(Mark::Uncertain)] = true;
        if (n.kindred)
            present[int(Mark::Kindred)] = true;
    }
    const bool rtl = model.rightToLeft();
    p.setFont(treeFont(model.language(), 12));
    const QFontMetricsF fm(p.font());
    double x = rtl ? size.width() - Margin : Margin;
    const double y = size.height() - LegendH + 12;
    for (Mark m : {Mark::Fixed, Mark::Residuary, Mark::FixedAndResidue, Mark::Kindred, Mark::Treasury,
                   Mark::Bequest, Mark::Excluded, Mark::Predeceased, Mark::Link, Mark::Uncertain}) {
        if (!present[int(m)])
            continue;
        const QString label = TreeModel::markText(m, model.language());
        const double w = fm.horizontalAdvance(label);
        const QRectF sign(rtl ? x - 16 : x, y, 16, 16);
        QRectF swatch = sign.adjusted(-3, -3, 3, 3);
        p.setPen(QPen(colours(m).ink, 1));
        p.setBrush(m == Mark::Link ? QBrush(Qt::NoBrush) : QBrush(colours(m).fill));
        p.drawRect(swatch);
        if (m != Mark::Link)
            paintSign(p, m, sign.adjusted(2, 2, -2, -2));
        p.setPen(Qt::black);
        const QRectF t(rtl ? x - 24 - w : x + 24, y - 2, w + 2, fm.lineSpacing());
        p.drawText(t, Qt::AlignVCenter | Qt::AlignLeft | Qt::AlignAbsolute, label);
        x += rtl ? -(w + 48) : w + 48;
    }
}

} // namespace



Colours colours(Mark m)
{
    switch (m) {
    case Mark::Deceased: return {QColor(0xff, 0xff, 0xff), QColor(0x11, 0x11, 0x11)};
    case Mark::Fixed: return {QColor(0xcf, 0xe3, 0xf7), QColor(0x1f, 0x5f, 0xa8)};
    case Mark::Residuary: return {QColor(0xd3, 0xee, 0xcf), QColor(0x2e, 0x7d, 0x32)};
    case Mark::FixedAndResidue: return {QColor(0xc9, 0xec, 0xe8), QColor(0x00, 0x6d, 0x66)};
    case Mark::Kindred: return {QColor(0xfd, 0xe3, 0xc4), QColor(0xb3, 0x5c, 0x00)};
    case Mark::Treasury: return {QColor(0xe6, 0xda, 0xf3), QColor(0x5e, 0x35, 0xb1)};
    case Mark::Excluded: return {QColor(0xee, 0xee, 0xee), QColor(0x80, 0x80, 0x80)};
    case Mark::Link: return {QColor(0xff, 0xff, 0xff), QColor(0x99, 0x99, 0x99)};
    case Mark::Predeceased: return {QColor(0xf4, 0xf4, 0xf4), QColor(0x33, 0x33, 0x33)};
    case Mark::Bequest: return {QColor(0xf7, 0xef, 0xc6), QColor(0x8a, 0x6d, 0x00)};
    case Mark::Uncertain: return {QColor(0xff, 0xf3, 0xc4), QColor(0x7a, 0x52, 0x00)};
    }
    return {};
}

void paintSign(QPainter &p, Mark m, const QRectF &r)
{
    p.save();
    const QColor ink = colours(m).ink;
    p.setPen(QPen(ink, 1.6));
    p.setBrush(ink);
    const QRectF q = r.adjusted(1, 1, -1, -1);
    switch (m) {
    case Mark::Fixed: p.drawEllipse(q); break;
    case Mark::Residuary: p.drawRect(q); break;
    case Mark::FixedAndResidue: {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(q);
        p.setBrush(ink);
        p.drawPie(q, 90 * 16, 180 * 16);
        break;
    }
    case Mark::Kindred:
        p.drawPolygon(QPolygonF{{q.center().x(), q.top()}, q.bottomRight(), q.bottomLeft()});
        break;
    case Mark::Treasury:
        p.drawPolygon(QPolygonF{{q.center().x(), q.top()}, {q.right(), q.center().y()}, {q.center().x(), q.bottom()},
                                {q.left(), q.center().y()}});
        break;
    case Mark::Excluded:
        p.setPen(QPen(ink, 2.2));
        p.drawLine(q.topLeft(), q.bottomRight());
        p.drawLine(q.topRight(), q.bottomLeft());
        break;
    case Mark::Deceased:
        p.setBrush(Qt::NoBrush);
        p.drawRect(q);
        break;
    case Mark::Link:
        break;
    case Mark::Predeceased: {
        // A cross: died before the deceased.
        p.setPen(QPen(ink, 2.2));
        const double x = q.center().x();
        p.drawLine(QPointF(x, q.top()), QPointF(x, q.bottom()));
        p.drawLine(QPointF(q.left() + q.width() / 6, q.top() + q.height() / 3),
                   QPointF(q.right() - q.width() / 6, q.top() + q.height() / 3));
        break;
    }
    case Mark::Bequest:
        // A square, its lower half filled: a part given before the heirs.
        p.setBrush(Qt::NoBrush);
        p.drawRect(q);
        p.setBrush(ink);
        p.drawRect(QRectF(q.left(), q.center().y(), q.width(), q.height() / 2));
        break;
    case Mark::Uncertain: {
        // A question mark in a ring.
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(q);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(int(q.height() * 0.8));
        p.setFont(f);
        p.drawText(q, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    p.restore();
}

QSizeF sceneSize(const TreeModel &model)
{
    return {2 * Margin + model.columns() * BoxW + (model.columns() - 1) * GapX,
            2 * Margin + model.rows() * BoxH + (model.rows() - 1) * GapY + LegendH};
}

QRectF nodeRect(const TreeModel &model, int node)
{
    const Node &n = model.nodes()[node];
    return {Margin + n.column * (BoxW + GapX), Margin + (n.row - model.minRow()) * (BoxH + GapY), BoxW, BoxH};
}

int nodeAt(const TreeModel &model, QPointF point)
{
    for (int k = 0; k < model.nodes().size(); ++k)
        if (nodeRect(model, k).contains(point))
            return k;
    return -1;
}

void paint(QPainter &p, const TreeModel &model, bool printed)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setLayoutDirection(model.rightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    paintTies(p, model);
    int note = 0;
    for (int k = 0; k < model.nodes().size(); ++k)
        paintNode(p, model, k, printed && model.nodes()[k].mark == Mark::Excluded ? ++note : 0);
    paintLegend(p, model, sceneSize(model));
    p.restore();
}

QStringList notes(const TreeModel &model)
{
    QStringList out;
    for (const Node &n : model.nodes())
        if (n.mark == Mark::Excluded)
            out << text("note", model.language()).arg(out.size() + 1).arg(n.reason);
    return out;
}

QString tipText(const TreeModel &model, int node)
{
    if (node < 0 || node >= model.nodes().size())
        return {};
    const Node &n = model.nodes()[node];
    QStringList lines;
    lines << (n.count > 1 ? QStringLiteral("%1 (%2)").arg(n.name).arg(n.count) : n.name);
    if (n.mark != Mark::Link && n.mark != Mark::Deceased)
        lines << TreeModel::markText(n.mark, model.language());
    if (!n.fraction.isEmpty())
        lines << shareLine(n);
    if (!n.amount.isEmpty())
        lines << isolated(n.amount);
    if (!n.state.isEmpty())
        lines << n.state;
    if (!n.reason.isEmpty())
        lines << n.reason;
    return lines.join(QLatin1Char('\n'));
}

bool savePng(const TreeModel &model, const QString &path, double scale)
{
    const QSizeF size = sceneSize(model) * scale;
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.scale(scale, scale);
        paint(p, model);
    }
    return image.save(path, "PNG");
}

bool saveSvg(const TreeModel &model, const QString &path)
{
    const QSizeF size = sceneSize(model);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(text("treeTitle", model.language()));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    paint(p, model);
    p.end();
    QFile file(path);
    return file.exists() && file.size() > 0;
}

} // namespace details::tree
