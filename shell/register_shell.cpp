// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "frm_about.h"
#include "frm_inherence.h"
#include "frm_whattodo.h"
#include "inheretence.h"
#include "window_registry.h"

void registerShellWindows()
{
    ui::registerWindow(QStringLiteral("frmInherence"), [] { return new frmInherence; });
    ui::registerWindow(QStringLiteral("Inheretence"), [] { return new Inheretence; });
    ui::registerWindow(QStringLiteral("frmwhattodo"), [] { return new frmwhattodo; });
    ui::registerWindow(QStringLiteral("frmAbout"), [] { return new frmAbout; });
}
