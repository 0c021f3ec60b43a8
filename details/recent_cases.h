// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The case files saved or opened last, newest first, in the program's
// settings.
namespace details::recent {

inline constexpr int MaxEntries = 8;

QStringList files();
void add(const QString &path);
void remove(const QString &path);

} // namespace details::recent
