// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the factories of the shell windows (frmInherence, Inheretence, frmwhattodo, frmAbout).
void registerShellWindows();
