// SPDX-License-Identifier: GPL-3.0-or-later
// The estate in money: costs, debts, the bequest's third, and whole units
// that add up exactly.

#include "case/estate.h"

#include <QtTest>

#include <random>

using namespace estate;

namespace {

const char *const errorNames[] = { "None", "Missing", "NotANumber", "Negative", "TooManyDecimals",
                                   "TooLarge", "DebtsExceedEstate", "BadDecimals", "SharesDoNotAddUp" };
const char *const fieldNames[] = { "None", "Estate", "FuneralCosts", "Debts", "Bequest", "Decimals" };

// "1/6 1/6 1/8 13/24" or "3x2/9 2x1/6": heads x per-head share.
std::vector<Claimant> claimantsFrom(const QString &text)
{
    std::vector<Claimant> out;
    for (const QString &item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString share = item.section(u'x', -1);
        const int heads = item.contains(u'x') ? item.section(u'x', 0, 0).toInt() : 1;
        out.push_back({ share.section(u'/', 0, 0).toLongLong(), share.section(u'/', 1).toLongLong(), heads });
    }
    return out;
}

// "left 900.00, bequest 300.00 capped, shared 600.00: 300.00 300.00", a group
// of several heads as "666.67[222.23 222.22 222.22]"; an error as "Negative Debts".
QString describe(const Result &r, std::span<const Claimant> claimants, int decimals)
{
    if (r.error != Error::None)
        return QStringLiteral("%1 %2").arg(errorNames[int(r.error)], fieldNames[int(r.field)]);
    const auto money = [&](std::int64_t m) { return QString::fromStdString(formatMinor(m, decimals)); };
    QString s = QStringLiteral("left %1, bequest %2%3, shared %4%5:")
                    .arg(money(r.afterCostsAndDebts), money(r.bequestPaid),
                         r.bequestCapped ? QStringLiteral(" capped") : QString(), money(r.distributed),
                         r.nothingLeft ? QStringLiteral(", nothing left") : QString());
    for (std::size_t i = 0; i < r.groups.size(); ++i) {
        s += u' ' + money(r.groups[i].total);
        if (claimants[i].heads == 1)
            continue;
        QStringList heads;
        for (int h = 0; h < claimants[i].heads; ++h)
            heads << money(r.groups[i].each + (h < r.groups[i].headsWithOneMore));
        s += u'[' + heads.join(u' ') + u']';
    }
    return s;
}

Input inputFrom(const QString &amounts, bool consent, int decimals)   // "estate|costs|debts|bequest"
{
    const QStringList a = amounts.split(u'|');
    return { a[0].toStdString(), a[1].toStdString(), a[2].toStdString(), a[3].toStdString(), consent, decimals };
}

} // namespace

class TestEstate : public QObject
{
    Q_OBJECT

private slots:
    void divide_data();
    void divide();
    void parseAndFormat_data();
    void parseAndFormat();
    void randomSharesAddUp();
};

void TestEstate::divide_data()
{
    QTest::addColumn<QString>("amounts");
    QTest::addColumn<QString>("shares");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("consent");
    const auto row = [](const char *name, const char *amounts, QString shares, QString expected,
                        int decimals = 2, bool consent = false) {
        QTest::newRow(name) << amounts << shares << expected << decimals << consent;
    };
    row("father, mother, wife, son after costs, debts, bequest", "24000.00|1000|2000|3000", "1/6 1/6 1/8 13/24",
        "left 21000.00, bequest 3000.00, shared 18000.00: 3000.00 3000.00 2250.00 9750.00");
    row("bequest above a third, no consent", "900|||400", "1/2 1/2",
        "left 900.00, bequest 300.00 capped, shared 600.00: 300.00 300.00");
    row("bequest above a third, heirs consent", "900|||400", "1/2 1/2",
        "left 900.00, bequest 400.00, shared 500.00: 250.00 250.00", 2, true);
    row("bequest of exactly a third", "900|||300", "1/2 1/2",
        "left 900.00, bequest 300.00, shared 600.00: 300.00 300.00");
    row("third taken after costs and debts", "1200|150|150|400", "1/1",
        "left 900.00, bequest 300.00 capped, shared 600.00: 600.00");
    row("consent to more than is left: cut to it, nothing left", "900|100|200|1000", "1/2 1/2",
        "left 600.00, bequest 600.00 capped, shared 0.00, nothing left: 0.00 0.00", 2, true);
    row("consent to exactly what is left", "900|100|200|600", "1/2 1/2",
        "left 600.00, bequest 600.00, shared 0.00, nothing left: 0.00 0.00", 2, true);
    row("consent to a unit less than is left", "900|100|200|599.99", "1/2 1/2",
        "left 600.00, bequest 599.99, shared 0.01: 0.01 0.00", 2, true);
    row("a third that is not whole: the part stays with the heirs", "100.00|||50", "1/2 1/2",
        "left 100.00, bequest 33.33 capped, shared 66.67: 33.34 33.33");
    row("costs and debts equal to the estate", "1000|400|600|", "1/4 3/4",
        "left 0.00, bequest 0.00, shared 0.00, nothing left: 0.00 0.00");
    row("thirds of 100.00", "100.00|||", "1/3 1/3 1/3",
        "left 100.00, bequest 0.00, shared 100.00: 33.34 33.33 33.33");
    row("sevenths: the largest remainder, not the first", "100.00|||", "4/7 2/7 1/7",
        "left 100.00, bequest 0.00, shared 100.00: 57.14 28.57 14.29");
    row("a group without a share gets no unit", "100.00|||", "0/1 1/3 2/3",
        "left 100.00, bequest 0.00, shared 100.00: 0.00 33.33 66.67");
    row("twenty equal remainders go by claimant order", "0.10|||", QString("1/20 ").repeated(20),
        "left 0.10, bequest 0.00, shared 0.10:" + QString(" 0.01").repeated(10) + QString(" 0.00").repeated(10));
    row("three daughters, two brothers, 2 decimals", "1000.00|||", "3x2/9 2x1/6",
        "left 1000.00, bequest 0.00, shared 1000.00: 666.67[222.23 222.22 222.22] 333.33[166.67 166.66]");
    row("three daughters, two brothers, 0 decimals", "1000|||", "3x2/9 2x1/6",
        "left 1000, bequest 0, shared 1000: 667[223 222 222] 333[167 166]", 0);
    row("thirds, 3 decimals", "10|||", "1/3 1/3 1/3",
        "left 10.000, bequest 0.000, shared 10.000: 3.334 3.333 3.333", 3);

    const QString halves = "1/2 1/2";
    row("empty estate", "|||", halves, "Missing Estate");
    row("letters", "abc|||", halves, "NotANumber Estate");
    row("two points", "1.2.3|||", halves, "NotANumber Estate");
    row("exponent", "1e5|||", halves, "NotANumber Estate");
    row("thousands comma", "1,000|||", halves, "NotANumber Estate");
    row("point alone", "100|.||", halves, "NotANumber FuneralCosts");
    row("bequest in words", "100|||ten", halves, "NotANumber Bequest");
    row("negative costs", "100|-5||", halves, "Negative FuneralCosts");
    row("negative debts", "100||-0.01|", halves, "Negative Debts");
    row("three decimals of two", "1.005|||", halves, "TooManyDecimals Estate");
    row("a decimal of none", "100|||1.5", halves, "TooManyDecimals Bequest", 0);
    row("one unit above the bound", "10000000000000.01|||", halves, "TooLarge Estate");
    row("long digit string", "100||99999999999999999999999999|", halves, "TooLarge Debts");
    row("decimals 5", "100|||", halves, "BadDecimals Decimals", 5);
    row("decimals -1", "100|||", halves, "BadDecimals Decimals", -1);
    row("costs above the estate", "100|150||", halves, "DebtsExceedEstate FuneralCosts");
    row("costs and debts a unit above", "100|60|40.01|", halves, "DebtsExceedEstate Debts");
    row("shares short of one", "100|||", "1/2 1/3", "SharesDoNotAddUp None");
    row("shares above one", "100|||", "1/2 1/2 1/6", "SharesDoNotAddUp None");
    row("zero denominator", "100|||", "1/0 1/1", "SharesDoNotAddUp None");
    row("a group of no heads", "100|||", "0x1/2 1/1", "SharesDoNotAddUp None");
    row("a negative share", "100|||", "-1/2 1/2 1/1", "SharesDoNotAddUp None");
    row("common denominator above the bound", "100|||",
        "1/2000000000000000000 1999999999999999999/2000000000000000000", "TooLarge None");
}

void TestEstate::divide()
{
    QFETCH(QString, amounts);
    QFETCH(QString, shares);
    QFETCH(int, decimals);
    QFETCH(bool, consent);
    const std::vector<Claimant> claimants = claimantsFrom(shares);
    const Result r = estate::divide(inputFrom(amounts, consent, decimals), claimants);
    QTEST(describe(r, claimants, decimals), "expected");
    if (r.error != Error::None)   // never a figure beside an error
        QVERIFY(r.groups.empty() && r.distributed == 0 && r.bequestPaid == 0);
}

void TestEstate::parseAndFormat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("plus sign") << "+5" << 2 << "5.00";
    QTest::newRow("blanks around") << " 12.5\t" << 2 << "12.50";
    QTest::newRow("no whole part") << ".5" << 2 << "0.50";
    QTest::newRow("zeros beyond the decimals") << "1.500" << 2 << "1.50";
    QTest::newRow("leading zeros") << "0000000000000000000000007" << 2 << "7.00";
    QTest::newRow("Arabic-Indic digits and separator") << QString::fromUtf8("\u0661\u0662\u066B\u0665") << 2 << "12.50";
    QTest::newRow("extended Arabic-Indic digits") << QString::fromUtf8("\u06F1\u06F0") << 2 << "10.00";
    QTest::newRow("the bound") << "10000000000000" << 2 << "10000000000000.00";
    QTest::newRow("four decimals") << "0.0001" << 4 << "0.0001";
    QTest::newRow("no decimals") << "12" << 0 << "12";
}

void TestEstate::parseAndFormat()
{
    QFETCH(QString, text);
    QFETCH(int, decimals);
    std::int64_t minor = -1;
    Error err = Error::Missing;
    QVERIFY(parseAmount(text.toStdString(), decimals, minor, err));
    QCOMPARE(int(err), int(Error::None));
    QTEST(QString::fromStdString(formatMinor(minor, decimals)), "formatted");
}

// Random share sets over random amounts: the groups add up exactly, each is
// its exact amount rounded down or up, only the largest remainders are
// rounded up, and the heads of a group differ by at most one unit.
void TestEstate::randomSharesAddUp()
{
    std::mt19937_64 rng(20240615);
    const auto pick = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    for (int round = 0; round < 20000; ++round) {
        const int n = int(pick(1, 8));
        const std::int64_t common = pick(1, round % 2 ? 1'000'000'000'000 : 5000);
        std::vector<std::int64_t> cuts{ 0, common };
        for (int i = 1; i < n; ++i)
            cuts.push_back(pick(0, common));
        std::sort(cuts.begin(), cuts.end());
        std::vector<Claimant> claimants;
        for (int i = 0; i < n; ++i) {
            const int heads = int(pick(1, 6));
            claimants.push_back({ cuts[i + 1] - cuts[i], common * heads, heads });
        }
        const int decimals = int(pick(0, maxDecimals));
        const std::int64_t amount = pick(0, pick(0, 1) ? maxMinor : 100'000);
        const Result r = estate::divide({ formatMinor(amount, decimals), "", "", "", false, decimals }, claimants);
        QCOMPARE(errorNames[int(r.error)], "None");
        QCOMPARE(r.distributed, amount);

        std::int64_t sum = 0;
        __int128 lowestUp = common, highestDown = -1;
        for (int i = 0; i < n; ++i) {
            const GroupAmount &g = r.groups[i];
            const __int128 exact = __int128(amount) * (cuts[i + 1] - cuts[i]);   // over `common`
            const __int128 diff = __int128(g.total) * common - exact;
            QVERIFY2(diff > -common && diff < common, qPrintable(QString::number(round)));
            const __int128 remainder = exact % common;
            if (diff > 0)
                lowestUp = std::min(lowestUp, remainder);
            else if (remainder > 0)
                highestDown = std::max(highestDown, remainder);
            QVERIFY(g.headsWithOneMore >= 0 && g.headsWithOneMore < claimants[i].heads);
            QCOMPARE(g.each * claimants[i].heads + g.headsWithOneMore, g.total);
            sum += g.total;
        }
        QCOMPARE(sum, amount);
        QVERIFY2(highestDown <= lowestUp, qPrintable(QString::number(round)));
    }
}

QTEST_APPLESS_MAIN(TestEstate)
#include "tst_estate.moc"
