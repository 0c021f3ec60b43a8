// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionnaires/family/register_family.h"

#include "questionnaires/family/frm_fathers.h"
#include "questionnaires/family/frm_jadd.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

void registerFamilyWindows()
{
    ui::registerWindow(windows::Family, [] { return new frmFathers; });
    ui::registerWindow(windows::Method, [] { return new frmJadd; });
}
