// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/family/register_family.h"

#include "questionnaires/family/frm_fathers.h"
#include "questionnaires/family/frm_jadd.h"
#include "ui/window_registry.h"

void registerFamilyWindows()
{
    ui::registerWindow(QStringLiteral("frmFathers"), [] { return new frmFathers; });
    ui::registerWindow(QStringLiteral("frmJadd"), [] { return new frmJadd; });
}
