// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two ways the questionnaires start a calculation of the program-wide
// case: clear the shares, hide both questionnaires (the caller's own first)
// and run the distribution that fits the father and grandfather answers.
void RecalculateFromFamily();
void RecalculateFromCollaterals();
