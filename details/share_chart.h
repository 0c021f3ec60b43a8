// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shares as bars, one per heir (and the treasury), in the tree's
// colours and signs, the largest first; the same painting serves the
// window and the printed document.

#include "details/tree_model.h"

#include <QWidget>

class QPainter;

namespace details::tree {

// The bars in order: node indices of the tree with a share, largest first.
QList<int> chartBars(const TreeModel &model);
// The height the chart needs for a width.
double chartHeight(const TreeModel &model);
void paintChart(QPainter &p, const TreeModel &model, const QRectF &area);

class ShareChart : public QWidget
{
    Q_OBJECT
public:
    explicit ShareChart(QWidget *parent = nullptr);
    void setModel(const TreeModel *model);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const TreeModel *m_model = nullptr;
};

} // namespace details::tree
