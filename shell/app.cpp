// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "case_record.h"
#include "fonts.h"
#include "language.h"
#include "window_registry.h"

namespace app {

void initialise()
{
    fonts::installSubstitutions();
    language::applyToApplication(theCase().Language);
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
}

} // namespace app
