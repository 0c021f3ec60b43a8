// SPDX-License-Identifier: GPL-3.0-or-later
// tarnavel-calc's input lines from any bytes: every line gets one answer
// line (a JSON object), never a crash or a hang.
#include "tools/calc/calc_lines.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <algorithm>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    long lineNumber = 0;
    std::size_t start = 0;
    while (start <= input.size() && lineNumber < 8) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        bool failed = false;
        ++lineNumber;
        // Every other line with the explanation.
        const std::string out = calccli::answerTo(input.substr(start, end - start), lineNumber, lineNumber % 2 != 0, failed);
        if (out.empty() || out.front() != '{' || out.back() != '}' || out.find('\n') != std::string::npos)
            std::abort();
        start = end + 1;
    }
    return 0;
}
