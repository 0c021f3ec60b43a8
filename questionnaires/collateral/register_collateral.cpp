// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "frm_brothers.h"
#include "window_registry.h"

void registerCollateralWindows()
{
    ui::registerWindow(QStringLiteral("frmBrothers"), [] { return new frmBrothers; });
}
