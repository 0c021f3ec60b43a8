// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"
#include "tools/start_timing.h"
#include "ui/app_icon.h"
#include "ui/version.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnavel"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::Text));
    QApplication::setWindowIcon(appicon::icon());
    app::initialise();
    ui::showModeless(windows::Main);
    benchmark::timeStartIfAsked(ui::window(windows::Main));
    return application.exec();
}
