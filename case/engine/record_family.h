// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The questionnaires' record of 24 kinds as a family of paths: one mapping,
// so the windows, the command-line calculator and the case window reach the
// same calculation.

#include "case/case_record.h"
#include "case/engine/family.h"

namespace engine {

// The family a record describes, under the program's views. The first
// grandfather method (the grandfather in the father's place) is the
// grandfather with the method `Excludes`, not a father.
Family familyOfRecord(const CaseRecord &record);

// The path of each of the record's relatives, in the report's order of groups
// (the grandmothers' and the maternal siblings' groups have two paths each).
std::vector<Path> pathsOfGroup(Heir h);

} // namespace engine
