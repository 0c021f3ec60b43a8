// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the factories of the family questionnaire (frmFathers) and the method window (frmJadd).
void registerFamilyWindows();
