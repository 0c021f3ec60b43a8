// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/case_fields.h"

#include <array>

namespace {

constexpr int MaxCount = 50;
constexpr int MaxWives = 4;
// Maternal brothers and sisters are one count, so it can reach 50 + 50.
constexpr int MaxMaternalSiblings = 2 * MaxCount;

#define FLAG(n, share) { #n, &CaseRecord::n, FieldKind::Flag, 1, share }
#define COUNT(n, max, share) { #n, &CaseRecord::n, FieldKind::Count, max, share }

const std::array<CountField, 28> inputs = {{
    FLAG(FatherAlive, "FatherShare"),
    FLAG(GrandFatherAlive, "GrandFatherShare"),
    FLAG(MotherAlive, "MotherShare"),
    FLAG(MaternalGrandMotherAlive, "GrandMotherShare"),
    FLAG(ParentalGrandMotherAlive, "GrandMotherShare"),
    FLAG(HusbandAlive, "HusbandShare"),
    COUNT(WifeCount, MaxWives, "WifeShare"),
    COUNT(SonCount, MaxCount, "SonShare"),
    COUNT(DaughterCount, MaxCount, "DaughterShare"),
    COUNT(SonsSonCount, MaxCount, "SonsSonShare"),
    COUNT(SonsDaughterCount, MaxCount, "SonsDaughterShare"),
    COUNT(SonsSonsSonCount, MaxCount, "SonsSonsSonShare"),
    COUNT(SonsSonsDaughterCount, MaxCount, "SonsSonsDaughterShare"),
    COUNT(FullBrotherCount, MaxCount, "FullBrotherShare"),
    COUNT(FullSisterCount, MaxCount, "FullSisterShare"),
    COUNT(ParentalBrotherCount, MaxCount, "ParentalBrotherShare"),
    COUNT(ParentalSisterCount, MaxCount, "ParentalSisterShare"),
    {"MaternalBrotherCount", &CaseRecord::MaternalBrotherCount, FieldKind::EnteredCount, MaxCount, {}},
    {"MaternalSisterCount", &CaseRecord::MaternalSisterCount, FieldKind::EnteredCount, MaxCount, {}},
    COUNT(MaternalSiblingCount, MaxMaternalSiblings, "MaternalSiblingShare"),
    COUNT(BrothersSonCount, MaxCount, "BrothersSonShare"),
    COUNT(ParentalBrothersSonCount, MaxCount, "ParentalBrothersSonShare"),
    COUNT(FullUncleCount, MaxCount, "FullUncleShare"),
    COUNT(ParentalUncleCount, MaxCount, "ParentalUncleShare"),
    COUNT(FullUnclesSonCount, MaxCount, "FullUnclesSonShare"),
    COUNT(ParentalUnclesSonCount, MaxCount, "ParentalUnclesSonShare"),
    FLAG(GrandFatherAsFather, {}),
    {"Language", &CaseRecord::Language, FieldKind::Language, int(Language::English), {}},
}};

#undef FLAG
#undef COUNT
#define WHOLE(n) { #n, &CaseRecord::n, false }
#define PER_HEAD(n) { #n, &CaseRecord::n, true }

const std::array<ShareField, 24> shares = {{
    WHOLE(FatherShare), WHOLE(GrandFatherShare), WHOLE(MotherShare), WHOLE(GrandMotherShare),
    WHOLE(HusbandShare), WHOLE(WifeShare),
    PER_HEAD(SonShare), PER_HEAD(DaughterShare), PER_HEAD(SonsSonShare), PER_HEAD(SonsDaughterShare),
    PER_HEAD(SonsSonsSonShare), PER_HEAD(SonsSonsDaughterShare),
    PER_HEAD(FullBrotherShare), PER_HEAD(FullSisterShare), PER_HEAD(ParentalBrotherShare),
    PER_HEAD(ParentalSisterShare), PER_HEAD(MaternalSiblingShare), PER_HEAD(BrothersSonShare),
    PER_HEAD(ParentalBrothersSonShare), PER_HEAD(FullUncleShare), PER_HEAD(ParentalUncleShare),
    PER_HEAD(FullUnclesSonShare), PER_HEAD(ParentalUnclesSonShare),
    WHOLE(TreasuryShare),
}};

#undef WHOLE
#undef PER_HEAD

} // namespace

std::span<const CountField> inputFields()
{
    return inputs;
}

std::span<const ShareField> shareFields()
{
    return shares;
}

const CountField *findInputField(std::string_view name)
{
    for (const CountField &f : inputs)
        if (f.name == name)
            return &f;
    return nullptr;
}

const ShareField *findShareField(std::string_view name)
{
    for (const ShareField &f : shares)
        if (f.name == name)
            return &f;
    return nullptr;
}

const CountField *countOf(const ShareField &share)
{
    for (const CountField &f : inputs)
        if (f.kind == FieldKind::Count && f.share == share.name)
            return &f;
    return nullptr;
}
