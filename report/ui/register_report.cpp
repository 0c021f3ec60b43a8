// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "results_window.h"
#include "window_registry.h"

void registerReportWindows()
{
    ui::registerWindow(QStringLiteral("Results"), [] { return new Results; });
}
