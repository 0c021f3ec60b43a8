// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built tarnavel-calc as a user would, through its standard input.
#include "report/composition.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <utility>

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
    void pathWorking();
    void bequestAmounts();
    void timeLines_data();
    void timeLines();
    void uncertain_data();
    void uncertain();
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

// A predeceased son whose line runs 22 generations down, each with 43 sons
// and 41 daughters beside the one who died before.
static QByteArray deepBranches()
{
    QByteArray branch = R"({"child": "son", "descendants": {"son": 47, "daughter": 49}})";
    for (int i = 0; i < 21; ++i)
        branch = R"({"child": "son", "descendants": {"son": 43, "daughter": 41}, "predeceased": [)" + branch + "]}";
    return R"({"Profile": "egypt", "Relatives": {"son": 1, "mother": 1}, "Predeceased": [)" + branch + "]}";
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
    // A number is read as written, as a text is.
    QTest::newRow("number with an exponent") << QByteArray(R"({"SonCount": 1, "Estate": 1e5})") << "\"Estate\": not an amount";
    QTest::newRow("exponent, long way") << QByteArray(R"({"SonCount": 1, "Estate": "1\u0030", "Debts": 1E1})")
                                        << "\"Debts\": not an amount";
    QTest::newRow("number with noise beyond the unit") << QByteArray(R"({"SonCount": 1, "Estate": 0.30000000000000004})")
                                                       << "\"Estate\": more decimals";
    QTest::newRow("too large states the limit") << QByteArray(R"({"SonCount": 1, "Estate": "10000000000001"})")
                                                << "at most 10000000000000.00";
    QTest::newRow("a count given twice") << QByteArray(R"({"SonCount": 1, "SonCount": 2})") << "\"SonCount\" is given twice";
    QTest::newRow("an amount given twice") << QByteArray(R"({"SonCount": 1, "Estate": 100, "Estate": "200"})")
                                           << "\"Estate\" is given twice";
    QTest::newRow("a key given twice, once escaped") << QByteArray(R"({"SonCount": 1, "Son\u0043ount": 1})")
                                                     << "\"SonCount\" is given twice";
    QTest::newRow("decimals 9") << QByteArray(R"({"SonCount": 1, "Estate": 100, "Decimals": 9})") << "\"Decimals\"";
    QTest::newRow("consent 2") << QByteArray(R"({"SonCount": 1, "Estate": 100, "HeirsConsentToBequest": 2})")
                               << "\"HeirsConsentToBequest\"";
    QTest::newRow("path the grammar refuses") << QByteArray(R"({"Relatives": {"father.son": 1}})") << "\"Relatives\"";
    QTest::newRow("unknown step") << QByteArray(R"({"Relatives": {"cousin": 1}})") << "\"cousin\"";
    QTest::newRow("51 of a path") << QByteArray(R"({"Relatives": {"brother.son.son": 51}})") << "\"Relatives\"";
    QTest::newRow("two husbands") << QByteArray(R"({"Relatives": {"husband": 2}})") << "\"husband\"";
    QTest::newRow("given by each way") << QByteArray(R"({"SonCount": 1, "Relatives": {"son": 1}})") << "\"son\"";
    QTest::newRow("relatives not an object") << QByteArray(R"({"Relatives": ["son"]})") << "\"Relatives\"";
    QTest::newRow("one route only") << QByteArray(R"({"Relatives": {"son": 1, "mother.mother": 1}, "SamePerson": [["mother.mother"]]})")
                                    << "\"SamePerson\"";
    QTest::newRow("routes of two generations")
        << QByteArray(R"({"Relatives": {"mother.mother": 1, "father.mother.mother": 1}, "SamePerson": [["mother.mother", "father.mother.mother"]]})")
        << "\"father.mother.mother\"";
    QTest::newRow("a route not in the family")
        << QByteArray(R"({"Relatives": {"mother.mother.mother": 1}, "SamePerson": [["mother.mother.mother", "father.mother.mother"]]})")
        << "\"father.mother.mother\"";
    QTest::newRow("unknown profile") << QByteArray(R"({"SonCount": 1, "Profile": "zahiri"})") << "\"Profile\"";
    QTest::newRow("unknown view") << QByteArray(R"({"SonCount": 1, "Views": {"radd": "return"}})") << "\"radd\"";
    QTest::newRow("bad value of a view") << QByteArray(R"({"SonCount": 1, "Views": {"surplus": "maybe"}})")
                                         << "\"surplus\"";
    QTest::newRow("predeceased not an array") << QByteArray(R"({"SonCount": 1, "Predeceased": {"son": 1}})")
                                              << "\"Predeceased\"";
    QTest::newRow("a predeceased brother") << QByteArray(R"({"SonCount": 1, "Predeceased": [{"child": "brother"}]})")
                                           << "\"child\"";
    QTest::newRow("a descendant who is not one")
        << QByteArray(R"({"SonCount": 1, "Predeceased": [{"child": "son", "descendants": {"son.brother": 1}}]})")
        << "\"son.brother\"";
    QTest::newRow("a gift in money without an estate")
        << QByteArray(R"({"SonCount": 1, "Predeceased": [{"child": "son", "descendants": {"son": 1}, "gifts": {"son": 5}}]})")
        << "\"Estate\"";
    QTest::newRow("a gift to a descendant not given")
        << QByteArray(R"({"SonCount": 1, "Predeceased": [{"child": "son", "descendants": {"son": 1}, "gifts": {"daughter": "1/9"}}]})")
        << "\"daughter\"";
    QTest::newRow("branches too large for exact fractions") << deepBranches() << "\"Predeceased\"";
    QTest::newRow("unborn at a parent's place") << QByteArray(R"({"WifeCount": 1, "Unborn": "father"})") << "place";
    QTest::newRow("unborn not a path") << QByteArray(R"({"WifeCount": 1, "Unborn": 1})") << "\"Unborn\"";
    QTest::newRow("no one missing") << QByteArray(R"({"WifeCount": 1, "Missing": {"brother": 0}})") << "\"brother\"";
    QTest::newRow("clarity 2") << QByteArray(R"({"SonCount": 1, "Hermaphrodite": {"son": 1}, "ClarityHoped": 2})")
                               << "\"ClarityHoped\"";
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
    QTest::newRow("distant kindred by substitution beside a wife")
        << QByteArray(R"({"WifeCount": 1, "Profile": "hanbali", "Relatives": {"daughter.son": 1, "mother.sister": 1}})")
        << "mother.sister" << "3/16";
    QTest::newRow("distant kindred by kinship beside a wife")
        << QByteArray(R"({"WifeCount": 1, "Profile": "hanafi", "Relatives": {"daughter.son": 1, "mother.sister": 1}})")
        << "daughter.son" << "3/4";
    QTest::newRow("egypt: a son's son whose father died before, the heirs' new case")
        << QByteArray(R"({"Profile": "egypt", "Relatives": {"son": 1, "daughter": 1}, "Predeceased": [{"child": "son", "descendants": {"son": 1}}]})")
        << "Son" << "4/9";
    QTest::newRow("hanafi: the same son's son takes nothing")
        << QByteArray(R"({"Profile": "hanafi", "Relatives": {"son": 1, "daughter": 1}, "Predeceased": [{"child": "son", "descendants": {"son": 1}}]})")
        << "Son" << "2/3";
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

// A path line's working: the bases, every head's parts of the corrected
// base, and with --explain the sentences.
void tst_calc_cli::pathWorking()
{
    const QByteArray akdariyya = R"({"Language": 1, "Relatives": {"husband": 1, "mother": 1, "father.father": 1, "sister": 1, "mother.brother": 1}})" "\n";
    const QJsonObject a = runCalc(akdariyya, {"--explain"}).answers.value(0);
    const QJsonObject base = a.value("base").toObject();
    QCOMPARE(base.value("base").toInt(), 6);
    QCOMPARE(base.value("awl").toInt(), 9);
    QVERIFY(base.value("return").isNull());
    QCOMPARE(base.value("corrected").toInt(), 27);
    const QJsonObject exact = a.value("exact").toObject();
    const std::pair<const char *, int> parts[] = {{"Husband", 9}, {"Mother", 6}, {"GrandFather", 8}, {"FullSister", 4}};
    for (const auto &[key, n] : parts)
        QCOMPARE(exact.value(key).toObject().value("parts").toInt(), n);
    QVERIFY2(a.value("excluded").toArray().at(0).toObject().value("sentence").toString().startsWith("The maternal uncle: distant kindred"),
             qPrintable(a.value("excluded").toArray().at(0).toObject().value("sentence").toString()));
    QVERIFY(a.value("steps").toArray().contains(QJsonValue("Correction: the case is corrected from 9 to 27 so that every heir receives whole parts.")));
    const QJsonObject plain = runCalc(akdariyya).answers.value(0);
    QVERIFY(!plain.contains("steps"));
    QVERIFY(!plain.value("excluded").toArray().at(0).toObject().contains("sentence"));
    QCOMPARE(plain.value("base"), a.value("base"));
}

// The obligatory bequest in money: 900, a gift of 100 made to the grandson
// during life (DOCTRINE A11): his father's 360 held to 300, less the 100.
void tst_calc_cli::bequestAmounts()
{
    const Run run = runCalc(R"({"Profile": "egypt", "Relatives": {"son": 1, "daughter": 1}, "Estate": 900,)"
                            R"( "Predeceased": [{"child": "son", "descendants": {"son": 1}, "gifts": {"son": "100"}}]})" "\n");
    QCOMPARE(run.exitCode, 0);
    const QJsonObject a = run.answers.value(0);
    QCOMPARE(a.value("bequestAmounts").toArray().at(0)["amount"].toString(), QString("200.00"));
    QCOMPARE(a.value("amounts").toObject().value("Son").toString(), QString("466.67"));
    QCOMPARE(a.value("amounts").toObject().value("Daughter").toString(), QString("233.33"));
    const QJsonObject branch = a.value("bequest").toObject().value("branches").toArray().at(0).toObject();
    QCOMPARE(branch.value("asAlive").toString(), QString("2/5"));
    QCOMPARE(branch.value("withinThird").toString(), QString("1/3"));
    QCOMPARE(branch.value("gifts").toString(), QString("1/9"));
    QCOMPARE(branch.value("due").toString(), QString("2/9"));
    // His own bequest of 100 to another after the grandson's 600 (2/7 of
    // 2100): what the third leaves is exactly 100 (Egypt art. 78).
    const QJsonObject b = runCalc(R"({"Profile": "egypt", "Relatives": {"son": 2, "daughter": 1}, "Estate": 2100, "Bequest": 150,)"
                                  R"( "Predeceased": [{"child": "son", "descendants": {"son": 1}}]})" "\n").answers.value(0);
    QCOMPARE(b.value("voluntaryBequest").toString(), QString("100.00"));
    QCOMPARE(b.value("bequest").toObject().value("voluntary").toObject().value("cut").toBool(), true);
    QCOMPARE(b.value("bequestAmounts").toArray().at(0)["amount"].toString(), QString("600.00"));
    QCOMPARE(b.value("amounts").toObject().value("Son").toString(), QString("1120.00"));
    QCOMPARE(b.value("amounts").toObject().value("Daughter").toString(), QString("280.00"));
}

// Deaths, DiedTogether and Withdrawal: one value of the answer, found by
// its keys ("deaths/1/relation"), or the error's words.
void tst_calc_cli::timeLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("value");
    const QByteArray chain = R"({"Estate": "7200", "Deaths": [{"relatives": {"wife": "Hind", "son": "Zayd", "daughter": "Fatima", "brother": "Amr"}}, {"person": "Zayd", "relatives": {"mother": "Hind", "sister": "Fatima", "father.brother": "Amr"}}]})";
    QTest::newRow("successive: the relation") << chain << "deaths/1/relation" << "agreement";
    QTest::newRow("successive: the combined base") << chain << "deaths/1/combinedBase" << "72";
    QTest::newRow("successive: wife and mother's money") << chain << "amounts/Hind" << "2300.00";
    QTest::newRow("successive: the uncle's share") << chain << "heirs/Amr/share" << "7/72";
    QByteArray withOwn = chain;
    withOwn.replace(R"({"person": "Zayd", )", R"({"person": "Zayd", "estate": "720", )");
    QTest::newRow("successive: the son's own property too") << withOwn << "amounts/Hind" << "2540.00";
    const QByteArray spouses = R"({"DiedTogether": [{"person": "H", "estate": "1200", "relatives": {"wife": "W", "brother": 1}}, {"person": "W", "estate": "800", "relatives": {"husband": "H", "father": 1}}]})";
    QTest::newRow("together, majority") << spouses << "amounts/H.brother" << "1200.00";
    QByteArray hanbali = spouses;
    hanbali.insert(1, R"("Profile": "hanbali", )");
    QTest::newRow("together, Hanbali") << hanbali << "amounts/H.brother" << "1300.00";
    // al-Wajiz fi al-Mirath: an estate of 40 with the husband's mahr of 10 in it.
    QTest::newRow("withdrawal for the mahr")
        << QByteArray(R"({"Estate": "40", "Relatives": {"husband": 1, "mother": 1, "father.brother": 1}, "Withdrawal": {"relative": "husband", "taken": "10"}})")
        << "amounts/mother" << "20.00";
    QTest::newRow("withdrawal paid by two")
        << QByteArray(R"({"Relatives": {"husband": 1, "mother": 1, "father.brother": 1}, "Withdrawal": {"relative": "husband", "from": [{"relative": "mother", "paid": 300}, {"relative": "father.brother", "paid": 100}], "division": "byPayment"}})")
        << "shares/mother/share" << "17/24";
    QTest::newRow("a death's relatives outside it")
        << QByteArray(R"({"SonCount": 1, "Deaths": [{"relatives": {"son": "A"}}]})") << "error" << "inside it";
    QTest::newRow("two of the keys")
        << QByteArray(R"({"Deaths": [{"relatives": {"son": "A"}}], "DiedTogether": []})") << "error" << "one of";
    QTest::newRow("a withdrawal by one not there")
        << QByteArray(R"({"Relatives": {"son": 1}, "Withdrawal": {"relative": "wife"}})") << "error" << "not among";
}

void tst_calc_cli::timeLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, where);
    QFETCH(QString, value);
    const Run run = runCalc(line + "\n");
    QCOMPARE(run.answers.size(), 1);
    QJsonValue v = run.answers.first();
    for (const QString &key : where.split('/'))
        v = v.isArray() ? v.toArray().at(key.toInt()) : v.toObject().value(key);
    const QString text = v.isDouble() ? QString::number(v.toInteger()) : v.toString();
    QVERIFY2(where == u"error" ? text.contains(value) : text == value, qPrintable(text));
}

// Heirs whose state is unknown: what one claimant is paid at once, what is
// held, and the money.
void tst_calc_cli::uncertain_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("claimant");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("amount"); // of the claimant, with an estate
    QTest::newRow("pregnant widow, father, mother; Hanbali")
        << QByteArray(R"({"Relatives": {"wife": 1, "father": 1, "mother": 1}, "Unborn": "son", "Profile": "hanbali", "Estate": 43200})")
        << "wife" << "1/9" << "16/27" << "4800.00";
    QTest::newRow("a missing full brother, today's keys beside")
        << QByteArray(R"({"HusbandAlive": 1, "FullSisterCount": 1, "Relatives": {"maternalBrother": 1, "maternalSister": 1}, "Missing": {"brother": 1}})")
        << "husband" << "3/8" << "23/72" << QString();
    QTest::newRow("a hermaphrodite child, Maliki")
        << QByteArray(R"({"SonCount": 1, "Hermaphrodite": {"son": 1}, "Profile": "maliki"})")
        << "hermaphrodite:son" << "5/12" << "0/1" << QString();
    QTest::newRow("a hermaphrodite child, Hanbali, hope left")
        << QByteArray(R"({"SonCount": 1, "Hermaphrodite": {"son": 1}, "Profile": "hanbali"})")
        << "hermaphrodite:son" << "1/3" << "1/6" << QString();
    QTest::newRow("a hermaphrodite child, Hanbali, no hope left")
        << QByteArray(R"({"SonCount": 1, "Hermaphrodite": {"son": 1}, "Profile": "hanbali", "ClarityHoped": false})")
        << "hermaphrodite:son" << "5/12" << "0/1" << QString();
}

void tst_calc_cli::uncertain()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, claimant);
    QFETCH(QString, now);
    QFETCH(QString, held);
    QFETCH(QString, amount);
    const Run run = runCalc(line + "\n");
    QCOMPARE(run.exitCode, 0);
    const QJsonObject a = run.answers.value(0);
    QCOMPARE(a.value("now").toObject().value(claimant).toObject().value("share").toString(), now);
    QCOMPARE(a.value("held").toObject().value("share").toString(), held);
    QVERIFY(a.value("estimates").toArray().size() >= 2);
    // The periods are noted only where someone is missing.
    QCOMPARE(a.contains("waitingPeriods"), line.contains("Missing"));
    if (!amount.isEmpty())
        QCOMPARE(a.value("amounts").toObject().value(claimant).toString(), amount);
}

void tst_calc_cli::help()
{
    const Run run = runCalc({}, {"--help"});
    QCOMPARE(run.exitCode, 0);
    for (const char *word : {"MaternalSiblingCount", "0..100", "WifeCount", "0..4", "\"error\"", "2400",
                             "--explain", "Estate", "HeirsConsentToBequest", "corrected", "excluded", "kinship",
                             "heirShutOut", "Predeceased", "egypt1946", "syria1953", "Deaths", "DiedTogether",
                             "Withdrawal", "Unborn", "Missing", "Hermaphrodite", "ClarityHoped", "unbornReserve"})
        QVERIFY2(run.raw.contains(word), word);
    QCOMPARE(runCalc({}, {"--bogus"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(tst_calc_cli)
#include "tst_calc_cli.moc"
