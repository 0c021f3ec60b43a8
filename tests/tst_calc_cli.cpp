// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built tarnavel-calc as a user would, through its standard input.
#include "report/composition.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cmath>

namespace {

struct Run
{
    int exitCode = -1;
    QList<QJsonObject> answers;
    QByteArray raw;
};

Run runCalc(const QByteArray &input, const QStringList &args = {})
{
    QProcess p;
    p.start(QStringLiteral(TARNAVEL_CALC_PATH), args);
    Run run;
    if (!p.waitForStarted(10000))
        return run;
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000)) {
        p.kill();
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.raw = p.readAllStandardOutput();
    for (const QByteArray &line : run.raw.split('\n')) {
        if (line.isEmpty())
            continue;
        run.answers << QJsonDocument::fromJson(line).object();
    }
    return run;
}

long long in2400ths(double share)
{
    return std::llround(share * 2400);
}

} // namespace

class tst_calc_cli : public QObject
{
    Q_OBJECT

private slots:
    void overviewExample();
    void badLineIsAnsweredAndTheRunGoesOn_data();
    void badLineIsAnsweredAndTheRunGoesOn();
    void limitsAreAccepted();
    void errorNamesItsLine();
    void noHeirsMessage_data();
    void noHeirsMessage();
    void workingAndAmounts();
    void paths_data();
    void paths();
    void help();
};

void tst_calc_cli::overviewExample()
{
    const Run run = runCalc(
        R"({"FatherAlive": 1, "MotherAlive": 1, "WifeCount": 1, "SonCount": 1, "Language": 1})"
        "\n");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.answers.size(), 1);
    const QJsonObject a = run.answers.first();

    const QJsonObject shares = a.value("shares").toObject();
    QCOMPARE(shares.keys(), (QStringList{"FatherShare", "MotherShare", "SonShare", "WifeShare"}));
    // Written to read back as the very same double.
    QCOMPARE(shares.value("FatherShare").toDouble(), 1.0 / 6);
    QCOMPARE(shares.value("MotherShare").toDouble(), 1.0 / 6);
    QCOMPARE(shares.value("WifeShare").toDouble(), 1.0 / 8);
    QVERIFY(std::fabs(shares.value("SonShare").toDouble() - 13.0 / 24) < 1e-12);
    QCOMPARE(in2400ths(shares.value("SonShare").toDouble()), 1300LL);
    QVERIFY(std::fabs(a.value("ShareTotal").toDouble() - 1) < 1e-12);
    QVERIFY(a.value("message").isNull());

    QStringList screen;
    for (const QJsonValue &v : a.value("screen").toArray())
        screen << v["label"].toString() + "|" + v["percent"].toString();
    QCOMPARE(screen, (QStringList{"  Father : |16.67    %", " Mother : |16.67    %",
                                  "  Wife : |12.50    %", "  Son :  |54.17    %"}));

    QStringList printed;
    for (const QJsonValue &v : a.value("printed").toArray()) {
        QVERIFY(v["shares"].isDouble());
        printed << v["label"].toString() + "|" + v["percent"].toString() + "|"
                + QString::number(v["shares"].toInteger());
    }
    QCOMPARE(printed, (QStringList{"Father Has : |16.67    %|400", "Mother has : |16.67    %|400",
                                   "Wife has : |12.50    %|300", "Son has : |54.17    %|1300"}));

    const QJsonObject total = a.value("total").toObject();
    QCOMPARE(total.value("percent").toString(), QString("100"));
    QCOMPARE(total.value("shares").toInteger(), 2400);
}

void tst_calc_cli::badLineIsAnsweredAndTheRunGoesOn_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("named"); // what the error text must name besides the line

    QTest::newRow("array") << QByteArray("[1, 2]") << QString();
    QTest::newRow("not JSON") << QByteArray("SonCount=1") << QString();
    QTest::newRow("empty line") << QByteArray("") << QString();
    QTest::newRow("number") << QByteArray("3") << QString();
    QTest::newRow("unknown key") << QByteArray(R"({"SonCount": 1, "Sons": 2})") << "\"Sons\"";
    QTest::newRow("a spelling of the record") << QByteArray(R"({"MaternalBrotherCount": 1})")
                                              << "\"MaternalBrotherCount\"";
    QTest::newRow("fraction") << QByteArray(R"({"DaughterCount": 1.5})") << "\"DaughterCount\"";
    QTest::newRow("text") << QByteArray(R"({"SonCount": "2"})") << "\"SonCount\"";
    QTest::newRow("true") << QByteArray(R"({"FatherAlive": true})") << "\"FatherAlive\"";
    QTest::newRow("null") << QByteArray(R"({"MotherAlive": null})") << "\"MotherAlive\"";
    QTest::newRow("flag 2") << QByteArray(R"({"HusbandAlive": 2})") << "\"HusbandAlive\"";
    QTest::newRow("flag -1") << QByteArray(R"({"GrandFatherAsFather": -1})") << "\"GrandFatherAsFather\"";
    QTest::newRow("five wives") << QByteArray(R"({"WifeCount": 5})") << "\"WifeCount\"";
    QTest::newRow("negative count") << QByteArray(R"({"SonsSonCount": -1})") << "\"SonsSonCount\"";
    QTest::newRow("51 sisters") << QByteArray(R"({"FullSisterCount": 51})") << "\"FullSisterCount\"";
    QTest::newRow("51 uncles' sons") << QByteArray(R"({"ParentalUnclesSonCount": 51})")
                                     << "\"ParentalUnclesSonCount\"";
    QTest::newRow("101 maternal siblings") << QByteArray(R"({"MaternalSiblingCount": 101})")
                                           << "\"MaternalSiblingCount\"";
    QTest::newRow("huge") << QByteArray(R"({"SonCount": 1e20})") << "\"SonCount\"";
    QTest::newRow("language 2") << QByteArray(R"({"Language": 2})") << "\"Language\"";
    QTest::newRow("husband with wives") << QByteArray(R"({"HusbandAlive": 1, "WifeCount": 1})") << "husband";
    QTest::newRow("estate not an amount") << QByteArray(R"({"SonCount": 1, "Estate": "1,000"})") << "\"Estate\"";
    QTest::newRow("bequest without an estate") << QByteArray(R"({"SonCount": 1, "Bequest": 10})") << "\"Estate\"";
    QTest::newRow("negative debts") << QByteArray(R"({"SonCount": 1, "Estate": 100, "Debts": "-5"})") << "\"Debts\"";
    QTest::newRow("debts above the estate") << QByteArray(R"({"SonCount": 1, "Estate": 100, "Debts": 150})") << "\"Debts\"";
    QTest::newRow("more decimals than the unit") << QByteArray(R"({"SonCount": 1, "Estate": "10.005"})") << "\"Estate\"";
    QTest::newRow("decimals 9") << QByteArray(R"({"SonCount": 1, "Estate": 100, "Decimals": 9})") << "\"Decimals\"";
    QTest::newRow("consent 2") << QByteArray(R"({"SonCount": 1, "Estate": 100, "HeirsConsentToBequest": 2})")
                               << "\"HeirsConsentToBequest\"";
    QTest::newRow("path the grammar refuses") << QByteArray(R"({"Relatives": {"father.son": 1}})") << "\"Relatives\"";
    QTest::newRow("unknown step") << QByteArray(R"({"Relatives": {"cousin": 1}})") << "\"cousin\"";
    QTest::newRow("51 of a path") << QByteArray(R"({"Relatives": {"brother.son.son": 51}})") << "\"Relatives\"";
    QTest::newRow("two husbands") << QByteArray(R"({"Relatives": {"husband": 2}})") << "\"husband\"";
    QTest::newRow("given by each way") << QByteArray(R"({"SonCount": 1, "Relatives": {"son": 1}})") << "\"son\"";
    QTest::newRow("relatives not an object") << QByteArray(R"({"Relatives": ["son"]})") << "\"Relatives\"";
    QTest::newRow("unknown profile") << QByteArray(R"({"SonCount": 1, "Profile": "zahiri"})") << "\"Profile\"";
    QTest::newRow("unknown view") << QByteArray(R"({"SonCount": 1, "Views": {"radd": "return"}})") << "\"radd\"";
    QTest::newRow("bad value of a view") << QByteArray(R"({"SonCount": 1, "Views": {"surplus": "maybe"}})")
                                         << "\"surplus\"";
}

void tst_calc_cli::badLineIsAnsweredAndTheRunGoesOn()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, named);
    const Run run = runCalc(line + "\n" + R"({"SonCount": 2, "Language": 1})" + "\n");
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.answers.size(), 2);

    const QJsonObject bad = run.answers[0];
    QCOMPARE(bad.keys(), QStringList{"error"});
    const QString error = bad.value("error").toString();
    QVERIFY2(error.startsWith("line 1:"), qPrintable(error));
    QVERIFY2(error.contains(named), qPrintable(error));

    const QJsonObject next = run.answers[1];
    QVERIFY(!next.contains("error"));
    QCOMPARE(next.value("shares").toObject().value("SonShare").toDouble(), 0.5);
    QCOMPARE(next.value("screen").toArray().at(0)["label"].toString(), QString("  Sons : "));
}

// The largest values each key allows, and whole numbers written with a point.
void tst_calc_cli::limitsAreAccepted()
{
    const Run run = runCalc(
        R"({"WifeCount": 4, "FullSisterCount": 50, "MaternalSiblingCount": 100, "Language": 1.0})" "\n"
        R"({"HusbandAlive": 1, "SonCount": 50, "DaughterCount": 50, "SonsSonsDaughterCount": 0})" "\n");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.answers.size(), 2);
    for (const QJsonObject &a : run.answers)
        QVERIFY2(!a.contains("error"), a.value("error").toString().toUtf8());
    const QJsonObject shares = run.answers[0].value("shares").toObject();
    QVERIFY(shares.value("MaternalSiblingShare").toDouble() > 0);
    // Four wives: one line with the wives' label, their whole share.
    QCOMPARE(run.answers[0].value("screen").toArray().at(0)["label"].toString(), QString("  Wifes : "));
}

void tst_calc_cli::errorNamesItsLine()
{
    const Run run = runCalc("{}\n{\"SonCount\": 1}\n{\"SonCount\": 1, \"FatherAlive\": 3}\n");
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.answers.size(), 3);
    QVERIFY(!run.answers[0].contains("error"));
    QVERIFY(!run.answers[1].contains("error"));
    const QString error = run.answers[2].value("error").toString();
    QVERIFY2(error.startsWith("line 3:") && error.contains("\"FatherAlive\""), qPrintable(error));
}

void tst_calc_cli::noHeirsMessage_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("Arabic") << 0;
    QTest::newRow("English") << 1;
}

void tst_calc_cli::noHeirsMessage()
{
    QFETCH(int, language);
    const Run run = runCalc(QStringLiteral("{\"Language\": %1}\n{\"SonCount\": 1}\n").arg(language).toUtf8());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.answers.size(), 2);

    const QJsonObject a = run.answers[0];
    const QJsonObject message = a.value("message").toObject();
    QCOMPARE(message.value("title").toString(), report::noHeirsTitle(Language(language)));
    QCOMPARE(message.value("text").toString(), report::noHeirsText(Language(language)));
    QCOMPARE(a.value("shares").toObject().value("TreasuryShare").toDouble(), 1.0);
    QCOMPARE(a.value("total").toObject().value("shares").toInteger(), 2400);
    QCOMPARE(a.value("screen").toArray().size(), 1);
    if (language == 1) {
        QCOMPARE(message.value("text").toString(), QString(" no inheritors, all goes to Muslim trusts "));
        QCOMPARE(a.value("screen").toArray().at(0)["label"].toString(), QString("   Muslim Trust :  "));
    }
    // The recorder does not leak into the next case.
    QVERIFY(run.answers[1].value("message").isNull());
}

// The working and the money of the worked example, with its sentences.
void tst_calc_cli::workingAndAmounts()
{
    const Run run = runCalc(R"({"FatherAlive": 1, "MotherAlive": 1, "WifeCount": 1, "SonCount": 1, "GrandFatherAlive": 1, )"
                            R"("Language": 1, "Estate": "24000", "FuneralCosts": 1000, "Debts": "2000", "Bequest": "3000"})" "\n",
                            {"--explain"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject a = run.answers.value(0);
    QCOMPARE(a.value("base").toObject().value("corrected").toInt(), 24);
    QCOMPARE(a.value("exact").toObject().value("Son").toObject().value("parts").toInt(), 13);
    QCOMPARE(a.value("exact").toObject().value("Wife").toObject().value("share").toString(), QString("1/8"));
    const QJsonArray excluded = a.value("excluded").toArray();
    QCOMPARE(excluded.size(), 1);
    QCOMPARE(excluded[0]["by"].toString(), QString("Father"));
    QVERIFY(!excluded[0]["sentence"].toString().isEmpty());
    const QJsonObject amounts = a.value("amounts").toObject();
    QCOMPARE(amounts.value("distributed").toString(), QString("18000.00"));
    QCOMPARE(amounts.value("groups").toObject().value("Son").toObject().value("total").toString(), QString("9750.00"));
    const QJsonArray steps = a.value("steps").toArray();
    QVERIFY(steps.size() >= 4);
    QVERIFY2(steps[0].toString().contains("[4:11]"), qPrintable(steps[0].toString()));
    // Without --explain no sentences are written.
    const QJsonObject plain = runCalc(R"({"SonCount": 1, "GrandFatherAlive": 1, "FatherAlive": 1})" "\n").answers.value(0);
    QVERIFY(!plain.contains("steps"));
    QVERIFY(!plain.value("excluded").toArray().at(0).toObject().contains("sentence"));
}

// Relatives as paths, profiles and single views: the share of one relative.
void tst_calc_cli::paths_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("share");
    QTest::newRow("father's uncle's son beside a wife")
        << QByteArray(R"({"WifeCount": 1, "Relatives": {"father.father.brother.son": 2}})")
        << "father.father.brother.son" << "3/4";
    QTest::newRow("today's key beside a path") << QByteArray(R"({"SonCount": 1, "Relatives": {"father.mother": 1}})")
                                               << "ParentalGrandMother" << "1/6";
    QTest::newRow("Hanafi: the grandfather excludes the brother")
        << QByteArray(R"({"Profile": "hanafi", "Relatives": {"father.father": 1, "brother": 1}})") << "GrandFather" << "1/1";
    QTest::newRow("Maliki: they share") << QByteArray(R"({"Profile": "maliki", "Relatives": {"father.father": 1, "brother": 1}})")
                                        << "FullBrother" << "1/2";
    QTest::newRow("a single view changed")
        << QByteArray(R"({"Profile": "maliki", "Views": {"grandfatherWithSiblings": "excludes"}, "Relatives": {"father.father": 1, "brother": 1}})")
        << "GrandFather" << "1/1";
    QTest::newRow("the wife alone, no return to a spouse") << QByteArray(R"({"WifeCount": 1, "Views": {"spouseReturn": "never"}})")
                                                         << "Treasury" << "3/4";
}

void tst_calc_cli::paths()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, relative);
    QFETCH(QString, share);
    const Run run = runCalc(line + "\n");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.answers.value(0).value("exact").toObject().value(relative).toObject().value("share").toString(), share);
}

void tst_calc_cli::help()
{
    const Run run = runCalc({}, {"--help"});
    QCOMPARE(run.exitCode, 0);
    for (const char *word : {"MaternalSiblingCount", "0..100", "WifeCount", "0..4", "\"error\"", "2400",
                             "--explain", "Estate", "HeirsConsentToBequest", "corrected", "excluded"})
        QVERIFY2(run.raw.contains(word), word);
    QCOMPARE(runCalc({}, {"--bogus"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(tst_calc_cli)
#include "tst_calc_cli.moc"
