// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tarnavel-calc's lines over more than one death, or with an heir who
// withdraws: "Deaths" (successive deaths), "DiedTogether" and "Withdrawal".
// Read here and worked out by case/engine/successive, together and
// withdrawal.

#include "tools/calc_paths.h"

namespace calccli {

// The part of --help on these keys.
extern const char TimeHelp[];

// True when `key` is one of the three keys: the value is kept on the
// request and read when the line is answered.
bool readTimeKey(const QString &key, const QJsonValue &value, PathRequest &request);

// The answer line of a line that gives one of them; `error` set on a fault.
std::string timeAnswer(const CaseRecord &given, const PathRequest &request, const EstateRequest &estate,
                       QString &error);

} // namespace calccli
