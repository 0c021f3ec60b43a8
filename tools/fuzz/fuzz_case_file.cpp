// SPDX-License-Identifier: GPL-3.0-or-later
// Case files from any bytes: reading never crashes or hangs, and a file
// that is read writes back to one that reads the same.
#include "details/case_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    namespace casefile = details::casefile;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    casefile::Contents read;
    if (casefile::fromJson(bytes, read).error != casefile::Error::None)
        return 0;
    casefile::Contents again;
    const QByteArray written = casefile::toJson(read.state, read.language, read.saved);
    if (casefile::fromJson(written, again).error != casefile::Error::None || !(again.state == read.state)
        || again.language != read.language)
        std::abort();
    return 0;
}
