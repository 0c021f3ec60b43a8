// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/tree_view.h"

#include "details/file_chooser.h"
#include "details/tree_paint.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace details::tree {
namespace {

constexpr double MinZoom = 0.05, MaxZoom = 3, Step = 1.25;

} // namespace

TreeCanvas::TreeCanvas(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("treeCanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TreeCanvas::setModel(const TreeModel *model)
{
    m_model = model;
    resize(sizeHint());
    update();
}

void TreeCanvas::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, MinZoom, MaxZoom);
    resize(sizeHint());
    update();
}

QSize TreeCanvas::sizeHint() const
{
    if (!m_model)
        return {100, 100};
    return (sceneSize(*m_model) * m_zoom).toSize();
}

void TreeCanvas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!m_model)
        return;
    p.scale(m_zoom, m_zoom);
    paint(p, *m_model);
}

bool TreeCanvas::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && m_model) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int node = nodeAt(*m_model, QPointF(help->pos()) / m_zoom);
        if (node >= 0)
            QToolTip::showText(help->globalPos(), tipText(*m_model, node), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

TreeView::TreeView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("treeView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QHBoxLayout;
    const std::pair<const char *, void (TreeView::*)()> buttons[] = {
        {"cmdZoomOut", &TreeView::zoomOut}, {"cmdZoomIn", &TreeView::zoomIn}, {"cmdFit", &TreeView::fit}};
    for (auto [name, slot] : buttons) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QToolButton::clicked, this, slot);
        bar->addWidget(b);
    }
    bar->addStretch(1);
    for (auto [name, slot] : {std::pair{"cmdPng", &TreeView::exportPng}, std::pair{"cmdSvg", &TreeView::exportSvg}}) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QToolButton::clicked, this, slot);
        bar->addWidget(b);
    }
    layout->addLayout(bar);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("treeScroll"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Base);
    m_canvas = new TreeCanvas;
    m_scroll->setWidget(m_canvas);
    m_scroll->viewport()->installEventFilter(this);
    layout->addWidget(m_scroll, 1);
}

void TreeView::setModel(const TreeModel *model)
{
    m_model = model;
    m_canvas->setModel(model);
    if (m_fit)
        refit();
}

void TreeView::applyLanguage(Language language)
{
    m_language = language;
    for (QToolButton *b : findChildren<QToolButton *>())
        b->setText(text(b->objectName().toLatin1().constData(), language));
}

void TreeView::zoomIn()
{
    m_fit = false;
    m_canvas->setZoom(m_canvas->zoom() * Step);
}

void TreeView::zoomOut()
{
    m_fit = false;
    m_canvas->setZoom(m_canvas->zoom() / Step);
}

void TreeView::fit()
{
    m_fit = true;
    refit();
}

void TreeView::refit()
{
    if (!m_model)
        return;
    const QSizeF scene = sceneSize(*m_model);
    const QSize room = m_scroll->viewport()->size() - QSize(4, 4);
    const double zoom = std::min({room.width() / scene.width(), room.height() / scene.height(), 1.0});
    m_canvas->setZoom(zoom);
}

// Fitted to the room the scroll area really gives: its viewport is laid out
// after this widget, and a page shown for the first time (or again after
// the family changed while it was hidden) only then has its size.
bool TreeView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_fit)
        refit();
    return QWidget::eventFilter(watched, event);
}

void TreeView::wheelEvent(QWheelEvent *event)
{
    // Ctrl and the wheel zoom, as in every viewer; the wheel alone scrolls.
    if (!(event->modifiers() & Qt::ControlModifier))
        return QWidget::wheelEvent(event);
    if (event->angleDelta().y() > 0)
        zoomIn();
    else if (event->angleDelta().y() < 0)
        zoomOut();
    event->accept();
}

bool TreeView::exportTo(const char *filterKey, const char *suffix)
{
    if (!m_model)
        return false;
    const QString path = fileChooser().saveFile(this, text("treeTitle", m_language),
                                                suggestedPath(text("treeTitle", m_language), QLatin1String(suffix)),
                                                text(filterKey, m_language));
    if (path.isEmpty())
        return false;
    const QString target = QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + QLatin1String(suffix) : path;
    const bool ok = QLatin1String(suffix) == QLatin1String("svg") ? saveSvg(*m_model, target) : savePng(*m_model, target);
    if (!ok) {
        QMessageBox box(QMessageBox::Warning, text("treeTitle", m_language), text("exportFailed", m_language),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("treeExportNotice"));
        box.exec();
    }
    return ok;
}

bool TreeView::exportPng()
{
    return exportTo("pngFilter", "png");
}

bool TreeView::exportSvg()
{
    return exportTo("svgFilter", "svg");
}

} // namespace details::tree
