// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "frm_notes.h"
#include "window_registry.h"

void registerNotesWindow()
{
    ui::registerWindow(QStringLiteral("frmNotes"), [] { return new frmNotes; });
}
