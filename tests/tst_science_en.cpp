// SPDX-License-Identifier: GPL-3.0-or-later
// The English inheritance-science document as the program ships it: left to
// right, long enough, its links resolve, and every Qur'an quotation (Arabic,
// then the English rendering of the same verse) is the dataset's text.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QString shippedHtml()
{
    QFile f(QStringLiteral(":/doc/science_en.html"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QSet<QString> anchorsOf(const QTextDocument &doc)
{
    QSet<QString> names;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            for (const QString &n : it.fragment().charFormat().anchorNames())
                names.insert(n);
    return names;
}

// The quoted words of a verse: words from-to counted from 1, a part never
// opening with the section mark.
QString quoted(const QString &verse, int from, int to)
{
    const QStringList words = verse.simplified().split(u' ');
    if (from == 0)
        return words.join(u' ');
    if (from < 1 || to > words.size() || from > to)
        return QString();
    QString part = words.mid(from - 1, to - from + 1).join(u' ');
    if (part.startsWith(QChar(0x06DE)))
        part.remove(0, 1);
    return part;
}

} // namespace

class tst_science_en : public QObject
{
    Q_OBJECT

private slots:
    void readsLeftToRight();
    void sectionsAndLinks_data();
    void sectionsAndLinks();
    void quotations_data();
    void quotations();
};

void tst_science_en::readsLeftToRight()
{
    QTextDocument doc;
    doc.setHtml(shippedHtml());
    int words = 0;
    int headings = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text().trimmed().isEmpty())
            continue;
        words += b.text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size();
        headings += b.blockFormat().headingLevel() > 0;
        // Only the paragraphs holding a whole Arabic verse run right to left.
        const bool arabicVerse = b.text().contains(QRegularExpression("^[\\x{0600}-\\x{06FF}]"));
        QCOMPARE(b.blockFormat().layoutDirection(), arabicVerse ? Qt::RightToLeft : Qt::LeftToRight);
    }
    QVERIFY2(words >= 5000, qPrintable(QString::number(words)));
    QVERIFY2(headings >= 30, qPrintable(QString::number(headings)));
}

void tst_science_en::sectionsAndLinks_data()
{
    QTest::addColumn<QString>("target");
    // The chapters the Arabic document has, and the chapters added since.
    for (const char *section :
         {"definition", "estate", "causes", "conditions", "impediments", "heirs", "shares",
          "residuaries", "exclusion", "grandfather", "named-cases", "umariyyatan", "mushtaraka",
          "akdariyya", "minbariyya", "awl", "radd", "treasury", "calculation", "examples", "views",
          "sources", "grandmothers", "tashih", "munasakhat", "unborn", "missing", "khuntha",
          "together", "takharuj"})
        QTest::newRow(section) << QString::fromLatin1(section);
    // Every link in the document.
    QRegularExpression link("href=\"#([^\"]+)\"");
    int links = 0;
    for (auto m = link.globalMatch(shippedHtml()); m.hasNext(); ++links) {
        const QString target = m.next().captured(1);
        QTest::addRow("link %d %s", links, qPrintable(target)) << target;
    }
    QVERIFY(links >= 60);
}

void tst_science_en::sectionsAndLinks()
{
    QFETCH(QString, target);
    static const QSet<QString> anchors = [] {
        QTextDocument doc;
        doc.setHtml(shippedHtml());
        return anchorsOf(doc);
    }();
    QVERIFY2(anchors.contains(target), qPrintable(target));
}

void tst_science_en::quotations_data()
{
    QTest::addColumn<QString>("arabicRef");
    QTest::addColumn<QString>("englishRef");
    QTest::addColumn<QString>("arabic");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("expectedArabic");
    QTest::addColumn<QString>("expectedEnglish");

    QFile file(QStringLiteral(TARNAVEL_TEST_DATA "/verses_en.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject data = QJsonDocument::fromJson(file.readAll()).object();
    QVERIFY(data.value("source").toString().startsWith("quran-json "));
    QVERIFY(data.value("translation").toString().contains("Saheeh International"));
    const QJsonObject verses = data.value("verses").toObject();

    const QString html = shippedHtml();
    // An Arabic quotation and the rendering that must come right after it.
    QRegularExpression pair(
        "<span class=\"ayah\" data-ref=\"(\\d+:\\d+)\"(?: data-words=\"(\\d+)-(\\d+)\")?>([^<]*)</span>"
        "(?:(?!<span class=\"ayah).)*?"
        "<span class=\"ayah-en\" data-ref=\"(\\d+:\\d+)\"(?: data-words=\"(\\d+)-(\\d+)\")?>([^<]*)</span>",
        QRegularExpression::DotMatchesEverythingOption);
    int count = 0;
    for (auto it = pair.globalMatch(html); it.hasNext(); ++count) {
        const auto m = it.next();
        const QJsonObject verse = verses.value(m.captured(1)).toObject();
        QTest::addRow("%d %s", count, qPrintable(m.captured(1)))
            << m.captured(1) << m.captured(5) << m.captured(4).simplified() << m.captured(8).simplified()
            << quoted(verse.value("ar").toString(), m.captured(2).toInt(), m.captured(3).toInt())
            << quoted(verse.value("en").toString(), m.captured(6).toInt(), m.captured(7).toInt());
    }
    // Every quotation is in a pair: none without its rendering, none outside a span.
    QCOMPARE(html.count("<span class=\"ayah\""), count);
    QCOMPARE(html.count("<span class=\"ayah-en\""), count);
    QVERIFY(count >= 20);
    for (const char *ref : {"4:7", "4:11", "4:12", "4:176"})
        QVERIFY2(html.contains(QStringLiteral("<span class=\"ayah\" data-ref=\"%1\">").arg(ref)), ref);
}

void tst_science_en::quotations()
{
    QFETCH(QString, arabicRef);
    QFETCH(QString, englishRef);
    QFETCH(QString, arabic);
    QFETCH(QString, english);
    QFETCH(QString, expectedArabic);
    QFETCH(QString, expectedEnglish);
    QCOMPARE(englishRef, arabicRef);
    QVERIFY(!expectedArabic.isEmpty());
    QVERIFY(!expectedEnglish.isEmpty());
    QCOMPARE(arabic, expectedArabic);
    QCOMPARE(english, expectedEnglish);
}

QTEST_MAIN(tst_science_en)
#include "tst_science_en.moc"
