// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tarnavel-calc's output of the working of a case and of the estate in money.

#include "case/case_fields.h"
#include "case/estate.h"
#include "case/working.h"

#include <QJsonValue>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace calccli {

// The estate keys of one input line.
struct EstateRequest
{
    bool given = false;
    estate::Input input;
};

// True when `key` is an estate key; then `error` holds what is wrong with its
// value, if anything. `written` is a number's text as the line gives it.
bool readEstateKey(const QString &key, const QJsonValue &value, EstateRequest &request,
                   std::optional<QString> &error, std::string_view written = {});

// Appends `text` as a JSON string (UTF-8, escaped).
void appendJsonString(std::string &out, const QString &text);

// Appends `, "exact": ..., "base": ..., "excluded": ...` and, where they
// apply, "otherMethod", "amounts" (the estate divided, when one was given)
// and (with explain) "steps".
void appendWorking(std::string &out, const CaseWorking &w, Language language, bool explain,
                   const estate::Result *money, int decimals);

// The message for an inconsistent family (admitFamily's error key).
QString familyErrorText(const char *key);

// The money error text for an error line.
QString estateErrorText(const estate::Result &r, int decimals);

} // namespace calccli
