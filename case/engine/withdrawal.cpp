// SPDX-License-Identifier: GPL-3.0-or-later
#include "case/engine/withdrawal.h"

namespace engine {

namespace {

WithdrawalResult withdrawExactly(const Family &family, const Withdrawal &w)
{
    WithdrawalResult out;
    out.result = calculate(family);
    out.working = workOf(out.result);
    const Result &r = out.result;
    const auto n = r.members.size();
    if (w.member < 0 || static_cast<std::size_t>(w.member) >= n || w.heads < 1
        || w.heads > r.members[static_cast<std::size_t>(w.member)].count) {
        out.error = "the one who withdraws is not among the relatives";
        return out;
    }
    out.base = out.working.correctedBase;
    const MemberResult &him = r.members[static_cast<std::size_t>(w.member)];
    out.withdrawn = him.perHead() * Rational(w.heads);
    out.struckParts = out.working.parts[static_cast<std::size_t>(w.member)].partsEach * w.heads;
    for (const MemberResult &m : r.members)
        out.heads.push_back(m.count);
    out.heads[static_cast<std::size_t>(w.member)] -= w.heads;

    // Each head's share as it will stand, with the heads it holds for.
    std::vector<Rational> perHead(n), extra(n);
    std::vector<int> extraHeads(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        perHead[i] = r.members[i].perHead();
    perHead[static_cast<std::size_t>(w.member)] = out.heads[static_cast<std::size_t>(w.member)] > 0
        ? perHead[static_cast<std::size_t>(w.member)] : Rational();
    Rational whole(1);
    out.treasury = r.treasury;
    if (w.from == WithdrawalFrom::Estate) {
        whole = Rational(1) - out.withdrawn;
        if (whole.isZero()) {
            out.error = "nothing remains for the others";
            return out;
        }
        out.remainingBase = out.base - out.struckParts;
    } else {
        if (w.payers.empty()) {
            out.error = "no one pays the one who withdraws";
            return out;
        }
        Rational total;
        std::vector<Rational> weight;
        std::vector<int> payerHeads;
        std::vector<bool> paying(n, false);
        for (const Payer &p : w.payers) {
            if (p.member < 0 || static_cast<std::size_t>(p.member) >= n) {
                out.error = "a payer is not among the relatives";
                return out;
            }
            const int stay = out.heads[static_cast<std::size_t>(p.member)];
            const int heads = p.heads == 0 ? stay : p.heads;
            if (heads < 1 || heads > stay || paying[static_cast<std::size_t>(p.member)]) {
                out.error = "a payer's heads are not among those who stay";
                return out;
            }
            const Rational wgt = w.division == WithdrawnDivision::Equally ? Rational(heads)
                : w.division == WithdrawnDivision::ByPayment            ? Rational(p.paid)
                                                                        : perHead[static_cast<std::size_t>(p.member)] * Rational(heads);
            if (w.division == WithdrawnDivision::ByPayment && p.paid <= 0) {
                out.error = "each payer's payment is needed";
                return out;
            }
            paying[static_cast<std::size_t>(p.member)] = true;
            total += wgt;
            weight.push_back(wgt);
            payerHeads.push_back(heads);
        }
        if (total.isZero()) {
            out.error = "the payers hold no share to divide by";
            return out;
        }
        for (std::size_t k = 0; k < w.payers.size(); ++k) {
            const auto i = static_cast<std::size_t>(w.payers[k].member);
            extra[i] = out.withdrawn * weight[k] / total / Rational(payerHeads[k]);
            extraHeads[i] = payerHeads[k];
        }
    }
    // The base of the division: every head's part whole.
    std::int64_t base = out.treasury.isZero() ? 1 : (out.treasury / whole).den;
    for (std::size_t i = 0; i < n; ++i) {
        out.shares.push_back((perHead[i] * Rational(out.heads[i]) + extra[i] * Rational(extraHeads[i])) / whole);
        if (out.heads[i] > extraHeads[i] && !perHead[i].isZero())
            base = lcm64(base, (perHead[i] / whole).den);
        out.payingHead.push_back(extraHeads[i] > 0 ? (perHead[i] + extra[i]) / whole : Rational());
        if (extraHeads[i] > 0)
            base = lcm64(base, out.payingHead.back().den);
    }
    if (w.from == WithdrawalFrom::Heirs)
        out.remainingBase = base;
    out.reducedBase = base;
    for (const Rational &s : out.shares)
        out.parts.push_back((s * Rational(base)).num);
    out.treasury = out.treasury / whole;
    out.treasuryParts = (out.treasury * Rational(base)).num;
    return out;
}

} // namespace

WithdrawalResult withdraw(const Family &family, const Withdrawal &w)
{
    try {
        return withdrawExactly(family, w);
    } catch (const RationalOverflow &) {
        WithdrawalResult out;
        out.error = "the fractions grow beyond the exact range";
        return out;
    }
}

} // namespace engine
