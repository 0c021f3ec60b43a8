// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The composition root. Start-up of the program: fonts, the window factories
// of every window library and the hooks through which the calculation reaches
// the screen.
namespace app {

void initialise();
void registerAllWindows();
void installCalculationHooks();

} // namespace app
