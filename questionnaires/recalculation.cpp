// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/recalculation.h"

#include "case/calculation.h"
#include "case/case_record.h"
#include "ui/window_registry.h"

namespace {

void distribute()
{
    CaseRecord &c = theCase();
    if (c.FatherAlive == 1 || c.GrandFatherAlive == 1)
        DistributeWithFather(c);
    else
        DistributeWithoutFather(c);
}

} // namespace

void RecalculateFromFamily()
{
    ClearShares(theCase());
    ui::hideWindow(QStringLiteral("frmFathers"));
    ui::hideWindow(QStringLiteral("frmBrothers"));
    distribute();
}

void RecalculateFromCollaterals()
{
    ClearShares(theCase());
    ui::hideWindow(QStringLiteral("frmBrothers"));
    ui::hideWindow(QStringLiteral("frmFathers"));
    distribute();
}
