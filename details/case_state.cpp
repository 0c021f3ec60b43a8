// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/case_state.h"

#include "case/case_fields.h"

#include <string>

namespace details {
namespace {

const CountField *fieldOf(Relative r)
{
    // The record names a single relative "<key>Alive" and the others
    // "<key>Count".
    const std::string key = relativeKey(r);
    if (const CountField *f = findInputField(key + "Alive"))
        return f;
    return findInputField(key + "Count");
}

} // namespace

int relativeMax(Relative r)
{
    const CountField *f = fieldOf(r);
    return f ? f->max : 0;
}

bool isSingle(Relative r)
{
    const CountField *f = fieldOf(r);
    return f && f->kind == FieldKind::Flag;
}

bool relativeFromKey(const QString &key, Relative &r)
{
    for (int k = 0; k < RelativeCount; ++k) {
        if (key == QLatin1String(relativeKey(Relative(k)))) {
            r = Relative(k);
            return true;
        }
    }
    return false;
}

CaseState stateFromRecord(const CaseRecord &c, const QString &name, bool woman)
{
    CaseState s;
    s.name = name;
    s.woman = woman;
    for (int k = 0; k < RelativeCount; ++k)
        s.counts[std::size_t(k)] = relativeCount(c, Relative(k));
    const int maternal = c.MaternalBrotherCount + c.MaternalSisterCount;
    if (maternal > s.count(Relative::MaternalSibling))
        s.setCount(Relative::MaternalSibling, maternal);
    s.method = c.GrandFatherAsFather == 1 ? 1 : 2;
    return s;
}

CaseRecord familyRecord(const CaseState &s, Language language)
{
    CaseRecord c;
    c.Language = std::int16_t(language);
    for (int k = 0; k < RelativeCount; ++k)
        if (const CountField *f = fieldOf(Relative(k)))
            c.*(f->member) = std::int16_t(s.counts[std::size_t(k)]);
    c.GrandFatherAsFather = s.method == 1 && methodAsked(c) ? 1 : 0;
    return c;
}

estate::Input estateInput(const EstateEntries &e)
{
    estate::Input in;
    in.estate = e.value.toStdString();
    in.funeralCosts = e.funeralCosts.toStdString();
    in.debts = e.debts.toStdString();
    in.bequest = e.bequest.toStdString();
    in.heirsConsent = e.heirsConsent;
    in.decimals = e.decimals;
    return in;
}

} // namespace details
