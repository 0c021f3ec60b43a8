// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The family tree on screen: a canvas that paints the tree (tree_paint.h)
// at a zoom, in a scroll area, with zoom in, zoom out, fit to the window and
// export as PNG or SVG. A tool tip names the relative under the pointer, his
// share, and for the excluded the reason and who excludes.

#include "case/case_fields.h"
#include "details/tree_model.h"

#include <QWidget>

class QScrollArea;
class QToolButton;

namespace details::tree {

class TreeCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit TreeCanvas(QWidget *parent = nullptr);
    void setModel(const TreeModel *model);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    const TreeModel *m_model = nullptr;
    double m_zoom = 1;
};

class TreeView : public QWidget
{
    Q_OBJECT
public:
    explicit TreeView(QWidget *parent = nullptr);
    void setModel(const TreeModel *model);   // call again after the model changes
    void applyLanguage(Language language);
    TreeCanvas *canvas() const { return m_canvas; }
    bool fitting() const { return m_fit; }

public slots:
    void zoomIn();
    void zoomOut();
    void fit();
    bool exportPng();
    bool exportSvg();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void refit();
    bool exportTo(const char *filterKey, const char *suffix);

    const TreeModel *m_model = nullptr;
    TreeCanvas *m_canvas = nullptr;
    QScrollArea *m_scroll = nullptr;
    bool m_fit = true;
    Language m_language = Language::Arabic;
};

} // namespace details::tree
