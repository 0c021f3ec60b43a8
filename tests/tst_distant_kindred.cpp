// SPDX-License-Identifier: GPL-3.0-or-later
// The distant kindred by kinship and by substitution: cases from the books
// under each profile whose answer differs, the steps a working shows, and the
// properties every generated family keeps.

#include "case/engine/distant_kindred.h"
#include "case/engine/result.h"
#include "tools/path_generator.h"

#include <QTest>

using namespace engine;

namespace {

// "wife 2*sister.daughter" under a profile, with "view=value" items changing
// single views.
Family familyOf(const QString &text, const QString &profile)
{
    Family f;
    f.profile = *profileFromName(profile.toStdString());
    f.views = profileViews(f.profile);
    for (const QString &item : text.split(u' ', Qt::SkipEmptyParts)) {
        if (item.contains(u'=')) {
            const QStringList kv = item.split(u'=');
            if (!setView(f.views, *viewFromName(kv[0].toStdString()), kv[1].toStdString()))
                qFatal("not a view: %s", qPrintable(item));
            continue;
        }
        const qsizetype star = item.indexOf(u'*');
        const auto path = Path::parse(item.mid(star + 1).toStdString());
        if (!path)
            qFatal("not a path: %s", qPrintable(item));
        f.members.push_back({*path, star < 0 ? 1 : item.left(star).toInt()});
    }
    return f;
}

QString fraction(const Rational &q)
{
    return q.den == 1 ? QString::number(q.num) : QStringLiteral("%1/%2").arg(q.num).arg(q.den);
}

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

bool spouse(const Path &p) { return p.kind() == PathKind::Husband || p.kind() == PathKind::Wife; }

bool kinsman(const MemberResult &m)
{
    return m.path.kind() == PathKind::DistantKindred || m.reason == Reason::NotAnHeirInThisSchool
        || m.rule == ShareRule::KinshipShare || m.rule == ShareRule::SubstitutionShare;
}

} // namespace

class TestDistantKindred : public QObject
{
    Q_OBJECT

private slots:
    void books_data();
    void books();
    void reasons_data();
    void reasons();
    void steps();
    void properties();
};

void TestDistantKindred::books_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, const char *profile, const char *family, const char *expected) {
        QTest::newRow(name) << QString::fromLatin1(profile) << QString::fromLatin1(family) << QString::fromLatin1(expected);
    };
    // By kinship. Sources: al-Durr al-Mukhtar (islamweb.net bk_no=27 ID=654) for the
    // classes and their order; al-Sirajiyya and al-Mabsut 30/14 for Muhammad against
    // Abu Yusuf; Egypt law 77/1943 arts. 31-38 and Syria 59/1953 arts. 290-297.
    row("Q1 class 1, two to one (Durr)", "hanafi", "daughter.son daughter.daughter",
        "daughter.son=2/3 daughter.daughter=1/3");
    row("Q2 wife, daughter's son, maternal aunt: class 1 first (Durr)", "hanafi", "wife daughter.son mother.sister",
        "wife=1/4 daughter.son=3/4");
    row("Q2 the same, Egypt arts. 31-32", "egypt", "wife daughter.son mother.sister", "wife=1/4 daughter.son=3/4");
    row("Q2 the same, Syria art. 290", "syria", "wife daughter.son mother.sister", "wife=1/4 daughter.son=3/4");
    row("Q2 the same, program (chosen: the Hanafi fatwa)", "program", "wife daughter.son mother.sister", "wife=1/4 daughter.son=3/4");
    row("Q3 nearer degree (Durr; Egypt art. 32)", "hanafi", "daughter.daughter son.daughter.daughter",
        "daughter.daughter=1");
    row("Q4 the child of an heir (Sirajiyya; Egypt art. 32)", "egypt", "son.daughter.son daughter.daughter.daughter",
        "son.daughter.son=1");
    row("Q5 roots differ, Muhammad (Mabsut 30/14)", "hanafi", "daughter.daughter.son daughter.son.daughter",
        "daughter.daughter.son=1/3 daughter.son.daughter=2/3");
    row("Q5 by persons, Egypt art. 38", "egypt", "daughter.daughter.son daughter.son.daughter",
        "daughter.daughter.son=2/3 daughter.son.daughter=1/3");
    row("Q6 roots differ twice, Muhammad (Sirajiyya, derived)", "hanafi", "daughter.daughter.son daughter.son.daughter daughter.son.son",
        "daughter.daughter.son=1/5 daughter.son.daughter=4/15 daughter.son.son=8/15");
    row("Q6 by persons, Egypt art. 38", "egypt", "daughter.daughter.son daughter.son.daughter daughter.son.son",
        "daughter.daughter.son=2/5 daughter.son.daughter=1/5 daughter.son.son=2/5");
    row("Q6 roots differ in the first generation, Muhammad (Sirajiyya, derived)", "hanafi", "son.daughter.daughter.son daughter.son.daughter.son",
        "son.daughter.daughter.son=2/3 daughter.son.daughter.son=1/3");
    row("Q7 husband and mother's father, class 2 (Durr)", "hanafi", "husband mother.father", "husband=1/2 mother.father=1/2");
    row("Q8 the mother's father before the sister's son (Durr)", "hanafi", "mother.father sister.son", "mother.father=1");
    row("Q9 class 2 through an heir (Egypt art. 33)", "egypt", "mother.mother.father mother.father.mother",
        "mother.mother.father=1");
    row("Q10 class 2, the two sides (Egypt art. 33)", "egypt", "father.mother.father mother.mother.father",
        "father.mother.father=2/3 mother.mother.father=1/3");
    row("Q11 brothers' daughters, Muhammad (Mabsut 30/14)", "hanafi",
        "brother.daughter paternalBrother.daughter maternalBrother.daughter",
        "brother.daughter=5/6 maternalBrother.daughter=1/6");
    row("Q11 the strongest, Egypt art. 34", "egypt", "brother.daughter paternalBrother.daughter maternalBrother.daughter",
        "brother.daughter=1");
    row("Q11 paternal before uterine, Egypt art. 34", "egypt", "maternalBrother.son paternalSister.son",
        "paternalSister.son=1");
    row("Q12 sister's son, brother's daughter, Muhammad (Sirajiyya: the roots' sex)", "hanafi", "sister.son brother.daughter",
        "sister.son=1/3 brother.daughter=2/3");
    row("Q12 by persons, Syria art. 297", "syria", "sister.son brother.daughter", "sister.son=2/3 brother.daughter=1/3");
    row("Q13 the child of an agnate (Sirajiyya; Egypt art. 34)", "hanafi", "brother.son.daughter sister.daughter.son",
        "brother.son.daughter=1");
    row("Q14 nearer degree in class 3", "egypt", "sister.daughter brother.son.daughter", "sister.daughter=1");
    row("Q15 husband, sister's daughter, uterine brother's son, Muhammad (Mabsut 30/14)", "hanafi",
        "husband sister.daughter maternalBrother.son", "husband=1/2 sister.daughter=3/8 maternalBrother.son=1/8");
    row("Q15 the strongest, Egypt art. 34", "egypt", "husband sister.daughter maternalBrother.son",
        "husband=1/2 sister.daughter=1/2");
    row("Q15 a uterine brother's children alike, Muhammad (chosen: the root's equality)", "hanafi",
        "maternalBrother.son maternalBrother.daughter", "maternalBrother.son=1/2 maternalBrother.daughter=1/2");
    row("Q15 two to one, Egypt art. 38", "egypt", "maternalBrother.son maternalBrother.daughter",
        "maternalBrother.son=2/3 maternalBrother.daughter=1/3");
    row("Q16 paternal and maternal aunt (Egypt art. 35)", "hanafi", "father.sister mother.sister",
        "father.sister=2/3 mother.sister=1/3");
    row("Q17 strength on one side (Egypt art. 35)", "egypt", "father.sister father.paternalSister father.maternalBrother",
        "father.sister=1");
    row("Q18 maternal uncle and aunt (Egypt art. 35)", "hanafi", "mother.brother mother.sister", "mother.brother=2/3 mother.sister=1/3");
    row("Q19 uncle's daughter before aunt's son (Sirajiyya)", "hanafi", "father.brother.daughter father.sister.son",
        "father.brother.daughter=1");
    row("Q20 strength before the agnate's child, Hanafi", "hanafi", "father.paternalBrother.daughter father.sister.son",
        "father.sister.son=1");
    row("Q20 the agnate's child first, Egypt art. 36", "egypt", "father.paternalBrother.daughter father.sister.son",
        "father.paternalBrother.daughter=1");
    row("Q21 cousins on both sides (Egypt art. 36)", "egypt", "father.brother.daughter mother.brother.son",
        "father.brother.daughter=2/3 mother.brother.son=1/3");
    row("Q22 the aunt before the cousin (Egypt art. 31)", "hanafi", "mother.sister father.brother.daughter",
        "mother.sister=1");
    // By substitution. Sources: Dalil al-Talib (shamela.ws/book/17500/387); Ibn
    // Qudama, al-Sharh al-Kabir 7/129; Wabl al-Ghamama 1441 (reaching an heir
    // first; the male and female alike, al-Shafi'i two to one); DOCTRINE A8.
    row("T1 wife, daughter's son, maternal aunt, Hanbali (Sharh Kabir 7/129, derived)", "hanbali", "wife daughter.son mother.sister",
        "wife=1/4 daughter.son=9/16 mother.sister=3/16");
    row("T1 the same, later Shafi'is (shamela 32197/606)", "shafii", "wife daughter.son mother.sister",
        "wife=1/4 daughter.son=9/16 mother.sister=3/16");
    row("T1 the same, later Malikis (Lawami' 9779)", "maliki", "wife daughter.son mother.sister",
        "wife=1/4 daughter.son=9/16 mother.sister=3/16");
    row("T1 classical Maliki: none (Lawami' 9779)", "maliki distantKindred=none surplus=treasury", "wife daughter.son mother.sister",
        "wife=1/4 treasury=3/4");
    row("T2 wife, daughter's daughter, aunt, uncle's daughter (Sharh Kabir 7/129)", "hanbali",
        "wife daughter.daughter mother.sister father.brother.daughter",
        "wife=1/4 daughter.daughter=3/8 mother.sister=1/8 father.brother.daughter=1/4");
    row("T3 daughter's daughter and sister's son (A8)", "hanbali", "daughter.daughter sister.son",
        "daughter.daughter=1/2 sister.son=1/2");
    row("T4 daughter's daughter, son's daughter's daughter (A8)", "hanbali", "daughter.daughter son.daughter.daughter",
        "daughter.daughter=3/4 son.daughter.daughter=1/4");
    row("T5 reaching an heir first (Hashiyat al-Rawd)", "hanbali", "son.daughter.daughter daughter.daughter.son",
        "son.daughter.daughter=1");
    row("T6 reaching an heir first, sons", "hanbali", "son.daughter.son daughter.son.daughter", "son.daughter.son=1");
    row("T7 the aunt before the mother's father's mother (Wabl)", "hanbali", "mother.sister mother.father.mother",
        "mother.sister=1");
    row("T8 the daughter's daughter before her daughter (Wabl)", "hanbali", "daughter.daughter daughter.daughter.daughter",
        "daughter.daughter=1");
    row("T9 across directions, the daughter shuts out the uterine brother (A8)", "hanbali",
        "daughter.daughter.daughter maternalBrother.daughter", "daughter.daughter.daughter=1");
    row("T10 paternal and maternal aunt (Dalil al-Talib)", "hanbali", "father.sister mother.sister", "father.sister=2/3 mother.sister=1/3");
    row("T11 sister's son and daughter alike (Wabl)", "hanbali", "sister.son sister.daughter",
        "sister.son=1/2 sister.daughter=1/2");
    row("T11 two to one, al-Shafi'i (Wabl)", "shafii", "sister.son sister.daughter", "sister.son=2/3 sister.daughter=1/3");
    row("T12 uterine brother's children alike, al-Shafi'i (Wabl)", "shafii", "maternalBrother.son maternalBrother.daughter",
        "maternalBrother.son=1/2 maternalBrother.daughter=1/2");
    row("T13 three maternal aunts of different ties (Sharh Kabir)", "hanbali",
        "mother.sister mother.paternalSister mother.maternalSister",
        "mother.sister=3/5 mother.paternalSister=1/5 mother.maternalSister=1/5");
    row("T14 paternal aunt before brother's daughter (Dalil al-Talib: the aunt as the father)", "hanbali", "father.sister brother.daughter", "father.sister=1");
    row("T15 the one case of 'awl (Sharh Kabir 7/129)", "hanbali",
        "mother.sister 2*sister.daughter 2*maternalSister.daughter 2*paternalSister.daughter",
        "mother.sister=1/7 2*sister.daughter=4/7 2*maternalSister.daughter=2/7");
    row("T16 husband and daughter's son (A8)", "hanbali", "husband daughter.son", "husband=1/2 daughter.son=1/2");
    row("T16 classical Shafi'i (Mawsu'a 437/1276)", "shafii distantKindred=none surplus=treasury", "husband daughter.son",
        "husband=1/2 treasury=1/2");
    row("T17 the mother's father before her brother (Sharh Kabir: the heir as the deceased)", "hanbali", "mother.father mother.brother", "mother.father=1");
    row("T18 a grandmother beyond two lines (Insaf)", "hanbali", "daughter.daughter father.father.father.mother",
        "daughter.daughter=1/2 father.father.father.mother=1/2");
    row("T18 raised past a grandmother beyond two lines (Dalil al-Talib)", "hanbali",
        "daughter.daughter father.father.father.mother.father",
        "daughter.daughter=1/2 father.father.father.mother.father=1/2");
    row("T18 the same grandmother an heir, Hanafi lines (Insaf)", "hanbali grandmotherLines=any",
        "daughter.daughter father.father.father.mother.father",
        "daughter.daughter=3/4 father.father.father.mother.father=1/4");
    row("T19 the uterine side is the mother's direction (A8: the three directions)", "hanbali", "mother.sister maternalBrother.son.daughter",
        "mother.sister=1");
    row("T19 uncle's daughter and maternal uncle's son (Dalil al-Talib)", "hanbali", "father.brother.daughter mother.brother.son",
        "father.brother.daughter=2/3 mother.brother.son=1/3");
    row("T20 daughter's children, Hanbali alike (Wabl)", "hanbali", "daughter.son daughter.daughter",
        "daughter.son=1/2 daughter.daughter=1/2");
    row("T20 two to one, al-Shafi'i (Wabl)", "shafii", "daughter.son daughter.daughter", "daughter.son=2/3 daughter.daughter=1/3");
    // Beside heirs, and the return to a spouse after them.
    row("an heir present: the return, not the kindred (Durr)", "hanbali", "daughter daughter.son", "daughter=1");
    row("a residuary present (Durr)", "hanafi", "father.brother.son mother.brother", "father.brother.son=1");
    row("no return, and no kinsman beside a blood heir either (chosen: A7's order)", "hanbali surplus=treasury", "daughter daughter.son",
        "daughter=1/2 treasury=1/2");
    row("the emancipator before the kindred (Ikhtiyar)", "hanafi", "emancipator daughter.son", "emancipator=1");
    row("the wife alone: the return to her, program (Egypt art. 30)", "program", "wife", "wife=1");
}

void TestDistantKindred::books()
{
    QFETCH(QString, profile);
    QFETCH(QString, family);
    QFETCH(QString, expected);
    const QStringList words = profile.split(u' ');
    const Result r = calculate(familyOf(family + u' ' + words.mid(1).join(u' '), words.front()));
    QCOMPARE(shares(r), expected);
    QCOMPARE(sum(r), Rational(1));
}

// Who is shut out, why, and by whom.
void TestDistantKindred::reasons_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("member");
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("by");
    auto row = [](const char *name, const char *profile, const char *family, int member, Reason reason, int by) {
        QTest::newRow(name) << QString::fromLatin1(profile) << QString::fromLatin1(family) << member << int(reason) << by;
    };
    row("a later class", "hanafi", "mother.brother daughter.son", 0, Reason::KinshipLaterClass, 1);
    row("a farther degree", "hanafi", "son.daughter.daughter daughter.daughter", 0, Reason::KinshipFartherDegree, 1);
    row("not the child of an heir", "egypt", "daughter.daughter.daughter son.daughter.son", 0,
        Reason::KinshipNotThroughHeir, 1);
    row("weaker", "egypt", "maternalBrother.daughter brother.daughter", 0, Reason::KinshipWeaker, 1);
    row("the root shut out, Muhammad", "hanafi", "paternalBrother.daughter brother.daughter", 0, Reason::KinshipWeaker, 1);
    row("farther from an heir", "hanbali", "daughter.daughter.son son.daughter.daughter", 0, Reason::FartherFromHeir, 1);
    row("the heir shut out", "hanbali", "brother.daughter father.sister", 0, Reason::HeirShutOut, 1);
    row("shut out in the heir's own case", "hanbali", "mother.brother mother.father", 0, Reason::ExcludedBy, 1);
    row("nothing left in the heir's own case", "hanbali", "mother.paternalBrother 2*mother.sister 2*mother.maternalBrother", 0,
        Reason::NothingLeft, -1);
    row("beside an heir", "hanafi", "daughter.son sister", 0, Reason::DistantKindred, -1);
    row("the view gives them nothing", "hanafi distantKindred=none", "daughter.son", 0, Reason::DistantKindred, -1);
}

void TestDistantKindred::reasons()
{
    QFETCH(QString, profile);
    QFETCH(QString, family);
    QFETCH(int, member);
    QFETCH(int, reason);
    QFETCH(int, by);
    const QStringList words = profile.split(u' ');
    const Result r = calculate(familyOf(family + u' ' + words.mid(1).join(u' '), words.front()));
    QCOMPARE(int(r.members[std::size_t(member)].reason), reason);
    QCOMPARE(r.members[std::size_t(member)].by, by);
    QVERIFY(r.members[std::size_t(member)].share.isZero());
}

// The working's steps for the case under both methods: the spouse
// first, then the class (kinship) or each claimant raised to his heir, the
// heirs' case and the shares brought down (substitution), each with a source.
void TestDistantKindred::steps()
{
    const auto text = [](const Result &r) {
        QStringList out;
        for (const KinshipStep &s : r.kinship) {
            out << QString::fromLatin1(*s.source ? "" : "(no source)") + QStringLiteral("%1:%2:%3:%4:%5")
                       .arg(int(s.kind))
                       .arg(s.member)
                       .arg(QString::fromStdString(s.path.text()))
                       .arg(s.number)
                       .arg(fraction(s.amount));
        }
        return out.join(u' ');
    };
    const Result hanafi = calculate(familyOf(QStringLiteral("wife daughter.son mother.sister"), QStringLiteral("hanafi")));
    QCOMPARE(text(hanafi), QStringLiteral("0:0:wife:0:3/4 1:1:daughter.son:1:3/4"));
    const Result hanbali = calculate(familyOf(QStringLiteral("wife daughter.son mother.sister"), QStringLiteral("hanbali")));
    QCOMPARE(text(hanbali), QStringLiteral("0:0:wife:0:3/4 4:1:daughter:1:0 4:2:mother:1:0 5:1:daughter:1:9/16 "
                                           "5:2:mother:1:3/16 6:1:daughter:1:9/16 6:2:mother:1:3/16"));
    const Result roots = calculate(familyOf(QStringLiteral("daughter.daughter.son daughter.son.daughter"),
                                            QStringLiteral("hanafi")));
    QCOMPARE(text(roots), QStringLiteral("1:0:daughter.daughter.son:1:1 3:1:daughter.son:1:2/3 3:0:daughter.daughter:1:1/3"));
}

// Over generated families under every profile: the shares make the whole; a
// kinsman inherits only where no heir by blood but a spouse has a share, and
// beside a spouse the spouse keeps the share the views give without the
// kindred; where no kinsman takes, the answer is the one the view `none` gives.
void TestDistantKindred::properties()
{
    calctest::PathFamilyGenerator gen(21);
    int withKindred = 0;
    for (int n = 0; n < 20000; ++n) {
        const Family base = gen.next();
        for (int p = 0; p < ProfileCount; ++p) {
            Family f = base;
            f.profile = Profile(p);
            f.views = profileViews(f.profile);
            Family none = f;
            none.views.distantKindred = DistantKindredMethod::None;
            const Result r = calculate(f);
            const Result r0 = calculate(none);
            const QString given = QString::fromStdString(base.members.front().path.text()) + QStringLiteral(" ...: ")
                + shares(r) + QStringLiteral(" / ") + shares(r0);
            QVERIFY2(sum(r) == Rational(1), qPrintable(given));
            bool kindredTake = false, heirTakes = false;
            for (const MemberResult &m : r.members) {
                if (m.share.isZero())
                    continue;
                if (kinsman(m))
                    kindredTake = true;
                else if (!spouse(m.path))
                    heirTakes = true;
            }
            QVERIFY2(!(kindredTake && heirTakes), qPrintable(given));
            withKindred += kindredTake;
            for (std::size_t i = 0; i < r.members.size(); ++i) {
                const MemberResult &m = r.members[i], &m0 = r0.members[i];
                if (!kindredTake)
                    QVERIFY2(m.share == m0.share && m.reason == m0.reason, qPrintable(given));
                else if (spouse(m.path))
                    QVERIFY2(m.share == m0.fixed, qPrintable(given));
            }
        }
    }
    qInfo() << "families where distant kindred take:" << withKindred;
    QVERIFY(withKindred > 1000);
}

QTEST_APPLESS_MAIN(TestDistantKindred)
#include "tst_distant_kindred.moc"
