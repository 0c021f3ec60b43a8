// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/register_shell.h"

#include "shell/frm_about.h"
#include "shell/frm_inherence.h"
#include "shell/frm_whattodo.h"
#include "shell/inheretence.h"
#include "ui/window_registry.h"

void registerShellWindows()
{
    ui::registerWindow(QStringLiteral("frmInherence"), [] { return new frmInherence; });
    ui::registerWindow(QStringLiteral("Inheretence"), [] { return new Inheretence; });
    ui::registerWindow(QStringLiteral("frmwhattodo"), [] { return new frmwhattodo; });
    ui::registerWindow(QStringLiteral("frmAbout"), [] { return new frmAbout; });
}
