// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The distant kindred (dhawu al-arham): relatives by blood who are neither
// fixed-share heirs nor residuaries. They inherit only when no heir by blood
// other than a spouse is left, by one of two methods the views choose:
// kinship (qaraba: four classes, then degree, the child of an heir and
// strength) or substitution (tanzil: each stands in the place of the heir
// through whom he is related).

#include "case/path.h"
#include "case/rational.h"
#include "case/views.h"

#include <optional>

namespace engine {

// The class of a distant kinsman by kinship: 1 the deceased's descendants,
// 2 his ascendants, 3 his parents' descendants, 4 his grandparents' and
// higher ancestors' descendants.
int kinshipClass(const Path &p);

// Whether a path is an heir by fixed share or residue under the views (a
// grandmother beyond the lines the views admit is not).
bool heirPath(const Path &p, const Views &views);

// The heir a distant kinsman stands in the place of under substitution: the
// nearest heir on his path (the mother for a maternal uncle, the father for a
// paternal aunt, the son's daughter for her son).
std::optional<Path> heirStoodFor(const Path &p, const Views &views);

namespace detail {
struct Work;
// The rest to the distant kindred, when no heir by blood other than a spouse
// has a share and the views let them inherit; false when they take nothing.
bool distantKindred(Work &w, const Rational &left);
} // namespace detail

} // namespace engine
