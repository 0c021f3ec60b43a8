// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two ways the questionnaires start a calculation of the program-wide
// case: hide both questionnaires (the caller's own first), then run the
// calculation's Recalculate(), which clears the shares and runs the
// distribution that fits the father and grandfather answers.
void RecalculateFromFamily();
void RecalculateFromCollaterals();
