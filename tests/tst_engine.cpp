// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation over paths: the doctrine's cases at any depth under each
// school's views, and the properties every generated family keeps.

#include "case/engine/record_family.h"
#include "case/engine/result.h"
#include "case/engine/working.h"
#include "case/working.h"
#include "tools/case_generator.h"
#include "tools/path_generator.h"

#include <QTest>

using namespace engine;

namespace {

// "wife mother 3*brother father.father" into a family under a profile.
Family familyOf(const QString &text, const QString &profile, const QString &method = {})
{
    Family f;
    f.profile = *profileFromName(profile.toStdString());
    f.views = profileViews(f.profile);
    if (method == u"excludes")
        f.method = GrandfatherMethod::Excludes;
    for (const QString &item : text.split(u' ', Qt::SkipEmptyParts)) {
        // "a=b": one grandmother by two routes.
        if (item.contains(u'=')) {
            std::vector<Path> routes;
            for (const QString &route : item.split(u'=')) {
                routes.push_back(*Path::parse(route.toStdString()));
                f.members.push_back({routes.back(), 1});
            }
            f.samePerson.push_back(routes);
            continue;
        }
        const qsizetype star = item.indexOf(u'*');
        const int count = star < 0 ? 1 : item.left(star).toInt();
        const auto path = Path::parse(item.mid(star + 1).toStdString());
        if (!path)
            qFatal("not a path: %s", qPrintable(item));
        f.members.push_back({*path, count});
    }
    return f;
}

QString fraction(const Rational &q)
{
    return q.den == 1 ? QString::number(q.num) : QStringLiteral("%1/%2").arg(q.num).arg(q.den);
}

// Every share, as "path=fraction" in the family's order (the heads of a path
// together), then the treasury's.
QString shares(const Result &r)
{
    QStringList out;
    for (const MemberResult &m : r.members)
        if (!m.share.isZero())
            out << QStringLiteral("%1%2=%3")
                       .arg(m.count > 1 ? QStringLiteral("%1*").arg(m.count) : QString(),
                            QString::fromStdString(m.path.text()), fraction(m.share));
    if (!r.treasury.isZero())
        out << QStringLiteral("treasury=") + fraction(r.treasury);
    return out.join(u' ');
}

Rational sum(const Result &r)
{
    Rational t = r.treasury;
    for (const MemberResult &m : r.members)
        t += m.share;
    return t;
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void doctrine_data();
    void doctrine();
    void properties();
    void largestCounts();
    void today();
};

void TestEngine::doctrine_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, const char *profile, const char *family, const char *expected) {
        QTest::newRow(name) << QString::fromLatin1(profile) << QString::fromLatin1(family) << QString::fromLatin1(expected);
    };
    // Heirs beyond the questionnaires' kinds.
    row("B1 great-grandfather, wife, mother", "shafii", "wife mother father.father.father",
        "wife=1/4 mother=1/3 father.father.father=5/12");
    row("B2 great-grandfather and siblings, Zayd", "shafii", "mother father.father.father 3*brother 3*sister",
        "mother=1/6 father.father.father=5/18 3*brother=10/27 3*sister=5/27");
    row("B2 great-grandfather and siblings, Abu Bakr", "hanafi", "mother father.father.father 3*brother 3*sister",
        "mother=1/6 father.father.father=5/6");
    row("B3 the nearer grandfather", "hanbali", "mother father.father father.father.father",
        "mother=1/3 father.father=2/3");
    row("B4 great-great-grandfather and a nephew", "shafii", "father.father.father.father brother.son",
        "father.father.father.father=1");
    row("B5 great-grandfather and a brother, Zayd", "maliki", "father.father.father brother",
        "father.father.father=1/2 brother=1/2");
    row("B5 great-grandfather and a brother, Abu Bakr", "hanafi", "father.father.father brother",
        "father.father.father=1");
    row("B7 three grandmothers of the third degree", "hanafi", "son mother.mother.mother father.mother.mother father.father.mother",
        "son=5/6 mother.mother.mother=1/18 father.mother.mother=1/18 father.father.mother=1/18");
    row("B7 Maliki: two lines only", "maliki", "son mother.mother.mother father.mother.mother father.father.mother",
        "son=5/6 mother.mother.mother=1/12 father.mother.mother=1/12");
    row("B8 fourth degree, Hanafi", "hanafi",
        "son mother.mother.mother.mother father.mother.mother.mother father.father.mother.mother father.father.father.mother",
        "son=5/6 mother.mother.mother.mother=1/24 father.mother.mother.mother=1/24 father.father.mother.mother=1/24 father.father.father.mother=1/24");
    row("B8 fourth degree, Hanbali", "hanbali",
        "son mother.mother.mother.mother father.mother.mother.mother father.father.mother.mother father.father.father.mother",
        "son=5/6 mother.mother.mother.mother=1/18 father.mother.mother.mother=1/18 father.father.mother.mother=1/18");
    row("B8 fourth degree, Maliki", "maliki",
        "son mother.mother.mother.mother father.mother.mother.mother father.father.mother.mother father.father.father.mother",
        "son=5/6 mother.mother.mother.mother=1/12 father.mother.mother.mother=1/12");
    row("B9 the nearer maternal excludes", "shafii", "son mother.mother father.mother.mother", "son=5/6 mother.mother=1/6");
    row("B10 nearer paternal, Hanafi", "hanafi", "son father.mother mother.mother.mother", "son=5/6 father.mother=1/6");
    row("B10 nearer paternal, Shafi'i", "shafii", "son father.mother mother.mother.mother",
        "son=5/6 father.mother=1/12 mother.mother.mother=1/12");
    row("B11 excluded and excluding, Hanafi", "hanafi", "father father.mother mother.mother.mother", "father=1");
    row("B11 Maliki", "maliki", "father father.mother mother.mother.mother", "father=5/6 mother.mother.mother=1/6");
    row("B11 Hanbali", "hanbali", "father father.mother mother.mother.mother", "father=5/6 father.mother=1/6");
    // One woman by two routes (DOCTRINE A10 c): a head for each route under
    // Muhammad and the Hanbalis, one head under Abu Yusuf, Malik, al-Shafi'i.
    const char *twoRoutes = "son mother.mother.mother=father.mother.mother father.father.mother";
    row("two routes, Hanbali", "hanbali", twoRoutes,
        "son=5/6 mother.mother.mother=1/18 father.mother.mother=1/18 father.father.mother=1/18");
    row("two routes, Hanafi", "hanafi", twoRoutes, "son=5/6 mother.mother.mother=1/12 father.father.mother=1/12");
    row("two routes, Shafi'i", "shafii", twoRoutes, "son=5/6 mother.mother.mother=1/12 father.father.mother=1/12");
    row("two routes, Maliki: the third line not valid", "maliki", twoRoutes, "son=5/6 mother.mother.mother=1/6");
    row("two routes, one shut out by a nearer on its side", "shafii",
        "son father.mother mother.mother.mother=father.mother.mother", "son=5/6 father.mother=1/12 mother.mother.mother=1/12");
    row("two routes, fourth degree, three routes", "hanafi",
        "son mother.mother.mother.mother=father.mother.mother.mother=father.father.mother.mother father.father.father.mother",
        "son=5/6 mother.mother.mother.mother=1/12 father.father.father.mother=1/12");
    row("B12 the grandfather's wife", "hanafi", "father.father father.mother father.father.mother",
        "father.father=5/6 father.mother=1/6");
    row("B13 the grandfather's mother, Hanafi", "hanafi", "father.father father.father.mother daughter",
        "father.father=1/2 daughter=1/2");
    row("B13 the grandfather's mother, Hanbali", "hanbali", "father.father father.father.mother daughter",
        "father.father=1/3 father.father.mother=1/6 daughter=1/2");
    row("B14 daughter and great-grandson", "shafii", "daughter son.son.son", "daughter=1/2 son.son.son=1/2");
    row("B15 grandson excludes below", "shafii", "son.son son.son.son son.son.daughter", "son.son=1");
    row("B16 completing sixth two generations down", "shafii", "daughter son.son.daughter brother",
        "daughter=1/2 son.son.daughter=1/6 brother=1/3");
    row("B17 the blessed relative", "shafii", "2*daughter son.daughter son.son.son",
        "2*daughter=2/3 son.daughter=1/9 son.son.son=2/9");
    row("B18 two generations carried", "shafii", "2*daughter son.daughter son.son.daughter son.son.son.son",
        "2*daughter=2/3 son.daughter=1/12 son.son.daughter=1/12 son.son.son.son=1/6");
    row("B19 half, sixth, then carried", "shafii", "daughter son.daughter son.son.daughter son.son.son.son",
        "daughter=1/2 son.daughter=1/6 son.son.daughter=1/9 son.son.son.son=2/9");
    row("B20 from the second generation", "shafii", "son.daughter son.son.daughter son.son.son.son",
        "son.daughter=1/2 son.son.daughter=1/6 son.son.son.son=1/3");
    row("B21 a fixed share is not carried", "shafii", "son.daughter son.son.son", "son.daughter=1/2 son.son.son=1/2");
    row("B22 many generations", "shafii",
        "mother.mother.mother 2*daughter son.daughter 3*son.son.daughter 3*son.son.son",
        "mother.mother.mother=1/6 2*daughter=2/3 son.daughter=1/60 3*son.son.daughter=1/20 3*son.son.son=1/10");
    row("B23 'awl to fifteen", "shafii", "husband father mother daughter son.daughter",
        "husband=1/5 father=2/15 mother=2/15 daughter=2/5 son.daughter=2/15");
    row("B23 the relative who harms", "shafii", "husband father mother daughter son.daughter son.son",
        "husband=3/13 father=2/13 mother=2/13 daughter=6/13");
    row("B24 'awl to seven", "shafii", "husband sister paternalSister", "husband=3/7 sister=3/7 paternalSister=1/7");
    row("B24 the brother who harms", "shafii", "husband sister paternalSister paternalBrother", "husband=1/2 sister=1/2");
    row("B25 the nearer line", "shafii", "wife paternalBrother.son.son brother.son.son.son",
        "wife=1/4 paternalBrother.son.son=3/4");
    row("B26 nephews' line before the uncle", "shafii",
        "3*son.son.daughter father.father.mother 4*paternalBrother.son.son father.brother father.brother.son",
        "3*son.son.daughter=2/3 father.father.mother=1/6 4*paternalBrother.son.son=1/6");
    row("B27 the uncles' line before the father's uncles", "shafii",
        "husband 3*father.paternalBrother.son.son 5*father.father.brother 4*father.father.brother.son",
        "husband=1/2 3*father.paternalBrother.son.son=1/2");
    row("B28 strength", "shafii", "father.father.brother father.father.paternalBrother", "father.father.brother=1");
    row("B29 degree before strength", "shafii", "father.father.paternalBrother father.father.brother.son",
        "father.father.paternalBrother=1");
    row("B30 direction before degree", "shafii", "father.father.father.brother father.father.paternalBrother.son.son",
        "father.father.paternalBrother.son.son=1");
    row("B31 wife and emancipator", "shafii", "wife emancipator", "wife=1/4 emancipator=3/4");
    row("B32 the emancipator before the return", "hanbali", "daughter emancipator", "daughter=1/2 emancipator=1/2");
    row("B33 the emancipator's son, not his daughter", "shafii", "wife emancipator.son emancipator.daughter",
        "wife=1/4 emancipator.son=3/4");
    row("B33 the emancipator's father before his brother", "shafii", "emancipator.father emancipator.brother",
        "emancipator.father=1");
    row("B34 siblings shut out still reduce the mother", "shafii", "wife mother 2*maternalBrother father.father.father",
        "wife=1/4 mother=1/6 father.father.father=7/12");
    // The points on which the schools differ.
    row("A1 grandfather and three brothers, Zayd", "shafii", "father.father 3*brother",
        "father.father=1/3 3*brother=2/3");
    row("A1 Egypt", "egypt", "father.father 3*brother", "father.father=1/4 3*brother=3/4");
    row("A1 three daughters and a sister, Zayd", "shafii", "3*daughter father.father sister",
        "3*daughter=2/3 father.father=2/9 sister=1/9");
    row("A1 three daughters and a sister, Abu Bakr", "hanafi", "3*daughter father.father sister",
        "3*daughter=2/3 father.father=1/3");
    row("A1 three daughters and a sister, Egypt", "egypt", "3*daughter father.father sister",
        "3*daughter=2/3 father.father=2/9 sister=1/9");
    row("A1 two full sisters' two thirds shut out the paternal sister, Egypt", "egypt",
        "father.father 2*sister paternalSister", "father.father=1/3 2*sister=2/3");
    row("A2 mu'adda", "shafii", "father.father brother paternalBrother", "father.father=1/3 brother=2/3");
    row("A2 Egypt counts no paternal brother", "egypt", "father.father brother paternalBrother",
        "father.father=1/2 brother=1/2");
    row("A2 al-'Ashriyya", "shafii", "father.father sister paternalBrother",
        "father.father=2/5 sister=1/2 paternalBrother=1/10");
    row("A2 Zayd's abridged case", "hanbali", "mother father.father sister paternalBrother paternalSister",
        "mother=1/6 father.father=5/18 sister=1/2 paternalBrother=1/27 paternalSister=1/54");
    row("A2 three paternal brothers", "shafii", "father.father sister 3*paternalBrother",
        "father.father=1/3 sister=1/2 3*paternalBrother=1/6");
    row("A3 al-Akdariyya", "shafii", "husband mother father.father sister",
        "husband=1/3 mother=2/9 father.father=8/27 sister=4/27");
    row("A3 al-Akdariyya, Abu Bakr", "hanafi", "husband mother father.father sister",
        "husband=1/2 mother=1/3 father.father=1/6");
    row("A3 al-Akdariyya, Egypt", "egypt", "husband mother father.father sister",
        "husband=1/3 mother=2/9 father.father=1/9 sister=1/3");
    row("A4 al-Malikiyya", "maliki", "husband mother father.father paternalBrother 2*maternalBrother",
        "husband=1/2 mother=1/6 father.father=1/3");
    row("A4 not al-Malikiyya", "shafii", "husband mother father.father paternalBrother 2*maternalBrother",
        "husband=1/2 mother=1/6 father.father=1/6 paternalBrother=1/6");
    row("A4 al-Malikiyya with the mother's mother", "maliki", "husband mother.mother father.father brother 2*maternalBrother",
        "husband=1/2 mother.mother=1/6 father.father=1/3");
    row("A4 no al-Malikiyya without a mother or grandmother", "maliki",
        "husband father.father brother 2*maternalBrother", "husband=1/2 father.father=1/4 brother=1/4");
    row("A5 husband, mother, grandfather", "shafii", "husband mother father.father",
        "husband=1/2 mother=1/3 father.father=1/6");
    row("A6 al-Mushtaraka shared", "shafii", "husband mother 2*maternalBrother brother",
        "husband=1/2 mother=1/6 2*maternalBrother=2/9 brother=1/9");
    row("A6 al-Mushtaraka not shared", "hanbali", "husband mother 2*maternalBrother brother",
        "husband=1/2 mother=1/6 2*maternalBrother=1/3");
    row("A7 return to the daughter", "hanbali", "wife daughter", "wife=1/8 daughter=7/8");
    row("A7 no return", "program", "wife", "wife=1");
    row("A7 the wife alone, no return to a spouse", "shafii", "wife", "wife=1/4 treasury=3/4");
    row("A9 the father's mother beside the father, Hanbali", "hanbali", "father father.mother",
        "father=5/6 father.mother=1/6");
    row("A9 Hanafi", "hanafi", "father father.mother", "father=1");
    row("distant kindred: the descendants' class first", "hanafi", "daughter.son mother.brother", "daughter.son=1");
}

void TestEngine::doctrine()
{
    QFETCH(QString, profile);
    QFETCH(QString, family);
    QFETCH(QString, expected);
    const Result r = calculate(familyOf(family, profile));
    QCOMPARE(shares(r), expected);
    QCOMPARE(sum(r), Rational(1));
}

// Over generated families at any depth, under every profile: the shares and
// the treasury make the whole exactly, in whole parts of the corrected base; every relative given has a share or a
// reason, and whoever excludes is present and receives something; adding a
// relative whom someone present excludes changes no share.
void TestEngine::properties()
{
    calctest::PathFamilyGenerator gen(7);
    for (int n = 0; n < 20000; ++n) {
        const Family base = gen.next();
        for (int p = 0; p < ProfileCount; ++p) {
            Family f = base;
            f.profile = static_cast<Profile>(p);
            f.views = profileViews(f.profile);
            const Result r = calculate(f);
            const QString given = QString::fromStdString(base.members.front().path.text()) + QStringLiteral(" ...: ")
                + shares(r);
            QVERIFY2(sum(r) == Rational(1), qPrintable(given));
            // Whole parts of the corrected base, adding up to it.
            const Working work = workOf(r);
            std::int64_t parts = work.treasuryParts;
            for (std::size_t i = 0; i < r.members.size(); ++i) {
                parts += work.parts[i].parts;
                QVERIFY2(work.parts[i].partsEach * r.members[i].count == work.parts[i].parts, qPrintable(given));
            }
            QVERIFY2(parts == work.correctedBase, qPrintable(given));
            for (const MemberResult &m : r.members) {
                QVERIFY2(!m.share.isZero() || m.reason != engine::Reason::None,
                         qPrintable(given + QStringLiteral(" (no reason: ") + QString::fromStdString(m.path.text()) + u')'));
                // (A grandmother shut out by the father may shut out a farther one.)
                if (m.by >= 0 && r.members[std::size_t(m.by)].path.kind() != PathKind::Grandmother)
                    QVERIFY2(!r.members[std::size_t(m.by)].share.isZero(),
                             qPrintable(given + QStringLiteral(" (%1 by %2)").arg(QString::fromStdString(m.path.text()),
                                 QString::fromStdString(r.members[std::size_t(m.by)].path.text()))));
            }
            // A farther relative of a line someone present already excludes.
            for (const MemberResult &m : r.members) {
                if (m.reason != engine::Reason::ExcludedBy || m.path.kind() != PathKind::AgnateCollateral)
                    continue;
                Family more = f;
                const auto farther = Path::parse(m.path.text() + ".son");
                if (!farther || farther->length() > MaxPathLength)
                    continue;
                bool known = false;
                for (const Member &x : more.members)
                    known = known || x.path == *farther;
                if (known)
                    continue;
                more.members.push_back({*farther, 1});
                const Result r2 = calculate(more);
                for (std::size_t i = 0; i < r.members.size(); ++i)
                    QVERIFY2(r.members[i].share == r2.members[i].share, qPrintable(given));
                break;
            }
        }
    }
}

// Counts up to the largest accepted, prime where they are not the largest,
// so the denominators of the groups share no factor: every fraction stays
// exact (a value that does not fit would throw).
void TestEngine::largestCounts()
{
    static const int Counts[] = {50, 49, 47, 43, 41, 37, 31, 29};
    calctest::PathFamilyGenerator gen(13);
    for (int n = 0; n < 5000; ++n) {
        Family base = gen.next();
        for (std::size_t i = 0; i < base.members.size(); ++i)
            base.members[i].count = std::min(maximumCount(base.members[i].path), Counts[(n + i) % 8]);
        for (int p = 0; p < ProfileCount; ++p) {
            Family f = base;
            f.profile = static_cast<Profile>(p);
            f.views = profileViews(f.profile);
            try {
                const Result r = calculate(f);
                QCOMPARE(sum(r), Rational(1));
                QVERIFY(workOf(r).correctedBase > 0);
            } catch (const RationalOverflow &) {
                QStringList given;
                for (const Member &m : f.members)
                    given << QStringLiteral("%1*%2").arg(m.count).arg(QString::fromStdString(m.path.text()));
                QFAIL(qPrintable(given.join(u' ')));
            }
        }
    }
}

// The program's own answers for the questionnaires' families: the same
// exact share, the same bases and parts for every group. The doubles here are the fractions correctly
// rounded; the program's own doubles carry the rounding of their sums (the
// largest relative difference measured over these families is 1.9e-15).
void TestEngine::today()
{
    calctest::CaseGenerator gen(11);
    double worst = 0;
    for (int n = 0; n < 50000; ++n) {
        const CaseWorking w = workCase(gen.next(), false);
        if (!w.exact || w.familyError)
            continue;
        const Family f = familyOfRecord(w.record);
        const Result r = calculate(f);
        const Working ourWork = workOf(r);
        const auto bases = [](std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
            return QStringLiteral("%1 %2 %3 %4").arg(a).arg(b).arg(c).arg(d);
        };
        const QString theirBases = bases(w.base, w.awlBase, w.returnBase, w.correctedBase);
        const QString ourBases = bases(ourWork.base, ourWork.awlBase, ourWork.returnBase, ourWork.correctedBase);
        QStringList given;
        for (const Member &m : f.members)
            given << QStringLiteral("%1*%2").arg(m.count).arg(QString::fromStdString(m.path.text()));
        QVERIFY2(theirBases == ourBases,
                 qPrintable(given.join(u' ') + QStringLiteral(": bases today %1, here %2").arg(theirBases, ourBases)));
        for (int h = 0; h < HeirCount; ++h) {
            const Heir heir = static_cast<Heir>(h);
            Rational today, mine = heir == Heir::Treasury ? r.treasury : Rational();
            for (const GroupWorking &g : w.groups)
                if (g.heir == heir)
                    today = g.share;
            int heads = 0;
            for (const Path &p : pathsOfGroup(heir))
                for (const MemberResult &m : r.members)
                    if (m.path == p) {
                        mine += m.share;
                        heads += m.count;
                    }
            std::int64_t theirParts = 0, ourParts = heir == Heir::Treasury ? ourWork.treasuryParts : 0;
            for (const GroupWorking &g : w.groups)
                if (g.heir == heir)
                    theirParts = g.parts;
            for (std::size_t i = 0; i < r.members.size(); ++i)
                for (const Path &p : pathsOfGroup(heir))
                    if (r.members[i].path == p)
                        ourParts += ourWork.parts[i].parts;
            QVERIFY2(theirParts == ourParts, qPrintable(given.join(u' ') + QLatin1String(heirKey(heir))));
            if (!(today == mine)) {
                QFAIL(qPrintable(QStringLiteral("%1: %2 today %3, here %4")
                                     .arg(given.join(u' '), QLatin1String(heirKey(heir)), fraction(today), fraction(mine))));
            }
            const bool whole = heir == Heir::Wife || heir == Heir::GrandMother || heir == Heir::Treasury;
            const double theirs = w.record.*shareMember<double>(heir);
            const double ours = whole || heads == 0 ? mine.toDouble() : (mine / Rational(heads)).toDouble();
            if (theirs != 0)
                worst = std::max(worst, std::abs(ours - theirs) / theirs);
        }
    }
    qInfo() << "largest relative difference of a double:" << worst;
    QVERIFY(worst <= 1e-14);
}

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
