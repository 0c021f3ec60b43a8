// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of a case over paths in words, from the table in
// resources/report/path_working.json: for every member the rule of the
// share with its evidence (a verse in brackets, a hadith with its
// collection, or consensus), or why the member receives nothing; the named
// cases; and the steps of the bases. Where the schools differ on a point the
// case turns on, the sentence names the view it follows (schools.json).

#include "case/case_fields.h"
#include "case/engine/family.h"
#include "case/engine/result.h"
#include "case/engine/working.h"

#include <QString>
#include <QStringList>

namespace report {

// The sentence of a member who receives a share ("The father's mother: a
// sixth, ..."); empty for a member without one.
QString pathShareSentence(const engine::Family &family, const engine::Result &result, int member,
                          Language language);
// Why a member receives nothing ("The full brother: excluded by the
// grandfather, on the view of Abu Bakr, ..."); empty for an heir.
QString pathExclusionSentence(const engine::Family &family, const engine::Result &result, int member,
                              Language language);
// The working in order: the grandfather beside the siblings, the named
// cases, every share, then the base, its 'awl, return, the spouse's rest or
// the treasury, the correction and the reduction.
QStringList pathSteps(const engine::Family &family, const engine::Result &result, const engine::Working &working,
                      Language language);

// The table's key of a rule or a reason ("GrandmothersSixth",
// "NotAnHeirInThisSchool"), and its sentence before a name is put in; empty
// where the table has none.
const char *pathRuleKey(engine::ShareRule rule);
const char *pathReasonKey(engine::Reason reason);
QString pathRuleTemplate(engine::ShareRule rule, Language language);
QString pathReasonTemplate(engine::Reason reason, Language language);

} // namespace report
