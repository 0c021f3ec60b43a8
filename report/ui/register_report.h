// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the factory of the results window (Results) and the main window's way to the printed report.
void registerReportWindows();
