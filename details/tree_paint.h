// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The family tree drawn with a QPainter, in the tree's own units (one box
// is 156 x 96): the same function paints the window, the PNG and SVG
// pictures and the printed page. Heirs by fixed share, residuaries, the
// treasury and distant kindred differ by colour and by a sign drawn in the
// box's leading corner (a circle, a square, a half-filled circle, a
// diamond, a triangle), so the picture reads in black and white too; the
// excluded are grey with a cross.

#include "details/tree_model.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

class QPainter;

namespace details::tree {

struct Colours
{
    QColor fill;
    QColor ink;
};
Colours colours(Mark m);
// The sign of a mark inside `r`.
void paintSign(QPainter &p, Mark m, const QRectF &r);

// The whole picture's size, legend included.
QSizeF sceneSize(const TreeModel &model);
QRectF nodeRect(const TreeModel &model, int node);
// The node under a point of the picture, or -1.
int nodeAt(const TreeModel &model, QPointF point);

// Printed: the excluded carry a note number; notes() gives the notes'
// lines in the same order.
void paint(QPainter &p, const TreeModel &model, bool printed = false);
QStringList notes(const TreeModel &model);
// What the tool tip of a node says: name, share, and for the excluded the
// reason with who excludes.
QString tipText(const TreeModel &model, int node);

// The picture as a file; false when it could not be written.
bool savePng(const TreeModel &model, const QString &path, double scale = 1.5);
bool saveSvg(const TreeModel &model, const QString &path);

} // namespace details::tree
