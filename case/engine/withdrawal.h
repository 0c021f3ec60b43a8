// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Withdrawal by agreement (al-takharuj): an heir leaves the division for
// something known. The case is worked with him in it, since his presence
// shuts out and reduces the others; then
// - for something from the estate: his parts are struck from the base and
//   what remains of the estate is divided on the others' parts;
// - for money the other heirs pay of their own: his share goes to those who
//   pay, equally, in proportion to what each paid, or in proportion to their
//   shares; one heir who pays alone takes his place.

#include "case/engine/working.h"

#include <string>
#include <vector>

namespace engine {

enum class WithdrawalFrom : std::uint8_t { Estate, Heirs };
enum class WithdrawnDivision : std::uint8_t { Equally, ByPayment, ByShares };

struct Payer
{
    int member = -1;          // in the family's order
    int heads = 0;            // 0: every head of the member who stays
    std::int64_t paid = 0;    // what this payer gave, in any unit (ByPayment)
};

struct Withdrawal
{
    int member = -1;          // the one who withdraws, in the family's order
    int heads = 1;            // how many heads of that member withdraw
    WithdrawalFrom from = WithdrawalFrom::Estate;
    std::vector<Payer> payers;   // with WithdrawalFrom::Heirs
    WithdrawnDivision division = WithdrawnDivision::Equally;
};

struct WithdrawalResult
{
    std::string error;
    Result result;                 // the case with him in it
    Working working;
    std::int64_t base = 0;         // that case's corrected base
    std::int64_t struckParts = 0;  // his parts of it
    Rational withdrawn;            // his share of the estate
    // Estate: the base less his parts, and of what remains each member's
    // parts; Heirs: the base of the whole estate after his share is passed.
    std::int64_t remainingBase = 0;
    std::int64_t reducedBase = 0;  // remainingBase reduced where every head's parts allow
    std::vector<int> heads;        // per member, the heads who stay
    // Per member (all heads who stay): with Estate, the fraction of what
    // remains after his payment; with Heirs, of the whole estate.
    std::vector<Rational> shares;
    std::vector<Rational> payingHead;  // per member: each paying head's share (zero where none pays)
    std::vector<std::int64_t> parts;   // of reducedBase
    Rational treasury;
    std::int64_t treasuryParts = 0;
    bool ok() const { return error.empty(); }
};

WithdrawalResult withdraw(const Family &family, const Withdrawal &w);

} // namespace engine
