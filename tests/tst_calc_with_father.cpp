// SPDX-License-Identifier: GPL-3.0-or-later
// Whole cases with the father, or the father's father in his place.

#include "tests/tst_calc_support.h"

using namespace calctest;

class TestCalcWithFather : public QObject
{
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
    void grandfatherAsFather_data();
    void grandfatherAsFather();
    void grandfatherSixthBeforeGrandchildren_data();
    void grandfatherSixthBeforeGrandchildren();
    void twoCasesInARow();
};

void TestCalcWithFather::cases_data()
{
    caseColumns();
    QTest::newRow("father, mother, wife, son")
        << "FatherAlive=1 MotherAlive=1 WifeCount=1 SonCount=1"
        << "FatherShare=1/6 MotherShare=1/6 WifeShare=1/8 SonShare=13/24";
    QTest::newRow("father, mother, son")
        << "FatherAlive=1 MotherAlive=1 SonCount=1"
        << "FatherShare=1/6 MotherShare=1/6 SonShare=2/3";
    QTest::newRow("father, wife, daughter")
        << "FatherAlive=1 WifeCount=1 DaughterCount=1"
        << "WifeShare=1/8 DaughterShare=1/2 FatherShare=3/8";
    QTest::newRow("father, mother, husband")
        << "FatherAlive=1 MotherAlive=1 HusbandAlive=1"
        << "HusbandShare=1/2 MotherShare=1/6 FatherShare=1/3";
    QTest::newRow("father, mother, two brothers")
        << "FatherAlive=1 MotherAlive=1 FullBrotherCount=2"
        << "MotherShare=1/6 FatherShare=5/6";
    QTest::newRow("father, daughter, two sons' daughters")
        << "FatherAlive=1 DaughterCount=1 SonsDaughterCount=2"
        << "DaughterShare=1/2 SonsDaughterShare=1/12 FatherShare=1/3";
    QTest::newRow("father, daughter, son's daughter, great-grandson")
        << "FatherAlive=1 DaughterCount=1 SonsDaughterCount=1 SonsSonsSonCount=1"
        << "DaughterShare=1/2 SonsDaughterShare=1/6 FatherShare=1/6 SonsSonsSonShare=1/6";
    QTest::newRow("grandfather, mother")
        << "GrandFatherAlive=1 MotherAlive=1"
        << "MotherShare=1/3 GrandFatherShare=2/3";
    QTest::newRow("father, husband, mother, two great-granddaughters: reduced")
        << "FatherAlive=1 HusbandAlive=1 MotherAlive=1 SonsSonsDaughterCount=2"
        << "HusbandShare=1/5 FatherShare=2/15 MotherShare=2/15 SonsSonsDaughterShare=4/15";
    QTest::newRow("father, mother, four wives, son's daughter, three great-granddaughters: reduced")
        << "FatherAlive=1 MotherAlive=1 WifeCount=4 SonsDaughterCount=1 SonsSonsDaughterCount=3"
        << "FatherShare=4/27 MotherShare=4/27 WifeShare=1/9 SonsDaughterShare=4/9 SonsSonsDaughterShare=4/81";
    QTest::newRow("grandfather, daughter")
        << "GrandFatherAlive=1 DaughterCount=1"
        << "DaughterShare=1/2 GrandFatherShare=1/2";
    // The father shuts out every collateral relative.
    QTest::newRow("father, full brothers, nephews and uncles")
        << "FatherAlive=1 FullBrotherCount=3 FullSisterCount=2 MaternalSiblingCount=2 "
           "BrothersSonCount=1 FullUncleCount=4"
        << "FatherShare=1";
    // Further branches.
    QTest::newRow("father, two daughters, son's son")
        << "FatherAlive=1 DaughterCount=2 SonsSonCount=1"
        << "FatherShare=1/6 DaughterShare=1/3 SonsSonShare=1/6";
    QTest::newRow("father, two daughters, son's daughter: shut out")
        << "FatherAlive=1 DaughterCount=2 SonsDaughterCount=1"
        << "FatherShare=1/3 DaughterShare=1/3";
    QTest::newRow("father, son's son, son's daughter")
        << "FatherAlive=1 SonsSonCount=1 SonsDaughterCount=1"
        << "FatherShare=1/6 SonsSonShare=5/9 SonsDaughterShare=5/18";
    QTest::newRow("father, two sons' daughters, great-grandson")
        << "FatherAlive=1 SonsDaughterCount=2 SonsSonsSonCount=1"
        << "FatherShare=1/6 SonsDaughterShare=1/3 SonsSonsSonShare=1/6";
    // The fixed shares pass the estate: the great-grandson's residue is nothing.
    QTest::newRow("husband, father, mother, two sons' daughters, great-grandson: reduced")
        << "HusbandAlive=1 FatherAlive=1 MotherAlive=1 SonsDaughterCount=2 SonsSonsSonCount=1"
        << "HusbandShare=1/5 FatherShare=2/15 MotherShare=2/15 SonsDaughterShare=4/15";
    QTest::newRow("husband, grandfather, mother, two sons' daughters, great-grandson: reduced")
        << "HusbandAlive=1 GrandFatherAlive=1 MotherAlive=1 SonsDaughterCount=2 SonsSonsSonCount=1"
        << "HusbandShare=1/5 GrandFatherShare=2/15 MotherShare=2/15 SonsDaughterShare=4/15";
    QTest::newRow("father, mother's mother, wife")
        << "FatherAlive=1 MaternalGrandMotherAlive=1 WifeCount=2"
        << "GrandMotherShare=1/6 WifeShare=1/4 FatherShare=7/12";
    QTest::newRow("father's mother beside the father")
        << "FatherAlive=1 ParentalGrandMotherAlive=1"
        << "GrandMotherShare=1/6 FatherShare=5/6";
    // The great-granddaughters' two thirds and the parents' sixths fill the
    // estate: the father has no residue; beside one of them he has.
    QTest::newRow("father, mother, two great-granddaughters")
        << "FatherAlive=1 MotherAlive=1 SonsSonsDaughterCount=2"
        << "FatherShare=1/6 MotherShare=1/6 SonsSonsDaughterShare=1/3";
    QTest::newRow("father, mother, one great-granddaughter")
        << "FatherAlive=1 MotherAlive=1 SonsSonsDaughterCount=1"
        << "FatherShare=1/3 MotherShare=1/6 SonsSonsDaughterShare=1/2";
}

void TestCalcWithFather::cases()
{
    QFETCH(QString, record);
    QFETCH(QString, expected);
    verifyCase(record, expected);
}

// The first method: the grandfather is computed as the father, and only his
// line holds a share.
void TestCalcWithFather::grandfatherAsFather_data()
{
    caseColumns();
    QTest::newRow("as the questionnaire leaves it: husband, mother")
        << "FatherAlive=1 GrandFatherAsFather=1 MotherAlive=1 HusbandAlive=1"
        << "HusbandShare=1/2 MotherShare=1/6 GrandFatherShare=1/3";
    QTest::newRow("grandfather flag still set: husband, mother")
        << "GrandFatherAlive=1 GrandFatherAsFather=1 MotherAlive=1 HusbandAlive=1"
        << "HusbandShare=1/2 MotherShare=1/6 GrandFatherShare=1/3";
    QTest::newRow("brothers receive nothing beside him")
        << "FatherAlive=1 GrandFatherAsFather=1 WifeCount=1 FullBrotherCount=2"
        << "WifeShare=1/4 GrandFatherShare=3/4";
}

void TestCalcWithFather::grandfatherAsFather()
{
    QFETCH(QString, record);
    cases();
    CaseRecord c = recordFrom(record);
    Recalculate(c);
    QCOMPARE(c.FatherAlive, std::int16_t(1));
    QCOMPARE(c.GrandFatherAlive, std::int16_t(0));
}

// Beside only sons' daughters or only great-granddaughters the grandfather
// holds his sixth before their totals; the excess is reduced once at the end.
void TestCalcWithFather::grandfatherSixthBeforeGrandchildren_data()
{
    caseColumns();
    QTest::newRow("grandfather, husband, mother, son's daughter")
        << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 SonsDaughterCount=1"
        << "HusbandShare=3/13 MotherShare=2/13 SonsDaughterShare=6/13 GrandFatherShare=2/13";
    QTest::newRow("grandfather, husband, mother, two great-granddaughters")
        << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 SonsSonsDaughterCount=2"
        << "HusbandShare=1/5 MotherShare=2/15 SonsSonsDaughterShare=4/15 GrandFatherShare=2/15";
    QTest::newRow("grandfather, son's daughter, great-granddaughter")
        << "GrandFatherAlive=1 SonsDaughterCount=1 SonsSonsDaughterCount=1"
        << "SonsDaughterShare=1/2 SonsSonsDaughterShare=1/6 GrandFatherShare=1/3";
    QTest::newRow("grandfather, great-granddaughter, wife")
        << "GrandFatherAlive=1 SonsSonsDaughterCount=1 WifeCount=1"
        << "SonsSonsDaughterShare=1/2 WifeShare=1/8 GrandFatherShare=3/8";
}

void TestCalcWithFather::grandfatherSixthBeforeGrandchildren()
{
    cases();
}

void TestCalcWithFather::twoCasesInARow()
{
    CaseRecord c = recordFrom("FatherAlive=1 MotherAlive=1 HusbandAlive=1");
    Recalculate(c);
    QVERIFY(c.HusbandShare > 0);
    c.HusbandAlive = 0;
    c.SonCount = 2;
    HookRecorder hooks;
    Recalculate(c);
    const QString mismatch = shareMismatch(c, "FatherShare=1/6 MotherShare=1/6 SonShare=1/3");
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(hooks.opened, 1);
}

QTEST_APPLESS_MAIN(TestCalcWithFather)
#include "tst_calc_with_father.moc"
