// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QCloseEvent>
#include <QHash>
#include <QPointer>

namespace ui {
namespace {

struct Registry
{
    QHash<QString, WindowFactory> factories;
    QHash<QString, QPointer<QWidget>> windows;
};

Registry &registry()
{
    static Registry r;
    return r;
}

} // namespace

void registerWindow(const QString &name, WindowFactory factory)
{
    registry().factories.insert(name, std::move(factory));
}

bool isRegistered(const QString &name)
{
    return registry().factories.contains(name);
}

QStringList registeredWindows()
{
    QStringList names = registry().factories.keys();
    names.sort();
    return names;
}

QWidget *loadedWindow(const QString &name)
{
    auto it = registry().windows.find(name);
    if (it == registry().windows.end())
        return nullptr;
    if (it->isNull()) {
        registry().windows.erase(it);
        return nullptr;
    }
    return it->data();
}

bool isLoaded(const QString &name)
{
    return loadedWindow(name) != nullptr;
}

QWidget *window(const QString &name)
{
    if (QWidget *w = loadedWindow(name))
        return w;
    auto f = registry().factories.find(name);
    if (f == registry().factories.end() || !*f)
        return nullptr;
    QWidget *w = (*f)();
    if (!w)
        return nullptr;
    if (w->objectName().isEmpty())
        w->setObjectName(name);
    registry().windows.insert(name, w);
    return w;
}

void discard(const QString &name)
{
    QWidget *w = loadedWindow(name);
    if (!w)
        return;
    registry().windows.remove(name);
    w->hide();
    w->deleteLater();
}

int showModal(const QString &name)
{
    auto *dialog = qobject_cast<QDialog *>(window(name));
    if (!dialog)
        return -1;
    return dialog->exec();
}

void showModeless(const QString &name)
{
    if (QWidget *w = window(name)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void hideWindow(const QString &name)
{
    if (QWidget *w = window(name))
        w->hide();
}

QStringList caseWindowNames()
{
    return {windows::Family, windows::Collateral,
            windows::DeceasedEntry, windows::Method,
            windows::Results};
}

void discardCaseWindows()
{
    for (const QString &name : caseWindowNames())
        discard(name);
}

void stopCase()
{
    discardCaseWindows();
}

void resetRegistry()
{
    for (auto it = registry().windows.begin(); it != registry().windows.end(); ++it) {
        if (!it->isNull()) {
            (*it)->hide();
            delete it->data();
        }
    }
    registry().windows.clear();
    registry().factories.clear();
}

} // namespace ui

CaseDialog::CaseDialog(const QString &name, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void CaseDialog::reject()
{
    // Escape: like closing through the title bar.
    hide();
    ui::stopCase();
}

void CaseDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (event->spontaneous())
        ui::stopCase();
    else
        ui::discard(objectName());
}
