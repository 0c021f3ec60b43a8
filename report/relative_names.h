// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The name of any relative given as a path, in either language, composed
// from the path with the words of resources/report/relatives.json and
// reading as people say them: "ابن ابن الأخ الشقيق", "عم الأب لأب",
// "the full brother's son's son", "the father's paternal uncle". A parent's
// sibling takes the classical word (العم، العمة، الخال، الخالة; uncle,
// aunt), two fathers at the start of a line are the grandfather (أب الجد,
// the grandfather's father). The relatives the working already names keep
// the names it gives them (working.json).

#include "case/case_fields.h"
#include "case/path.h"

#include <QString>

namespace report {

// The name for `count` heads: Arabic has a form for one, for two (the dual)
// and for three or more; English one for one and one for several. The name
// carries the article and no number, as the sentences of the working use
// it; English names start in lower case.
QString relativeName(const Path &path, Language language, int count = 1);

} // namespace report
