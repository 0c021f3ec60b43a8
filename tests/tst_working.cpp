// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a case: base, 'awl, return and correction of classical
// cases, who receives nothing and why, and the properties every reachable
// case keeps (exact shares equal to the doubles, whole parts adding up, every
// relative accounted for).

#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/working.h"
#include "report/working_text.h"
#include "tools/case_generator.h"
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

// The group share a plain portion gives, 0 for the others.
Rational portionValue(Portion p)
{
    switch (p) {
    case Portion::Half: case Portion::HalfOrRest: return Rational(1, 2);
    case Portion::Quarter: return Rational(1, 4);
    case Portion::Eighth: return Rational(1, 8);
    case Portion::TwoThirds: return Rational(2, 3);
    case Portion::Third: return Rational(1, 3);
    case Portion::Sixth: case Portion::BestSixth: case Portion::SixthAndResidue: return Rational(1, 6);
    default: return Rational();
    }
}

bool onlyFixedShares(Heir h)
{
    return h == Heir::Mother || h == Heir::GrandMother || h == Heir::Husband || h == Heir::Wife
        || h == Heir::MaternalSibling;
}

const GroupWorking *groupOf(const CaseWorking &w, Heir h)
{
    for (const GroupWorking &g : w.groups)
        if (g.heir == h)
            return &g;
    return nullptr;
}

bool hasStep(const CaseWorking &w, StepKind k)
{
    for (const Step &s : w.steps)
        if (s.kind == k)
            return true;
    return false;
}

// What the working says that its shares or its family contradict, empty when
// nothing.
QString contradiction(const CaseRecord &c, const CaseWorking &w)
{
    for (const GroupWorking &g : w.groups) {
        if (g.heir == Heir::Treasury)
            continue;
        const QString who = QLatin1String(heirKey(g.heir)) + u' ' + QLatin1String(ruleKey(g.rule));
        const Portion p = nominalPortion(g.rule, g.fixed);
        const Rational v = portionValue(p);
        if (!v.isZero() && !(g.fixed == v))
            return who + QStringLiteral(": a fixed share of %1/%2").arg(g.fixed.num).arg(g.fixed.den);
        if (!v.isZero() && p != Portion::SixthAndResidue && !g.reduced && !g.returned && !g.restAdded
            && !(g.share == g.fixed))
            return who + QStringLiteral(": given %1/%2").arg(g.share.num).arg(g.share.den);
        if (p == Portion::SixthAndResidue && !(g.fixed < g.share))
            return who + QStringLiteral(": no residue on top of the sixth");
        if (!isFixedPortion(p) && p != Portion::SixthAndResidue && (onlyFixedShares(g.heir) || !g.fixed.isZero()))
            return who + QStringLiteral(": a residue rule for a fixed share");
        if (g.rule == Rule::ResidueWithDaughters
            && !groupOf(w, Heir::Daughter) && !groupOf(w, Heir::SonsDaughter) && !groupOf(w, Heir::SonsSonsDaughter))
            return who + QStringLiteral(": no daughter beside her");
    }
    const bool firstMethod = c.GrandFatherAsFather == 1;
    for (const Exclusion &e : w.excluded) {
        if (e.reason != Reason::ExcludedBy && e.reason != Reason::ExcludedByGrandFatherAsFather)
            continue;
        const QString who = QLatin1String(relativeKey(e.relative)) + QStringLiteral(" by ")
            + QLatin1String(relativeKey(e.by));
        const bool present = relativeCount(c, e.by) != 0 || (e.by == Relative::GrandFather && firstMethod);
        const GroupWorking *g = groupOf(w, groupOf(e.by));
        if (!present || e.by == e.relative || !g || g->share.isZero())
            return who + QStringLiteral(": the excluder is absent or receives nothing");
    }
    const bool spouse = c.HusbandAlive == 1 || c.WifeCount != 0;
    const bool mother = c.MotherAlive == 1;
    const bool grandmother = c.MaternalGrandMotherAlive == 1 || c.ParentalGrandMotherAlive == 1;
    const bool father = c.FatherAlive == 1 && !firstMethod;
    const bool grandfather = c.GrandFatherAlive == 1 || firstMethod;
    const int full = c.FullBrotherCount + c.FullSisterCount, paternal = c.ParentalBrotherCount + c.ParentalSisterCount;
    const bool descendants = c.SonCount + c.DaughterCount + c.SonsSonCount + c.SonsDaughterCount
            + c.SonsSonsSonCount + c.SonsSonsDaughterCount != 0;
    if (hasStep(w, StepKind::Muadda) && !(grandfather && !firstMethod && full != 0 && paternal != 0))
        return QStringLiteral("al-Muʿadda without the grandfather, full and paternal siblings");
    const bool oneSister = (c.FullSisterCount == 1 && c.ParentalSisterCount == 0)
        || (c.FullSisterCount == 0 && c.ParentalSisterCount == 1);
    if (hasStep(w, StepKind::Akdariyya)
        && !(c.HusbandAlive == 1 && mother && grandfather && !firstMethod && oneSister && !descendants
             && c.FullBrotherCount + c.ParentalBrotherCount == 0))
        return QStringLiteral("al-Akdariyya without husband, mother, grandfather and one sister");
    if (hasStep(w, StepKind::Umariyya) && !(father && mother && spouse && !descendants))
        return QStringLiteral("an ʿUmariyya case without father, mother and spouse");
    if (hasStep(w, StepKind::Mushtaraka)
        && !(c.HusbandAlive == 1 && (mother || grandmother) && c.MaternalSiblingCount >= 2 && c.FullBrotherCount != 0))
        return QStringLiteral("al-Mushtaraka without husband, mother, maternal siblings and full brother");
    const bool twoThirds = c.DaughterCount >= 2 || c.SonsDaughterCount >= 2 || c.SonsSonsDaughterCount >= 2;
    if (hasStep(w, StepKind::Minbariyya)
        && !(c.WifeCount != 0 && (c.FatherAlive == 1 || grandfather) && (mother || grandmother) && twoThirds))
        return QStringLiteral("al-Minbariyya without wife, daughters, father and mother");
    return {};
}

} // namespace

class tst_working : public QObject
{
    Q_OBJECT

private slots:
    void classical_data();
    void classical();
    void sentences_data();
    void sentences();
    void extremeCounts();
    void secondCalculationOfTheSameRecord();
    void reachableRecords();
    void workingAgreesWithShares();
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

// The sentences a teacher would write, and what they must not say.
void tst_working::sentences_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("unsaid");
    const QStringList method2{QStringLiteral("siblings inherit with the grandfather")};
    QTest::newRow("grandfather alone: the residue, no siblings spoken of") << "GrandFatherAlive=1" << 1
        << QStringList{"The grandfather: the residue"} << method2 + QStringList{"female descendants"};
    QTest::newRow("grandfather, wife: the residue") << "GrandFatherAlive=1 WifeCount=1" << 1
        << QStringList{"The grandfather: the residue"} << method2 + QStringList{"female descendants"};
    QTest::newRow("grandfather, full brother: the method is said") << "GrandFatherAlive=1 FullBrotherCount=1" << 1
        << method2 << QStringList{};
    QTest::newRow("first method beside a spouse: Abu Yusuf's view")
        << "GrandFatherAlive=1 GrandFatherAsFather=1 MotherAlive=1 HusbandAlive=1" << 1
        << QStringList{"after the share of the one spouse, in Abu Yusuf's view"} << QStringList{"ʿUmar", "ʿUmariyya"};
    QTest::newRow("first method beside a spouse, Arabic") << "GrandFatherAlive=1 GrandFatherAsFather=1 MotherAlive=1 WifeCount=1" << 0
        << QStringList{"أبي يوسف"} << QStringList{"عمر"};
    QTest::newRow("al-'Umariyya: after the share of the one spouse") << "FatherAlive=1 MotherAlive=1 HusbandAlive=1" << 1
        << QStringList{"as ʿUmar judged", "what remains after the share of the one spouse"} << QStringList{"Abu Yusuf"};
    QTest::newRow("brother and sister two to one: 4:176") << "DaughterCount=1 FullBrotherCount=1 FullSisterCount=1" << 1
        << QStringList{"The full brother: the residue, the brother taking twice the share of the sister. [4:176]"}
        << QStringList{"sister. [4:11]"};
    QTest::newRow("son and daughter two to one: 4:11") << "SonCount=1 DaughterCount=1" << 1
        << QStringList{"The son: the residue, the male taking twice the share of the female. [4:11]"} << QStringList{"4:176"};
    QTest::newRow("al-Akdariyya: verses, 'awl, only two pooled")
        << "HusbandAlive=1 MotherAlive=1 GrandFatherAlive=1 FullSisterCount=1" << 1
        << QStringList{"The husband: a half: the deceased left no descendants. [4:12]",
                       "The mother: a third: no descendants and fewer than two brothers or sisters. [4:11]",
                       "The full sister: a half as the fixed share, reduced by the 'awl, then pooled with the grandfather's and shared two to one (al-Akdariyya). [4:176]",
                       "The grandfather: a sixth as the fixed share, reduced by the 'awl, then pooled with the sister's"}
        << QStringList{"settled as"};
    QTest::newRow("return beside the wife: the two cases combined") << "WifeCount=1 MotherAlive=1 DaughterCount=1" << 1
        << QStringList{"the spouse's case of 8 and the return case of 4 give 32."} << QStringList{"Correction"};
    QTest::newRow("father, three daughters: reducible") << "FatherAlive=1 DaughterCount=3" << 1
        << QStringList{"corrected from 6 to 18", "the case can be reduced from 18 to 9."} << QStringList{};
    QTest::newRow("'awl: the female with her brother gets nothing as he does")
        << "HusbandAlive=1 FatherAlive=1 MotherAlive=1 DaughterCount=2 SonsSonCount=1 SonsDaughterCount=1" << 1
        << QStringList{"The son's daughter: a residuary for whom nothing is left."} << QStringList{"once the two thirds are taken"};
}

void tst_working::sentences()
{
    QFETCH(QString, given);
    QFETCH(int, language);
    const CaseWorking w = workCase(family(given));
    QStringList lines;
    for (const Step &s : w.steps)
        lines << report::stepSentence(s, w, Language(language));
    for (const Exclusion &e : w.excluded)
        lines << report::exclusionSentence(e, Language(language));
    const QString text = lines.join(u'\n') + u'\n';
    QFETCH(QStringList, said);
    QFETCH(QStringList, unsaid);
    for (const QString &s : said)
        QVERIFY2(text.contains(s), qPrintable(s + QStringLiteral(" not in:\n") + text));
    for (const QString &s : unsaid)
        QVERIFY2(!text.contains(s), qPrintable(s + QStringLiteral(" in:\n") + text));
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

// Over generated families: a rule noted agrees with the share given (a sixth
// before any 'awl or return is a sixth; a residue rule belongs to a
// residuary), an excluder is present and receives something, and a named
// case is named only when its relatives are there.
void tst_working::workingAgreesWithShares()
{
    calctest::CaseGenerator generator(20261208);
    QStringList failures;
    int named = 0;
    for (int i = 0; i < 100000; ++i) {
        const CaseRecord given = generator.next();
        const CaseWorking w = workCase(given);
        QVERIFY(w.exact);
        for (const Step &s : w.steps)
            named += s.kind >= StepKind::Umariyya && s.kind <= StepKind::Minbariyya;
        const QString why = contradiction(given, w);
        if (!why.isEmpty() && failures.size() < 20) {
            QStringList family;
            for (const CountField &f : inputFields())
                if (given.*(f.member) != 0)
                    family << QStringLiteral("%1=%2").arg(QLatin1String(f.name.data(), qsizetype(f.name.size())))
                                  .arg(given.*(f.member));
            failures << why + QStringLiteral(" -- ") + family.join(u' ');
        }
    }
    // The generator reaches the named cases.
    QVERIFY(named > 100);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

QTEST_APPLESS_MAIN(tst_working)
#include "tst_working.moc"
