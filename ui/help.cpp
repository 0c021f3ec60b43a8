// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help.h"

#include "ui/window_registry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

#include <utility>

namespace help {
namespace {

QString &requested()
{
    static QString s;
    return s;
}

// One filter on the application sees F1 before any window does, so no window
// needs code of its own for it.
class HelpKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->isAutoRepeat())
            return false;
        // The window system hands keys to the window first, then to the
        // focus widget; a test sends them to the widget itself.
        const QWidget *w = qobject_cast<QWidget *>(watched);
        if (!w && watched->isWindowType())
            w = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        if (!w)
            return false;
        openGuide(sectionFor(w));
        return true;
    }
};

} // namespace

QString takeRequestedSection()
{
    return std::exchange(requested(), QString());
}

void openGuide(const QString &section)
{
    requested() = section;
    QWidget *open = ui::loadedWindow(GuideWindow);
    if (open && open->isVisible()) {
        QMetaObject::invokeMethod(open, "showSection", Q_ARG(QString, section));
        return;
    }
    ui::showModal(GuideWindow);
}

QString sectionFor(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        // A part of a window with its own section of the guide names it.
        const QString own = w->property(SectionProperty).toString();
        if (!own.isEmpty())
            return own;
        if (!w->objectName().isEmpty() && ui::isRegistered(w->objectName()))
            return w->objectName();
    }
    return QString();
}

void installHelpKey()
{
    static HelpKey *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new HelpKey(qApp);
    qApp->installEventFilter(filter);
}

} // namespace help
