// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The case record's values by name, for readers and writers that work from
// text (the command-line calculator, tests).

#include "case/case_record.h"

#include <span>
#include <string_view>

struct CountField
{
    std::string_view name;
    std::int16_t CaseRecord::*member;
};

struct ShareField
{
    std::string_view name;
    double CaseRecord::*member;
};

// The relatives, GrandFatherAsFather and Language, in questionnaire order.
std::span<const CountField> inputFields();
// The 24 computed shares, TreasuryShare last.
std::span<const ShareField> shareFields();

const CountField *findInputField(std::string_view name);
const ShareField *findShareField(std::string_view name);
