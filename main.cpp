// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"
#include "start_timing.h"
#include "details/register_details.h"
#include "ui/app_icon.h"
#include "ui/version.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnavel"));
    QApplication::setApplicationName(QStringLiteral("Tarnavel"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::Text));
    QApplication::setWindowIcon(appicon::icon());
    app::initialise();
    ui::showModeless(windows::Main);
    // tarnavel FILE: the case of a case file.
    if (const QStringList args = QCoreApplication::arguments(); args.size() > 1)
        details::openFromCommandLine(args.at(1));
    benchmark::timeStartIfAsked(ui::window(windows::Main));
    return application.exec();
}
