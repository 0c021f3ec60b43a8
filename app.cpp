// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "case/case_record.h"
#include "details/register_details.h"
#include "questionnaires/collateral/register_collateral.h"
#include "questionnaires/family/register_family.h"
#include "report/ui/register_report.h"
#include "shell/help/register_help.h"
#include "shell/notes/register_notes.h"
#include "shell/register_shell.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_registry.h"

namespace app {

void initialise()
{
    fonts::installSubstitutions();
    language::applyToApplication(language::current());
    registerAllWindows();
    installCalculationHooks();
}

void registerAllWindows()
{
    registerShellWindows();
    registerFamilyWindows();
    registerCollateralWindows();
    registerReportWindows();
    registerNotesWindow();
    registerHelpWindows();
    details::registerCaseWindow();
}

} // namespace app
