// SPDX-License-Identifier: GPL-3.0-or-later
// The father's father beside brothers and sisters (siblings inheriting).

#include "tests/tst_calc_support.h"

using namespace calctest;

class TestCalcGrandfather : public QObject
{
    Q_OBJECT

private slots:
    void withoutDescendants_data();
    void withoutDescendants();
    void besideFemaleDescendants_data();
    void besideFemaleDescendants();
    void caseOf27IsExact_data();
    void caseOf27IsExact();
    void optionsAreRecorded();
};

void TestCalcGrandfather::withoutDescendants_data()
{
    caseColumns();
    QTest::newRow("one full brother: sharing")
        << "GrandFatherAlive=1 FullBrotherCount=1"
        << "GrandFatherShare=1/2 FullBrotherShare=1/2";
    QTest::newRow("five full brothers: a third")
        << "GrandFatherAlive=1 FullBrotherCount=5"
        << "GrandFatherShare=1/3 FullBrotherShare=2/15";
    QTest::newRow("husband, mother, full sister: the case of 27")
        << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 FullSisterCount=1"
        << "HusbandShare=9/27 MotherShare=6/27 GrandFatherShare=8/27 FullSisterShare=4/27";
    QTest::newRow("husband, mother, paternal sister: the case of 27")
        << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 ParentalSisterCount=1"
        << "HusbandShare=9/27 MotherShare=6/27 GrandFatherShare=8/27 ParentalSisterShare=4/27";
    QTest::newRow("full sister, paternal brother")
        << "GrandFatherAlive=1 FullSisterCount=1 ParentalBrotherCount=1"
        << "GrandFatherShare=2/5 FullSisterShare=1/2 ParentalBrotherShare=1/10";
    // She takes what is left when that is less than a half.
    QTest::newRow("mother, two wives, full sister, paternal sister")
        << "GrandFatherAlive=1 MotherAlive=1 WifeCount=2 FullSisterCount=1 ParentalSisterCount=1"
        << "WifeShare=1/4 MotherShare=1/6 GrandFatherShare=7/24 FullSisterShare=7/24";
    QTest::newRow("wife, full sister, two paternal sisters")
        << "GrandFatherAlive=1 WifeCount=1 FullSisterCount=1 ParentalSisterCount=2"
        << "WifeShare=1/4 GrandFatherShare=3/10 FullSisterShare=9/20";
    QTest::newRow("only maternal siblings: shut out")
        << "GrandFatherAlive=1 WifeCount=1 MaternalSiblingCount=3"
        << "WifeShare=1/4 GrandFatherShare=3/4";
    QTest::newRow("maternal siblings alone: all is his")
        << "GrandFatherAlive=1 MaternalSiblingCount=2"
        << "GrandFatherShare=1";
    QTest::newRow("mother beside one maternal sibling takes a third")
        << "GrandFatherAlive=1 MotherAlive=1 MaternalSiblingCount=1"
        << "MotherShare=1/3 GrandFatherShare=2/3";
    QTest::newRow("husband, two paternal brothers: a sixth would be less")
        << "GrandFatherAlive=1 HusbandAlive=1 ParentalBrotherCount=2"
        << "HusbandShare=1/2 GrandFatherShare=1/6 ParentalBrotherShare=1/6";
    QTest::newRow("husband, mother's mother, six full brothers: a sixth")
        << "GrandFatherAlive=1 HusbandAlive=1 MaternalGrandMotherAlive=1 FullBrotherCount=6"
        << "HusbandShare=1/2 GrandMotherShare=1/6 GrandFatherShare=1/6 FullBrotherShare=1/36";
    // Paternal brothers count against him, then the full brother shuts them out.
    QTest::newRow("full brother and sister, two paternal brothers")
        << "GrandFatherAlive=1 FullBrotherCount=1 FullSisterCount=1 ParentalBrotherCount=2"
        << "GrandFatherShare=1/3 FullBrotherShare=4/9 FullSisterShare=2/9";
    QTest::newRow("two full sisters take the rest")
        << "GrandFatherAlive=1 FullSisterCount=2 ParentalSisterCount=1"
        << "GrandFatherShare=2/5 FullSisterShare=3/10";
    // Brothers count two, sisters one: the counts must not trade places.
    QTest::newRow("full brother, two full sisters: sharing equals a third")
        << "GrandFatherAlive=1 FullBrotherCount=1 FullSisterCount=2"
        << "GrandFatherShare=1/3 FullBrotherShare=1/3 FullSisterShare=1/6";
    QTest::newRow("two full brothers, one full sister: a third")
        << "GrandFatherAlive=1 FullBrotherCount=2 FullSisterCount=1"
        << "GrandFatherShare=1/3 FullBrotherShare=4/15 FullSisterShare=2/15";
    QTest::newRow("full brother, three full sisters: a third")
        << "GrandFatherAlive=1 FullBrotherCount=1 FullSisterCount=3"
        << "GrandFatherShare=1/3 FullBrotherShare=4/15 FullSisterShare=2/15";
    QTest::newRow("mother, full brother, two full sisters")
        << "GrandFatherAlive=1 MotherAlive=1 FullBrotherCount=1 FullSisterCount=2"
        << "MotherShare=1/6 GrandFatherShare=5/18 FullBrotherShare=5/18 FullSisterShare=5/36";
    QTest::newRow("two full brothers: sharing equals a third")
        << "GrandFatherAlive=1 FullBrotherCount=2"
        << "GrandFatherShare=1/3 FullBrotherShare=1/3";
    QTest::newRow("three full brothers: a third")
        << "GrandFatherAlive=1 FullBrotherCount=3"
        << "GrandFatherShare=1/3 FullBrotherShare=2/9";
}

void TestCalcGrandfather::withoutDescendants()
{
    QFETCH(QString, record);
    QFETCH(QString, expected);
    verifyCase(record, expected);
}

void TestCalcGrandfather::besideFemaleDescendants_data()
{
    caseColumns();
    // His options are weighed on what was left before his sixth.
    QTest::newRow("daughter, full brother")
        << "GrandFatherAlive=1 DaughterCount=1 FullBrotherCount=1"
        << "DaughterShare=1/2 GrandFatherShare=1/4 FullBrotherShare=1/4";
    // The mother keeps her sixth beside a descendant.
    QTest::newRow("mother, daughter, full brother")
        << "GrandFatherAlive=1 MotherAlive=1 DaughterCount=1 FullBrotherCount=1"
        << "DaughterShare=1/2 MotherShare=1/6 GrandFatherShare=1/6 FullBrotherShare=1/6";
    // A son's daughter is a fixed-share heir like a daughter.
    QTest::newRow("son's daughter, full brother")
        << "GrandFatherAlive=1 SonsDaughterCount=1 FullBrotherCount=1"
        << "SonsDaughterShare=1/2 GrandFatherShare=1/4 FullBrotherShare=1/4";
    QTest::newRow("great-granddaughter, full sister")
        << "GrandFatherAlive=1 SonsSonsDaughterCount=1 FullSisterCount=1"
        << "SonsSonsDaughterShare=1/2 GrandFatherShare=1/3 FullSisterShare=1/6";
    QTest::newRow("two daughters, two full brothers: a sixth, then the brothers")
        << "GrandFatherAlive=1 DaughterCount=2 FullBrotherCount=2"
        << "DaughterShare=1/3 GrandFatherShare=1/6 FullBrotherShare=1/12";
    QTest::newRow("two daughters, mother, full brother: nothing left for him")
        << "GrandFatherAlive=1 DaughterCount=2 MotherAlive=1 FullBrotherCount=1"
        << "DaughterShare=1/3 MotherShare=1/6 GrandFatherShare=1/6";
    QTest::newRow("daughter, son's daughter, mother, full brother")
        << "GrandFatherAlive=1 DaughterCount=1 SonsDaughterCount=1 MotherAlive=1 FullBrotherCount=1"
        << "DaughterShare=1/2 SonsDaughterShare=1/6 MotherShare=1/6 GrandFatherShare=1/6";
    // The family of the case of 27 with a female descendant is no such case:
    // husband a quarter, mother and grandfather a sixth each, the descendant a
    // half, rising to 13; the sister, a residuary beside her, gets nothing.
    QTest::newRow("husband, mother, full sister, daughter: reduced")
        << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 FullSisterCount=1 DaughterCount=1"
        << "HusbandShare=3/13 MotherShare=2/13 GrandFatherShare=2/13 DaughterShare=6/13";
    QTest::newRow("husband, mother, full sister, son's daughter: reduced")
        << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 FullSisterCount=1 SonsDaughterCount=1"
        << "HusbandShare=3/13 MotherShare=2/13 GrandFatherShare=2/13 SonsDaughterShare=6/13";
    QTest::newRow("husband, mother, paternal sister, great-granddaughter: reduced")
        << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 ParentalSisterCount=1 SonsSonsDaughterCount=1"
        << "HusbandShare=3/13 MotherShare=2/13 GrandFatherShare=2/13 SonsSonsDaughterShare=6/13";
}

void TestCalcGrandfather::besideFemaleDescendants()
{
    withoutDescendants();
}

// The four parts of 27 add up to the estate; no reduction may touch them.
void TestCalcGrandfather::caseOf27IsExact_data()
{
    QTest::addColumn<QString>("record");
    QTest::newRow("full sister") << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 FullSisterCount=1";
    QTest::newRow("paternal sister") << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 ParentalSisterCount=1";
}

void TestCalcGrandfather::caseOf27IsExact()
{
    QFETCH(QString, record);
    CaseRecord c = recordFrom(record);
    Recalculate(c);
    QVERIFY(c.HusbandShare == 9.0 / 27.0);
    QVERIFY(c.MotherShare == 6.0 / 27.0);
    QVERIFY(c.GrandFatherShare == 8.0 / 27.0);
    QVERIFY(c.FullSisterShare + c.ParentalSisterShare == 4.0 / 27.0);
}

void TestCalcGrandfather::optionsAreRecorded()
{
    // Grandfather, wife and two full brothers: sharing 2 x 3/4 / 6 = 1/4 beats
    // a sixth and a third of the rest.
    CaseRecord c = recordFrom("GrandFatherAlive=1 WifeCount=1 FullBrotherCount=2");
    Recalculate(c);
    QCOMPARE(c.MaleSiblingCount, std::int16_t(2));
    QCOMPARE(c.FemaleSiblingCount, std::int16_t(0));
    QVERIFY(std::fabs(c.SharingOption - 1.0 / 4.0) <= 1e-12);
    QVERIFY(std::fabs(c.SixthOption - 1.0 / 6.0) <= 1e-12);
    QVERIFY(std::fabs(c.ThirdOfRemainderOption - 1.0 / 4.0) <= 1e-12);
    const QString mismatch = shareMismatch(c, "WifeShare=1/4 GrandFatherShare=1/4 FullBrotherShare=1/4");
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

QTEST_APPLESS_MAIN(TestCalcGrandfather)
#include "tst_calc_grandfather.moc"
