// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the user guide's window (frmGuide) and the English science
// document's (frmScienceEn), and makes F1 open the guide in every window.
void registerHelpWindows();
