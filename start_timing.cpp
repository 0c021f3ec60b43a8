// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_timing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace benchmark {
namespace {

class StartTiming : public QObject
{
public:
    explicit StartTiming(qint64 launchedNs) : m_launchedNs(launchedNs) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // The expose paints the window; the zero timer runs after that.
            QTimer::singleShot(0, this, [this] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                const qint64 nowNs = qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
                std::printf("main window shown after %.1f ms\n", double(nowNs - m_launchedNs) / 1e6);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    qint64 m_launchedNs;
};

} // namespace

void timeStartIfAsked(QWidget *mainWindow)
{
    const qint64 launched = qEnvironmentVariable("TARNAVEL_BENCH_START").toLongLong();
    if (launched <= 0 || !mainWindow)
        return;
    if (QWindow *handle = mainWindow->windowHandle())
        handle->installEventFilter(new StartTiming(launched));
}

} // namespace benchmark
