// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"
#include "details/register_details.h"
#include "ui/app_icon.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

// Start-up timing for tools/benchmark.sh: TARNAVEL_BENCH_START holds the
// launcher's CLOCK_REALTIME in nanoseconds. Once the main window is first
// exposed and painted, the program prints the milliseconds since then and
// quits.
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

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnavel"));
    QApplication::setApplicationName(QStringLiteral("Tarnavel"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.35"));
    QApplication::setWindowIcon(appicon::icon());
    app::initialise();
    ui::showModeless(QStringLiteral("frmInherence"));
    // tarnavel FILE: the case of a case file.
    if (const QStringList args = QCoreApplication::arguments(); args.size() > 1)
        details::openFromCommandLine(args.at(1));
    if (const qint64 launched = qEnvironmentVariable("TARNAVEL_BENCH_START").toLongLong(); launched > 0) {
        if (QWindow *handle = ui::window(QStringLiteral("frmInherence"))->windowHandle())
            handle->installEventFilter(new StartTiming(launched));
    }
    return application.exec();
}
