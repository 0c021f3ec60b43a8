// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "window_registry.h"

void registerNotesWindow()
{
}
