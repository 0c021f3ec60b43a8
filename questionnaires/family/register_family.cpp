// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "frm_fathers.h"
#include "frm_jadd.h"
#include "window_registry.h"

void registerFamilyWindows()
{
    ui::registerWindow(QStringLiteral("frmFathers"), [] { return new frmFathers; });
    ui::registerWindow(QStringLiteral("frmJadd"), [] { return new frmJadd; });
}
