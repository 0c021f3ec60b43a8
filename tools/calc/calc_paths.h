// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tarnavel-calc's lines that give relatives as paths ("Relatives"), a
// profile ("Profile") or single views ("Views"): read, worked out by the
// calculation over paths, and written.

#include "case/case_fields.h"
#include "case/case_record.h"
#include "case/engine/family.h"
#include "tools/calc/calc_bequest.h"
#include "tools/calc/calc_estimates.h"
#include "tools/calc/calc_working.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace calccli {

struct PathRequest
{
    bool given = false;   // any of the three keys is on the line
    std::vector<engine::Member> relatives;
    Profile profile = Profile::Program;
    std::vector<std::pair<View, std::string>> views;
    BequestRequest bequest;   // "Predeceased" (tools/calc_bequest.h)
    QJsonObject time;   // "Deaths", "DiedTogether", "Withdrawal" as given (tools/calc_time.cpp)
    EstimateRequest uncertain;   // "Unborn", "Missing", "Hermaphrodite", "ClarityHoped"
    std::vector<std::vector<Path>> samePerson;   // "SamePerson": a grandmother's routes
};

// True when `key` is one of the three keys; then `error` holds what is
// wrong with its value, if anything.
bool readPathKey(const QString &key, const QJsonValue &value, PathRequest &request,
                 std::optional<QString> &error);

// The family of a line: today's keys and the paths together. Empty with
// `error` set when a relative is given twice, once by each way.
std::optional<engine::Family> familyOfLine(const CaseRecord &given, const PathRequest &request, QString &error);

// The answer line of such a family (the estate divided when one is given),
// relatives named in `language`; with `explain` the sentences of the
// working; with predeceased children, the answer with the obligatory bequest.
std::string pathAnswer(const engine::Family &family, Language language, const EstateRequest &estate,
                       QString &error, bool explain = false, const BequestRequest *bequest = nullptr);

// The names the answers give a rule, a reason, a relative and an event (the
// bit of engine::Event).
const char *shareRuleKey(engine::ShareRule r);
const char *reasonName(engine::Reason r);
QString memberKey(const Path &p);
const char *eventName(int bit);
// "profile": ..., "views": {every view and its value}.
void appendProfileAndViews(std::string &out, const engine::Family &family);

} // namespace calccli
