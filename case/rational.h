// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact fractions for the working of a case. Numerator and denominator are
// 64-bit, always in lowest terms with a positive denominator; every product
// is formed in 128 bits and a result that does not fit throws
// RationalOverflow, so a fraction is either exact or not there at all.

#include <cstdint>
#include <numeric>
#include <stdexcept>
#include <string>

// Greatest common divisor by Stein's binary method: shifts and subtractions
// instead of the divisions of Euclid's, several times faster on small values.
inline std::uint64_t gcd64(std::uint64_t a, std::uint64_t b)
{
    if (a == 0)
        return b;
    if (b == 0)
        return a;
    const int shift = __builtin_ctzll(a | b);
    a >>= __builtin_ctzll(a);
    do {
        b >>= __builtin_ctzll(b);
        if (a > b) {
            const std::uint64_t t = a;
            a = b;
            b = t;
        }
        b -= a;
    } while (b != 0);
    return a << shift;
}

inline std::int64_t gcd64(std::int64_t a, std::int64_t b)
{
    return static_cast<std::int64_t>(gcd64(static_cast<std::uint64_t>(a < 0 ? -a : a),
                                           static_cast<std::uint64_t>(b < 0 ? -b : b)));
}

class RationalOverflow : public std::overflow_error
{
public:
    RationalOverflow() : std::overflow_error("exact fraction out of range") {}
};

struct Rational
{
    std::int64_t num = 0;
    std::int64_t den = 1;

    constexpr Rational() = default;
    constexpr Rational(std::int64_t n) : num(n), den(1) {}   // NOLINT: a whole number is a fraction
    Rational(std::int64_t n, std::int64_t d) { *this = make(n, d); }

    static Rational make(__int128 n, __int128 d)
    {
        if (d == 0)
            throw std::domain_error("fraction with denominator 0");
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const __int128 an = n < 0 ? -n : n;
        Rational r;
        if (an <= INT64_MAX && d <= INT64_MAX) {
            // The common case: 64-bit divisions only.
            const std::int64_t n64 = static_cast<std::int64_t>(n);
            const std::int64_t d64 = static_cast<std::int64_t>(d);
            const std::int64_t g = static_cast<std::int64_t>(
                gcd64(static_cast<std::uint64_t>(an), static_cast<std::uint64_t>(d64)));
            r.num = g > 1 ? n64 / g : n64;
            r.den = g > 1 ? d64 / g : d64;
            if (r.num == INT64_MIN)
                throw RationalOverflow();
            return r;
        }
        const __int128 g = gcd128(an, d);
        if (g > 1) {
            n /= g;
            d /= g;
        }
        if (n > INT64_MAX || n < -INT64_MAX || d > INT64_MAX)
            throw RationalOverflow();
        r.num = static_cast<std::int64_t>(n);
        r.den = static_cast<std::int64_t>(d);
        return r;
    }

    bool isZero() const { return num == 0; }
    bool isWhole() const { return den == 1; }
    double toDouble() const { return static_cast<double>(num) / static_cast<double>(den); }
    std::string text() const { return std::to_string(num) + "/" + std::to_string(den); }

    friend Rational operator+(const Rational &a, const Rational &b)
    {
        if (a.num == 0)
            return b;
        if (b.num == 0)
            return a;
        if (a.den == b.den)
            return make(static_cast<__int128>(a.num) + b.num, a.den);
        const std::int64_t g = gcd64(a.den, b.den);
        const __int128 n = static_cast<__int128>(a.num) * (b.den / g)
            + static_cast<__int128>(b.num) * (a.den / g);
        return make(n, static_cast<__int128>(a.den / g) * b.den);
    }
    friend Rational operator-(const Rational &a) { Rational r = a; r.num = -r.num; return r; }
    friend Rational operator-(const Rational &a, const Rational &b) { return a + (-b); }
    friend Rational operator*(const Rational &a, const Rational &b)
    {
        if (a.num == 0 || b.num == 0)
            return Rational();
        const std::int64_t g1 = gcd64(a.num, b.den);
        const std::int64_t g2 = gcd64(b.num, a.den);
        return make(static_cast<__int128>(a.num / g1) * (b.num / g2),
                    static_cast<__int128>(a.den / g2) * (b.den / g1));
    }
    friend Rational operator/(const Rational &a, const Rational &b)
    {
        if (b.num == 0)
            throw std::domain_error("division of a fraction by 0");
        Rational inv;
        inv.num = b.num < 0 ? -b.den : b.den;
        inv.den = b.num < 0 ? -b.num : b.num;
        return a * inv;
    }
    Rational &operator+=(const Rational &b) { return *this = *this + b; }
    // n times this fraction, for a whole n > 0 (one reduction instead of two).
    Rational times(std::int64_t n) const
    {
        const std::int64_t g = gcd64(n, den);
        return make(static_cast<__int128>(num) * (n / g), den / g);
    }

    friend bool operator==(const Rational &a, const Rational &b) { return a.num == b.num && a.den == b.den; }
    friend bool operator<(const Rational &a, const Rational &b)
    {
        return static_cast<__int128>(a.num) * b.den < static_cast<__int128>(b.num) * a.den;
    }
    friend bool operator>(const Rational &a, const Rational &b) { return b < a; }

private:
    static __int128 gcd128(__int128 a, __int128 b)
    {
        while (b != 0) {
            const __int128 t = a % b;
            a = b;
            b = t;
        }
        return a;
    }
};

// Least common multiple of two positive whole numbers, checked.
inline std::int64_t lcm64(std::int64_t a, std::int64_t b)
{
    const __int128 l = static_cast<__int128>(a / gcd64(a, b)) * b;
    if (l > INT64_MAX)
        throw RationalOverflow();
    return static_cast<std::int64_t>(l);
}
