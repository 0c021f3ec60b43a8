// SPDX-License-Identifier: GPL-3.0-or-later
// What the GUI tests share: finding controls, driving modal windows, the
// title bar's close, and a watchdog against a modal window nobody closes.
#pragma once

#include "ui/window_registry.h"

#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// A control of a window by objectName; nullptr when the window is.
template<class T = QWidget> T *child(QWidget *w, const QString &name)
{
    return w ? w->findChild<T *>(name) : nullptr;
}

// A control of a loaded window, the window given by its registry name.
template<class T = QWidget> T *child(const QString &window, const QString &name)
{
    return child<T>(ui::loadedWindow(window), name);
}

// Acts on the next modal window as soon as it is shown. Arm it before the
// click that opens the window: exec() blocks inside the click. Polls every
// 20 ms and gives up after `timeoutMs`.
inline void onNextModal(std::function<void(QWidget *)> act, int timeoutMs = 5000)
{
    auto *poll = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        QWidget *m = QApplication::activeModalWidget();
        if (m && m->isVisible()) {
            poll->stop();
            poll->deleteLater();
            delete clock;
            act(m);
        } else if (clock->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            delete clock;
        }
    });
    poll->start(20);
}

// Presses OK on the next message box and reports its title and text.
inline void acceptNextMessageBox(QString *title = nullptr, QString *text = nullptr)
{
    onNextModal([=](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            if (title)
                *title = box->windowTitle();
            if (text)
                *text = box->text();
            box->accept();
        } else {
            w->hide();
        }
    });
}

// Acts on the modal windows that open one after another while it lives, one
// act each, in order; a modal window with no act left is recorded as
// unexpected and hidden, so a wrong path fails, never hangs. An act may
// itself open the next modal window: acts run from their own single-shot
// timer, so the polling goes on inside the nested modal loop (Qt never fires
// a timer again while its own timeout is still being handled).
class ModalDriver
{
public:
    using Act = std::function<void(QWidget *)>;
    explicit ModalDriver(QList<Act> acts = {}) : m_acts(std::move(acts))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    void then(Act act) { m_acts.append(std::move(act)); }
    bool done() const { return m_acts.isEmpty() && m_running == 0; }
    QStringList seen;
    QStringList unexpected;

private:
    void poll()
    {
        QWidget *m = QApplication::activeModalWidget();
        if (!m || !m->isVisible() || m == m_current)
            return;
        if (m_acts.isEmpty()) {
            unexpected << m->objectName();
            m->hide();
            return;
        }
        m_current = m;
        seen << m->objectName();
        ++m_running;
        QTimer::singleShot(0, &m_timer, [this, act = m_acts.takeFirst(), m = QPointer<QWidget>(m)] {
            if (m)
                act(m);
            --m_running;
        });
    }
    QTimer m_timer;
    QPointer<QWidget> m_current;
    QList<Act> m_acts;
    int m_running = 0;
};

// Guards a test against a modal window that nobody closes: once `limitMs`
// have passed since start(), every modal window is hidden and rescued()
// says so, so the test fails instead of hanging.
class ModalWatchdog
{
public:
    void start(int limitMs, int intervalMs)
    {
        m_rescued = false;
        m_clock.start();
        m_timer.disconnect();
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this, limitMs] {
            if (m_clock.elapsed() < limitMs)
                return;
            while (QWidget *m = QApplication::activeModalWidget()) {
                m_rescued = true;
                m->hide();
            }
        });
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    bool rescued() const { return m_rescued; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_rescued = false;
};

// As the window system delivers a click on the title bar's close button
// (QWindow::close() from a test is not spontaneous in Qt 6.4).
inline void titleBarClose(QWidget *w)
{
    QPointer<QWidget> guard(w);
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    qApp->notify(w, &close);
    if (guard && close.isAccepted())
        guard->hide();
}
