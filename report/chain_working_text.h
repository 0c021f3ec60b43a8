// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of heirs who die before the division (al-munasakhat) in
// words, from the "chain" table of resources/report/path_working.json:
// the first case's base, then each later death with his parts of the
// combined base against his own case's base, what every holding is
// multiplied by and the combined base it makes, the reduction, and every
// living heir's parts and fraction of the first estate.

#include "case/case_fields.h"
#include "case/engine/successive.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace report {

// `deceased`: the name of each death's deceased (the first unused);
// `holders`: the name of each holder of the chain.
QStringList chainSteps(const engine::ChainResult &result, const std::vector<QString> &deceased,
                       const std::vector<QString> &holders, Language language);

// A figure or fraction kept left to right inside right-to-left text.
QString isolated(const QString &figure);

} // namespace report
