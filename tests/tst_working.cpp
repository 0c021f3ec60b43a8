// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a case: base, 'awl, return and correction of classical
// cases, who receives nothing and why, and the properties every reachable
// case keeps (exact shares equal to the doubles, whole parts adding up, every
// relative accounted for).

#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/working.h"
#include "tests/tst_calc_generator.h"
#include "tests/tst_working_classical.h"

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

// Each group's rule, nominal share, kind, fixed share as given and marks:
// "Mother MotherSixthSiblings Sixth fixed 1/6 awl".
QString working(const CaseWorking &w)
{
    QStringList out;
    for (const GroupWorking &g : w.groups) {
        const Portion p = nominalPortion(g.rule, g.fixed);
        QString s = QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(heirKey(g.heir)), QLatin1String(ruleKey(g.rule)),
                                                     QLatin1String(portionKey(p)),
                                                     isFixedPortion(p) ? QStringLiteral("fixed") : QStringLiteral("residue"));
        if (!g.fixed.isZero())
            s += QStringLiteral(" %1/%2").arg(g.fixed.num).arg(g.fixed.den);
        if (g.reduced)
            s += QStringLiteral(" awl");
        if (g.returned)
            s += QStringLiteral(" returned");
        if (g.restAdded)
            s += QStringLiteral(" rest");
        out << s;
    }
    return out.join(QStringLiteral(", "));
}

// The steps: the shares by heir in the order written, then the events with
// their bases: "Method2; GrandFather FullSister; Awl 6>9; Correction 9>27".
QString steps(const CaseWorking &w)
{
    static const char *kinds[] = {"Method", "Share", "Awl", "Return", "ReturnWithSpouse", "RestToSpouse",
                                  "Treasury", "Correction", "Umariyya", "Mushtaraka", "Akdariyya", "Muadda",
                                  "Minbariyya", "Reduction"};
    QStringList out, shares;
    for (const Step &s : w.steps) {
        const QString kind = QLatin1String(kinds[static_cast<int>(s.kind)]);
        switch (s.kind) {
        case StepKind::Share:
            shares << QLatin1String(heirKey(s.heir));
            if (&s == &w.steps.back() || (&s + 1)->kind != StepKind::Share)
                out << shares.join(u' ');
            break;
        case StepKind::Method:
            out << kind + QString::number(s.from);
            break;
        case StepKind::Awl: case StepKind::Return: case StepKind::Correction: case StepKind::Reduction:
            out << QStringLiteral("%1 %2>%3").arg(kind).arg(s.from).arg(s.to);
            break;
        case StepKind::ReturnWithSpouse:
            out << QStringLiteral("%1 %2+%3>%4").arg(kind).arg(s.from).arg(s.to).arg(s.result);
            break;
        default:
            out << kind;
        }
    }
    return out.join(QStringLiteral("; "));
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
    workingtest::addClassicalRows();
}

void tst_working::classical()
{
    QFETCH(QString, given);
    const CaseWorking w = workCase(family(given));
    QVERIFY(w.exact);
    QTEST(bases(w), "bases");
    QTEST(parts(w), "parts");
    QTEST(excluded(w), "excluded");
    QTEST(working(w), "working");
    QTEST(steps(w), "steps");
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
