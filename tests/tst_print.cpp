// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report as drawn: texts, positions in twips, sizes, order,
// blank lines and totals, in both languages, read from the printer layer's
// display list.
#include "tests/tst_results_support.h"

#include "report/ui/print_results.h"
#include "report/ui/report_printer.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/window_names.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

using printing::DisplayList;
using printing::PrintedText;

namespace {

const QDate Day(2026, 3, 5);

QString caption(const char *key, int language)
{
    return captions::text(windows::Results, QLatin1String("PrintResults.") + QLatin1String(key),
                          Language(language));
}

QString printed(int row, const char *key, int language)
{
    return support::reportLabel(QStringLiteral("printed_labels"), row, QLatin1String(key), language);
}

// Metrics of the page font on a printer like the report's.
struct Metrics
{
    QPrinter &printer;
    bool bold;
    double line(double size) const
    {
        printing::ReportPrinter p(printer, printing::pageFamily());
        p.setFontBold(bold);
        p.setFontSize(size);
        return p.lineHeight();
    }
    double column(int n, double size = 12) const
    {
        printing::ReportPrinter p(printer, printing::pageFamily());
        p.setFontBold(bold);
        p.setFontSize(size);
        return (n - 1) * p.columnWidth();
    }
};

} // namespace

class tst_print : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<QPrinter> m_printer;
    double m_pageWidth = 0;
    double m_pageHeight = 0;

    DisplayList draw(const CaseRecord &c, const QString &name = QStringLiteral("Ahmad"))
    {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_dir.filePath(QStringLiteral("p.pdf")));
        printing::ReportPrinter p(*m_printer, printing::pageFamily());
        if (!p.begin())
            return {};
        printing::layOutReport(p, c, name, Day);
        m_pageWidth = p.pageWidth();
        m_pageHeight = p.pageHeight();
        if (!p.endDoc())
            return {};
        // Keep the page for a look at it: TARNAVEL_KEEP_PDF=<directory>.
        const QString keep = qEnvironmentVariable("TARNAVEL_KEEP_PDF");
        if (!keep.isEmpty()) {
            QString name = QString::fromLatin1(QTest::currentTestFunction());
            if (QTest::currentDataTag())
                name += QLatin1Char('-') + QString::fromLatin1(QTest::currentDataTag());
            QFile::remove(QDir(keep).filePath(name + QStringLiteral(".pdf")));
            QFile::copy(m_printer->outputFileName(), QDir(keep).filePath(name + QStringLiteral(".pdf")));
        }
        return p.displayList();
    }

    static int indexOf(const DisplayList &list, const QString &text, int from = 0)
    {
        for (int i = from; i < list.size(); ++i)
            if (list[i].text == text)
                return i;
        return -1;
    }

private slots:
    void initTestCase()
    {
        fonts::installSubstitutions();
        QVERIFY(m_dir.isValid());
    }
    void init() { support::freshCase(Language::Arabic); }
    void cleanup() { ui::resetRegistry(); }

    void dateIsLocaleIndependent()
    {
        QCOMPARE(printing::dateText(Day), QStringLiteral("05 - 03 - 2026 "));
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QString underArabic = printing::dateText(QDate(2026, 12, 31));
        QLocale::setDefault(saved);
        QCOMPARE(underArabic, QStringLiteral("31 - 12 - 2026 "));
    }

    void headings_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void headings()
    {
        QFETCH(int, language);
        CaseRecord c;
        c.Language = std::int16_t(language);
        support::overviewExample(c);
        const DisplayList d = draw(c);
        QVERIFY(d.size() > 10);
        const bool ar = language == 0;
        const Metrics m{*m_printer, ar};

        struct Expect
        {
            QString text;
            double x;
            double size;
        };
        const QString stars = QLatin1Char(' ') + QString(55, QLatin1Char('*'));
        const QString rule = QLatin1Char(' ') + QString(54, QLatin1Char('_'));
        const double nameSize = ar ? 18 : 16;
        const QList<Expect> heads = {
            {caption("title", language), 3200, 24},
            {caption("credit", language), ar ? 3500.0 : 2500.0, 12},
            {stars, 3200, 12},
            {caption("name", language) + QStringLiteral("Ahmad"), 1200, nameSize},
            {caption("date", language), 1200, nameSize},
            {QStringLiteral("05 - 03 - 2026 "), -1, nameSize},
            {caption("heading", language), ar ? 1200.0 : 2200.0, 14},
            {rule, 1200, 14},
            {caption("percentColumn", language), m.column(45), 12},
            {caption("sharesColumn", language), m.column(74), 12},
        };
        for (int i = 0; i < heads.size(); ++i) {
            const PrintedText &t = d[i];
            QCOMPARE(t.text, heads[i].text);
            if (heads[i].x >= 0)
                QVERIFY2(qAbs(t.x - heads[i].x) < 0.01, qPrintable(QString::number(t.x)));
            QCOMPARE(t.size, heads[i].size);
            QCOMPARE(t.bold, ar);
            QCOMPARE(t.rtl, ar);
            QCOMPARE(t.page, 1);
        }
        QVERIFY(!caption("title", language).isEmpty());
        if (!ar) {
            QCOMPARE(d[0].text, QStringLiteral(" Tarnavel Program     "));
            QCOMPARE(d[3].text, QStringLiteral("   Name of Deceased :   Ahmad"));
            QCOMPARE(d[4].text, QStringLiteral("  Date :  "));
            QCOMPARE(d[8].text, QStringLiteral("Percentage "));
            QCOMPARE(d[9].text, QStringLiteral("Shares  "));
        }
        // The date follows its label on the same line.
        QCOMPARE(d[5].y, d[4].y);
        QVERIFY(qAbs(d[5].x - (d[4].x + d[4].width)) < 0.01);

        // Vertical positions: the first line 1500 twips down, then each line
        // and blank line one line height of its font.
        const double y0 = 1500;
        const double l12 = m.line(12), l14 = m.line(14), lName = m.line(nameSize);
        const double ys[] = {y0,
                             y0 + m.line(24) + l12,
                             y0 + m.line(24) + 3 * l12,
                             y0 + m.line(24) + 6 * l12,
                             y0 + m.line(24) + 6 * l12 + 2 * lName};
        const int at[] = {0, 1, 2, 3, 4};
        for (int i = 0; i < 5; ++i)
            QVERIFY2(qAbs(d[at[i]].y - ys[i]) < 0.01, qPrintable(QStringLiteral("line %1: %2 vs %3").arg(i).arg(d[at[i]].y).arg(ys[i])));
        QVERIFY(qAbs(d[6].y - (d[4].y + 3 * lName)) < 0.01);
        QVERIFY(qAbs(d[7].y - (d[6].y + l14)) < 0.01);
        QVERIFY(qAbs(d[8].y - (d[7].y + 3 * l14)) < 0.01);
        QCOMPARE(d[9].y, d[8].y);

        // Right to left: positions count from the right edge of the page.
        for (const PrintedText &t : d) {
            if (ar)
                QVERIFY2(qAbs(t.left + t.width - (m_pageWidth - t.x)) < 0.01, qPrintable(t.text));
            else
                QCOMPARE(t.left, t.x);
            QVERIFY2(t.left >= -0.01, qPrintable(QStringLiteral("%1 at %2 width %3").arg(t.text).arg(t.left).arg(t.width)));
            QVERIFY(t.y + m.line(t.size) <= m_pageHeight + 0.01);
        }
    }

    void heirLinesAndTotals_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void heirLinesAndTotals()
    {
        QFETCH(int, language);
        CaseRecord c;
        c.Language = std::int16_t(language);
        support::overviewExample(c);
        const DisplayList d = draw(c);
        const Metrics m{*m_printer, language == 0};
        const double l12 = m.line(12);

        struct Row
        {
            QString label, percent, shares;
        };
        const QList<Row> rows = {
            {printed(1, "one", language), QStringLiteral("16.67    %"), QStringLiteral(" 400")},
            {printed(3, "one", language), QStringLiteral("16.67    %"), QStringLiteral(" 400")},
            {printed(6, "one", language), QStringLiteral("12.50    %"), QStringLiteral(" 300")},
            {printed(7, "one", language), QStringLiteral("54.17    %"), QStringLiteral(" 1300")},
        };
        if (language == 1) {
            QCOMPARE(rows[0].label, QStringLiteral("Father Has : "));
            QCOMPARE(rows[3].label, QStringLiteral("Son has : "));
        }
        int i = indexOf(d, caption("sharesColumn", language));
        QVERIFY(i > 0);
        double y = d[i].y + 3 * l12;
        for (const Row &r : rows) {
            ++i;
            QCOMPARE(d[i].text, r.label);
            QCOMPARE(d[i].x, 1200.0);
            QCOMPARE(d[i + 1].text, r.percent);
            QVERIFY(qAbs(d[i + 1].x - m.column(45)) < 0.01);
            QCOMPARE(d[i + 2].text, r.shares);
            QVERIFY(qAbs(d[i + 2].x - m.column(75)) < 0.01);
            for (int j = i; j < i + 3; ++j) {
                QVERIFY2(qAbs(d[j].y - y) < 0.01, qPrintable(d[j].text));
                QCOMPARE(d[j].size, 12.0);
            }
            // The label ends before the percentage column starts.
            QVERIFY2(d[i].x + d[i].width < d[i + 1].x, qPrintable(r.label));
            i += 2;
            y += 2 * l12; // the line and its blank line
        }
        ++i;
        QCOMPARE(d[i].text, QLatin1Char(' ') + QString(64, QLatin1Char('_')));
        QCOMPARE(d[i].x, 1200.0);
        QVERIFY(qAbs(d[i].y - y) < 0.01);
        const QString total = caption("total", language) + QStringLiteral("100%");
        const QString shares = caption("totalShares", language) + QStringLiteral("2400") + caption("shareUnit", language);
        QCOMPARE(d[i + 1].text, total);
        QVERIFY(qAbs(d[i + 1].x - m.column(40)) < 0.01);
        QVERIFY(qAbs(d[i + 1].y - (y + 3 * l12)) < 0.01);
        QCOMPARE(d[i + 2].text, shares);
        QVERIFY(qAbs(d[i + 2].x - m.column(65)) < 0.01);
        QCOMPARE(d[i + 2].y, d[i + 1].y);
        QCOMPARE(d.size(), i + 3);
        if (language == 1) {
            QCOMPARE(total, QStringLiteral("Total : 100%"));
            QCOMPARE(shares, QStringLiteral(" Total Shares : 2400"));
        } else {
            QVERIFY(shares.endsWith(caption("shareUnit", 0)));
            QVERIFY(!caption("shareUnit", 0).isEmpty());
        }
    }

    // The worked example of a father and two sons, and a grandmother row
    // whose flags choose no label: only its blank line is printed.
    void blankLineWithoutLabel()
    {
        CaseRecord c;
        c.Language = 1;
        c.FatherShare = 1.0 / 6;
        c.GrandMotherShare = 0.01;
        c.SonCount = 2;
        c.SonShare = 5.0 / 12;
        c.ShareTotal = 1;
        const DisplayList d = draw(c);
        const Metrics m{*m_printer, false};
        const int father = indexOf(d, QStringLiteral("Father Has : "));
        const int sons = indexOf(d, QStringLiteral("Sons have : "));
        QVERIFY(father > 0);
        QCOMPARE(sons, father + 3);
        QCOMPARE(d[father + 1].text, QStringLiteral("16.67    %"));
        QCOMPARE(d[father + 2].text, QStringLiteral(" 400"));
        QCOMPARE(d[sons + 1].text, QStringLiteral("83.33    %"));
        QCOMPARE(d[sons + 2].text, QStringLiteral(" 2000"));
        QVERIFY(qAbs(d[sons].y - (d[father].y + 3 * m.line(12))) < 0.01);
        QCOMPARE(d.last().text, QStringLiteral(" Total Shares : 2400"));
    }

    // Columns are as wide as the design face's average character (Arial's
    // 904/2048 em, 983/2048 em bold), not the all-glyph average.
    void columnWidthIsTheDesignAverage()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath(QStringLiteral("c.pdf")));
        const Metrics regular{printer, false}, bold{printer, true};
        QVERIFY(qAbs(regular.column(2) - 904.0 / 2048 * 240) < 2);
        QVERIFY(qAbs(bold.column(2) - 983.0 / 2048 * 240) < 2);
        QVERIFY(qAbs(regular.column(2, 24) - 2 * regular.column(2)) < 1);
    }

    void longLabelKeepsColumns_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void longLabelKeepsColumns()
    {
        QFETCH(int, language);
        CaseRecord c;
        c.Language = std::int16_t(language);
        c.MaternalSiblingCount = 3;
        c.MaternalSiblingShare = 1.0 / 9;
        c.ShareTotal = 1.0 / 3;
        const DisplayList d = draw(c);
        const Metrics m{*m_printer, language == 0};
        const double l12 = m.line(12);
        const int i = indexOf(d, printed(17, "several", language));
        QVERIFY(i > 0);
        QVERIFY(d[i].x + d[i].width > m.column(45));
        QCOMPARE(d[i + 1].text, QStringLiteral("33.33    %"));
        QVERIFY(qAbs(d[i + 1].x - m.column(45)) < 0.01);
        QVERIFY(qAbs(d[i + 1].y - (d[i].y + l12)) < 0.01);
        QCOMPARE(d[i + 2].text, QStringLiteral(" 800"));
        QCOMPARE(d[i + 2].y, d[i + 1].y);
        QVERIFY(qAbs(d[i + 3].y - (d[i + 1].y + 2 * l12)) < 0.01);
    }

    // After the case has ended every share is 0: headings and totals only.
    void clearedCasePrintsHeadingsAndTotals()
    {
        CaseRecord c;
        c.Language = 1;
        c.ShareTotal = 0.5;
        const DisplayList d = draw(c, QString());
        const int header = indexOf(d, QStringLiteral("Shares  "));
        QCOMPARE(d[header + 1].text, QLatin1Char(' ') + QString(64, QLatin1Char('_')));
        QCOMPARE(d[header + 2].text, QStringLiteral("Total : 50%"));
        QCOMPARE(d[header + 3].text, QStringLiteral(" Total Shares : 1200"));
        QCOMPARE(d[3].text, QStringLiteral("   Name of Deceased :   "));
    }

    // A long name goes on over further lines of the printable width, in
    // both directions; a short one stays one item on its line.
    void longNameWraps_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("wraps");
        const QString arabicWord = QString(6, QChar(u'\u0639')) + QLatin1Char(' ');
        QTest::newRow("short, English") << 1 << QStringLiteral("Ahmad") << false;
        QTest::newRow("short, Arabic") << 0 << QStringLiteral("Ahmad") << false;
        QTest::newRow("300 characters, English") << 1 << QStringLiteral("Abdallah ").repeated(33) + "ibn" << true;
        QTest::newRow("300 characters, Arabic") << 0 << arabicWord.repeated(43) << true;
        QTest::newRow("300 letters, no space") << 1 << QString(300, QLatin1Char('m')) << true;
    }
    void longNameWraps()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(bool, wraps);
        CaseRecord c;
        c.Language = std::int16_t(language);
        const DisplayList d = draw(c, name);
        const QString label = caption("name", language);
        int i = 0;
        while (i < d.size() && !d[i].text.trimmed().startsWith(label.trimmed()))
            ++i;
        QVERIFY(i < d.size());
        QString joined;
        int items = 0;
        for (; i < d.size() && !d[i].text.startsWith(caption("date", language)); ++i, ++items) {
            QVERIFY2(d[i].left >= -0.01 && d[i].left + d[i].width <= m_pageWidth + 0.01, qPrintable(d[i].text.left(20)));
            if (items > 0) {
                QCOMPARE(d[i].x, d[i - 1].x);
                QVERIFY(d[i].y > d[i - 1].y);
            }
            joined += d[i].text;
        }
        QCOMPARE(items > 1, wraps);
        QCOMPARE(joined.remove(QLatin1Char(' ')), QString(label + name).remove(QLatin1Char(' ')));
    }

    // A long report runs on to a second page; nothing runs off a page.
    void longReportContinuesOnNextPage()
    {
        CaseRecord c;
        c.Language = 0;
        double *shares[] = {&c.FatherShare, &c.GrandFatherShare, &c.MotherShare, &c.HusbandShare,
                            &c.WifeShare, &c.SonShare, &c.DaughterShare, &c.SonsSonShare,
                            &c.SonsDaughterShare, &c.SonsSonsSonShare, &c.SonsSonsDaughterShare,
                            &c.FullBrotherShare, &c.FullSisterShare, &c.ParentalBrotherShare,
                            &c.ParentalSisterShare, &c.MaternalSiblingShare, &c.BrothersSonShare,
                            &c.ParentalBrothersSonShare, &c.FullUncleShare, &c.ParentalUncleShare,
                            &c.FullUnclesSonShare, &c.ParentalUnclesSonShare, &c.TreasuryShare};
        for (double *s : shares)
            *s = 1.0 / 24;
        for (std::int16_t *n : {&c.WifeCount, &c.SonCount, &c.DaughterCount, &c.SonsSonCount,
                                &c.SonsDaughterCount, &c.SonsSonsSonCount, &c.SonsSonsDaughterCount,
                                &c.FullBrotherCount, &c.FullSisterCount, &c.ParentalBrotherCount,
                                &c.ParentalSisterCount, &c.MaternalSiblingCount, &c.BrothersSonCount,
                                &c.ParentalBrothersSonCount, &c.FullUncleCount, &c.ParentalUncleCount,
                                &c.FullUnclesSonCount, &c.ParentalUnclesSonCount})
            *n = 2;
        c.ShareTotal = 1;
        const DisplayList d = draw(c);
        const Metrics m{*m_printer, true};
        QCOMPARE(d.last().page, 2);
        int labels = 0;
        for (const PrintedText &t : d) {
            QVERIFY(t.y + m.line(t.size) <= m_pageHeight + 0.01);
            labels += t.x == 1200.0 && t.size == 12 && t.text.contains(QLatin1Char(':'));
            // Each line's three items share a page and a line.
        }
        QCOMPARE(labels, 23);
        for (int i = 1; i < d.size(); ++i)
            if (d[i].page == d[i - 1].page && d[i].y == d[i - 1].y)
                QVERIFY(d[i].x > d[i - 1].x);
    }

    void unopenablePrinterFails()
    {
        support::overviewExample(theCase());
        QPrinter broken(QPrinter::HighResolution);
        broken.setOutputFormat(QPrinter::PdfFormat);
        broken.setOutputFileName(QStringLiteral("/nonexistent-directory/r.pdf"));
        QVERIFY(!printing::PrintResults(broken));

        QPrinter ok(QPrinter::HighResolution);
        ok.setOutputFormat(QPrinter::PdfFormat);
        ok.setOutputFileName(m_dir.filePath(QStringLiteral("ok.pdf")));
        printing::DisplayList drawn;
        QVERIFY(printing::PrintResults(ok, &drawn));
        QVERIFY(!drawn.isEmpty());

        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            // No printer installed and no file named: nothing can print.
            QPrinter plain;
            QVERIFY(!printing::PrintResults(plain));
        }
    }
};

QTEST_MAIN(tst_print)
#include "tst_print.moc"
