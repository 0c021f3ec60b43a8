// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/recalculation.h"

#include "case/calculation.h"
#include "case/case_record.h"
#include "ui/window_registry.h"

void RecalculateFromFamily()
{
    ui::hideWindow(QStringLiteral("frmFathers"));
    ui::hideWindow(QStringLiteral("frmBrothers"));
    Recalculate(theCase());
}

void RecalculateFromCollaterals()
{
    ui::hideWindow(QStringLiteral("frmBrothers"));
    ui::hideWindow(QStringLiteral("frmFathers"));
    Recalculate(theCase());
}
