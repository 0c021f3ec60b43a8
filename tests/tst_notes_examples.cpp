// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples of the inheritance-science document must be what the
// program computes: each table carries its case and the shares as stored, and
// shows the report's percentage and shares out of 2400.
#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/case_record.h"
#include "report/composition.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

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

struct Row
{
    QString share;
    QString value;
    QStringList cells; // per head, group, report percentage, shares of 2400
};

} // namespace

Q_DECLARE_METATYPE(Row)

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
};

void tst_notes_examples::examples_data()
{
    QFile file(QStringLiteral(TARNAVEL_SCIENCE_HTML));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());

    QTest::addColumn<QString>("caseJson");
    QTest::addColumn<QList<Row>>("rows");

    QRegularExpression table("<h3 dir=\"rtl\"><a name=\"([^\"]+)\">.*?<table class=\"example\" "
                             "data-case='([^']*)'[^>]*>(.*?)</table>",
                             QRegularExpression::DotMatchesEverythingOption);
    QRegularExpression row("<tr class=\"heir\" data-share=\"(\\w+)\" data-value=\"([\\d/]+)\">(.*?)</tr>",
                           QRegularExpression::DotMatchesEverythingOption);
    QRegularExpression cell("<td[^>]*>(.*?)</td>");
    int count = 0;
    for (auto t = table.globalMatch(html); t.hasNext(); ++count) {
        const auto m = t.next();
        QList<Row> rows;
        for (auto r = row.globalMatch(m.captured(3)); r.hasNext();) {
            const auto rm = r.next();
            Row entry{rm.captured(1), rm.captured(2), {}};
            for (auto c = cell.globalMatch(rm.captured(3)); c.hasNext();)
                entry.cells << c.next().captured(1).trimmed();
            entry.cells.removeFirst(); // the heir's name
            rows << entry;
        }
        QTest::newRow(qPrintable(m.captured(1))) << m.captured(2) << rows;
    }
    QVERIFY(count >= 25);
}

void tst_notes_examples::examples()
{
    QFETCH(QString, caseJson);
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
        // What the report shows for the row.
        const double group = report::rowValue(c, rowOf(r.share));
        QCOMPARE(QString(r.cells[2]).remove(QLatin1Char('%')) + QStringLiteral("    "),
                 report::percentageText(group).remove(QLatin1Char('%')));
        QCOMPARE(r.cells[3].toLongLong(), report::sharesOf2400(group));
        QVERIFY2(qAbs(fractionValue(r.cells[1]) - group) < 1e-12, qPrintable(r.share));
    }
    // No heir receives a share the table leaves out.
    for (const ShareField &f : shareFields())
        if (c.*(f.member) != 0)
            QVERIFY2(listed.contains(QString::fromUtf8(f.name.data(), qsizetype(f.name.size()))),
                     QByteArray(f.name.data(), qsizetype(f.name.size())).constData());
}

QTEST_GUILESS_MAIN(tst_notes_examples)
#include "tst_notes_examples.moc"
