// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up of the program: fonts, the window factories and the hooks through
// which the calculation reaches the screen.
namespace app {

void initialise();
void registerAllWindows();
void installCalculationHooks();

} // namespace app

// Each window module registers its windows' factories.
void registerShellWindows();       // shell/
void registerFamilyWindows();      // questionnaires/family/
void registerCollateralWindows();  // questionnaires/collateral/
void registerReportWindows();      // report/ui/
void registerNotesWindow();        // shell/notes/
