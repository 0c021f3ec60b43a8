// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tarnavel-calc's line handling: one input line (a JSON object) in, one
// answer line out. The program (calc_main.cpp) and the fuzz target use it.

#include <string>

namespace calccli {

// The text of --help.
const char *helpText();
// Its first part (calc_help.cpp).
extern const char HelpText[];
// The answer to one input line; `failed` tells whether it is an error line.
std::string answerTo(const std::string &line, long lineNumber, bool explain, bool &failed);
// Writes an answer and its newline to standard output, flushed.
void writeAnswer(const std::string &text);

} // namespace calccli
