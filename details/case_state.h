// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the case window holds of a case: the deceased, the family as the user
// gives it, the grandfather method and the estate entries. It is the case
// window's own copy; the questionnaires' record is never touched.

#include "case/case_fields.h"
#include "case/engine/estimates.h"
#include "case/engine/family.h"
#include "case/engine/obligatory_bequest.h"
#include "case/estate.h"
#include "case/working.h"
#include "details/later_deaths.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace details {

// The estate as typed, kept as text so that a bad entry is still shown.
struct EstateEntries
{
    QString value;
    QString funeralCosts;
    QString debts;
    QString bequest;
    bool heirsConsent = false;
    int decimals = 2;

    bool given() const { return !value.trimmed().isEmpty(); }
    friend bool operator==(const EstateEntries &, const EstateEntries &) = default;
};

struct CaseState
{
    QString name;
    bool woman = false;
    std::array<int, RelativeCount> counts{};
    // 1 the grandfather in the father's place, 2 with the siblings; read
    // only where the case has the choice.
    int method = 2;
    EstateEntries estate;
    // Relatives beyond the family editor's kinds, by path (the page of
    // relatives and schools).
    std::vector<engine::Member> added;
    // The profile the case is worked under and its views, single views
    // changed; none: the profile the user chose last.
    std::optional<Profile> profile;
    std::optional<Views> views;
    // Children of the deceased who died before him, with their descendants
    // and what he gave them (the obligatory bequest of the national codes).
    std::vector<engine::Predeceased> predeceased;
    // Persons whose state is not yet known: the unborn child, the missing,
    // the hermaphrodite (worked out by estimates, the rest held).
    std::vector<engine::UncertainPerson> uncertain;
    // Heirs who died before the division, in order (the page of later deaths).
    std::vector<LaterDeath> laterDeaths;

    int count(Relative r) const { return counts[std::size_t(r)]; }
    void setCount(Relative r, int n) { counts[std::size_t(r)] = n; }
    friend bool operator==(const CaseState &, const CaseState &) = default;
};

// The largest count a relative may have (1 for those who are one or none).
int relativeMax(Relative r);
// Whether the relative is one person, present or not.
bool isSingle(Relative r);
// The relative whose key (relativeKey) is `key`, or false.
bool relativeFromKey(const QString &key, Relative &r);

// The family of a calculated record: the grandfather in the father's place
// becomes the grandfather with method 1, the maternal brothers and sisters
// one count of maternal siblings.
CaseState stateFromRecord(const CaseRecord &c, const QString &name, bool woman);
// The record the calculation starts from.
CaseRecord familyRecord(const CaseState &s, Language language);

estate::Input estateInput(const EstateEntries &e);

} // namespace details
