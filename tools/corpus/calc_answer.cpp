// SPDX-License-Identifier: GPL-3.0-or-later
// tarnavel-calc's line reader and answer, without its main(): the corpus and
// its test answer exactly as the command-line calculator does.
#include "tools/corpus/calc_answer.h"

#define TARNAVEL_CALC_NO_MAIN
// Without main() the writer of output lines is never called.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include "tools/tarnavel_calc.cpp"
#pragma GCC diagnostic pop

namespace corpus {

std::string inLanguage(const std::string &family, int language)
{
    std::string line = "{\"Language\":" + std::to_string(language);
    if (family.size() > 2)
        line += ',' + family.substr(1);
    else
        line += '}';
    return line;
}

std::string calcAnswer(const std::string &line)
{
    bool failed = false;
    return answerLine(line, 1, true, failed);
}

} // namespace corpus
