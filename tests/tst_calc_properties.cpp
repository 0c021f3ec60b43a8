// SPDX-License-Identifier: GPL-3.0-or-later
// Properties every reachable case must keep, over many generated cases.

#include "tools/case_generator.h"
#include "tests/tst_calc_support.h"

using namespace calctest;

namespace {

QString describe(const CaseRecord &c)
{
    QStringList parts;
    for (const CountField &f : inputFields())
        if (c.*(f.member) != 0)
            parts << QStringLiteral("%1=%2").arg(QLatin1String(f.name.data(), qsizetype(f.name.size())))
                         .arg(c.*(f.member));
    return parts.join(u' ');
}

QString describeShares(const CaseRecord &c)
{
    QStringList parts;
    for (const ShareField &f : shareFields())
        if (c.*(f.member) != 0)
            parts << QStringLiteral("%1=%2").arg(QLatin1String(f.name.data(), qsizetype(f.name.size())))
                         .arg(c.*(f.member), 0, 'g', 17);
    return parts.join(u' ');
}

// The estate as the heirs hold it, summed independently of ComputeTotals.
double heldTotal(const CaseRecord &c)
{
    const std::pair<std::int16_t, double> perHead[] = {
        {c.SonCount, c.SonShare}, {c.DaughterCount, c.DaughterShare},
        {c.SonsSonCount, c.SonsSonShare}, {c.SonsDaughterCount, c.SonsDaughterShare},
        {c.SonsSonsSonCount, c.SonsSonsSonShare}, {c.SonsSonsDaughterCount, c.SonsSonsDaughterShare},
        {c.FullBrotherCount, c.FullBrotherShare}, {c.FullSisterCount, c.FullSisterShare},
        {c.ParentalBrotherCount, c.ParentalBrotherShare}, {c.ParentalSisterCount, c.ParentalSisterShare},
        {c.MaternalSiblingCount, c.MaternalSiblingShare}, {c.BrothersSonCount, c.BrothersSonShare},
        {c.ParentalBrothersSonCount, c.ParentalBrothersSonShare}, {c.FullUncleCount, c.FullUncleShare},
        {c.ParentalUncleCount, c.ParentalUncleShare}, {c.FullUnclesSonCount, c.FullUnclesSonShare},
        {c.ParentalUnclesSonCount, c.ParentalUnclesSonShare},
    };
    double total = c.FatherShare + c.MotherShare + c.GrandFatherShare + c.GrandMotherShare
        + c.HusbandShare + c.WifeShare + c.TreasuryShare;
    for (const auto &[heads, share] : perHead)
        total += heads * share;
    return total;
}

// What is wrong with a finished case, empty when nothing is.
QString fault(const CaseRecord &before, const CaseRecord &c, const HookRecorder &hooks)
{
    for (const ShareField &f : shareFields()) {
        const double v = c.*(f.member);
        if (!std::isfinite(v))
            return QStringLiteral("%1 is not finite").arg(QLatin1String(f.name.data()));
        if (v < 0)
            return QStringLiteral("%1 is negative").arg(QLatin1String(f.name.data()));
    }
    const double held = heldTotal(c);
    if (!(std::fabs(held - 1.0) <= 1e-9))
        return QStringLiteral("the shares add up to %1").arg(held, 0, 'g', 17);
    if (hooks.opened != 1)
        return QStringLiteral("results opened %1 times").arg(hooks.opened);
    if (hooks.notices != (c.TreasuryShare > 0 ? 1 : 0))
        return QStringLiteral("%1 notices, treasury %2").arg(hooks.notices).arg(c.TreasuryShare);
    // Nearer relatives shut out the siblings and everyone after them.
    const bool shutOut = before.FatherAlive == 1 || before.SonCount != 0 || before.SonsSonCount != 0
        || before.SonsSonsSonCount != 0;
    const double collaterals = c.FullBrotherShare + c.FullSisterShare + c.ParentalBrotherShare
        + c.ParentalSisterShare + c.MaternalSiblingShare + c.BrothersSonShare
        + c.ParentalBrothersSonShare + c.FullUncleShare + c.ParentalUncleShare
        + c.FullUnclesSonShare + c.ParentalUnclesSonShare;
    if (shutOut && collaterals != 0)
        return QStringLiteral("a collateral relative inherits beside a father or male descendant");
    if (c.TreasuryShare > 0 && held - c.TreasuryShare > 1e-9 && !(c.HusbandShare + c.WifeShare > 0))
        return QStringLiteral("the treasury takes a share beside heirs");
    return {};
}

} // namespace

class TestCalcProperties : public QObject
{
    Q_OBJECT

private slots:
    void reachableCasesDivideTheWholeEstate();
};

void TestCalcProperties::reachableCasesDivideTheWholeEstate()
{
    CaseGenerator generator(20240611);
    QStringList failures;
    int treasuryCases = 0;
    int grandfatherCases = 0;
    const int cases = 200000;
    for (int i = 0; i < cases; ++i) {
        const CaseRecord before = generator.next();
        CaseRecord c = before;
        HookRecorder hooks;
        Recalculate(c);
        treasuryCases += c.TreasuryShare > 0;
        grandfatherCases += before.GrandFatherAlive == 1 && before.FullBrotherCount + before.FullSisterCount
            + before.ParentalBrotherCount + before.ParentalSisterCount != 0;
        const QString why = fault(before, c, hooks);
        if (!why.isEmpty() && failures.size() < 20)
            failures << QStringLiteral("%1: %2 -> %3").arg(why, describe(before), describeShares(c));
    }
    // The generator must reach the corners it is meant to reach.
    QVERIFY(treasuryCases > 0);
    QVERIFY(grandfatherCases > 1000);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

QTEST_APPLESS_MAIN(TestCalcProperties)
#include "tst_calc_properties.moc"
