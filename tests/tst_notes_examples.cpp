// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples of the inheritance-science document must be what the
// program computes: each table carries its case and the shares as stored, and
// shows the report's percentage and shares out of 2400. A table may state the
// corrected base of its case. The workings of the cases the program does not
// compute (successive deaths, reserves, withdrawals) must add up.
#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/case_record.h"
#include "report/composition.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <numeric>

namespace {

// The report's row of each share.
int rowOf(const QString &share)
{
    static const QStringList order = {
        "FatherShare", "GrandFatherShare", "MotherShare", "GrandMotherShare", "HusbandShare",
        "WifeShare", "SonShare", "DaughterShare", "SonsSonShare", "SonsDaughterShare",
        "SonsSonsSonShare", "SonsSonsDaughterShare", "FullBrotherShare", "FullSisterShare",
        "ParentalBrotherShare", "ParentalSisterShare", "MaternalSiblingShare", "BrothersSonShare",
        "ParentalBrothersSonShare", "FullUncleShare", "ParentalUncleShare", "FullUnclesSonShare",
        "ParentalUnclesSonShare", "TreasuryShare"};
    return order.indexOf(share) + 1;
}

double fractionValue(const QString &text)
{
    const QStringList parts = text.split('/');
    return parts.size() == 2 ? parts[0].toDouble() / parts[1].toDouble() : parts[0].toDouble();
}

// An exact fraction, kept reduced.
struct Fraction
{
    qint64 n = 0;
    qint64 d = 1;
    Fraction(qint64 num = 0, qint64 den = 1)
    {
        const qint64 g = std::gcd(num, den);
        n = num / g;
        d = den / g;
    }
    Fraction operator+(const Fraction &o) const { return {n * o.d + o.n * d, d * o.d}; }
    Fraction operator*(const Fraction &o) const { return {n * o.n, d * o.d}; }
    bool operator==(const Fraction &o) const { return n == o.n && d == o.d; }
};

Fraction parseFraction(const QString &text)
{
    const QStringList parts = text.trimmed().split('/');
    return {parts[0].toLongLong(), parts.size() == 2 ? parts[1].toLongLong() : 1};
}

// A product of fractions, "7/24*2/6".
Fraction parseProduct(const QString &text)
{
    Fraction p(1);
    for (const QString &factor : text.split('*'))
        p = p * parseFraction(factor);
    return p;
}

struct Row
{
    QString share;
    QString value;
    QStringList cells; // per head, group, report percentage, shares of 2400
};

} // namespace

Q_DECLARE_METATYPE(Row)
using Part = QPair<QString, QStringList>; // the value's terms, the figure cells
Q_DECLARE_METATYPE(QList<Part>)

class tst_notes_examples : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        calculationHooks().noHeirsNotice = [](const CaseRecord &) {};
        calculationHooks().openResults = [](const CaseRecord &) {};
    }
    void examples_data();
    void examples();
    void workings_data();
    void workings();
};

void tst_notes_examples::examples_data()
{
    QFile file(QStringLiteral(TARNAVEL_SCIENCE_HTML));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());

    QTest::addColumn<QString>("caseJson");
    QTest::addColumn<int>("base");
    QTest::addColumn<QList<Row>>("rows");

    // Each table is named by the nearest heading above it.
    QRegularExpression table("<h3 dir=\"(?:rtl|ltr)\"><a name=\"([^\"]+)\">(?:(?!<h3 ).)*?<table class=\"example\" "
                             "data-case='([^']*)'( data-base=\"(\\d+)\")?[^>]*>(.*?)</table>",
                             QRegularExpression::DotMatchesEverythingOption);
    QRegularExpression row("<tr class=\"heir\" data-share=\"(\\w+)\" data-value=\"([\\d/]+)\">(.*?)</tr>",
                           QRegularExpression::DotMatchesEverythingOption);
    QRegularExpression cell("<td[^>]*>(.*?)</td>");
    int count = 0;
    for (auto t = table.globalMatch(html); t.hasNext(); ++count) {
        const auto m = t.next();
        QList<Row> rows;
        for (auto r = row.globalMatch(m.captured(5)); r.hasNext();) {
            const auto rm = r.next();
            Row entry{rm.captured(1), rm.captured(2), {}};
            for (auto c = cell.globalMatch(rm.captured(3)); c.hasNext();)
                entry.cells << c.next().captured(1).trimmed();
            entry.cells.removeFirst(); // the heir's name
            rows << entry;
        }
        QTest::newRow(qPrintable(m.captured(1))) << m.captured(2) << m.captured(4).toInt() << rows;
    }
    QVERIFY(count >= 25);
    // No example table is left without a heading, and so unchecked.
    QCOMPARE(count, int(html.count(QStringLiteral("<table class=\"example\""))));
}

void tst_notes_examples::examples()
{
    QFETCH(QString, caseJson);
    QFETCH(int, base);
    QFETCH(QList<Row>, rows);
    QVERIFY(!rows.isEmpty());

    CaseRecord c;
    const QJsonObject input = QJsonDocument::fromJson(caseJson.toUtf8()).object();
    for (auto it = input.begin(); it != input.end(); ++it) {
        const CountField *field = findInputField(it.key().toStdString());
        QVERIFY2(field, qPrintable(it.key()));
        c.*(field->member) = std::int16_t(it.value().toInt());
    }
    Recalculate(c);

    QSet<QString> listed;
    qint64 least = 1; // the least number of which every head's share is a whole part
    for (const Row &r : rows) {
        const ShareField *field = findShareField(r.share.toStdString());
        QVERIFY2(field, qPrintable(r.share));
        listed.insert(r.share);
        const double computed = c.*(field->member);
        QVERIFY2(qAbs(computed - fractionValue(r.value)) < 1e-12,
                 qPrintable(QStringLiteral("%1: document %2, computed %3")
                                .arg(r.share, r.value).arg(computed, 0, 'g', 17)));
        QCOMPARE(r.cells.size(), 4);
        if (computed == 0)
            continue;
        // The wives and the grandmothers hold one share between them.
        qint64 heads = 1;
        if (r.share == "WifeShare")
            heads = c.WifeCount;
        else if (r.share == "GrandMotherShare")
            heads = c.MaternalGrandMotherAlive + c.ParentalGrandMotherAlive;
        least = std::lcm(least, (parseFraction(r.value) * Fraction(1, heads)).d);
        // What the report shows for the row.
        const double group = report::rowValue(c, rowOf(r.share));
        QCOMPARE(QString(r.cells[2]).remove(QLatin1Char('%')) + QStringLiteral("    "),
                 report::percentageText(group).remove(QLatin1Char('%')));
        QCOMPARE(r.cells[3].toLongLong(), report::sharesOf2400(group));
        QVERIFY2(qAbs(fractionValue(r.cells[1]) - group) < 1e-12, qPrintable(r.share));
    }
    if (base != 0)
        QCOMPARE(least, qint64(base));
    // No heir receives a share the table leaves out.
    for (const ShareField &f : shareFields())
        if (c.*(f.member) != 0)
            QVERIFY2(listed.contains(QString::fromUtf8(f.name.data(), qsizetype(f.name.size()))),
                     QByteArray(f.name.data(), qsizetype(f.name.size())).constData());
}

// A working lists parts of the estate as sums of products of fractions, each
// term shown out of the table's base, then the part; the parts make the whole
// estate, and the base is the least that gives every part whole.
void tst_notes_examples::workings_data()
{
    QFile file(QStringLiteral(TARNAVEL_SCIENCE_HTML));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());

    QTest::addColumn<int>("base");
    QTest::addColumn<QList<Part>>("parts");
    QRegularExpression table("<table class=\"working\" data-base=\"(\\d+)\"[^>]*>(.*?)</table>",
                             QRegularExpression::DotMatchesEverythingOption);
    QRegularExpression row("<tr class=\"part\" data-value=\"([^\"]+)\"><td[^>]*>[^<]*</td>(.*?)</tr>",
                           QRegularExpression::DotMatchesEverythingOption);
    QRegularExpression cell("<td[^>]*>(.*?)</td>");
    int count = 0;
    for (auto t = table.globalMatch(html); t.hasNext(); ++count) {
        const auto m = t.next();
        QList<Part> parts;
        for (auto r = row.globalMatch(m.captured(2)); r.hasNext();) {
            const auto rm = r.next();
            QStringList cells;
            for (auto c = cell.globalMatch(rm.captured(2)); c.hasNext();)
                cells << c.next().captured(1).trimmed();
            parts << Part(rm.captured(1), cells);
        }
        QTest::newRow(qPrintable(QStringLiteral("working %1 of %2").arg(count + 1).arg(m.captured(1))))
            << m.captured(1).toInt() << parts;
    }
#ifndef TARNAVEL_MIN_WORKINGS
#define TARNAVEL_MIN_WORKINGS 8
#endif
    QVERIFY(count >= TARNAVEL_MIN_WORKINGS);
    QCOMPARE(count, int(html.count(QStringLiteral("<table class=\"working\""))));
    if (count == 0)
        QSKIP("this document states its workings in prose tables only");
}

void tst_notes_examples::workings()
{
    QFETCH(int, base);
    QFETCH(QList<Part>, parts);
    QVERIFY(parts.size() >= 2);
    Fraction whole;
    qint64 least = 1;
    for (const Part &p : parts) {
        const QStringList terms = p.first.split('+');
        // One cell per term when there are several, then the part.
        QCOMPARE(p.second.size(), terms.size() == 1 ? 1 : terms.size() + 1);
        Fraction part;
        for (int k = 0; k < terms.size(); ++k) {
            const Fraction term = parseProduct(terms[k]);
            part = part + term;
            if (terms.size() > 1)
                QCOMPARE(term * Fraction(base), Fraction(p.second[k].toLongLong()));
        }
        QVERIFY2(part * Fraction(base) == Fraction(p.second.last().toLongLong()), qPrintable(p.first));
        whole = whole + part;
        least = std::lcm(least, part.d);
    }
    QCOMPARE(whole, Fraction(1));
    QCOMPARE(least, qint64(base));
}

QTEST_GUILESS_MAIN(tst_notes_examples)
#include "tst_notes_examples.moc"
