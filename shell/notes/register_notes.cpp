// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/notes/register_notes.h"

#include "shell/notes/frm_notes.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

void registerNotesWindow()
{
    ui::registerWindow(windows::Notes, [] { return new frmNotes; });
}
