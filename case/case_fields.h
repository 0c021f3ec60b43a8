// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The case record's fields by name: the one table that the command-line
// calculator, the report, the collateral questionnaire and the tests read.

#include "case/case_record.h"

#include <span>
#include <string_view>

// The values of the Language field: the language of the windows, the
// report and the messages.
enum class Language : std::int16_t { Arabic = 0, English = 1 };

// The record's language; any value but English's is Arabic.
inline Language languageOf(const CaseRecord &c)
{
    return c.Language == std::int16_t(Language::English) ? Language::English : Language::Arabic;
}

enum class FieldKind {
    Flag,         // 0 or 1: an heir alive, or the grandfather in the father's place
    Count,        // how many heirs of a kind
    Language,     // a Language
    EnteredCount, // entered by a questionnaire; the calculation reads it only
                  // as part of another count (maternal brothers and sisters)
};

// An answer the calculation starts from.
struct CountField
{
    std::string_view name;
    std::int16_t CaseRecord::*member;
    FieldKind kind;
    int max;                // values run from 0 to max
    std::string_view share; // the share its heirs take; empty for none
};

// A computed share.
struct ShareField
{
    std::string_view name;
    double CaseRecord::*member;
    // The share is each heir's: the heirs together hold count x share. The
    // wives' share is whole, however many they are.
    bool perHead;
};

// The relatives, GrandFatherAsFather and Language, in questionnaire order.
std::span<const CountField> inputFields();
// The 24 computed shares in the order of the report's rows, TreasuryShare last.
std::span<const ShareField> shareFields();

const CountField *findInputField(std::string_view name);
const ShareField *findShareField(std::string_view name);
// The count of the heirs who take the share (kind Count), or nullptr when one
// heir or nobody does.
const CountField *countOf(const ShareField &share);
