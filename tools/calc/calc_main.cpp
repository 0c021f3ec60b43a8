// SPDX-License-Identifier: GPL-3.0-or-later
// tarnavel-calc: cases in, one JSON line each, answers out (see --help).
#include "tools/calc/calc_lines.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    bool explain = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(calccli::helpText(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--explain") == 0) {
            explain = true;
            continue;
        }
        std::fprintf(stderr, "tarnavel-calc: unknown argument '%s' (try --help)\n", argv[i]);
        return 2;
    }

    std::ios::sync_with_stdio(false);
    bool anyFailed = false;
    long lineNumber = 0;
    std::string line;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bool failed = false;
        calccli::writeAnswer(calccli::answerTo(line, lineNumber, explain, failed));
        anyFailed = anyFailed || failed;
    }
    return anyFailed ? 1 : 0;
}
