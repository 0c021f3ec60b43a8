// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: the results window's print button prints the worked example
// to a PDF file, read back with pdftotext.
#include "tests/tst_results_support.h"

#include "report/ui/results_window.h"
#include "tests/gui_support.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/window_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// pdftotext wraps runs in bidi controls and gives Arabic letters as
// presentation forms; fold both away.
QString plain(const QString &text)
{
    QString s = text;
    s.remove(QRegularExpression(QStringLiteral("[\\x{202A}-\\x{202E}]")));
    return s.normalized(QString::NormalizationForm_KC);
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString lineWith(const QStringList &lines, const QString &needle)
{
    for (const QString &l : lines)
        if (l.contains(needle))
            return l;
    return {};
}

} // namespace

class tst_print_pdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fonts::installSubstitutions();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }
    void cleanup()
    {
        printing::setPrinterChooser(nullptr);
        ui::resetRegistry();
    }

    void workedExample_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void workedExample()
    {
        QFETCH(int, language);
        support::freshCase(Language(language), QStringLiteral("Ahmad Salem"));
        support::overviewExample(theCase());
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        printing::setPrinterChooser(std::make_unique<support::CountingPdfChooser>(pdf));
        QWidget *results = ui::window(windows::Results);
        results->show();
        onNextModal([](QWidget *m) { m->hide(); });
        QTest::mouseClick(results->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QCOMPARE(support::seen().afterResultsOpened, 1);

        // Keep the page for a look at it: TARNAVEL_KEEP_PDF=<directory>.
        const QString keep = qEnvironmentVariable("TARNAVEL_KEEP_PDF");
        if (!keep.isEmpty())
            QFile::copy(pdf, QDir(keep).filePath(language == 1 ? QStringLiteral("report-en.pdf")
                                                                : QStringLiteral("report-ar.pdf")));

        const QString text = plain(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
        QVERIFY2(!text.isEmpty(), "no text in the PDF");
        const QStringList lines = text.split(QLatin1Char('\n'));

        QVERIFY(text.contains(QStringLiteral("Tarnavel")));
        QVERIFY(text.contains(QStringLiteral("Ahmad Salem")));
        QVERIFY(text.contains(QDate::currentDate().toString(QStringLiteral("yyyy"))));
        const struct
        {
            int row;
            const char *percent;
            const char *shares;
        } expected[] = {{1, "16.67", "400"}, {6, "12.50", "300"}, {7, "54.17", "1300"}};
        for (const auto &e : expected) {
            const QString line = lineWith(lines, QLatin1String(e.percent));
            QVERIFY2(!line.isEmpty(), e.percent);
            const QRegularExpression sharesNumber(QStringLiteral("(^|\\s)%1(\\s|$)").arg(QLatin1String(e.shares)));
            QVERIFY2(line.contains(sharesNumber), qPrintable(line));
            const int p = line.indexOf(QLatin1String(e.percent));
            const int s = int(line.indexOf(sharesNumber));
            if (language == 1) {
                // Left to right: label, percentage, shares.
                const QString label = support::reportLabel(QStringLiteral("printed_labels"), e.row,
                                                           QStringLiteral("one"), 1).trimmed();
                const int l = line.indexOf(label);
                QVERIFY2(l >= 0 && l < p && p < s, qPrintable(line));
            } else {
                // Right to left: the shares stand left of the percentage.
                QVERIFY2(s < p, qPrintable(line));
            }
        }
        QCOMPARE(lines.filter(QStringLiteral("16.67")).size(), 2);
        const QString totals = lineWith(lines, QStringLiteral("2400"));
        // pdftotext gives the Arabic line in reading order: "%100".
        QVERIFY2(totals.contains(language == 1 ? QStringLiteral("100%") : QStringLiteral("%100")),
                 qPrintable(totals));
        if (language == 1) {
            QVERIFY(text.contains(QStringLiteral("Father Has :")));
            QVERIFY(text.contains(QStringLiteral("Wife has :")));
            QVERIFY(totals.contains(QStringLiteral("Total : 100%")));
            QVERIFY(totals.contains(QStringLiteral("Total Shares : 2400")));
            QVERIFY(totals.indexOf(QStringLiteral("Total :")) < totals.indexOf(QStringLiteral("Total Shares")));
        } else {
            // Arabic words without a lam-alef, whose text survives the PDF:
            // the share unit and the total label, the wife's label and the
            // column heading.
            const QString unit = captions::text(windows::Results, QStringLiteral("PrintResults.shareUnit"), Language::Arabic).trimmed();
            const QString total = captions::text(windows::Results, QStringLiteral("PrintResults.total"), Language::Arabic)
                                      .section(QLatin1Char(' '), 0, 0);
            const QString wife = support::reportLabel(QStringLiteral("printed_labels"), 6, QStringLiteral("one"), 0)
                                     .section(QLatin1Char(' '), 0, 0);
            const QString percentHead = captions::text(windows::Results, QStringLiteral("PrintResults.percentColumn"), Language::Arabic);
            QVERIFY2(totals.contains(unit), qPrintable(totals));
            QVERIFY2(totals.contains(total), qPrintable(totals));
            QVERIFY2(lineWith(lines, QStringLiteral("12.50")).contains(wife), qPrintable(wife));
            QVERIFY2(text.contains(percentHead), qPrintable(percentHead));
        }

        const QString fonts = run(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fonts.contains(QStringLiteral("LiberationSans")), qPrintable(fonts));
        if (language == 0)
            QVERIFY2(fonts.contains(QStringLiteral("NotoSansArabic")), qPrintable(fonts));
    }

    // With no printer installed, Qt's print dialog still prints to a PDF
    // file: the program's own chooser, driven as a user would.
    void dialogPrintsToPdf()
    {
        support::freshCase(Language::English, QStringLiteral("Omar"));
        support::overviewExample(theCase());
        caseaccess::recordFinishedCase();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("dialog.pdf"));
        bool driven = false;
        onNextModal([&](QWidget *m) {
            auto *dialog = qobject_cast<QPrintDialog *>(m);
            auto *file = m->findChild<QLineEdit *>(QStringLiteral("filename"));
            if (!dialog || !file || !file->isEnabled()) {
                m->hide();
                return;
            }
            file->setText(pdf);
            driven = true;
            dialog->accept();
        });
        printing::printFromMainWindow(ui::window(windows::Main));
        if (!driven)
            QSKIP("the print dialog offers no file output here (a printer is installed?)");
        QVERIFY(QFileInfo(pdf).size() > 1000);
        const QString text = plain(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
        QVERIFY(text.contains(QStringLiteral("Omar")));
        QVERIFY(text.contains(QStringLiteral("54.17")));
    }

    // The PDF file suggested: the deceased's name and the date, in the
    // documents folder, or the home folder when there is none.
    void suggestedPdfPath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("documents");
        QTest::addColumn<QString>("expected"); // relative to HOME
        QTest::newRow("name") << "Omar" << 1 << true << "Documents/Omar 2026-03-09.pdf";
        QTest::newRow("no documents folder") << "Omar" << 1 << false << "Omar 2026-03-09.pdf";
        QTest::newRow("unfit characters") << " a/b:c\\d\n. " << 1 << true << "Documents/a b c d . 2026-03-09.pdf";
        QTest::newRow("hidden file") << "..x" << 1 << true << "Documents/x 2026-03-09.pdf";
        QTest::newRow("no name, English") << "" << 1 << true << "Documents/Inheritance 2026-03-09.pdf";
        QTest::newRow("long name") << QString(300, QChar(u'\u0639')) << 0 << true
                                   << "Documents/" + QString(60, QChar(u'\u0639')) + " 2026-03-09.pdf";
    }
    void suggestedPdfPath()
    {
        QFETCH(QString, name);
        QFETCH(int, language);
        QFETCH(bool, documents);
        QFETCH(QString, expected);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        if (documents)
            QDir(home.path()).mkdir(QStringLiteral("Documents"));
        const QString path = printing::suggestedPdfPath(name, QDate(2026, 3, 9), Language(language));
        qputenv("HOME", oldHome);
        QCOMPARE(path, QDir(home.path()).filePath(expected));
    }

    // The print dialog offers the suggested file, and asks before it
    // replaces one that exists; "No" leaves the file as it was.
    void dialogSuggestsAndConfirmsOverwrite()
    {
        support::freshCase(Language::English, QStringLiteral("Omar"));
        support::overviewExample(theCase());
        caseaccess::recordFinishedCase();
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        const QString suggested = printing::suggestedPdfPath(QStringLiteral("Omar"), QDate::currentDate(), Language::English);
        QFile existing(suggested);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("an earlier report");
        existing.close();
        QString offered, question;
        onNextModal([&](QWidget *m) {
            auto *dialog = qobject_cast<QPrintDialog *>(m);
            auto *file = m->findChild<QLineEdit *>(QStringLiteral("filename"));
            if (!dialog || !file || !file->isEnabled()) {
                m->hide();
                return;
            }
            offered = file->text();
            // The dialog's own question, answered No; then the dialog is left.
            auto *poll = new QTimer(dialog);
            QObject::connect(poll, &QTimer::timeout, [&, poll, dialog] {
                if (auto *b = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    question = b->text();
                    b->button(QMessageBox::No)->click();
                    poll->stop();
                    QTimer::singleShot(100, dialog, &QDialog::reject);
                }
            });
            poll->start(20);
            QTimer::singleShot(3000, dialog, &QDialog::reject); // no question at all
            // As a user presses Print.
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        printing::printFromMainWindow(ui::window(windows::Main));
        qputenv("HOME", oldHome);
        if (offered.isEmpty())
            QSKIP("the print dialog offers no file output here (a printer is installed?)");
        QCOMPARE(offered, suggested);
        QVERIFY2(question.contains(QFileInfo(suggested).fileName()), qPrintable(QStringLiteral("[%1] offered %2").arg(question, offered)));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("an earlier report"));
    }
};

QTEST_MAIN(tst_print_pdf)
#include "tst_print_pdf.moc"
