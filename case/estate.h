// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The estate in money: funeral and burial costs first, then the debts, then
// the bequest (at most a third of what is left unless the heirs consent),
// and what remains divided by the heirs' exact shares into whole units of
// the currency that add up exactly.
//
// Amounts travel as decimal text in the currency's major unit and come back
// as whole smallest units (minor units). No floating point anywhere.
//
// Bounds: every amount at most maxMinor (10^15 smallest units, below 2^53,
// so a caller converting to double stays exact); the claimants' common
// denominator at most maxCommonDenominator (10^18). Every product is then
// below 10^33 and fits __int128. Larger input is TooLarge, never a wrong figure.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace estate {

inline constexpr std::int64_t maxMinor = 1'000'000'000'000'000;
inline constexpr std::int64_t maxCommonDenominator = 1'000'000'000'000'000'000;
inline constexpr int maxDecimals = 4;

// One recipient group: `heads` people each owed num/den of what is
// distributed. The treasury is a group with heads = 1.
struct Claimant
{
    std::int64_t num;
    std::int64_t den;
    int heads;
};

struct Input
{
    std::string estate;          // required
    std::string funeralCosts;    // "" means 0
    std::string debts;           // "" means 0
    std::string bequest;         // "" means 0
    bool heirsConsent = false;   // to a bequest above a third
    int decimals = 2;            // digits of the smallest unit, 0..maxDecimals
};

enum class Field { None, Estate, FuneralCosts, Debts, Bequest, Decimals };
enum class Error {
    None,
    Missing,             // the estate is empty
    NotANumber,
    Negative,
    TooManyDecimals,     // a non-zero digit beyond the chosen decimals
    TooLarge,            // an amount above maxMinor; field None: the claimants' common denominator
    DebtsExceedEstate,   // field FuneralCosts if the costs alone exceed it, else Debts
    BadDecimals,
    SharesDoNotAddUp,    // also a claimant with den <= 0, num < 0 or heads < 1
};

// Minor units. Each head gets `each`; the first `headsWithOneMore` heads one more.
struct GroupAmount
{
    std::int64_t total = 0;
    std::int64_t each = 0;
    int headsWithOneMore = 0;
};

struct Result
{
    Error error = Error::None;
    Field field = Field::None;
    // All in minor units.
    std::int64_t estate = 0, funeralCosts = 0, debts = 0, bequestAsked = 0, bequestPaid = 0;
    std::int64_t afterCostsAndDebts = 0, distributed = 0;
    bool bequestCapped = false;   // paid less than asked: a third without consent, what is left with it
    bool nothingLeft = false;     // nothing is left for the heirs (costs, debts and the bequest take everything)
    std::vector<GroupAmount> groups;   // one per claimant, same order
};

// On an error only `error` and `field` are meaningful.
Result divide(const Input &in, std::span<const Claimant> claimants);

// "1234.50" for 123450 with 2 decimals; "1234" with 0.
std::string formatMinor(std::int64_t minor, int decimals);

// Exact decimal text to minor units. Accepts surrounding blanks, one leading
// '+', digits 0-9 or Arabic-Indic digits, '.' or the Arabic decimal separator,
// ".5" and "5.", and zeros beyond `decimals`. Rejects exponents, thousands
// separators, any other character; a leading '-' is Negative. Empty text is
// Missing. On failure `minor` is untouched.
bool parseAmount(std::string_view text, int decimals, std::int64_t &minor, Error &err);

} // namespace estate
