// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>

#include <functional>

// Window lifetime of a case. Each window exists once: it is created (and so
// runs its load step) when first referred to, is hidden rather than closed
// while the case lasts, and is discarded when the case ends. A modal show is
// QDialog::exec(), which returns as soon as the window is hidden.
namespace ui {

using WindowFactory = std::function<QWidget *()>;

// Each window module registers its factory once (see registerAllWindows()).
void registerWindow(const QString &name, WindowFactory factory);
bool isRegistered(const QString &name);
QStringList registeredWindows(); // sorted

// The window, created when first referred to. nullptr for an unknown name.
QWidget *window(const QString &name);
template<class T> T *windowAs(const QString &name) { return qobject_cast<T *>(window(name)); }

// The window if it is loaded, without creating it.
QWidget *loadedWindow(const QString &name);
bool isLoaded(const QString &name);

// Hides and forgets the window; it is deleted once control is back in the
// event loop, and the next reference creates it afresh. Nothing happens when
// it is not loaded.
void discard(const QString &name);

// Shows the window modally (QDialog::exec) and returns when it is hidden.
// Returns -1 when the window is not a QDialog.
int showModal(const QString &name);
void showModeless(const QString &name);
// Hides the window, creating it first if needed, so that hiding never fails.
void hideWindow(const QString &name);

// The windows of a case, in the order the after-results window discards them.
QStringList caseWindowNames();
void discardCaseWindows();

// A case window closed through its title bar (or Escape) stops the case:
// every case window is discarded, so the next start begins a fresh case.
void stopCase();

// Forget every window and factory (tests).
void resetRegistry();

} // namespace ui

// Base of the case windows: closing through the title bar or Escape stops the
// case instead of leaving hidden windows behind; close() from code unloads
// just this window.
class CaseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CaseDialog(const QString &name, QWidget *parent = nullptr);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
};
