// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/case_fields.h"

#include <array>

namespace {

#define FIELD(n) { #n, &CaseRecord::n }

const std::array<CountField, 28> inputs = {{
    FIELD(FatherAlive), FIELD(GrandFatherAlive), FIELD(MotherAlive),
    FIELD(MaternalGrandMotherAlive), FIELD(ParentalGrandMotherAlive),
    FIELD(HusbandAlive), FIELD(WifeCount),
    FIELD(SonCount), FIELD(DaughterCount), FIELD(SonsSonCount), FIELD(SonsDaughterCount),
    FIELD(SonsSonsSonCount), FIELD(SonsSonsDaughterCount),
    FIELD(FullBrotherCount), FIELD(FullSisterCount), FIELD(ParentalBrotherCount),
    FIELD(ParentalSisterCount), FIELD(MaternalBrotherCount), FIELD(MaternalSisterCount),
    FIELD(MaternalSiblingCount), FIELD(BrothersSonCount), FIELD(ParentalBrothersSonCount),
    FIELD(FullUncleCount), FIELD(ParentalUncleCount), FIELD(FullUnclesSonCount),
    FIELD(ParentalUnclesSonCount), FIELD(GrandFatherAsFather), FIELD(Language),
}};

const std::array<ShareField, 24> shares = {{
    FIELD(FatherShare), FIELD(MotherShare), FIELD(GrandFatherShare), FIELD(GrandMotherShare),
    FIELD(SonShare), FIELD(DaughterShare), FIELD(SonsSonShare), FIELD(SonsDaughterShare),
    FIELD(SonsSonsSonShare), FIELD(SonsSonsDaughterShare), FIELD(WifeShare), FIELD(HusbandShare),
    FIELD(FullBrotherShare), FIELD(FullSisterShare), FIELD(FullUncleShare), FIELD(BrothersSonShare),
    FIELD(ParentalBrothersSonShare), FIELD(FullUnclesSonShare), FIELD(ParentalUncleShare),
    FIELD(ParentalUnclesSonShare), FIELD(MaternalSiblingShare), FIELD(ParentalSisterShare),
    FIELD(ParentalBrotherShare), FIELD(TreasuryShare),
}};

#undef FIELD

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
