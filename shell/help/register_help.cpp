// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help/register_help.h"

#include "shell/help/document_window.h"
#include "ui/help.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

void registerHelpWindows()
{
    ui::registerWindow(help::GuideWindow, [] {
        return new DocumentWindow(help::GuideWindow,
                                  {QStringLiteral("guide_ar.html"), QStringLiteral("guide_en.html")});
    });
    ui::registerWindow(windows::ScienceEn, [] {
        return new DocumentWindow(windows::ScienceEn, {QString(), QStringLiteral("science_en.html")});
    });
    help::installHelpKey();
}
