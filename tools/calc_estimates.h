// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tarnavel-calc's lines with heirs whose state is unknown ("Unborn",
// "Missing", "Hermaphrodite", "ClarityHoped"): read, worked out under every
// estimate (case/engine/estimates.h) and written with what is paid at once,
// what is held, and who receives what from the reserve when the truth is known.

#include "case/case_fields.h"
#include "case/engine/estimates.h"
#include "tools/calc_working.h"

#include <QJsonValue>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace calccli {

struct EstimateRequest
{
    std::vector<engine::UncertainPerson> persons;
    bool clarityHoped = true;
};

// True when `key` is one of the four keys; then `error` holds what is wrong
// with its value, if anything.
bool readEstimateKey(const QString &key, const QJsonValue &value, EstimateRequest &request,
                     std::optional<QString> &error);

// The answer line of a family with uncertain persons (the estate divided
// into what is paid and what is held, when one is given).
std::string estimatesAnswer(const engine::Family &family, const EstimateRequest &request, Language language,
                            const EstateRequest &estate, QString &error);

} // namespace calccli
