// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>

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
