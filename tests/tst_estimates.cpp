// SPDX-License-Identifier: GPL-3.0-or-later
// Heirs whose state is unknown (the unborn child, the missing person, the
// hermaphrodite): the science documents' worked examples read from their
// tables, and the reserve's properties: each estimate adds up to the
// estate, what is paid and held are whole parts of the combined base, and
// once the truth is known every heir's total is the answer of the case as
// it turned out. The books' cases are in tst_estimates_books.cpp.

#include "case/case_fields.h"
#include "case/case_notes.h"
#include "case/engine/estimates.h"
#include "case/engine/record_family.h"
#include "case/engine/working.h"
#include "tests/tst_estimates_support.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace engine;
using namespace estimatestest;

namespace {

QString documentText(const char *name)
{
    QFile file(QStringLiteral(TARNAVEL_DOC_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class tst_estimates : public QObject
{
    Q_OBJECT

private slots:
    void documentEstimates_data();
    void documentEstimates();
    void documentReserves_data();
    void documentReserves();
    void properties_data();
    void properties();
    void settlementsFromTheBooks();
    void places_data();
    void places();
    void waitingPeriods_data();
    void waitingPeriods();
    void withoutUncertaintyTodaysAnswer_data();
    void withoutUncertaintyTodaysAnswer();
};

// Each example table of a chapter is one estimate of the chapter's family:
// the program must have that estimate and give every heir the table's share.
void tst_estimates::documentEstimates_data()
{
    QTest::addColumn<QString>("known");
    QTest::addColumn<QString>("uncertain");
    QTest::addColumn<QString>("caseJson");
    QTest::addColumn<QStringList>("rows"); // "ShareName=value"
    struct Chapter { const char *document, *prefix, *known, *uncertain; };
    const Chapter chapters[] = {
        {"science_en.html", "ex-unborn-", "wife mother brother", "unborn:son"},
        {"science_en.html", "ex-missing-", "husband sister", "missing:brother"},
        {"science_en.html", "ex-khuntha-", "son", "hermaphrodite:son"},
        {"science.html", "ex-haml-", "father mother wife", "unborn:son"},
        {"science.html", "ex-mafqud-", "husband mother sister", "missing:brother"},
        {"science.html", "ex-khuntha-", "son daughter", "hermaphrodite:son"},
    };
    const QRegularExpression table(
        "<a name=\"([^\"]+)\">(?:(?!<h[23] ).)*?<table class=\"example\" data-case='([^']*)'[^>]*>(.*?)</table>",
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression row("<tr class=\"heir\" data-share=\"(\\w+)\" data-value=\"([\\d/]+)\"");
    for (const Chapter &c : chapters) {
        const QString html = documentText(c.document);
        QVERIFY2(!html.isEmpty(), c.document);
        int tables = 0;
        for (auto t = table.globalMatch(html); t.hasNext();) {
            const auto m = t.next();
            if (!m.captured(1).startsWith(QLatin1String(c.prefix)))
                continue;
            QStringList rows;
            for (auto r = row.globalMatch(m.captured(3)); r.hasNext();) {
                const auto rm = r.next();
                rows << rm.captured(1) + u'=' + rm.captured(2);
            }
            QTest::addRow("%s %s", c.document, qPrintable(m.captured(1)))
                << c.known << c.uncertain << m.captured(2) << rows;
            ++tables;
        }
        // Every chapter shows at least two estimates.
        QVERIFY2(tables >= 2, c.prefix);
    }
}

void tst_estimates::documentEstimates()
{
    QFETCH(QString, known);
    QFETCH(QString, uncertain);
    QFETCH(QString, caseJson);
    QFETCH(QStringList, rows);
    CaseRecord record;
    const QJsonObject input = QJsonDocument::fromJson(caseJson.toUtf8()).object();
    for (auto it = input.begin(); it != input.end(); ++it)
        record.*(findInputField(it.key().toStdString())->member) = std::int16_t(it.value().toInt());
    const auto wanted = membersOf(familyOfRecord(record));

    // Under the widest estimate the schools reserve for (four children).
    const EstimatesResult r = estimate(familyOf(known, uncertain, QStringLiteral("hanbali,unbornReserve=four")));
    QCOMPARE(r.error, EstimatesError::None);
    const Estimate *shown = nullptr;
    for (const Estimate &e : r.estimates)
        if (membersOf(e.family) == wanted)
            shown = &e;
    QVERIFY2(shown, qPrintable(caseJson));
    QVERIFY(!rows.isEmpty());
    const auto fields = shareFields();
    for (const QString &entry : rows) {
        const QString name = entry.section(u'=', 0, 0);
        const auto index = std::find_if(fields.begin(), fields.end(),
                                        [&](const ShareField &f) { return f.name == name.toStdString(); })
            - fields.begin();
        const Path path = pathsOfGroup(static_cast<Heir>(index)).front();
        Rational each;
        for (const MemberResult &m : shown->result.members)
            if (m.path == path)
                each = m.perHead();
        QCOMPARE(fraction(each), fraction(parseFraction(entry.section(u'=', 1))));
    }
}

// The working tables that follow a chapter's estimates: what is paid at once
// out of the combined base and what is held, under the school named.
void tst_estimates::documentReserves_data()
{
    QTest::addColumn<QString>("known");
    QTest::addColumn<QString>("uncertain");
    QTest::addColumn<QString>("views");
    QTest::addColumn<QStringList>("claimants"); // in the table's order, "held" for the reserve
    QTest::addColumn<QStringList>("parts");     // the table's values
    QTest::addColumn<int>("base");
    struct Working { const char *anchor; int index; const char *known, *uncertain, *views, *claimants; };
    const Working workings[] = {
        {"haml-reserve", 0, "father mother wife", "unborn:son", "hanbali", "wife father mother held"},
        {"haml-reserve", 1, "father mother wife", "unborn:son", "hanafi", "wife father mother held"},
        {"mafqud-reserve", 0, "husband mother sister", "missing:brother", "hanbali", "husband mother sister held"},
        {"khuntha-views", 0, "son daughter", "hermaphrodite:son", "shafii", "son daughter ?son held"},
        {"khuntha-views", 1, "son daughter", "hermaphrodite:son", "maliki", "son daughter ?son"},
    };
    const QString html = documentText("science.html");
    const QRegularExpression working("<table class=\"working\" data-base=\"(\\d+)\"[^>]*>(.*?)</table>",
                                     QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression part("<tr class=\"part\" data-value=\"([^\"]+)\">");
    for (const Working &w : workings) {
        const qsizetype from = html.indexOf(QStringLiteral("<a name=\"%1\">").arg(QLatin1String(w.anchor)));
        QVERIFY2(from >= 0, w.anchor);
        const qsizetype to = html.indexOf(QStringLiteral("<h2 "), from);
        auto it = working.globalMatch(html.mid(from, to - from));
        for (int k = 0; k < w.index && it.hasNext(); ++k)
            it.next();
        QVERIFY2(it.hasNext(), w.anchor);
        const auto m = it.next();
        QStringList parts;
        for (auto p = part.globalMatch(m.captured(2)); p.hasNext();)
            parts << p.next().captured(1);
        QTest::addRow("%s %d %s", w.anchor, w.index, w.views)
            << w.known << w.uncertain << w.views << QString(w.claimants).split(u' ') << parts
            << m.captured(1).toInt();
    }
}

void tst_estimates::documentReserves()
{
    QFETCH(QString, known);
    QFETCH(QString, uncertain);
    QFETCH(QString, views);
    QFETCH(QStringList, claimants);
    QFETCH(QStringList, parts);
    QFETCH(int, base);
    const EstimatesResult r = estimate(familyOf(known, uncertain, views));
    QCOMPARE(parts.size(), claimants.size());
    std::map<QString, Rational> now;
    for (std::size_t c = 0; c < r.claimants.size(); ++c)
        now[keyOf(r.claimants[c])] = r.now[c];
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const Rational value = claimants[i] == u"held" ? r.held : now[claimants[i]];
        QCOMPARE(fraction(value), fraction(parseFraction(parts[i])));
    }
    if (!claimants.contains(QStringLiteral("held")))
        QCOMPARE(fraction(r.held), QStringLiteral("0"));
    // The table's base divides the combined base: its parts are whole there too.
    QCOMPARE(r.base % base, std::int64_t(0));
}


// Over the books' families and every profile: each estimate's claimants
// take the whole estate; what is paid at once and what is held are whole
// parts of the combined base and make the estate; whatever estimate proves
// true, the reserve gives every heir the rest of his share exactly, and his
// total is the answer of that case worked out on its own.
void tst_estimates::properties_data()
{
    QTest::addColumn<QString>("known");
    QTest::addColumn<QString>("uncertain");
    QTest::addColumn<QString>("views");
    const char *families[][2] = {
        {"wife father mother", "unborn:son"},
        {"mother wife son daughter", "unborn:son"},
        {"sister mother father.brother", "unborn:paternalBrother"},
        {"husband mother 2*maternalBrother", "unborn:brother"},
        {"father.father brother", "unborn:paternalSister"},
        {"husband maternalBrother maternalSister sister", "missing:brother"},
        {"husband 2*sister", "missing:2*brother"},
        {"husband mother", "hermaphrodite:brother"},
        {"daughter mother father.brother", "hermaphrodite:2*son"},
        {"wife mother", "unborn:son hermaphrodite:son missing:brother"},
    };
    for (const auto &f : families)
        for (int p = 0; p < ProfileCount; ++p)
            QTest::addRow("%s | %s | %s", f[0], f[1], profileName(Profile(p)))
                << f[0] << f[1] << QString::fromLatin1(profileName(Profile(p)));
}

void tst_estimates::properties()
{
    QFETCH(QString, known);
    QFETCH(QString, uncertain);
    QFETCH(QString, views);
    const UncertainFamily family = familyOf(known, uncertain, views);
    const EstimatesResult r = estimate(family);
    QCOMPARE(r.error, EstimatesError::None);
    QVERIFY(r.estimates.size() >= 2);
    for (const auto &shares : r.shares) {
        Rational whole;
        for (const Rational &q : shares)
            whole += q;
        QCOMPARE(fraction(whole), QStringLiteral("1"));
    }
    std::int64_t parts = r.heldParts;
    for (std::size_t c = 0; c < r.now.size(); ++c) {
        QCOMPARE(fraction(Rational(r.nowParts[c], r.base)), fraction(r.now[c]));
        parts += r.nowParts[c];
    }
    QCOMPARE(parts, r.base);
    QCOMPARE(fraction(Rational(r.heldParts, r.base)), fraction(r.held));
    // Where the states are averaged or the lesser state taken, the
    // hermaphrodite's division is final; averaged states are never the truth.
    const bool onlyHermaphrodites = !uncertain.contains(u"unborn") && !uncertain.contains(u"missing");
    if (onlyHermaphrodites && (r.statesAveraged || family.known.views.hermaphrodite == Hermaphrodite::Lesser))
        QCOMPARE(fraction(r.held), QStringLiteral("0"));
    for (const Estimate &e : r.estimates) {
        if (!e.decides || r.statesAveraged)
            continue;
        const Settlement s = settle(family, r, e.suppose);
        Rational given;
        for (std::size_t c = 0; c < s.fromReserve.size(); ++c) {
            QVERIFY2(!(s.fromReserve[c] < Rational()), qPrintable(keyOf(r.claimants[c])));
            given += s.fromReserve[c];
        }
        // Under the view that waits for the birth nothing is paid, so the
        // reserve is the estate; otherwise it is exactly used up.
        QCOMPARE(fraction(given), fraction(r.held));
        // The resolved case, built here member by member.
        Family truth = family.known;
        for (std::size_t i = 0; i < family.uncertain.size(); ++i) {
            const UncertainPerson &u = family.uncertain[i];
            const Path male = u.place.male() ? u.place : *otherSex(u.place);
            const Path female = u.kind == Uncertainty::Missing ? u.place : *otherSex(male);
            const auto add = [&truth](const Path &p, int n) {
                for (Member &m : truth.members)
                    if (m.path == p && n > 0) {
                        m.count += n;
                        return;
                    }
                if (n > 0)
                    truth.members.push_back({p, n});
            };
            add(u.kind == Uncertainty::Missing ? u.place : male, e.suppose[i].males);
            add(female, e.suppose[i].females);
        }
        const Result alone = calculate(truth);
        for (std::size_t c = 0; c < r.claimants.size(); ++c) {
            const Claimant &cl = r.claimants[c];
            if (cl.uncertain >= 0 || cl.treasury)
                continue;
            Rational theirs;
            for (const MemberResult &m : alone.members)
                if (m.path == cl.path)
                    theirs = m.perHead() * Rational(cl.count);
            QCOMPARE(fraction(s.total[c]), fraction(theirs));
        }
    }
}

// After the birth: more children than reserved for are paid from those
// whose share shrinks (the guarantor is taken from them alone).
void tst_estimates::settlementsFromTheBooks()
{
    // Zuh 10/7877: wife, father, mother, daughter, the unborn: as a son it
    // takes 78 of 216, as a daughter 64; a guarantor from the daughter only.
    const UncertainFamily f = familyOf("wife father mother daughter", "unborn:son", "hanafi");
    const EstimatesResult r = estimate(f);
    QCOMPARE(r.estimates.size(), std::size_t(3));
    const auto unbornShare = [&](int e) { return fraction(r.shares[std::size_t(e)][4]); };
    QCOMPARE(unbornShare(1), QStringLiteral("13/36"));  // 78/216
    QCOMPARE(unbornShare(2), QStringLiteral("8/27"));   // 64/216
    const Settlement twins = settle(f, r, {{2, 0}});
    for (std::size_t c = 0; c < 4; ++c)
        QCOMPARE(twins.fromReserve[c] < Rational(), r.claimants[c].path.text() == "daughter");
}

// A child or a sibling only: never a parent, a spouse or an emancipator.
void tst_estimates::places_data()
{
    QTest::addColumn<QString>("uncertain");
    QTest::addColumn<int>("error");
    QTest::newRow("unborn father") << "unborn:father" << int(EstimatesError::NotAPlace);
    QTest::newRow("hermaphrodite wife") << "hermaphrodite:wife" << int(EstimatesError::NotAPlace);
    QTest::newRow("hermaphrodite emancipator") << "hermaphrodite:emancipator" << int(EstimatesError::NotAPlace);
    QTest::newRow("two unborn") << "unborn:son unborn:brother" << int(EstimatesError::TooMany);
    QTest::newRow("seven hermaphrodites") << "hermaphrodite:7*son" << int(EstimatesError::TooMany);
    QTest::newRow("missing husband") << "missing:husband" << int(EstimatesError::None);
    QTest::newRow("unborn uncle's son") << "unborn:father.brother.son" << int(EstimatesError::None);
}

void tst_estimates::places()
{
    QFETCH(QString, uncertain);
    QFETCH(int, error);
    QCOMPARE(int(estimate(familyOf("mother", uncertain, "program")).error), error);
}

// The periods noted for a missing person, as the schools' texts give them.
void tst_estimates::waitingPeriods_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("periods");
    QTest::newRow("Hanbali: Manar al-Sabil; al-Muharrar 1/406") << "hanbali"
        << "apparentlySafe 90y from birth; apparentlyPerilous 4y from loss";
    QTest::newRow("Egypt: law 25/1929 art. 21 as amended") << "egypt"
        << "deathLikely 4y from loss; shipOrPlane 30d from loss; forcesInOperations 1y from loss; judgeAtLeast 4y from loss";
    QTest::newRow("Syria: art. 205 as amended by law 34/1975") << "syria"
        << "always 80y from birth; deathLikely 4y from loss";
    QTest::newRow("Maliki: Tahhan 2702") << "maliki" << "lifespan 70-80y from birth";
}

void tst_estimates::waitingPeriods()
{
    QFETCH(QString, profile);
    QFETCH(QString, periods);
    QStringList out;
    for (const WaitingPeriod &w : engine::waitingPeriods(*profileFromName(profile.toStdString())))
        out << QStringLiteral("%1 %2%3 from %4")
                   .arg(QLatin1String(w.when),
                        w.days ? QStringLiteral("%1d").arg(w.days)
                               : QStringLiteral("%1%2y").arg(w.years).arg(w.upToYears ? QStringLiteral("-%1").arg(w.upToYears) : QString()),
                        QString(), QLatin1String(w.from));
    QCOMPARE(out.join(QStringLiteral("; ")), periods);
    // Under the program's own profile every school's periods are noted.
    QVERIFY(engine::waitingPeriods(Profile::Program).size() > engine::waitingPeriods(Profile::Hanbali).size());
}

// With no one uncertain there is one estimate, the case itself: everyone is
// paid his share of it at once and nothing is held.
void tst_estimates::withoutUncertaintyTodaysAnswer_data()
{
    QTest::addColumn<QString>("known");
    QTest::addColumn<QString>("views");
    QTest::newRow("father mother wife son") << "father mother wife son" << "program";
    QTest::newRow("'awl: husband, mother, two sisters") << "husband mother 2*sister" << "hanbali";
    QTest::newRow("treasury: a wife alone") << "wife" << "shafii";
    QTest::newRow("the grandfather with brothers") << "father.father 2*brother wife" << "maliki";
}

void tst_estimates::withoutUncertaintyTodaysAnswer()
{
    QFETCH(QString, known);
    QFETCH(QString, views);
    const UncertainFamily f = familyOf(known, QString(), views);
    const EstimatesResult r = estimate(f);
    QCOMPARE(r.estimates.size(), std::size_t(1));
    const Result today = calculate(f.known);
    for (std::size_t c = 0; c < r.claimants.size(); ++c)
        QCOMPARE(fraction(r.now[c]), fraction(r.claimants[c].treasury ? today.treasury : today.members[c].share));
    QCOMPARE(fraction(r.held), QStringLiteral("0"));
    QCOMPARE(r.base, workOf(today).correctedBase);
}

QTEST_GUILESS_MAIN(tst_estimates)
#include "tst_estimates.moc"
