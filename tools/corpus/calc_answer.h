// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers the corpus of cases keeps: what tarnavel-calc writes for a
// family with --explain, computed in this process.

#include <string>

namespace corpus {

// A record's input line in one language (0 Arabic, 1 English): `family` is a
// JSON object of input keys without "Language".
std::string inLanguage(const std::string &family, int language);

// tarnavel-calc's answer line to `line` with --explain.
std::string calcAnswer(const std::string &line);

} // namespace corpus
