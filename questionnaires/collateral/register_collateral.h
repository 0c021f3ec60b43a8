// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the factory of the collateral questionnaire (frmBrothers).
void registerCollateralWindows();
