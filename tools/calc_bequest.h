// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tarnavel-calc's key "Predeceased": the children of the deceased who died
// before him, with their descendants, read and worked out with the
// obligatory bequest of the line's profile or views.

#include "case/case_fields.h"
#include "case/engine/obligatory_bequest.h"
#include "tools/calc_working.h"

#include <QJsonValue>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace calccli {

struct BequestRequest
{
    bool given = false;
    std::vector<engine::Predeceased> predeceased;
    // The "gifts" as written, in the order of the tree: an amount of money
    // (the estate must be given) or a fraction of the estate ("1/9").
    std::vector<std::string> gifts;
};

// True when `key` is "Predeceased"; then `error` holds what is wrong with
// its value, if anything.
bool readBequestKey(const QString &key, const QJsonValue &value, BequestRequest &request,
                    std::optional<QString> &error);

// The answer line with the obligatory bequest.
std::string bequestAnswer(const engine::Family &family, const BequestRequest &request, Language language,
                          const EstateRequest &estate, QString &error);

} // namespace calccli
