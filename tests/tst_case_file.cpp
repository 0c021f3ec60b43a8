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

QByteArray valid(const QByteArray &family = "{\"Father\": 1, \"Son\": 2}", const QByteArray &extra = {})
{
    return "{\"format\": \"tarnavel-case\", \"formatVersion\": 1, \"language\": \"en\", \"family\": " + family
        + extra + "}";
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
        QTest::newRow("Arabic, second method") << 0 << 2;
        QTest::newRow("English, first method") << 1 << 1;
    }
    void roundTrip()
    {
        QFETCH(int, language);
        QFETCH(int, method);
        CaseState s = example();
        s.method = method;
        s.woman = language == 1;
        if (s.woman) {
            s.setCount(Relative::Wife, 0);
            s.setCount(Relative::Husband, 1);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("case.tarnavel"));
        QCOMPARE(casefile::save(path, s, language).error, casefile::Error::None);
        casefile::Contents back;
        QCOMPARE(casefile::open(path, back).error, casefile::Error::None);
        QVERIFY(back.state == s);
        QCOMPARE(back.language, language);
        QVERIFY(back.saved.isValid());
        // Only the temporary file's rename makes the file: nothing else is left.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("case.tarnavel")});
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<casefile::Error>("error");
        QTest::addColumn<QString>("detail");
        const QByteArray whole = casefile::toJson(example(), 0, QDateTime::currentDateTimeUtc());
        QTest::newRow("empty") << QByteArray() << casefile::Error::Empty << QString();
        QTest::newRow("blank lines") << QByteArray("\n \n") << casefile::Error::Empty << QString();
        QTest::newRow("not JSON") << QByteArray("Father=1\nSon=1\n") << casefile::Error::NotACaseFile << QString();
        QTest::newRow("other JSON") << QByteArray("{\"Father\": 1}") << casefile::Error::NotACaseFile << QString();
        QTest::newRow("a list") << QByteArray("[1, 2]") << casefile::Error::NotACaseFile << QString();
        QTest::newRow("truncated") << whole.left(whole.size() / 2) << casefile::Error::Damaged << QString();
        QTest::newRow("newer format") << valid().replace("\"formatVersion\": 1", "\"formatVersion\": 2")
                                      << casefile::Error::NewerFormat << QStringLiteral("2");
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
        QCOMPARE(out.language, 1);
        QCOMPARE(out.state.estate.decimals, 2);
    }

    // A save that cannot be made says so and leaves no file behind.
    void failedSave()
    {
        QTemporaryDir dir;
        for (const QString &path : {dir.filePath(QStringLiteral("no/such/folder.tarnavel")), dir.path()})
            QCOMPARE(casefile::save(path, example(), 0).error, casefile::Error::Unwritable);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_case_file)
#include "tst_case_file.moc"
