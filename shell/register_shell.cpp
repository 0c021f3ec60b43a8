// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/register_shell.h"

#include "shell/frm_about.h"
#include "shell/frm_inherence.h"
#include "shell/frm_whattodo.h"
#include "shell/inheretence.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

void registerShellWindows()
{
    ui::registerWindow(windows::Main, [] { return new frmInherence; });
    ui::registerWindow(windows::DeceasedEntry, [] { return new Inheretence; });
    ui::registerWindow(windows::AfterResults, [] { return new frmwhattodo; });
    ui::registerWindow(windows::About, [] { return new frmAbout; });
}
