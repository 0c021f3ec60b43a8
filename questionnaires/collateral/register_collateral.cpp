// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/collateral/register_collateral.h"

#include "questionnaires/collateral/frm_brothers.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

void registerCollateralWindows()
{
    ui::registerWindow(windows::Collateral, [] { return new frmBrothers; });
}
