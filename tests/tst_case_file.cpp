// SPDX-License-Identifier: GPL-3.0-or-later
// Case files: what is saved comes back, and a bad file is refused with the
// reason, leaving what the caller had untouched.
#include "ui/window_names.h"
#include "details/case_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace details;
namespace casefile = details::casefile;

Q_DECLARE_METATYPE(casefile::Error)
Q_DECLARE_METATYPE(std::vector<details::LaterDeath>)

namespace {

CaseState example()
{
    CaseState s;
    s.name = QString::fromUtf8("\u062e\u0627\u0644\u062f \"Khalid\" / 2");
    for (auto r : {Relative::Father, Relative::Mother, Relative::Son})
        s.setCount(r, 1);
    s.setCount(Relative::Wife, 4);
    s.setCount(Relative::Daughter, 50);
    s.estate = {QStringLiteral("1000.50"), QStringLiteral("20"), QString(), QStringLiteral("400"), true, 3};
    return s;
}

// "unborn:son,missing:brother:2,hermaphrodite:son:1:unhoped"
std::vector<engine::UncertainPerson> uncertainOf(const QString &text)
{
    std::vector<engine::UncertainPerson> out;
    for (const QString &entry : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList f = entry.split(QLatin1Char(':'));
        const auto kind = f[0] == u"unborn" ? engine::Uncertainty::Unborn
                        : f[0] == u"missing" ? engine::Uncertainty::Missing : engine::Uncertainty::Hermaphrodite;
        out.push_back({kind, *Path::parse(f[1].toStdString()), f.value(2, QStringLiteral("1")).toInt(), f.value(3) != u"unhoped"});
    }
    return out;
}

QByteArray valid(const QByteArray &family = "{\"Father\": 1, \"Son\": 2}", const QByteArray &extra = {})
{
    return "{\"format\": \"tarnavel-case\", \"formatVersion\": 1, \"language\": \"en\", \"family\": " + family
        + extra + "}";
}

PersonRef person(int death, const char *path, int which = 0)
{
    return {death, *Path::parse(path), which};
}

LaterRelative relative(const char *path, int count = 1)
{
    return {*Path::parse(path), count, std::nullopt};
}

LaterRelative same(const char *path, PersonRef who)
{
    return {*Path::parse(path), 1, who};
}

// A case with later deaths: {"death": d, "path": p, "which": w} names a person.
QByteArray withDeaths(const QByteArray &deaths)
{
    return valid("{\"Wife\": 1, \"Son\": 2, \"Daughter\": 1}", ", \"laterDeaths\": " + deaths)
        .replace("\"formatVersion\": 1", "\"formatVersion\": 3");
}

} // namespace

class tst_case_file : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("method");
        QTest::addColumn<bool>("predeceased");
        QTest::addColumn<QString>("uncertain");
        QTest::newRow("Arabic, second method") << 0 << 2 << false << QString();
        QTest::newRow("English, first method") << 1 << 1 << false << QString();
        QTest::newRow("predeceased children, a gift, a grandchild who died before: version 3") << 0 << 2 << true << QString();
        QTest::newRow("an unborn child of the deceased") << 0 << 2 << false << "unborn:son";
        QTest::newRow("a son's unborn, a missing brother, two hermaphrodite uncles' sons beyond hope")
            << 1 << 2 << false << "unborn:son.son,missing:brother,hermaphrodite:father.brother.son:2:unhoped";
    }
    void roundTrip()
    {
        QFETCH(int, language);
        QFETCH(int, method);
        QFETCH(bool, predeceased);
        QFETCH(QString, uncertain);
        CaseState s = example();
        s.method = method;
        if (predeceased) {
            engine::Predeceased son{*Path::parse("son"), {{*Path::parse("daughter"), 2}, {*Path::parse("son.son"), 1}},
                                    {{*Path::parse("daughter"), {}, {}, {}}}, {{*Path::parse("son.son"), Rational(1, 9)}}};
            son.predeceased[0].descendants.push_back({*Path::parse("son"), 3});
            s.predeceased = {son, {*Path::parse("daughter"), {{*Path::parse("daughter"), 1}}, {}, {}}};
        }
        s.uncertain = uncertainOf(uncertain);
        s.woman = language == 1;
        if (s.woman) {
            s.setCount(Relative::Wife, 0);
            s.setCount(Relative::Husband, 1);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("case.tarnavel"));
        QCOMPARE(casefile::save(path, s, Language(language)).error, casefile::Error::None);
        casefile::Contents back;
        QCOMPARE(casefile::open(path, back).error, casefile::Error::None);
        QVERIFY(back.state == s);
        // Version 3 only for a case with a child who died before or someone
        // whose state is unknown.
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().contains("\"formatVersion\": 3"), predeceased || !uncertain.isEmpty());
        QCOMPARE(back.language, Language(language));
        QVERIFY(back.saved.isValid());
        // Only the temporary file's rename makes the file: nothing else is left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("case.tarnavel")});
    }

    // Relatives by path of every kind, under every profile with a view changed.
    void roundTripPaths_data()
    {
        QTest::addColumn<int>("profile");
        for (int p = 0; p < ProfileCount; ++p)
            QTest::newRow(profileName(Profile(p))) << p;
    }
    void roundTripPaths()
    {
        QFETCH(int, profile);
        CaseState s = example();
        for (const char *path : {"son.son.son.daughter", "father.father.father", "mother", "father.father.mother.mother",
                                 "paternalSister", "maternalBrother", "father.father.brother.son.son", "emancipator",
                                 "emancipator.father.brother", "emancipator.daughter", "mother.maternalSister.daughter",
                                 "husband"})
            s.added.push_back({*Path::parse(path), std::string_view(path) == "husband" ? 1 : 3});
        s.profile = Profile(profile);
        Views v = profileViews(Profile(profile));
        setView(v, View::Surplus, std::string_view(viewValue(v, View::Surplus)) == "return" ? "treasury" : "return");
        s.views = v;
        const QByteArray bytes = casefile::toJson(s, Language::English, QDateTime::currentDateTimeUtc());
        QVERIFY(bytes.contains("\"formatVersion\": 2"));
        casefile::Contents back;
        QCOMPARE(casefile::fromJson(bytes, back).error, casefile::Error::None);
        QVERIFY(back.state == s);
    }

    // A case of today's kinds under the program's views is still written as
    // version 1, and a version 1 file leaves the profile unsaid.
    void firstVersion()
    {
        CaseState s = example();
        s.profile = Profile::Program;
        s.views = profileViews(Profile::Program);
        const QByteArray bytes = casefile::toJson(s, Language::Arabic, QDateTime::currentDateTimeUtc());
        QVERIFY(bytes.contains("\"formatVersion\": 1"));
        QVERIFY(!bytes.contains("profile"));
        casefile::Contents back;
        QCOMPARE(casefile::fromJson(bytes, back).error, casefile::Error::None);
        QVERIFY(!back.state.profile);
        QVERIFY(back.state.added.empty());
    }

    // Later deaths come back as they were, and only they make version 3.
    void roundTripDeaths_data()
    {
        QTest::addColumn<std::vector<LaterDeath>>("deaths");
        QTest::newRow("a son dies: his mother is the wife, his sister the daughter")
            << std::vector<LaterDeath>{{person(0, "son", 1),
                                        {same("mother", person(0, "wife")), relative("wife"), relative("son"),
                                         same("sister", person(0, "daughter"))}}};
        QTest::newRow("the son's son dies after him, then the daughter")
            << std::vector<LaterDeath>{{person(0, "son"), {same("mother", person(0, "wife")), relative("son", 2)}},
                                       {person(1, "son", 1), {same("brother", person(1, "son")), relative("mother")}},
                                       {person(0, "daughter"), {same("mother", person(0, "wife")), relative("husband")}}};
    }
    void roundTripDeaths()
    {
        QFETCH(std::vector<LaterDeath>, deaths);
        CaseState s;
        s.setCount(Relative::Wife, 1);
        s.setCount(Relative::Son, 2);
        s.setCount(Relative::Daughter, 1);
        s.laterDeaths = deaths;
        const QByteArray bytes = casefile::toJson(s, Language::Arabic, QDateTime::currentDateTimeUtc());
        QVERIFY(bytes.contains("\"formatVersion\": 3"));
        casefile::Contents back;
        const casefile::Problem p = casefile::fromJson(bytes, back);
        QVERIFY2(p.error == casefile::Error::None, qPrintable(p.detail));
        QVERIFY(back.state == s);
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<casefile::Error>("error");
        QTest::addColumn<QString>("detail");
        const QByteArray whole = casefile::toJson(example(), Language::Arabic, QDateTime::currentDateTimeUtc());
        QTest::newRow("empty") << QByteArray() << casefile::Error::Empty << QString();
        QTest::newRow("blank lines") << QByteArray("\n \n") << casefile::Error::Empty << QString();
        QTest::newRow("not JSON") << QByteArray("Father=1\nSon=1\n") << casefile::Error::NotACaseFile << QString();
        QTest::newRow("other JSON") << QByteArray("{\"Father\": 1}") << casefile::Error::NotACaseFile << QString();
        QTest::newRow("a list") << QByteArray("[1, 2]") << casefile::Error::NotACaseFile << QString();
        QTest::newRow("truncated") << whole.left(whole.size() / 2) << casefile::Error::Damaged << QString();
        const QByteArray newer = QByteArray::number(casefile::FormatVersion + 1);
        QTest::newRow("newer format") << valid().replace("\"formatVersion\": 1", "\"formatVersion\": " + newer)
                                      << casefile::Error::NewerFormat << QString::fromLatin1(newer);
        QTest::newRow("version as text") << valid().replace("\"formatVersion\": 1", "\"formatVersion\": \"1\"")
                                         << casefile::Error::Damaged << QStringLiteral("formatVersion");
        QTest::newRow("no family") << QByteArray("{\"format\": \"tarnavel-case\", \"formatVersion\": 1}")
                                   << casefile::Error::Damaged << QStringLiteral("family");
        QTest::newRow("count above range") << valid("{\"Son\": 51}") << casefile::Error::BadValue << QStringLiteral("Son");
        QTest::newRow("five wives") << valid("{\"Wife\": 5}") << casefile::Error::BadValue << QStringLiteral("Wife");
        QTest::newRow("two fathers") << valid("{\"Father\": 2}") << casefile::Error::BadValue << QStringLiteral("Father");
        QTest::newRow("negative count") << valid("{\"Daughter\": -1}") << casefile::Error::BadValue << QStringLiteral("Daughter");
        QTest::newRow("fractional count") << valid("{\"Daughter\": 1.5}") << casefile::Error::BadValue << QStringLiteral("Daughter");
        QTest::newRow("count as text") << valid("{\"Daughter\": \"2\"}") << casefile::Error::BadValue << QStringLiteral("Daughter");
        QTest::newRow("unknown relative") << valid("{\"Cousin\": 1}") << casefile::Error::UnknownRelative << QStringLiteral("Cousin");
        QTest::newRow("record field name") << valid("{\"SonCount\": 1}") << casefile::Error::UnknownRelative << QStringLiteral("SonCount");
        QTest::newRow("husband and wives") << valid("{\"Husband\": 1, \"Wife\": 1}") << casefile::Error::Inconsistent << QStringLiteral("husbandAndWives");
        QTest::newRow("method 3") << valid("{}", ", \"grandfatherMethod\": 3") << casefile::Error::BadValue << QStringLiteral("grandfatherMethod");
        QTest::newRow("decimals 5") << valid("{}", ", \"estate\": {\"decimals\": 5}") << casefile::Error::BadValue << QStringLiteral("decimals");
        QTest::newRow("estate as number") << valid("{}", ", \"estate\": {\"value\": 1000}") << casefile::Error::BadValue << QStringLiteral("value");
        QTest::newRow("language fr") << valid().replace("\"en\"", "\"fr\"") << casefile::Error::BadValue << QStringLiteral("language");
        const QByteArray two = "\"formatVersion\": 2";
        QTest::newRow("path the grammar refuses") << valid("{}", ", \"relatives\": [{\"path\": \"father.son\", \"count\": 1}]").replace("\"formatVersion\": 1", two)
                                                  << casefile::Error::UnknownRelative << QStringLiteral("father.son");
        QTest::newRow("path count 0") << valid("{}", ", \"relatives\": [{\"path\": \"son.son.son\", \"count\": 0}]").replace("\"formatVersion\": 1", two)
                                      << casefile::Error::BadValue << QStringLiteral("son.son.son");
        QTest::newRow("two husbands by path") << valid("{}", ", \"relatives\": [{\"path\": \"husband\", \"count\": 2}]").replace("\"formatVersion\": 1", two)
                                              << casefile::Error::BadValue << QStringLiteral("husband");
        QTest::newRow("a path twice") << valid("{}", ", \"relatives\": [{\"path\": \"emancipator\", \"count\": 1}, {\"path\": \"emancipator\", \"count\": 1}]").replace("\"formatVersion\": 1", two)
                                      << casefile::Error::Inconsistent << QStringLiteral("emancipator");
        QTest::newRow("relatives not a list") << valid("{}", ", \"relatives\": {}").replace("\"formatVersion\": 1", two)
                                              << casefile::Error::BadValue << QStringLiteral("relatives");
        QTest::newRow("unknown profile") << valid("{}", ", \"profile\": \"zahiri\"").replace("\"formatVersion\": 1", two)
                                         << casefile::Error::BadValue << QStringLiteral("profile");
        QTest::newRow("unknown view") << valid("{}", ", \"profile\": \"hanafi\", \"views\": {\"awl\": \"true\"}").replace("\"formatVersion\": 1", two)
                                      << casefile::Error::BadValue << QStringLiteral("awl");
        QTest::newRow("value not the view's") << valid("{}", ", \"profile\": \"hanafi\", \"views\": {\"surplus\": \"shared\"}").replace("\"formatVersion\": 1", two)
                                              << casefile::Error::BadValue << QStringLiteral("surplus");
        const QByteArray three = "\"formatVersion\": 3";
        const auto child = [&](const QByteArray &entry) {
            return valid("{}", ", \"predeceased\": [" + entry + "]").replace("\"formatVersion\": 1", three);
        };
        QTest::newRow("predeceased not a list") << valid("{}", ", \"predeceased\": {}").replace("\"formatVersion\": 1", three)
                                                << casefile::Error::BadValue << QStringLiteral("predeceased");
        QTest::newRow("predeceased father") << child("{\"child\": \"father\"}") << casefile::Error::UnknownRelative << QStringLiteral("father");
        QTest::newRow("descendant not of sons and daughters") << child("{\"child\": \"son\", \"descendants\": [{\"path\": \"son.wife\", \"count\": 1}]}")
                                                              << casefile::Error::UnknownRelative << QStringLiteral("son.wife");
        QTest::newRow("descendant count 51") << child("{\"child\": \"son\", \"descendants\": [{\"path\": \"son\", \"count\": 51}]}")
                                             << casefile::Error::BadValue << QStringLiteral("son");
        QTest::newRow("descendant twice") << child("{\"child\": \"son\", \"descendants\": [{\"path\": \"son\", \"count\": 1}, {\"path\": \"son\", \"count\": 2}]}")
                                          << casefile::Error::Inconsistent << QStringLiteral("son");
        QTest::newRow("gift above the estate") << child("{\"child\": \"son\", \"descendants\": [{\"path\": \"son\", \"count\": 1, \"gift\": \"3/2\"}]}")
                                               << casefile::Error::BadValue << QStringLiteral("gift");
        QTest::newRow("gift as a number") << child("{\"child\": \"son\", \"descendants\": [{\"path\": \"son\", \"count\": 1, \"gift\": 0.1}]}")
                                          << casefile::Error::BadValue << QStringLiteral("gift");
        const auto withUncertain = [&](const QByteArray &list) {
            return valid("{\"Wife\": 1}", ", \"uncertain\": " + list).replace("\"formatVersion\": 1", three);
        };
        QTest::newRow("uncertain not a list") << withUncertain("{}") << casefile::Error::BadValue << QStringLiteral("uncertain");
        QTest::newRow("uncertain kind unknown") << withUncertain("[{\"kind\": \"captive\", \"place\": \"son\"}]")
                                                << casefile::Error::BadValue << QStringLiteral("kind");
        QTest::newRow("uncertain place refused") << withUncertain("[{\"kind\": \"missing\", \"place\": \"son.father\"}]")
                                                 << casefile::Error::UnknownRelative << QStringLiteral("son.father");
        QTest::newRow("unborn twins as a count") << withUncertain("[{\"kind\": \"unborn\", \"place\": \"son\", \"count\": 2}]")
                                                 << casefile::Error::BadValue << QStringLiteral("son");
        QTest::newRow("seven missing at one place") << withUncertain("[{\"kind\": \"missing\", \"place\": \"brother\", \"count\": 7}]")
                                                    << casefile::Error::BadValue << QStringLiteral("brother");
        QTest::newRow("clarity hoped as text") << withUncertain("[{\"kind\": \"hermaphrodite\", \"place\": \"son\", \"clarityHoped\": \"yes\"}]")
                                               << casefile::Error::BadValue << QStringLiteral("clarityHoped");
        QTest::newRow("an unborn father") << withUncertain("[{\"kind\": \"unborn\", \"place\": \"father\"}]")
                                          << casefile::Error::Inconsistent << QStringLiteral("uncertain");
        QTest::newRow("two unborn children") << withUncertain("[{\"kind\": \"unborn\", \"place\": \"son\"}, {\"kind\": \"unborn\", \"place\": \"brother\"}]")
                                             << casefile::Error::Inconsistent << QStringLiteral("uncertain");
        const QByteArray son = "{\"death\": 0, \"path\": \"son\", \"which\": 0}";
        QTest::newRow("later deaths not a list") << withDeaths("{}") << casefile::Error::BadValue << QStringLiteral("laterDeaths");
        QTest::newRow("later deceased of his own death") << withDeaths("[{\"deceased\": {\"death\": 1, \"path\": \"son\", \"which\": 0}, \"relatives\": []}]")
                                                         << casefile::Error::BadValue << QStringLiteral("laterDeaths");
        QTest::newRow("later deceased not in the case") << withDeaths("[{\"deceased\": {\"death\": 0, \"path\": \"father\", \"which\": 0}, \"relatives\": []}]")
                                                        << casefile::Error::Inconsistent << QString();
        QTest::newRow("a third son of two") << withDeaths("[{\"deceased\": {\"death\": 0, \"path\": \"son\", \"which\": 2}, \"relatives\": []}]")
                                            << casefile::Error::Inconsistent << QString();
        QTest::newRow("the same son dies twice") << withDeaths("[{\"deceased\": " + son + ", \"relatives\": []}, {\"deceased\": " + son + ", \"relatives\": []}]")
                                                 << casefile::Error::Inconsistent << QString();
        QTest::newRow("the wife as his father") << withDeaths("[{\"deceased\": " + son + ", \"relatives\": [{\"path\": \"father\", \"same\": {\"death\": 0, \"path\": \"wife\", \"which\": 0}}]}]")
                                                << casefile::Error::Inconsistent << QString();
        QTest::newRow("later relative count 0") << withDeaths("[{\"deceased\": " + son + ", \"relatives\": [{\"path\": \"son\", \"count\": 0}]}]")
                                                << casefile::Error::BadValue << QStringLiteral("son");
        QTest::newRow("later relative the grammar refuses") << withDeaths("[{\"deceased\": " + son + ", \"relatives\": [{\"path\": \"father.son\", \"count\": 1}]}]")
                                                            << casefile::Error::UnknownRelative << QStringLiteral("father.son");
        QTest::newRow("later relatives' group twice") << withDeaths("[{\"deceased\": " + son + ", \"relatives\": [{\"path\": \"son\", \"count\": 1}, {\"path\": \"son\", \"count\": 2}]}]")
                                                      << casefile::Error::Inconsistent << QStringLiteral("son");
        QTest::newRow("sex unknown") << valid("{}", ", \"deceased\": {\"sex\": \"x\"}") << casefile::Error::BadValue << QStringLiteral("sex");
    }
    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(casefile::Error, error);
        QFETCH(QString, detail);
        casefile::Contents out;
        out.state = example();
        const casefile::Problem p = casefile::fromJson(bytes, out);
        QCOMPARE(p.error, error);
        if (!detail.isEmpty())
            QCOMPARE(p.detail, detail);
        QVERIFY(out.state == example());
    }

    // A file with only what it must have: the rest takes its defaults.
    void smallestFile()
    {
        casefile::Contents out;
        QCOMPARE(casefile::fromJson(valid(), out).error, casefile::Error::None);
        QCOMPARE(out.state.count(Relative::Son), 2);
        QCOMPARE(out.state.count(Relative::Mother), 0);
        QCOMPARE(out.language, Language::English);
        QCOMPARE(out.state.estate.decimals, 2);
    }

    // A save that cannot be made says so and leaves no file behind.
    void failedSave()
    {
        QTemporaryDir dir;
        for (const QString &path : {dir.filePath(QStringLiteral("no/such/folder.tarnavel")), dir.path()})
            QCOMPARE(casefile::save(path, example(), Language::Arabic).error, casefile::Error::Unwritable);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_case_file)
#include "tst_case_file.moc"
