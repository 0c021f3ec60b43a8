// SPDX-License-Identifier: GPL-3.0-or-later
// Totals, reduction, the residue chain, the return and the treasury.

#include "tests/tst_calc_support.h"

using namespace calctest;

class TestCalcArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void remainderThreshold_data();
    void remainderThreshold();
    void roundingNoiseChoosesNoBranch_data();
    void roundingNoiseChoosesNoBranch();
    void reduceScalesFixedSharesOnly();
    void residueToOthers_data();
    void residueToOthers();
    void treasuryAfterNotice();
    void wideSumsInLowestTerms_data();
    void wideSumsInLowestTerms();
};

void TestCalcArithmetic::remainderThreshold_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<double>("total");
    QTest::addColumn<double>("remainder");
    QTest::newRow("0.0005 left is none") << "WifeShare=0.9995" << 0.9995 << 0.0;
    QTest::newRow("0.001 left counts") << "WifeShare=0.999" << 0.999 << 1 - 0.999;
    QTest::newRow("an excess is none") << "HusbandShare=1/2 FullSisterCount=2 FullSisterShare=1/3"
                                       << 7.0 / 6.0 << 0.0;
    QTest::newRow("per head times count")
        << "SonCount=3 SonShare=1/4 DaughterCount=2 DaughterShare=1/8" << 1.0 << 0.0;
    QTest::newRow("a share of an absent group adds nothing")
        << "SonShare=1/2 WifeShare=1/4" << 0.25 << 0.75;
    QTest::newRow("treasury counts")
        << "TreasuryShare=1/2 FullUnclesSonCount=2 FullUnclesSonShare=1/8" << 0.75 << 0.25;
}

void TestCalcArithmetic::remainderThreshold()
{
    QFETCH(QString, record);
    QFETCH(double, total);
    QFETCH(double, remainder);
    CaseRecord c = recordFrom(record);
    ComputeTotals(c);
    QVERIFY(std::fabs(c.ShareTotal - total) <= 1e-15);
    QVERIFY(std::fabs(c.Remainder - remainder) <= 1e-15);
}

// A total a hair off 1 is the whole estate: nothing is left and nothing is
// reduced; a real excess is.
void TestCalcArithmetic::roundingNoiseChoosesNoBranch_data()
{
    QTest::addColumn<double>("husband");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("excess");
    QTest::newRow("one ulp short") << std::nextafter(1.0, 0.0) << false << false;
    QTest::newRow("exactly whole") << 1.0 << false << false;
    QTest::newRow("1e-12 over") << 1.0 + 1e-12 << false << false;
    QTest::newRow("1e-6 over") << 1.0 + 1e-6 << false << true;
    QTest::newRow("1e-3 short") << 1.0 - 1e-3 << true << false;
}

void TestCalcArithmetic::roundingNoiseChoosesNoBranch()
{
    QFETCH(double, husband);
    QFETCH(bool, left);
    QFETCH(bool, excess);
    CaseRecord c;
    c.HusbandAlive = 1;
    c.HusbandShare = husband;
    ComputeTotals(c);
    QCOMPARE(somethingLeft(c), left);
    QCOMPARE(overfull(c), excess);

    // Through the tail of a distribution: the spouse keeps exactly what she
    // had unless something real is left.
    HookRecorder hooks;
    ResidueToOthers(c);
    QCOMPARE(hooks.notices, 0);
    QCOMPARE(c.TreasuryShare, 0.0);
    if (left || excess)
        QVERIFY(std::fabs(c.HusbandShare - 1.0) <= 1e-15);
    else
        QVERIFY(c.HusbandShare == husband);
}

void TestCalcArithmetic::reduceScalesFixedSharesOnly()
{
    CaseRecord c = recordFrom("HusbandAlive=1 HusbandShare=1/2 FullSisterCount=2 FullSisterShare=1/3 "
                              "SonShare=1/5 BrothersSonShare=1/7");
    ComputeTotals(c);
    ReduceShares(c);
    QVERIFY(std::fabs(c.HusbandShare - 3.0 / 7.0) <= 1e-15);
    QVERIFY(std::fabs(c.FullSisterShare - 2.0 / 7.0) <= 1e-15);
    QVERIFY(std::fabs(c.ShareTotal - 1.0) <= 1e-15);
    QCOMPARE(c.Remainder, 0.0);
    // Residuaries never hold anything when the fixed shares exceed the estate.
    QCOMPARE(c.SonShare, 1.0 / 5.0);
    QCOMPARE(c.BrothersSonShare, 1.0 / 7.0);
}

void TestCalcArithmetic::residueToOthers_data()
{
    caseColumns();
    // What the fixed shares leave, and who is there to take it.
    QTest::newRow("sons of full brothers first")
        << "WifeCount=1 WifeShare=1/4 BrothersSonCount=2 ParentalBrothersSonCount=1 FullUncleCount=1"
        << "WifeShare=1/4 BrothersSonShare=3/8";
    QTest::newRow("then sons of paternal brothers")
        << "WifeCount=1 WifeShare=1/4 ParentalBrothersSonCount=3 FullUncleCount=1"
        << "WifeShare=1/4 ParentalBrothersSonShare=1/4";
    QTest::newRow("then full uncles")
        << "WifeCount=1 WifeShare=1/4 FullUncleCount=1 ParentalUncleCount=1"
        << "WifeShare=1/4 FullUncleShare=3/4";
    QTest::newRow("then paternal uncles")
        << "WifeCount=1 WifeShare=1/4 ParentalUncleCount=1 FullUnclesSonCount=1"
        << "WifeShare=1/4 ParentalUncleShare=3/4";
    QTest::newRow("then sons of full uncles")
        << "WifeCount=1 WifeShare=1/4 FullUnclesSonCount=2 ParentalUnclesSonCount=1"
        << "WifeShare=1/4 FullUnclesSonShare=3/8";
    QTest::newRow("last sons of paternal uncles")
        << "WifeCount=1 WifeShare=1/4 ParentalUnclesSonCount=3"
        << "WifeShare=1/4 ParentalUnclesSonShare=1/4";
    QTest::newRow("return, the husband excluded")
        << "HusbandAlive=1 HusbandShare=1/2 MotherAlive=1 MotherShare=1/3"
        << "HusbandShare=1/2 MotherShare=1/2";
    QTest::newRow("return in proportion")
        << "WifeCount=1 WifeShare=1/8 DaughterCount=1 DaughterShare=1/2 SonsDaughterCount=2 "
           "SonsDaughterShare=1/12 ParentalGrandMotherAlive=1 GrandMotherShare=1/6"
        << "WifeShare=1/8 DaughterShare=21/40 SonsDaughterShare=7/80 GrandMotherShare=7/40";
    QTest::newRow("return to maternal siblings and paternal sister")
        << "MaternalSiblingCount=2 MaternalSiblingShare=1/6 ParentalSisterCount=1 ParentalSisterShare=1/2"
        << "MaternalSiblingShare=1/5 ParentalSisterShare=3/5";
    QTest::newRow("a lone wife takes the surplus")
        << "WifeCount=1 WifeShare=1/4"
        << "WifeShare=1";
    QTest::newRow("a lone husband takes the surplus")
        << "HusbandAlive=1 HusbandShare=1/2"
        << "HusbandShare=1";
}

void TestCalcArithmetic::residueToOthers()
{
    QFETCH(QString, record);
    QFETCH(QString, expected);
    CaseRecord c = recordFrom(record);
    HookRecorder hooks;
    ResidueToOthers(c);
    const QString mismatch = shareMismatch(c, expected);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(hooks.notices, 0);
}

void TestCalcArithmetic::treasuryAfterNotice()
{
    // A remainder nobody can take: the user is told, then the treasury
    // receives it.
    CaseRecord c = recordFrom("Language=1 FullBrotherCount=2 FullBrotherShare=1/4");
    double treasuryAtNotice = -1;
    calculationHooks().noHeirsNotice = [&](const CaseRecord &seen) { treasuryAtNotice = seen.TreasuryShare; };
    ResidueToOthers(c);
    calculationHooks() = CalculationHooks{};
    QCOMPARE(treasuryAtNotice, 0.0);
    QVERIFY(std::fabs(c.TreasuryShare - 1.0 / 2.0) <= 1e-15);

    // Without a window to ask, the treasury still receives it.
    CaseRecord d;
    ResidueToOthers(d);
    QCOMPARE(d.TreasuryShare, 1.0);
}

// Sums whose cross products need 128 bits come back in lowest terms (and
// fit), the common factor taken out on the wide path.
void TestCalcArithmetic::wideSumsInLowestTerms_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("num");
    QTest::addColumn<qint64>("den");
    QTest::newRow("even denominators") << qint64(5000000002) << qint64(5000000006) << qint64(2500000002)
                                       << qint64(6250000010000000003);
    QTest::newRow("a factor of three") << qint64(3000000003) << qint64(6000000003) << qint64(3000000002)
                                       << qint64(6000000009000000003);
}

void TestCalcArithmetic::wideSumsInLowestTerms()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    const Rational sum = Rational(1, a) + Rational(1, b);
    QTEST(qint64(sum.num), "num");
    QTEST(qint64(sum.den), "den");
}

QTEST_APPLESS_MAIN(TestCalcArithmetic)
#include "tst_calc_arithmetic.moc"
