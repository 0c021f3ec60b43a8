// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Case files: the case window's state as versioned JSON (docs/case-file.md).
// A file carries the family and the estate entries, never shares: opening
// works the case out again.

#include "details/case_state.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace details::casefile {

// Version 2 adds relatives by path, the profile and changed views; version 3
// the children who died before the deceased, the persons whose state is
// unknown and the heirs who died before the division. A file is written
// with the lowest version that holds what it carries, so older versions
// read it.
inline constexpr int FormatVersion = 3;
inline constexpr const char *FormatName = "tarnavel-case";
inline constexpr const char *Suffix = "tarnavel";
inline constexpr const char *MimeType = "application/x-tarnavel-case";
// A case file is a few hundred bytes; anything far larger is not one.
inline constexpr qint64 MaxFileSize = 1 << 20;

enum class Error {
    None,
    Unreadable,    // the file cannot be opened or read
    Empty,
    NotACaseFile,  // not JSON, or JSON of something else
    Damaged,       // begun as a case file but cut short or broken
    NewerFormat,   // written by a later version of the program
    BadValue,      // a value of the wrong kind or out of range
    UnknownRelative,
    Inconsistent,  // a husband together with wives, and the like
    Unwritable,    // saving: the file or its folder cannot be written
};

struct Problem
{
    Error error = Error::None;
    QString detail;   // the field, key or system message concerned
};

struct Contents
{
    CaseState state;
    Language language = Language::Arabic;
    QDateTime saved;
    QString program;
};

QByteArray toJson(const CaseState &s, Language language, const QDateTime &saved);
// On an error `out` is left as it was.
Problem fromJson(const QByteArray &bytes, Contents &out);

// Writes through a temporary file renamed on success.
Problem save(const QString &path, const CaseState &s, Language language);
Problem open(const QString &path, Contents &out);

} // namespace details::casefile
