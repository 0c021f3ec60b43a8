// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/composition.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

Q_DECLARE_METATYPE(CaseRecord)

namespace {

// Father, mother, one wife, one son, shares as the calculation leaves them.
CaseRecord overviewCase()
{
    CaseRecord c;
    c.FatherAlive = 1;
    c.MotherAlive = 1;
    c.WifeCount = 1;
    c.SonCount = 1;
    c.FatherShare = 1.0 / 6;
    c.MotherShare = 1.0 / 6;
    c.WifeShare = 1.0 / 8;
    c.SonShare = 1.0 - (1.0 / 6 + 1.0 / 6 + 1.0 / 8);
    c.ShareTotal = c.FatherShare + c.MotherShare + c.WifeShare + c.SonShare;
    return c;
}

QStringList screenText(const CaseRecord &c, int language)
{
    QStringList out;
    for (const report::ScreenLine &l : report::screenLines(c, Language(language)))
        out << QString::number(l.row) + "|" + l.label + "|" + l.percent;
    return out;
}

QStringList printedText(const CaseRecord &c, int language)
{
    QStringList out;
    for (const report::PrintedRow &r : report::printedRows(c, Language(language))) {
        out << QString::number(r.row) + "|" + (r.printed ? r.label : QStringLiteral("<none>")) + "|"
                + r.percent + "|" + QString::number(r.shares);
    }
    return out;
}

QJsonObject resourceTable(const QString &name)
{
    QFile f(":/report/" + name + ".json");
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

QString arabicLabel(const QString &table, int row, const QString &form)
{
    return resourceTable(table)
        .value(QString::number(row)).toObject()
        .value("ar").toObject()
        .value(form).toString();
}

} // namespace

class tst_composition : public QObject
{
    Q_OBJECT

private slots:
    void percentageText_data();
    void percentageText();
    void sharesOf2400_data();
    void sharesOf2400();
    void totals_data();
    void totals();
    void screenLines_data();
    void screenLines();
    void printedRows_data();
    void printedRows();
    void arabicLabelsFollowTheSameChoice();
    void everyRowHasItsLabels();
    void noHeirsTexts();
};

void tst_composition::percentageText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("half") << 0.5 << "50.00    %";
    QTest::newRow("whole") << 1.0 << "100.00    %";
    QTest::newRow("eighth") << 0.125 << "12.50    %";
    QTest::newRow("two thirds") << 2.0 / 3 << "66.67    %";
    QTest::newRow("sixth") << 1.0 / 6 << "16.67    %";
    QTest::newRow("13/24") << 1.0 - (1.0 / 6 + 1.0 / 6 + 1.0 / 8) << "54.17    %";
    QTest::newRow("half a percent") << 0.005 << ".50    %";
    QTest::newRow("0.004") << 0.004 << ".40    %";
    QTest::newRow("zero") << 0.0 << ".00    %";
    QTest::newRow("noise below zero") << -1e-17 << ".00    %";
    QTest::newRow("below a hundredth") << 0.00004 << ".00    %";
    // Exact halves of a hundredth round away from zero.
    QTest::newRow("3.125 up") << 1.0 / 32 << "3.13    %";
    QTest::newRow("9.375 up") << 3.0 / 32 << "9.38    %";
    QTest::newRow("just below a half") << 0.0312499999 << "3.12    %";
}

void tst_composition::percentageText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(report::percentageText(value), text);
}

void tst_composition::sharesOf2400_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<long long>("shares");
    QTest::newRow("1/16") << 1.0 / 16 << 150LL;
    QTest::newRow("1/48") << 1.0 / 48 << 50LL;
    QTest::newRow("1/7") << 1.0 / 7 << 343LL;
    QTest::newRow("1/6") << 1.0 / 6 << 400LL;
    QTest::newRow("13/24 by subtraction") << 1.0 - (1.0 / 6 + 1.0 / 6 + 1.0 / 8) << 1300LL;
    QTest::newRow("whole") << 1.0 << 2400LL;
    QTest::newRow("zero") << 0.0 << 0LL;
    // v x 2400 lands exactly on a half for these.
    QTest::newRow("37.5 to 38") << 1.0 / 64 << 38LL;
    QTest::newRow("112.5 to 112") << 3.0 / 64 << 112LL;
    QTest::newRow("187.5 to 188") << 5.0 / 64 << 188LL;
    QTest::newRow("262.5 to 262") << 7.0 / 64 << 262LL;
    QTest::newRow("18.75 to 19") << 1.0 / 128 << 19LL;
}

void tst_composition::sharesOf2400()
{
    QFETCH(double, value);
    QFETCH(long long, shares);
    QCOMPARE(report::sharesOf2400(value), shares);
}

void tst_composition::totals_data()
{
    QTest::addColumn<double>("shareTotal");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<long long>("shares");
    QTest::newRow("whole") << 1.0 << "100" << 2400LL;
    QTest::newRow("a hair below") << 0.9999999999999999 << "100" << 2400LL;
    QTest::newRow("a hair above") << 1.0000000000000002 << "100" << 2400LL;
    QTest::newRow("seven eighths") << 0.875 << "87.5" << 2100LL;
    QTest::newRow("a third") << 1.0 / 3 << "33.3333333333333" << 800LL;
    QTest::newRow("seven sixths") << 7.0 / 6 << "116.666666666667" << 2800LL;
    QTest::newRow("nothing") << 0.0 << "0" << 0LL;
    QTest::newRow("tiny, no exponent") << 1e-7 << "0.00001" << 0LL;
}

void tst_composition::totals()
{
    QFETCH(double, shareTotal);
    QFETCH(QString, percent);
    QFETCH(long long, shares);
    CaseRecord c;
    c.ShareTotal = shareTotal;
    const report::PrintedTotals t = report::printedTotals(c);
    QCOMPARE(t.percent, percent);
    QCOMPARE(t.shares, shares);
}

void tst_composition::screenLines_data()
{
    QTest::addColumn<CaseRecord>("record");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("father mother wife son") << overviewCase()
        << QStringList{"1|  Father : |16.67    %", "3| Mother : |16.67    %",
                       "6|  Wife : |12.50    %", "7|  Son :  |54.17    %"};

    CaseRecord c;
    c.HusbandAlive = 1;
    c.HusbandShare = 0.25;
    c.TreasuryShare = 0.75;
    QTest::newRow("husband and treasury")
        << c << QStringList{"5| Husband : |25.00    %", "24|   Muslim Trust :  |75.00    %"};

    c = {};
    c.SonCount = 3;
    c.SonShare = 2.0 / 9;
    QTest::newRow("three sons together") << c << QStringList{"7|  Sons : |66.67    %"};

    c = {};
    c.WifeCount = 1;
    c.WifeShare = 0.25;
    QTest::newRow("one wife") << c << QStringList{"6|  Wife : |25.00    %"};
    c.WifeCount = 4;
    QTest::newRow("four wives, whole share") << c << QStringList{"6|  Wifes : |25.00    %"};

    c = {};
    c.GrandMotherShare = 1.0 / 6;
    c.MaternalGrandMotherAlive = 1;
    QTest::newRow("mother's mother")
        << c << QStringList{"4|GrandMother (Mom's Mom):|16.67    %"};
    c.MaternalGrandMotherAlive = 0;
    c.ParentalGrandMotherAlive = 1;
    QTest::newRow("father's mother")
        << c << QStringList{"4|  GrandMother (Dad's Mom) :|16.67    %"};
    c.MaternalGrandMotherAlive = 1;
    QTest::newRow("both grandmothers") << c << QStringList{"4| GrandMothers : |16.67    %"};
    c.MaternalGrandMotherAlive = 0;
    c.ParentalGrandMotherAlive = 0;
    QTest::newRow("grandmother share, no flag") << c << QStringList{"4||16.67    %"};

    c = {};
    c.TreasuryShare = 1;
    QTest::newRow("treasury alone") << c << QStringList{"24|   Muslim Trust :  |100.00    %"};

    c = {};
    c.FatherShare = 1.0 / 6;
    c.SonCount = 1;
    c.SonShare = 5.0 / 6;
    QTest::newRow("no gap for the mother")
        << c << QStringList{"1|  Father : |16.67    %", "7|  Son :  |83.33    %"};

    c = {};
    c.DaughterShare = 0.5;
    QTest::newRow("share without a count") << c << QStringList{"8||.00    %"};

    c = {};
    c.FullUncleCount = 2;
    c.FullUncleShare = 0.25;
    c.MaternalSiblingCount = 1;
    c.MaternalSiblingShare = 0.5;
    QTest::newRow("row 17 one, row 20 several")
        << c << QStringList{"17|  Maternal Brother or Sister : |50.00    %",
                            "20| Father's Full Brothers : |50.00    %"};

    c = {};
    c.FatherShare = c.GrandFatherShare = c.MotherShare = c.HusbandShare = 0.01;
    c.GrandMotherShare = 0.01;
    c.MaternalGrandMotherAlive = 1;
    c.WifeCount = 2;
    c.WifeShare = 0.01;
    c.SonCount = c.DaughterCount = c.SonsSonCount = c.SonsDaughterCount = 1;
    c.SonShare = c.DaughterShare = c.SonsSonShare = c.SonsDaughterShare = 0.01;
    c.ParentalUnclesSonCount = 3;
    c.ParentalUnclesSonShare = 0.01;
    c.TreasuryShare = 0.01;
    QTest::newRow("more than ten lines")
        << c << QStringList{"1|  Father : |1.00    %", "2|  GrandFather : |1.00    %",
                            "3| Mother : |1.00    %", "4|GrandMother (Mom's Mom):|1.00    %",
                            "5| Husband : |1.00    %", "6|  Wifes : |1.00    %",
                            "7|  Son :  |1.00    %", "8|  Daughter :  |1.00    %",
                            "9|  GrandSon : |1.00    %", "10|  GrandDaughter : |1.00    %",
                            "23|Son of Father's Paternal Brothers : |3.00    %",
                            "24|   Muslim Trust :  |1.00    %"};
}

void tst_composition::screenLines()
{
    QFETCH(CaseRecord, record);
    QFETCH(QStringList, lines);
    QCOMPARE(screenText(record, 1), lines);
}

void tst_composition::printedRows_data()
{
    QTest::addColumn<CaseRecord>("record");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("father mother wife son") << overviewCase()
        << QStringList{"1|Father Has : |16.67    %|400", "3|Mother has : |16.67    %|400",
                       "6|Wife has : |12.50    %|300", "7|Son has : |54.17    %|1300"};

    CaseRecord c;
    c.FatherShare = 1.0 / 6;
    c.SonCount = 2;
    c.SonShare = 5.0 / 12;
    QTest::newRow("father and two sons")
        << c << QStringList{"1|Father Has : |16.67    %|400", "7|Sons have : |83.33    %|2000"};

    c = {};
    c.GrandMotherShare = 1.0 / 6;
    QTest::newRow("grandmother share, no flag: blank only") << c << QStringList{"4|<none>|16.67    %|400"};
    c.MaternalGrandMotherAlive = 1;
    QTest::newRow("mother's mother") << c << QStringList{"4|Mom's Mom has : |16.67    %|400"};
    c.MaternalGrandMotherAlive = 0;
    c.ParentalGrandMotherAlive = 1;
    QTest::newRow("father's mother") << c << QStringList{"4|Father's Mom has : |16.67    %|400"};
    c.MaternalGrandMotherAlive = 1;
    QTest::newRow("both grandmothers") << c << QStringList{"4|GrandMothers have : |16.67    %|400"};

    c = {};
    c.FullUncleCount = 2;
    c.FullUncleShare = 1.0 / 32;
    c.FullUnclesSonCount = 1;
    c.FullUnclesSonShare = 1.0 / 48;
    c.ParentalSisterCount = 0;
    c.ParentalSisterShare = 1.0 / 7;
    c.TreasuryShare = 1.0 / 7;
    QTest::newRow("uncles, cousin, countless sister, treasury")
        << c << QStringList{"16|<none>|.00    %|0",
                            "20|Father's Full Brothers have : |6.25    %|150",
                            "22|Son of Father's Full Brother has : |2.08    %|50",
                            "24| Muslim Trust : |14.29    %|343"};
}

void tst_composition::printedRows()
{
    QFETCH(CaseRecord, record);
    QFETCH(QStringList, rows);
    QCOMPARE(printedText(record, 1), rows);
}

// Arabic is chosen for every Language but 1, with the same choice of form.
void tst_composition::arabicLabelsFollowTheSameChoice()
{
    CaseRecord c;
    c.GrandMotherShare = 1.0 / 6;
    c.MaternalGrandMotherAlive = 1;
    c.ParentalGrandMotherAlive = 1;
    c.WifeCount = 2;
    c.WifeShare = 1.0 / 8;
    c.SonCount = 1;
    c.SonShare = 0.5;

    for (int language : {0, 2}) {
        const QList<report::ScreenLine> screen = report::screenLines(c, Language(language));
        QCOMPARE(screen.size(), 3);
        QCOMPARE(screen[0].label, arabicLabel("screen_labels", 4, "several"));
        QCOMPARE(screen[1].label, arabicLabel("screen_labels", 6, "several"));
        QCOMPARE(screen[2].label, arabicLabel("screen_labels", 7, "one"));
        QCOMPARE(screen[2].percent, QString("50.00    %"));

        const QList<report::PrintedRow> printed = report::printedRows(c, Language(language));
        QCOMPARE(printed.size(), 3);
        QCOMPARE(printed[0].label, arabicLabel("printed_labels", 4, "several"));
        QCOMPARE(printed[1].label, arabicLabel("printed_labels", 6, "several"));
        QCOMPARE(printed[2].label, arabicLabel("printed_labels", 7, "one"));
    }
    QVERIFY(!arabicLabel("screen_labels", 4, "several").isEmpty());
    QVERIFY(arabicLabel("screen_labels", 4, "several") != arabicLabel("printed_labels", 4, "several"));
}

// A missing or misspelt key in the label files would show as an empty label.
void tst_composition::everyRowHasItsLabels()
{
    for (const QString table : {"screen_labels", "printed_labels"}) {
        const QJsonObject labels = resourceTable(table);
        QCOMPARE(labels.size(), 24);
        for (int row = 1; row <= 24; ++row) {
            QStringList forms{"one"};
            if (row == 4)
                forms = {"mothersMother", "fathersMother", "several"};
            else if (row >= 6 && row <= 23)
                forms << "several";
            for (const char *lang : {"ar", "en"}) {
                const QJsonObject byForm =
                    labels.value(QString::number(row)).toObject().value(lang).toObject();
                QCOMPARE(byForm.size(), forms.size());
                for (const QString &form : forms)
                    QVERIFY2(!byForm.value(form).toString().trimmed().isEmpty(),
                             qPrintable(QString("%1 row %2 %3 %4").arg(table).arg(row).arg(lang, form)));
            }
        }
    }
}

void tst_composition::noHeirsTexts()
{
    QCOMPARE(report::noHeirsText(Language::English), QString(" no inheritors, all goes to Muslim trusts "));
    const QString arabic = report::noHeirsText(Language::Arabic);
    QVERIFY(arabic.startsWith(' ') && arabic.endsWith(' '));
    QVERIFY(arabic.contains(QChar(0x0644))); // an Arabic letter
    QCOMPARE(report::noHeirsText(Language(3)), arabic);
    QCOMPARE(report::noHeirsTitle(Language::Arabic), report::noHeirsTitle(Language::English));
    QVERIFY(report::noHeirsTitle(Language::Arabic).startsWith(' '));
    QVERIFY(report::noHeirsTitle(Language::Arabic).contains(QChar(0x0644)));
}

QTEST_APPLESS_MAIN(tst_composition)
#include "tst_composition.moc"
