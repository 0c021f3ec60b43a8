// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number the calculation runs on when the working of a case is wanted:
// the double the program has always computed, and beside it the same value
// as an exact fraction. Every operation is done on both; every comparison
// looks at the double only, so the exact run takes the very branches of the
// double run and its double part is bit for bit the double run's result.

#include "case/rational.h"

struct Exact
{
    double d = 0;
    Rational q;

    Exact() = default;
    Exact(int n) : d(static_cast<double>(n)), q(n) {}   // NOLINT: whole numbers convert
    Exact(double dv, Rational qv) : d(dv), q(qv) {}

    friend Exact operator+(const Exact &a, const Exact &b) { return {a.d + b.d, a.q + b.q}; }
    friend Exact operator-(const Exact &a, const Exact &b) { return {a.d - b.d, a.q - b.q}; }
    friend Exact operator*(const Exact &a, const Exact &b) { return {a.d * b.d, a.q * b.q}; }
    friend Exact operator/(const Exact &a, const Exact &b) { return {a.d / b.d, a.q / b.q}; }

    friend bool operator<(const Exact &a, const Exact &b) { return a.d < b.d; }
    friend bool operator>(const Exact &a, const Exact &b) { return a.d > b.d; }
    friend bool operator<(const Exact &a, double b) { return a.d < b; }
    friend bool operator>(const Exact &a, double b) { return a.d > b; }
    friend bool operator>=(const Exact &a, double b) { return a.d >= b; }
};
