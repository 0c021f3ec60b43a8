// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"
#include "app_icon.h"
#include "window_registry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnavel"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.35"));
    QApplication::setWindowIcon(appicon::icon());
    app::initialise();
    ui::showModeless(QStringLiteral("frmInherence"));
    return application.exec();
}
