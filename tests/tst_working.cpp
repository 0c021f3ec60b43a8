// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a case: base, 'awl, return and correction of classical
// cases, who receives nothing and why, and the properties every reachable
// case keeps (exact shares equal to the doubles, whole parts adding up, every
// relative accounted for).

#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/working.h"
#include "tools/case_generator.h"

#include <QTest>

#include <cmath>
#include <cstring>

namespace {

// "HusbandAlive=1 FullSisterCount=2" into a record.
CaseRecord family(const QString &text)
{
    CaseRecord c;
    for (const QString &item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList kv = item.split(u'=');
        const CountField *f = findInputField(kv[0].toStdString());
        if (!f)
            qFatal("unknown field %s", qPrintable(kv[0]));
        c.*(f->member) = static_cast<std::int16_t>(kv[1].toInt());
    }
    return c;
}

QString bases(const CaseWorking &w)
{
    const auto n = [](std::int64_t v) { return v ? QString::number(v) : QStringLiteral("-"); };
    return QStringLiteral("%1 %2 %3 %4").arg(w.base).arg(n(w.awlBase), n(w.returnBase)).arg(w.correctedBase);
}

QString parts(const CaseWorking &w)
{
    QStringList out;
    for (const GroupWorking &g : w.groups)
        out << QStringLiteral("%1 %2/%3").arg(QLatin1String(heirKey(g.heir))).arg(g.parts).arg(g.partsEach);
    return out.join(QStringLiteral(", "));
}

QString excluded(const CaseWorking &w)
{
    QStringList out;
    for (const Exclusion &e : w.excluded) {
        QString s = QStringLiteral("%1 %2").arg(QLatin1String(relativeKey(e.relative)), QLatin1String(reasonKey(e.reason)));
        if (e.reason == Reason::ExcludedBy || e.reason == Reason::ExcludedByGrandFatherAsFather)
            s += u' ' + QLatin1String(relativeKey(e.by));
        out << s;
    }
    return out.join(QStringLiteral(", "));
}

// Relatives that can end with nothing only because nothing is left.
bool canBeResiduary(Relative r)
{
    switch (r) {
    case Relative::Father: case Relative::Mother: case Relative::Husband: case Relative::Wife:
    case Relative::Daughter: case Relative::MaternalGrandMother: case Relative::ParentalGrandMother:
    case Relative::MaternalSibling:
        return false;
    default:
        return true;
    }
}

} // namespace

class tst_working : public QObject
{
    Q_OBJECT

private slots:
    void classical_data();
    void classical();
    void extremeCounts();
    void secondCalculationOfTheSameRecord();
    void reachableRecords();
};

void tst_working::classical_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("bases");     // base awl return corrected
    QTest::addColumn<QString>("parts");     // group parts/each head's parts
    QTest::addColumn<QString>("excluded");

    // The cases a teacher of the science works on the board.
    QTest::newRow("father mother wife son") << "FatherAlive=1 MotherAlive=1 WifeCount=1 SonCount=1"
        << "24 - - 24" << "Father 4/4, Mother 4/4, Wife 3/3, Son 13/13" << "";
    QTest::newRow("husband mother two sisters: 'awl to 8") << "HusbandAlive=1 MotherAlive=1 FullSisterCount=2"
        << "6 8 - 8" << "Mother 1/1, Husband 3/3, FullSister 4/2" << "";
    QTest::newRow("'awl to 7") << "HusbandAlive=1 FullSisterCount=2" << "6 7 - 7" << "Husband 3/3, FullSister 4/2" << "";
    QTest::newRow("'awl to 9") << "HusbandAlive=1 FullSisterCount=2 MaternalSiblingCount=2"
        << "6 9 - 9" << "Husband 3/3, FullSister 4/2, MaternalSibling 2/1" << "";
    QTest::newRow("'awl to 10") << "HusbandAlive=1 MotherAlive=1 FullSisterCount=2 MaternalSiblingCount=2"
        << "6 10 - 10" << "Mother 1/1, Husband 3/3, FullSister 4/2, MaternalSibling 2/1" << "";
    QTest::newRow("'awl to 13") << "WifeCount=1 MotherAlive=1 FullSisterCount=2"
        << "12 13 - 13" << "Mother 2/2, Wife 3/3, FullSister 8/4" << "";
    QTest::newRow("'awl to 15") << "WifeCount=1 FullSisterCount=2 MaternalSiblingCount=2"
        << "12 15 - 15" << "Wife 3/3, FullSister 8/4, MaternalSibling 4/2" << "";
    QTest::newRow("'awl to 17") << "WifeCount=3 MotherAlive=1 FullSisterCount=2 MaternalSiblingCount=2"
        << "12 17 - 17" << "Mother 2/2, Wife 3/1, FullSister 8/4, MaternalSibling 4/2" << "";
    QTest::newRow("al-Minbariyya: 'awl to 27") << "WifeCount=1 DaughterCount=2 FatherAlive=1 MotherAlive=1"
        << "24 27 - 27" << "Father 4/4, Mother 4/4, Wife 3/3, Daughter 16/8" << "";
    QTest::newRow("al-Akdariyya") << "HusbandAlive=1 MotherAlive=1 GrandFatherAlive=1 FullSisterCount=1"
        << "6 9 - 27" << "GrandFather 8/8, Mother 6/6, Husband 9/9, FullSister 4/4" << "";
    QTest::newRow("case of 27 with a brother is not al-Akdariyya")
        << "GrandFatherAlive=1 HusbandAlive=1 MotherAlive=1 FullSisterCount=1 ParentalBrotherCount=1"
        << "6 - - 6" << "GrandFather 1/1, Mother 1/1, Husband 3/3, FullSister 1/1"
        << "ParentalBrother countedAgainstGrandFather";
    QTest::newRow("al-Mu'adda") << "GrandFatherAlive=1 FullSisterCount=1 ParentalBrotherCount=1"
        << "2 - - 10" << "GrandFather 4/4, FullSister 5/5, ParentalBrother 1/1" << "";
    QTest::newRow("return without a spouse") << "MotherAlive=1 DaughterCount=1"
        << "6 - 4 4" << "Mother 1/1, Daughter 3/3" << "";
    QTest::newRow("return with a spouse") << "WifeCount=1 MotherAlive=1 DaughterCount=1"
        << "24 - 4 32" << "Mother 7/7, Wife 4/4, Daughter 21/21" << "";
    QTest::newRow("return to the maternal siblings beside a husband") << "HusbandAlive=1 MaternalSiblingCount=2"
        << "6 - 1 4" << "Husband 2/2, MaternalSibling 2/1" << "";
    QTest::newRow("return to one maternal sibling alone") << "MaternalSiblingCount=1"
        << "6 - 1 1" << "MaternalSibling 1/1" << "";
    QTest::newRow("the treasury takes the rest") << "WifeCount=1" << "4 - - 4" << "Wife 4/4" << "";
    QTest::newRow("daughters and brothers: correction over one group") << "DaughterCount=3 FullBrotherCount=2"
        << "3 - - 18" << "Daughter 12/4, FullBrother 6/3" << "";
    QTest::newRow("correction over two groups") << "WifeCount=4 DaughterCount=3 FullBrotherCount=5"
        << "24 - - 288" << "Wife 36/9, Daughter 192/64, FullBrother 60/12" << "";
    QTest::newRow("residuaries only") << "SonCount=3 DaughterCount=2" << "8 - - 8" << "Son 6/2, Daughter 2/1" << "";
    QTest::newRow("al-Mushtaraka") << "HusbandAlive=1 MotherAlive=1 MaternalSiblingCount=2 FullBrotherCount=1"
        << "6 - - 18" << "Mother 3/3, Husband 9/9, FullBrother 2/2, MaternalSibling 4/2" << "";
    QTest::newRow("one maternal sibling is no shared case") << "HusbandAlive=1 MotherAlive=1 MaternalSiblingCount=1 FullBrotherCount=2"
        << "6 - - 12" << "Mother 2/2, Husband 6/6, FullBrother 2/1, MaternalSibling 2/2" << "";
    QTest::newRow("al-'Umariyya with the husband") << "HusbandAlive=1 FatherAlive=1 MotherAlive=1"
        << "6 - - 6" << "Father 2/2, Mother 1/1, Husband 3/3" << "";
    QTest::newRow("al-'Umariyya with the wife") << "WifeCount=1 FatherAlive=1 MotherAlive=1"
        << "4 - - 4" << "Father 2/2, Mother 1/1, Wife 1/1" << "";
    QTest::newRow("sons' daughters complete two thirds") << "DaughterCount=1 SonsDaughterCount=2 FullBrotherCount=1"
        << "6 - - 12" << "Daughter 6/6, SonsDaughter 2/1, FullBrother 4/4" << "";
    QTest::newRow("sister with daughters excludes the paternal brother")
        << "DaughterCount=2 FullSisterCount=1 ParentalBrotherCount=1"
        << "3 - - 3" << "Daughter 2/1, FullSister 1/1" << "ParentalBrother excludedBy FullSister";
    QTest::newRow("father: a sixth and the residue") << "FatherAlive=1 DaughterCount=1"
        << "6 - - 6" << "Father 3/3, Daughter 3/3" << "";
    QTest::newRow("full uncle excludes paternal uncle") << "WifeCount=1 FullUncleCount=3 ParentalUncleCount=2"
        << "4 - - 4" << "Wife 1/1, FullUncle 3/1" << "ParentalUncle excludedBy FullUncle";
    QTest::newRow("sons' daughters after the daughters' two thirds") << "DaughterCount=2 SonsDaughterCount=1 FullUncleCount=1"
        << "3 - - 3" << "Daughter 2/1, FullUncle 1/1" << "SonsDaughter afterDaughtersTwoThirds";
    QTest::newRow("paternal sisters after the full sisters' two thirds") << "FullSisterCount=2 ParentalSisterCount=1 FullUncleCount=1"
        << "3 - - 3" << "FullSister 2/1, FullUncle 1/1" << "ParentalSister afterSistersTwoThirds";
    QTest::newRow("a residuary with nothing left") << "HusbandAlive=1 MotherAlive=1 FullSisterCount=2 FullUncleCount=1"
        << "6 8 - 8" << "Mother 1/1, Husband 3/3, FullSister 4/2" << "FullUncle nothingLeft";
    QTest::newRow("first method: the grandfather excludes the siblings")
        << "GrandFatherAlive=1 GrandFatherAsFather=1 MotherAlive=1 FullBrotherCount=2"
        << "6 - - 6" << "GrandFather 5/5, Mother 1/1" << "FullBrother excludedByGrandFatherAsFather GrandFather";
    // The family as given: what the questionnaires would never ask is set
    // aside, with the heir who shuts it out.
    QTest::newRow("mother and grandmother given") << "MotherAlive=1 MaternalGrandMotherAlive=1 FullUncleCount=1"
        << "3 - - 3" << "Mother 1/1, FullUncle 2/2" << "MaternalGrandMother excludedBy Mother";
    QTest::newRow("father and grandfather given") << "FatherAlive=1 GrandFatherAlive=1 SonCount=1"
        << "6 - - 6" << "Father 1/1, Son 5/5" << "GrandFather excludedBy Father";
    QTest::newRow("brothers and grandsons beside a son") << "SonCount=1 SonsSonCount=2 FullBrotherCount=1 MaternalSiblingCount=3"
        << "1 - - 1" << "Son 1/1"
        << "SonsSon excludedBy Son, FullBrother excludedBy Son, MaternalSibling excludedBy Son";
    QTest::newRow("maternal siblings beside a daughter") << "DaughterCount=1 MaternalSiblingCount=2 FullUncleCount=1"
        << "2 - - 2" << "Daughter 1/1, FullUncle 1/1" << "MaternalSibling excludedBy Daughter";
}

void tst_working::classical()
{
    QFETCH(QString, given);
    const CaseWorking w = workCase(family(given));
    QVERIFY(w.exact);
    QTEST(bases(w), "bases");
    QTEST(parts(w), "parts");
    QTEST(excluded(w), "excluded");
    // Every step has its sentence code; the shares stay the program's.
    CaseRecord program = admitFamily(family(given)).record;
    Recalculate(program);
    for (const ShareField &f : shareFields())
        QCOMPARE(w.record.*(f.member), program.*(f.member));
}

void tst_working::extremeCounts()
{
    // Every count at the top of its range: exact arithmetic never overflows.
    for (const char *top : {"SonCount=50 DaughterCount=50 WifeCount=4 MotherAlive=1 FatherAlive=1",
                            "SonsSonsSonCount=50 SonsSonsDaughterCount=50 SonsDaughterCount=50 WifeCount=4",
                            "DaughterCount=2 SonsDaughterCount=50 SonsSonsSonCount=50 SonsSonsDaughterCount=50 MaternalGrandMotherAlive=1 ParentalGrandMotherAlive=1 GrandFatherAlive=1",
                            "GrandFatherAlive=1 MotherAlive=1 WifeCount=4 FullBrotherCount=50 FullSisterCount=50 ParentalBrotherCount=50 ParentalSisterCount=50 MaternalSiblingCount=100",
                            "HusbandAlive=1 MotherAlive=1 FullBrotherCount=50 FullSisterCount=50 MaternalSiblingCount=100",
                            "WifeCount=4 FullSisterCount=50 ParentalSisterCount=50 MaternalSiblingCount=100 BrothersSonCount=50"}) {
        const CaseWorking w = workCase(family(QString::fromLatin1(top)));
        QVERIFY2(w.exact, top);
        std::int64_t sum = 0;
        for (const GroupWorking &g : w.groups)
            sum += g.parts;
        QCOMPARE(sum, w.correctedBase);
    }
}

void tst_working::secondCalculationOfTheSameRecord()
{
    // A share left from an earlier calculation of the same record must not
    // survive the next one.
    CaseRecord c = family(QStringLiteral("HusbandAlive=1 MaternalSiblingCount=2 FullBrotherCount=1 MotherAlive=1"));
    Recalculate(c);
    c.MaternalSiblingCount = 0;
    Recalculate(c);
    QCOMPARE(c.MaternalSiblingShare, 0.0);
    QCOMPARE(c.HusbandShare + c.MotherShare + c.FullBrotherShare, 1.0);
}

void tst_working::reachableRecords()
{
    calctest::CaseGenerator generator(20261207);
    for (int i = 0; i < 100000; ++i) {
        const CaseRecord given = generator.next();
        const AdmittedFamily admitted = admitFamily(given);
        // The family step leaves what the questionnaires produce as it is.
        QVERIFY(!admitted.error);
        QVERIFY(admitted.setAside.empty());
        const CaseWorking w = workCase(given);
        QVERIFY(w.exact);
        CaseRecord program = given;
        Recalculate(program);
        std::int64_t sum = 0;
        for (const GroupWorking &g : w.groups) {
            const double d = w.record.*shareMember<double>(g.heir);
            const double per = (g.heir == Heir::Wife || g.heir == Heir::GrandMother) ? d / g.heads : d;
            QVERIFY2(std::fabs(g.perHead.toDouble() - per) < 1e-12, heirKey(g.heir));
            QCOMPARE(Rational(g.partsEach) * Rational(g.heads), Rational(g.parts));
            sum += g.parts;
        }
        QCOMPARE(sum, w.correctedBase);
        for (const ShareField &f : shareFields()) {
            const double a = w.record.*(f.member), b = program.*(f.member);
            QVERIFY(std::memcmp(&a, &b, sizeof a) == 0);
        }
        // Every relative given is an heir with a share or has a reason.
        for (int r = 0; r < RelativeCount; ++r) {
            const Relative rel = static_cast<Relative>(r);
            if (relativeCount(given, rel) == 0)
                continue;
            bool accounted = false;
            for (const Exclusion &e : w.excluded)
                if (e.relative == rel) {
                    accounted = true;
                    QVERIFY2(e.reason != Reason::NothingLeft || canBeResiduary(rel), relativeKey(rel));
                }
            for (const GroupWorking &g : w.groups)
                accounted = accounted || g.heir == groupOf(rel);
            QVERIFY2(accounted, relativeKey(rel));
        }
    }
}

QTEST_APPLESS_MAIN(tst_working)
#include "tst_working.moc"
