// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/estate.h"

#include <algorithm>
#include <numeric>

namespace estate {

namespace {

using Wide = __int128;   // std::gcd and numeric_limits do not know it in strict C++

Wide gcd(Wide a, Wide b)
{
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

std::int64_t power10(int n)
{
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

std::string_view trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Reads one digit or decimal separator at the front of `s` and consumes it.
// Returns 0..9 for a digit, 10 for the separator, -1 for anything else.
int nextSymbol(std::string_view &s)
{
    const auto c = static_cast<unsigned char>(s[0]);
    if (c >= '0' && c <= '9') {
        s.remove_prefix(1);
        return c - '0';
    }
    if (c == '.') {
        s.remove_prefix(1);
        return 10;
    }
    if (s.size() >= 2) {
        const auto c2 = static_cast<unsigned char>(s[1]);
        int symbol = -1;
        if (c == 0xD9 && c2 >= 0xA0 && c2 <= 0xA9)   // U+0660..U+0669 Arabic-Indic digits
            symbol = c2 - 0xA0;
        else if (c == 0xDB && c2 >= 0xB0 && c2 <= 0xB9)   // U+06F0..U+06F9 extended Arabic-Indic
            symbol = c2 - 0xB0;
        else if (c == 0xD9 && c2 == 0xAB)   // U+066B Arabic decimal separator
            symbol = 10;
        if (symbol >= 0)
            s.remove_prefix(2);
        return symbol;
    }
    return -1;
}

bool fail(Result &r, Error e, Field f)
{
    r = Result{};
    r.error = e;
    r.field = f;
    return false;
}

// The claimants' group shares over one common denominator. False (with the
// error in `r`) when they are malformed, too fine, or do not add up to 1.
bool commonWeights(std::span<const Claimant> claimants, std::vector<Wide> &weights,
                   Wide &common, Result &r)
{
    std::vector<Wide> nums, dens;
    common = 1;
    for (const Claimant &c : claimants) {
        if (c.den <= 0 || c.num < 0 || c.heads < 1)
            return fail(r, Error::SharesDoNotAddUp, Field::None);
        Wide n = Wide(c.num) * c.heads, d = c.den;
        const Wide g = gcd(n, d);
        n /= g;
        d /= g;
        if (n > d)
            return fail(r, Error::SharesDoNotAddUp, Field::None);
        common = common / gcd(common, d) * d;   // both <= ~9.2e18: no overflow
        if (common > maxCommonDenominator)
            return fail(r, Error::TooLarge, Field::None);
        nums.push_back(n);
        dens.push_back(d);
    }
    Wide sum = 0;
    weights.clear();
    for (std::size_t i = 0; i < nums.size(); ++i) {
        weights.push_back(nums[i] * (common / dens[i]));   // each <= common
        sum += weights.back();
    }
    if (sum != common)
        return fail(r, Error::SharesDoNotAddUp, Field::None);
    return true;
}

} // namespace

bool parseAmount(std::string_view text, int decimals, std::int64_t &minor, Error &err)
{
    if (decimals < 0 || decimals > maxDecimals) {
        err = Error::BadDecimals;
        return false;
    }
    std::string_view s = trimmed(text);
    if (s.empty()) {
        err = Error::Missing;
        return false;
    }
    const bool negative = s.front() == '-';
    if (s.front() == '+' || negative)
        s.remove_prefix(1);

    std::int64_t whole = 0, fraction = 0;
    int digits = 0, fractionDigits = 0;
    bool point = false, tooManyDecimals = false;
    while (!s.empty()) {
        const int symbol = nextSymbol(s);
        if (symbol < 0 || (symbol == 10 && point)) {
            err = Error::NotANumber;
            return false;
        }
        if (symbol == 10) {
            point = true;
            continue;
        }
        ++digits;
        if (!point) {
            if (whole <= maxMinor)   // beyond it the value is too large anyway; keep checking the text
                whole = whole * 10 + symbol;
        } else if (fractionDigits < decimals) {
            fraction = fraction * 10 + symbol;
            ++fractionDigits;
        } else if (symbol != 0) {
            tooManyDecimals = true;
        }
    }
    if (digits == 0) {
        err = Error::NotANumber;
        return false;
    }
    if (negative) {
        err = Error::Negative;
        return false;
    }
    if (tooManyDecimals) {
        err = Error::TooManyDecimals;
        return false;
    }
    // whole <= 10 * maxMinor + 9; after this check the product stays far below 2^63.
    const std::int64_t scale = power10(decimals);
    if (whole > maxMinor / scale + 1) {
        err = Error::TooLarge;
        return false;
    }
    const std::int64_t value = whole * scale + fraction * power10(decimals - fractionDigits);
    if (value > maxMinor) {
        err = Error::TooLarge;
        return false;
    }
    minor = value;
    err = Error::None;
    return true;
}

std::string formatMinor(std::int64_t minor, int decimals)
{
    decimals = std::clamp(decimals, 0, 18);
    const bool negative = minor < 0;
    // Through unsigned so that the most negative value has a magnitude.
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(minor) : std::uint64_t(minor);
    std::string digits = std::to_string(magnitude);
    if (digits.size() <= std::size_t(decimals))
        digits.insert(0, decimals + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - decimals, 1, '.');
    return negative ? "-" + digits : digits;
}

Result divide(const Input &in, std::span<const Claimant> claimants)
{
    Result r;
    if (in.decimals < 0 || in.decimals > maxDecimals) {
        fail(r, Error::BadDecimals, Field::Decimals);
        return r;
    }
    const struct
    {
        const std::string &text;
        Field field;
        std::int64_t &value;
    } amounts[] = {
        { in.estate, Field::Estate, r.estate },
        { in.funeralCosts, Field::FuneralCosts, r.funeralCosts },
        { in.debts, Field::Debts, r.debts },
        { in.bequest, Field::Bequest, r.bequestAsked },
    };
    for (const auto &a : amounts) {
        Error e = Error::None;
        if (!parseAmount(a.text, in.decimals, a.value, e)
            && !(e == Error::Missing && a.field != Field::Estate)) {
            fail(r, e, a.field);
            return r;
        }
    }
    if (r.funeralCosts > r.estate) {
        fail(r, Error::DebtsExceedEstate, Field::FuneralCosts);
        return r;
    }
    if (r.funeralCosts + r.debts > r.estate) {
        fail(r, Error::DebtsExceedEstate, Field::Debts);
        return r;
    }
    std::vector<Wide> weights;
    Wide common = 1;
    if (!commonWeights(claimants, weights, common, r))
        return r;

    r.afterCostsAndDebts = r.estate - r.funeralCosts - r.debts;
    if (in.heirsConsent) {
        // Consent lets the bequest pass a third, never what is left.
        r.bequestPaid = std::min(r.bequestAsked, r.afterCostsAndDebts);
        r.bequestCapped = r.bequestPaid < r.bequestAsked;
    } else if (r.bequestAsked * 3 > r.afterCostsAndDebts) {
        r.bequestPaid = r.afterCostsAndDebts / 3;   // a part of a unit stays with the heirs
        r.bequestCapped = true;
    } else {
        r.bequestPaid = r.bequestAsked;
    }
    r.distributed = r.afterCostsAndDebts - r.bequestPaid;
    r.nothingLeft = r.distributed == 0;

    // Largest remainder: every group gets the whole part of its exact amount,
    // and the units still missing go to the largest remainders, earlier
    // claimants first among equals.
    const std::size_t n = weights.size();
    std::vector<Wide> remainders(n);
    r.groups.resize(n);
    std::int64_t handedOut = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Wide exact = Wide(r.distributed) * weights[i];   // <= 10^15 * 10^18
        r.groups[i].total = std::int64_t(exact / common);
        remainders[i] = exact % common;
        handedOut += r.groups[i].total;
    }
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
    // The remainders add up to (distributed - handedOut) * common, each below
    // common, so fewer units are missing than there are groups.
    for (std::int64_t k = 0; k < r.distributed - handedOut; ++k)
        ++r.groups[order[std::size_t(k)]].total;

    for (std::size_t i = 0; i < n; ++i) {
        GroupAmount &g = r.groups[i];
        g.each = g.total / claimants[i].heads;
        g.headsWithOneMore = int(g.total % claimants[i].heads);
    }
    return r;
}

} // namespace estate
