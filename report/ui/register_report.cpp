// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ui/register_report.h"

#include "report/ui/printing.h"
#include "report/ui/results_window.h"
#include "ui/case_access.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

void registerReportWindows()
{
    ui::registerWindow(windows::Results, [] { return new Results; });
    caseaccess::setPrintReport(printing::printFromMainWindow);
}
