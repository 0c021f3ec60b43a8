// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/recalculation.h"

#include "case/calculation.h"
#include "case/case_record.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

void RecalculateFromFamily()
{
    ui::hideWindow(windows::Family);
    ui::hideWindow(windows::Collateral);
    Recalculate(theCase());
}

void RecalculateFromCollaterals()
{
    ui::hideWindow(windows::Collateral);
    ui::hideWindow(windows::Family);
    Recalculate(theCase());
}
