// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sentences of the working of a case, from the table in
// resources/report/working.json, in either language (0 Arabic, 1 English).

#include "case/case_fields.h"
#include "case/working.h"

#include <QString>

namespace report {

QString groupName(Heir h, int count, Language language);
QString relativeName(Relative r, int count, Language language);
QString portionName(Portion p, Language language);
// The Qur'an reference of a rule ("4:11"), or empty.
QString ruleReference(Rule r);
// One step of the working as a sentence, its reference in brackets.
QString stepSentence(const Step &step, const CaseWorking &w, Language language);
QString exclusionSentence(const Exclusion &e, Language language);

} // namespace report
