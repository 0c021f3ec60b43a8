// SPDX-License-Identifier: GPL-3.0-or-later
// The results window among the program's own windows: the calculation opens
// it, finish and print lead to the after-results window, which ends the case.
#include "app.h"
#include "case/calculation.h"
#include "case/case_record.h"
#include "report/ui/printing.h"
#include "tests/gui_support.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QFileInfo>
#include <QProcess>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class tst_results_flow : public QObject
{
    Q_OBJECT

    // The worked example, answered and calculated: father, mother, a wife
    // and a son.
    QWidget *calculate(int language)
    {
        theCase().Language = std::int16_t(language);
        language::applyToApplication(Language(language));
        ui::window(windows::Main);
        auto *name = ui::window(windows::DeceasedEntry)->findChild<QLineEdit *>(QStringLiteral("txtNameofDead"));
        if (name)
            name->setText(QStringLiteral("Khalid"));
        CaseRecord &c = theCase();
        c.FatherAlive = 1;
        c.MotherAlive = 1;
        c.WifeCount = 1;
        c.SonCount = 1;
        Recalculate(c);
        return ui::loadedWindow(windows::Results);
    }

private slots:
    void initTestCase() { fonts::installSubstitutions(); }
    void init()
    {
        ui::resetRegistry();
        theCase() = CaseRecord{};
        caseaccess::forgetFinishedCase();
        app::registerAllWindows();
        app::installCalculationHooks();
    }
    void cleanup()
    {
        printing::setPrinterChooser(nullptr);
        ui::resetRegistry();
        language::applyToApplication(Language::Arabic);
    }

    void calculationShowsTheReport_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void calculationShowsTheReport()
    {
        QFETCH(int, language);
        QWidget *results = calculate(language);
        QVERIFY(results);
        QVERIFY(results->isVisible());
        QVERIFY(!results->isModal());
        const char *values[] = {"16.67    %", "16.67    %", "12.50    %", "54.17    %"};
        for (int k = 0; k < 4; ++k) {
            auto *v = results->findChild<QLineEdit *>(QStringLiteral("Text1(%1)").arg(k));
            QCOMPARE(v->text(), QLatin1String(values[k]));
            QVERIFY(v->isVisible());
        }
        QVERIFY(!results->findChild<QLabel *>(QStringLiteral("Label3(4)"))->isVisible());
        QVERIFY(caseaccess::printEntryEnabled());
    }

    void finishEndsTheCase()
    {
        QPointer<QWidget> results = calculate(1);
        QVERIFY(results);
        QTest::mouseClick(results->findChild<QPushButton *>(QStringLiteral("cmdFinish")), Qt::LeftButton);
        QWidget *after = ui::loadedWindow(windows::AfterResults);
        QVERIFY(after && after->isVisible());
        QVERIFY(!qobject_cast<QDialog *>(after)->isModal());
        QTRY_VERIFY(results.isNull());
        QCOMPARE(theCase().SonShare, 0.0);
        QVERIFY(caseaccess::printEntryEnabled());
        after->hide();
    }

    void printThenAfterResults()
    {
        QPointer<QWidget> results = calculate(0);
        QVERIFY(results);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("flow.pdf"));
        printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(pdf));
        QString modal;
        onNextModal([&](QWidget *m) {
            modal = m->objectName();
            // Back to the main window.
            if (auto *cancel = m->findChild<QPushButton *>(QStringLiteral("Command3")))
                QTest::mouseClick(cancel, Qt::LeftButton);
            if (m->isVisible())
                m->hide();
        });
        QTest::mouseClick(results->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QCOMPARE(modal, windows::AfterResults);
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QTRY_VERIFY(results.isNull());
        QCOMPARE(theCase().FatherShare, 0.0);
    }

    // After the results, finish or print, then "back to the main window":
    // the main window shows its start screen again, not an empty window.
    void startScreenComesBack_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("button");
        for (int lang : {0, 1}) {
            QTest::addRow("%s finish", lang ? "en" : "ar") << lang << "cmdFinish";
            QTest::addRow("%s print", lang ? "en" : "ar") << lang << "cmdPrint";
        }
    }
    void startScreenComesBack()
    {
        QFETCH(int, language);
        QFETCH(QString, button);
        ui::showModeless(windows::Main);
        QWidget *main = ui::loadedWindow(windows::Main);
        QTest::mouseClick(main->findChild<QPushButton *>(QLatin1String(language ? "Command3" : "Command4")), Qt::LeftButton);
        QVERIFY(main->findChild<QPushButton *>(QStringLiteral("Command1"))->isVisible());
        // Start: the start screen gives way to the deceased entry.
        onNextModal([](QWidget *entry) { entry->hide(); });
        QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(!main->findChild<QPushButton *>(QStringLiteral("Command1"))->isVisible());

        QWidget *results = calculate(language);
        QVERIFY(results);
        QTemporaryDir dir;
        printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(dir.filePath(QStringLiteral("r.pdf"))));
        auto back = [](QWidget *after) {
            QTest::mouseClick(after->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
        };
        if (button == QLatin1String("cmdPrint"))
            onNextModal(back);
        QTest::mouseClick(results->findChild<QPushButton *>(button), Qt::LeftButton);
        if (button == QLatin1String("cmdFinish"))
            back(ui::loadedWindow(windows::AfterResults));
        QTRY_VERIFY(!ui::isLoaded(windows::AfterResults) || !ui::loadedWindow(windows::AfterResults)->isVisible());
        for (const char *shown : {"Command1", "Command2", "Label1", "Label2", "Label3"})
            QVERIFY2(main->findChild<QWidget *>(QLatin1String(shown))->isVisible(), shown);
    }

    // The case ended (the after-results window cleared the record): the
    // print entry still prints that case, with its name and lines, until
    // another calculation starts; then it is disabled and prints nothing.
    void menuPrintsTheLastFinishedCase_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("printedFromResults");
        QTest::newRow("finished, English") << 1 << false;
        QTest::newRow("printed from the results, English") << 1 << true;
        QTest::newRow("finished, Arabic") << 0 << false;
    }
    void menuPrintsTheLastFinishedCase()
    {
        QFETCH(int, language);
        QFETCH(bool, printedFromResults);
        auto *print = ui::window(windows::Main)->findChild<QAction *>(QStringLiteral("mnuPrint"));
        QVERIFY(!print->isEnabled());
        QPointer<QWidget> results = calculate(language);
        QVERIFY(results);
        QTemporaryDir dir;
        printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(dir.filePath(QStringLiteral("r.pdf"))));
        if (printedFromResults) // its after-results window is modal
            onNextModal([](QWidget *m) {
                QTest::mouseClick(m->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
            });
        QTest::mouseClick(results->findChild<QPushButton *>(printedFromResults ? QStringLiteral("cmdPrint")
                                                                               : QStringLiteral("cmdFinish")),
                          Qt::LeftButton);
        if (!printedFromResults) // the finish button's after-results window is not modal
            QTest::mouseClick(ui::loadedWindow(windows::AfterResults)->findChild<QPushButton *>(QStringLiteral("Command3")),
                              Qt::LeftButton);
        QTRY_VERIFY(results.isNull());
        QCOMPARE(theCase().SonShare, 0.0);

        const QString pdf = dir.filePath(QStringLiteral("menu.pdf"));
        printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(pdf));
        QVERIFY(print->isEnabled());
        print->trigger();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *seen : {"16.67", "12.50", "54.17", "400", "300", "1300", "2400"})
            QVERIFY2(page.contains(QLatin1String(seen)), seen);
        if (language == 1)
            QVERIFY(page.contains(QLatin1String("Khalid")));

        // Another calculation starts: nothing of the old case is printed.
        QFile::remove(pdf);
        onNextModal([](QWidget *m) { QTest::keyClick(m, Qt::Key_Escape); });
        ui::window(windows::Main)->findChild<QAction *>(QStringLiteral("mnuStart"))->trigger();
        QVERIFY(!print->isEnabled());
        printing::printFromMainWindow(ui::window(windows::Main));
        QVERIFY(!QFileInfo::exists(pdf));
    }
};

QTEST_MAIN(tst_results_flow)
#include "tst_results_flow.moc"
