// SPDX-License-Identifier: GPL-3.0-or-later
// Whole cases without the father or the father's father.

#include "tests/tst_calc_support.h"

using namespace calctest;

class TestCalcWithoutFather : public QObject
{
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
    void sharedCaseCountsEachHeadAlike_data();
    void sharedCaseCountsEachHeadAlike();
    void twoCasesInARow_data();
    void twoCasesInARow();
    void roundingNoiseIsNoExcess();
    void noHeirsGoesToTheTreasury_data();
    void noHeirsGoesToTheTreasury();
};

void TestCalcWithoutFather::cases_data()
{
    caseColumns();
    QTest::newRow("mother, wife, two sons")
        << "MotherAlive=1 WifeCount=1 SonCount=2"
        << "WifeShare=1/8 MotherShare=1/6 SonShare=17/48";
    QTest::newRow("wife, daughter, full sister")
        << "WifeCount=1 DaughterCount=1 FullSisterCount=1"
        << "WifeShare=1/8 DaughterShare=1/2 FullSisterShare=3/8";
    QTest::newRow("daughter, paternal brother's son")
        << "DaughterCount=1 ParentalBrothersSonCount=1"
        << "DaughterShare=1/2 ParentalBrothersSonShare=1/2";
    QTest::newRow("two daughters and mother: return")
        << "DaughterCount=2 MotherAlive=1"
        << "DaughterShare=2/5 MotherShare=1/5";
    QTest::newRow("husband, full sister")
        << "HusbandAlive=1 FullSisterCount=1"
        << "HusbandShare=1/2 FullSisterShare=1/2";
    QTest::newRow("shared case: husband, mother, two maternal brothers, full brother")
        << "HusbandAlive=1 MotherAlive=1 MaternalBrotherCount=2 MaternalSiblingCount=2 FullBrotherCount=1"
        << "HusbandShare=1/2 MotherShare=1/6 FullBrotherShare=1/9 MaternalSiblingShare=1/9";
    QTest::newRow("mother, maternal sister, full brother")
        << "MotherAlive=1 MaternalSisterCount=1 MaternalSiblingCount=1 FullBrotherCount=1"
        << "MaternalSiblingShare=1/6 MotherShare=1/6 FullBrotherShare=2/3";
    QTest::newRow("husband, two full sisters: reduced")
        << "HusbandAlive=1 FullSisterCount=2"
        << "HusbandShare=3/7 FullSisterShare=2/7";
    QTest::newRow("mother, husband, son's daughter, two great-granddaughters: reduced")
        << "MotherAlive=1 HusbandAlive=1 SonsDaughterCount=1 SonsSonsDaughterCount=2"
        << "MotherShare=2/13 HusbandShare=3/13 SonsDaughterShare=6/13 SonsSonsDaughterShare=1/13";
    QTest::newRow("wife, paternal uncle")
        << "WifeCount=1 ParentalUncleCount=1"
        << "WifeShare=1/4 ParentalUncleShare=3/4";
    QTest::newRow("full sister, paternal sister: return")
        << "FullSisterCount=1 ParentalSisterCount=1"
        << "FullSisterShare=3/4 ParentalSisterShare=1/4";
    // The share arithmetic's own examples, as whole cases.
    QTest::newRow("husband, mother alone: return to the mother")
        << "HusbandAlive=1 MotherAlive=1"
        << "HusbandShare=1/2 MotherShare=1/2";
    QTest::newRow("a wife alone takes the rest")
        << "WifeCount=1"
        << "WifeShare=1";
    QTest::newRow("wife, two sons of the father's full brother")
        << "WifeCount=1 FullUnclesSonCount=2"
        << "WifeShare=1/4 FullUnclesSonShare=3/8";
    // Further branches.
    QTest::newRow("son and daughter")
        << "SonCount=1 DaughterCount=1"
        << "SonShare=2/3 DaughterShare=1/3";
    QTest::newRow("daughter, son's son, son's daughter")
        << "DaughterCount=1 SonsSonCount=1 SonsDaughterCount=1"
        << "DaughterShare=1/2 SonsSonShare=1/3 SonsDaughterShare=1/6";
    QTest::newRow("two daughters, great-grandson with the sons' daughter")
        << "DaughterCount=2 SonsDaughterCount=1 SonsSonsSonCount=1"
        << "DaughterShare=1/3 SonsSonsSonShare=2/9 SonsDaughterShare=1/9";
    QTest::newRow("two sons' daughters, a full brother and sister")
        << "SonsDaughterCount=2 FullBrotherCount=1 FullSisterCount=1"
        << "SonsDaughterShare=1/3 FullBrotherShare=2/9 FullSisterShare=1/9";
    QTest::newRow("great-granddaughter, paternal sisters")
        << "SonsSonsDaughterCount=1 ParentalSisterCount=2"
        << "SonsSonsDaughterShare=1/2 ParentalSisterShare=1/4";
    QTest::newRow("full sister, paternal brother and sister")
        << "FullSisterCount=1 ParentalBrotherCount=1 ParentalSisterCount=1"
        << "FullSisterShare=1/2 ParentalBrotherShare=1/3 ParentalSisterShare=1/6";
    // The fixed shares pass the estate: the paternal brother's residue is nothing.
    QTest::newRow("husband, mother, full sister, paternal brother: reduced")
        << "HusbandAlive=1 MotherAlive=1 FullSisterCount=1 ParentalBrotherCount=1"
        << "HusbandShare=3/7 MotherShare=1/7 FullSisterShare=3/7";
    QTest::newRow("husband, two full sisters, paternal brother: reduced")
        << "HusbandAlive=1 FullSisterCount=2 ParentalBrotherCount=1"
        << "HusbandShare=3/7 FullSisterShare=2/7";
    QTest::newRow("two full sisters shut out paternal sisters")
        << "FullSisterCount=2 ParentalSisterCount=3 MotherAlive=1"
        << "FullSisterShare=2/5 MotherShare=1/5";
    QTest::newRow("nephews before the uncles")
        << "WifeCount=1 BrothersSonCount=3 FullUncleCount=2"
        << "WifeShare=1/4 BrothersSonShare=1/4";
    // One daughter's half, the son's daughter's sixth completing the two
    // thirds; below them nothing without a male, then the return.
    QTest::newRow("daughter, son's daughter, son's son's daughter: return")
        << "DaughterCount=1 SonsDaughterCount=1 SonsSonsDaughterCount=1"
        << "DaughterShare=3/4 SonsDaughterShare=1/4";
    QTest::newRow("daughter, two sons' daughters, son's son's daughter: return")
        << "DaughterCount=1 SonsDaughterCount=2 SonsSonsDaughterCount=1"
        << "DaughterShare=3/4 SonsDaughterShare=1/8";
    QTest::newRow("daughter, son's daughter, son's son's son and daughter")
        << "DaughterCount=1 SonsDaughterCount=1 SonsSonsSonCount=1 SonsSonsDaughterCount=1"
        << "DaughterShare=1/2 SonsDaughterShare=1/6 SonsSonsSonShare=2/9 SonsSonsDaughterShare=1/9";
    QTest::newRow("daughter, son's son's daughter completing two thirds: return")
        << "DaughterCount=1 SonsSonsDaughterCount=1"
        << "DaughterShare=3/4 SonsSonsDaughterShare=1/4";
    QTest::newRow("mother, wife, maternal sibling: return beside the wife")
        << "MotherAlive=1 WifeCount=1 MaternalSiblingCount=1"
        << "WifeShare=1/4 MotherShare=1/2 MaternalSiblingShare=1/4";
    QTest::newRow("son's son and son's son's son: the nearer takes all")
        << "SonsSonCount=1 SonsSonsSonCount=1"
        << "SonsSonShare=1";
    QTest::newRow("full brother and paternal brother: the full brother takes all")
        << "FullBrotherCount=1 ParentalBrotherCount=1"
        << "FullBrotherShare=1";
    QTest::newRow("grandmothers share one sixth, uncle the rest")
        << "MaternalGrandMotherAlive=1 ParentalGrandMotherAlive=1 FullUncleCount=1"
        << "GrandMotherShare=1/6 FullUncleShare=5/6";
}

void TestCalcWithoutFather::cases()
{
    QFETCH(QString, record);
    QFETCH(QString, expected);
    verifyCase(record, expected);
}

// The full brothers and sisters join the maternal siblings in their third,
// every head alike, beside the mother or either grandmother.
void TestCalcWithoutFather::sharedCaseCountsEachHeadAlike_data()
{
    caseColumns();
    QTest::newRow("husband, mother, two maternal siblings, full brother and sister")
        << "HusbandAlive=1 MotherAlive=1 MaternalSiblingCount=2 FullBrotherCount=1 FullSisterCount=1"
        << "HusbandShare=1/2 MotherShare=1/6 FullBrotherShare=1/12 FullSisterShare=1/12 MaternalSiblingShare=1/12";
    QTest::newRow("husband, mother's mother, three maternal siblings, two full brothers")
        << "HusbandAlive=1 MaternalGrandMotherAlive=1 MaternalSiblingCount=3 FullBrotherCount=2"
        << "HusbandShare=1/2 GrandMotherShare=1/6 FullBrotherShare=1/15 MaternalSiblingShare=1/15";
    QTest::newRow("husband, father's mother, two maternal siblings, full brother")
        << "HusbandAlive=1 ParentalGrandMotherAlive=1 MaternalSiblingCount=2 FullBrotherCount=1"
        << "HusbandShare=1/2 GrandMotherShare=1/6 FullBrotherShare=1/9 MaternalSiblingShare=1/9";
}

void TestCalcWithoutFather::sharedCaseCountsEachHeadAlike()
{
    cases();
}

// The next case through the same record (a wife and a son) keeps nothing of
// the first one's shares; between the rows every share is left over once.
void TestCalcWithoutFather::twoCasesInARow_data()
{
    QTest::addColumn<QString>("first");
    QTest::newRow("husband, two full sisters, nephew") << "HusbandAlive=1 FullSisterCount=2 BrothersSonCount=1";
    QTest::newRow("father, mother, husband") << "FatherAlive=1 MotherAlive=1 HusbandAlive=1";
    QTest::newRow("grandfather, daughter") << "GrandFatherAlive=1 DaughterCount=1";
    QTest::newRow("shared case")
        << "HusbandAlive=1 MotherAlive=1 MaternalBrotherCount=2 MaternalSiblingCount=2 FullBrotherCount=1";
    QTest::newRow("full sister, paternal brother and sister")
        << "FullSisterCount=1 ParentalBrotherCount=1 ParentalSisterCount=1";
    QTest::newRow("grandmothers, full uncle")
        << "MaternalGrandMotherAlive=1 ParentalGrandMotherAlive=1 FullUncleCount=1";
    QTest::newRow("daughter, son's son, son's daughter") << "DaughterCount=1 SonsSonCount=1 SonsDaughterCount=1";
    QTest::newRow("two daughters, great-grandson, son's daughter")
        << "DaughterCount=2 SonsDaughterCount=1 SonsSonsSonCount=1";
    QTest::newRow("son's daughter, two great-granddaughters") << "SonsDaughterCount=1 SonsSonsDaughterCount=2";
    QTest::newRow("daughter, paternal brother's son") << "DaughterCount=1 ParentalBrothersSonCount=1";
    QTest::newRow("paternal uncle") << "ParentalUncleCount=1";
    QTest::newRow("full uncle's sons") << "FullUnclesSonCount=2";
    QTest::newRow("paternal uncle's son") << "ParentalUnclesSonCount=1";
}

void TestCalcWithoutFather::twoCasesInARow()
{
    QFETCH(QString, first);
    CaseRecord c = recordFrom(first);
    Recalculate(c);
    const CaseRecord next = recordFrom("WifeCount=1 SonCount=1");
    for (const CountField &f : inputFields())
        c.*(f.member) = next.*(f.member);
    HookRecorder hooks;
    Recalculate(c);
    const QString mismatch = shareMismatch(c, "WifeShare=1/8 SonShare=7/8");
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(hooks.opened, 1);
}

void TestCalcWithoutFather::roundingNoiseIsNoExcess()
{
    // 1/2 + 1/6 + 1/6 + 2 x 1/12 adds up to a hair above 1 in doubles; that
    // is the whole estate, not an excess to scale away.
    CaseRecord c = recordFrom("SonsDaughterCount=1 SonsSonsDaughterCount=1 FullBrotherCount=1 FullSisterCount=2");
    Recalculate(c);
    QVERIFY(c.ShareTotal > 1.0 && c.ShareTotal < 1.0 + 1e-15);
    QVERIFY(c.SonsDaughterShare == 1.0 / 2.0);
    QVERIFY(c.SonsSonsDaughterShare == 1.0 / 6.0);
}

void TestCalcWithoutFather::noHeirsGoesToTheTreasury_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("Arabic") << 0;
    QTest::newRow("English") << 1;
}

void TestCalcWithoutFather::noHeirsGoesToTheTreasury()
{
    QFETCH(int, language);
    CaseRecord c;
    c.Language = static_cast<std::int16_t>(language);
    // Nobody at all survives.
    HookRecorder hooks;
    Recalculate(c);
    QCOMPARE(hooks.notices, 1);
    QCOMPARE(hooks.noticeLanguage, language);
    QCOMPARE(hooks.remainderAtNotice, 1.0);
    QCOMPARE(hooks.opened, 1);
    QCOMPARE(hooks.totalAtOpen, 1.0);
    const QString mismatch = shareMismatch(c, "TreasuryShare=1");
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

QTEST_APPLESS_MAIN(TestCalcWithoutFather)
#include "tst_calc_without_father.moc"
