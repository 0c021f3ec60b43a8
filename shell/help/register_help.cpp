// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help/register_help.h"

#include "shell/help/document_window.h"
#include "ui/help.h"
#include "ui/window_registry.h"

void registerHelpWindows()
{
    ui::registerWindow(help::GuideWindow, [] {
        return new DocumentWindow(help::GuideWindow,
                                  {QStringLiteral("guide_ar.html"), QStringLiteral("guide_en.html")});
    });
    ui::registerWindow(QStringLiteral("frmScienceEn"), [] {
        return new DocumentWindow(QStringLiteral("frmScienceEn"), {QString(), QStringLiteral("science_en.html")});
    });
    help::installHelpKey();
}
