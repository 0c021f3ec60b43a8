// SPDX-License-Identifier: GPL-3.0-or-later
// Whole cases as a user runs them: from the main window, by clicks and list
// choices, through the real questionnaires, message box and results window,
// in both languages.
#include "tests/tst_acceptance_support.h"

#include "report/ui/printing.h"
#include "tests/tst_results_support.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/window_names.h"

#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const char *languageName(int lang) { return lang == 1 ? "English" : "Arabic"; }

// Types the name, picks the sex and presses OK on the deceased entry.
void enterDeceased(QWidget *entry, const QString &name, bool woman)
{
    QCOMPARE(entry->objectName(), windows::DeceasedEntry);
    QTest::keyClicks(child(entry, QStringLiteral("txtNameofDead")), name);
    quest::click(child<QRadioButton>(entry, woman ? QStringLiteral("OptWoman") : QStringLiteral("OptMan")));
    quest::click(child<QPushButton>(entry, QStringLiteral("cmdok1")));
}

void answer(const QString &window, const QStringList &steps)
{
    for (const QString &s : steps) {
        quest::step(window, s);
        if (QTest::currentTestFailed())
            return;
    }
}

QStringList percents(const QStringList &values)
{
    QStringList out;
    for (const QString &v : values)
        out << v + QStringLiteral("    %");
    return out;
}

} // namespace

class tst_e2e : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void overviewExample_data();
    void overviewExample();
    void grandfatherWithBrother_data();
    void grandfatherWithBrother();
    void noHeirAtAll_data();
    void noHeirAtAll();
    void cancelAtDeceasedEntry_data();
    void cancelAtDeceasedEntry();
    void anotherCalculation_data();
    void anotherCalculation();
    void startClosesOpenAfterResults();

private:
    void languages();
    void chooseLanguage(int lang);
    using Act = std::function<void(QWidget *)>;
    // Does `trigger`, acting on the modal windows that open meanwhile, one
    // act each, in order; any other modal window fails the test.
    void drive(const std::function<void()> &trigger, const QList<Act> &acts);
    void startCase(const QList<Act> &acts);

    // A modal window nobody closes fails the test instead of hanging it.
    ModalWatchdog m_watchdog;
};

void tst_e2e::init()
{
    acc::startProgram();
    QVERIFY(QTest::qWaitForWindowExposed(acc::mainWindow()));
    m_watchdog.start(30000, 250);
}

void tst_e2e::cleanup()
{
    m_watchdog.stop();
    QVERIFY2(!m_watchdog.rescued(), "a modal window was left open");
    QCOMPARE(acc::outside().quits, 0);
    acc::stopProgram();
}

void tst_e2e::languages()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("Arabic") << 0;
    QTest::newRow("English") << 1;
}

void tst_e2e::chooseLanguage(int lang)
{
    quest::click(child<QPushButton>(acc::mainWindow(), lang == 1 ? QStringLiteral("Command3")
                                                                       : QStringLiteral("Command4")));
    QCOMPARE(int(theCase().Language), lang);
}

void tst_e2e::drive(const std::function<void()> &trigger, const QList<Act> &acts)
{
    ModalDriver script(acts);
    trigger();
    QTRY_VERIFY(script.done());
    QCOMPARE(script.unexpected, QStringList());
}

// The start button; returns when no case window is modal any more.
void tst_e2e::startCase(const QList<Act> &acts)
{
    drive([] { quest::click(child<QPushButton>(acc::mainWindow(), QStringLiteral("Command1"))); }, acts);
}

void tst_e2e::overviewExample_data() { languages(); }

void tst_e2e::overviewExample()
{
    QFETCH(int, lang);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    chooseLanguage(lang);

    startCase({[](QWidget *entry) { enterDeceased(entry, QStringLiteral("Ahmad Salem"), false); },
               [](QWidget *fathers) {
                   QCOMPARE(fathers->objectName(), windows::Family);
                   answer(windows::Family, {"optFatherYes", "optMotherYes", "optMarriedYes", "cmbWifes:1",
                                         "optWithKids", "cmbSons:1", "cmbDaughters:0"});
               }});

    QWidget *results = ui::loadedWindow(windows::Results);
    QVERIFY(results && results->isVisible());
    QCOMPARE(acc::resultPercents(), percents({"16.67", "16.67", "12.50", "54.17"}));
    const QStringList lines = acc::resultLines();
    QCOMPARE(lines.first().section(QLatin1Char('|'), 0, 0),
             support::reportLabel(QStringLiteral("screen_labels"), 1, QStringLiteral("one"), lang).trimmed());
    QCOMPARE(results->layoutDirection(), lang == 1 ? Qt::LeftToRight : Qt::RightToLeft);
    // TARNAVEL_SHOTS=<folder> keeps a picture of the report for a look.
    if (const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS"); !shots.isEmpty())
        results->grab().save(QDir(shots).filePath(QStringLiteral("e2e-results-%1.png").arg(languageName(lang))));

    // Print from the results window, then back to the main window.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(pdf));
    drive([results] { quest::click(child<QPushButton>(results, QStringLiteral("cmdPrint"))); },
          {[](QWidget *m) {
              QCOMPARE(m->objectName(), windows::AfterResults);
              quest::click(child<QPushButton>(m, QStringLiteral("Command3")));
          }});
    QTRY_VERIFY(!ui::isLoaded(windows::Results));
    QVERIFY(acc::mainWindow()->isVisible());

    const QString text = acc::pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "no text in the PDF");
    QVERIFY(text.contains(QStringLiteral("Ahmad Salem")));
    const QStringList pdfLines = text.split(QLatin1Char('\n'));
    auto lineWith = [&](const QString &number) {
        const QRegularExpression whole(QStringLiteral("(?<![\\d.])%1(?![\\d.])").arg(QRegularExpression::escape(number)));
        return pdfLines.filter(whole);
    };
    QCOMPARE(lineWith(QStringLiteral("400")).size(), 2);
    QCOMPARE(lineWith(QStringLiteral("300")).size(), 1);
    QCOMPARE(lineWith(QStringLiteral("1300")).size(), 1);
    QVERIFY(lineWith(QStringLiteral("300")).first().contains(QStringLiteral("12.50")));
    QVERIFY(lineWith(QStringLiteral("1300")).first().contains(QStringLiteral("54.17")));
    const QStringList totals = lineWith(QStringLiteral("2400"));
    QCOMPARE(totals.size(), 1);
    // pdftotext gives the Arabic line in reading order: "%100".
    QVERIFY2(totals.first().contains(lang == 1 ? QStringLiteral("100%") : QStringLiteral("%100")),
             qPrintable(totals.first()));
}

void tst_e2e::grandfatherWithBrother_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<bool>("likeFather");
    QTest::addColumn<bool>("mother");
    QTest::addColumn<bool>("siblingsAsked");
    QTest::addColumn<QStringList>("expected");   // percentages, in report order (grandfather before mother)
    QTest::addColumn<double>("brotherShare");
    for (int lang : {0, 1}) {
        // Alone beside the grandfather, the brother shares with him under
        // the second method; under the first he is not even asked about.
        QTest::addRow("%s, grandfather and a full brother, second method", languageName(lang))
            << lang << false << false << true << percents({"50.00", "50.00"}) << 0.5;
        QTest::addRow("%s, grandfather and a full brother, first method", languageName(lang))
            << lang << true << false << false << percents({"100.00"}) << 0.0;
        // With the mother the siblings are asked under both methods; the
        // first still gives the brother nothing.
        QTest::addRow("%s, grandfather, mother and a full brother, second method", languageName(lang))
            << lang << false << true << true << percents({"33.33", "33.33", "33.33"}) << 1.0 / 3;
        QTest::addRow("%s, grandfather, mother and a full brother, first method", languageName(lang))
            << lang << true << true << true << percents({"66.67", "33.33"}) << 0.0;
    }
}

void tst_e2e::grandfatherWithBrother()
{
    QFETCH(int, lang);
    QFETCH(bool, likeFather);
    QFETCH(bool, mother);
    QFETCH(bool, siblingsAsked);
    QFETCH(QStringList, expected);
    QFETCH(double, brotherShare);
    chooseLanguage(lang);

    startCase({[](QWidget *entry) { enterDeceased(entry, QStringLiteral("Omar"), false); },
               [mother](QWidget *) {
                   QStringList steps{"optFatherNo", "optGrandFatherYes"};
                   steps += mother ? QStringList{"optMotherYes"}
                                   : QStringList{"optMotherNo", "optMaternalGrandMotherNo",
                                                 "optParentalGrandMotherNo"};
                   steps << "optMarriedNo";
                   answer(windows::Family, steps);
               },
               [likeFather](QWidget *jadd) {
                   QCOMPARE(jadd->objectName(), windows::Method);
                   quest::click(child<QRadioButton>(jadd, likeFather ? QStringLiteral("optLikeFather")
                                                                          : QStringLiteral("optUnlikeFather")));
                   quest::click(child<QPushButton>(jadd, QStringLiteral("cmdJadd")));
               }});

    QWidget *brothers = ui::loadedWindow(windows::Collateral);
    QCOMPARE(brothers && brothers->isVisible(), siblingsAsked);
    if (siblingsAsked) {
        // The sisters and the paternal siblings, while they are asked.
        quest::step(windows::Collateral, QStringLiteral("cmbFullBrothers:1"));
        for (const char *s : {"cmbFullSisters", "cmbMaternalBrothers", "cmbMaternalSisters", "cmbParentalBrothers",
                              "cmbParentalSisters"}) {
            if (!brothers->isVisible())
                break;
            auto *list = child<QComboBox>(brothers, QLatin1String(s));
            if (list && list->isVisible())
                quest::pick(list, 0);
        }
        QVERIFY2(!brothers->isVisible(), "the collateral questionnaire did not end the case");
    }
    QTRY_VERIFY(ui::isLoaded(windows::Results));
    QVERIFY(ui::loadedWindow(windows::Results)->isVisible());
    QCOMPARE(acc::resultPercents(), expected);
    QCOMPARE(int(theCase().FullBrotherCount), siblingsAsked ? 1 : 0);
    QVERIFY(qAbs(theCase().FullBrotherShare * theCase().FullBrotherCount - brotherShare) < 1e-9);
    QVERIFY(qAbs(acc::estateShared(theCase()) - 1.0) < 1e-9);
}

void tst_e2e::noHeirAtAll_data() { languages(); }

void tst_e2e::noHeirAtAll()
{
    QFETCH(int, lang);
    chooseLanguage(lang);

    startCase({[](QWidget *entry) { enterDeceased(entry, QStringLiteral("Salma"), true); },
               [](QWidget *) {
                   answer(windows::Family, {"optFatherNo", "optGrandFatherNo", "optMotherNo",
                                         "optMaternalGrandMotherNo", "optParentalGrandMotherNo", "optMarriedNo"});
               }});

    QWidget *brothers = ui::loadedWindow(windows::Collateral);
    QVERIFY(brothers && brothers->isVisible());
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool resultsBeforeBox = true;
    // Every question answered 0, in the order they are asked; the last one
    // brings the message box.
    int answered = 0;
    drive(
        [&] {
            for (const char *list : {"cmbFullBrothers", "cmbFullSisters", "cmbMaternalBrothers",
                                     "cmbMaternalSisters", "cmbParentalBrothers", "cmbParentalSisters",
                                     "cmbBrothersSons", "cmbParentalBrothersSons", "cmbFullUncles",
                                     "cmbParentalUncles", "cmbFullUnclesSons", "cmbParentalUnclesSons"}) {
                QVERIFY2(brothers->isVisible(), list);
                quest::pick(child<QComboBox>(brothers, QLatin1String(list)), 0);
                ++answered;
            }
        },
        {[&](QWidget *m) {
            auto *b = qobject_cast<QMessageBox *>(m);
            QVERIFY2(b, qPrintable(m->objectName()));
            title = b->windowTitle();
            text = b->text();
            icon = b->icon();
            resultsBeforeBox = ui::isLoaded(windows::Results);
            QTest::mouseClick(b->button(QMessageBox::Ok), Qt::LeftButton);
        }});
    QCOMPARE(answered, 12);
    QVERIFY(!brothers->isVisible());
    QVERIFY(!resultsBeforeBox);
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(title, report::noHeirsTitle(Language::Arabic));
    if (lang == 1)
        QCOMPARE(text, QStringLiteral(" no inheritors, all goes to Muslim trusts "));
    else
        QVERIFY(text != report::noHeirsText(Language::English) && text.contains(QRegularExpression(QStringLiteral("\\p{Arabic}"))));
    QCOMPARE(text, report::noHeirsText(Language(lang)));

    QTRY_VERIFY(ui::isLoaded(windows::Results));
    const QStringList lines = acc::resultLines();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first(), support::reportLabel(QStringLiteral("screen_labels"), 24, QStringLiteral("one"), lang).trimmed()
                                + QStringLiteral("|100.00    %"));
    QCOMPARE(theCase().TreasuryShare, 1.0);
}

void tst_e2e::cancelAtDeceasedEntry_data() { languages(); }

void tst_e2e::cancelAtDeceasedEntry()
{
    QFETCH(int, lang);
    chooseLanguage(lang);
    QString afterTitle;
    startCase({[](QWidget *entry) {
                   QTest::keyClicks(child(entry, QStringLiteral("txtNameofDead")), QStringLiteral("Zaid"));
                   quest::click(child<QPushButton>(entry, QStringLiteral("Command1")));
               },
               [&](QWidget *after) {
                   QCOMPARE(after->objectName(), windows::AfterResults);
                   afterTitle = child<QPushButton>(after, QStringLiteral("Command3"))->text();
                   quest::click(child<QPushButton>(after, QStringLiteral("Command3")));
               }});
    QCOMPARE(afterTitle, captions::text(windows::AfterResults, QStringLiteral("Command3"), Language(lang)));
    QVERIFY(acc::mainWindow()->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!ui::isLoaded(windows::Family));
    QTRY_VERIFY(!ui::isLoaded(windows::DeceasedEntry));
    // Back at the main window, whose start menu entry starts the next case.
    QString name = QStringLiteral("<not opened>");
    drive([] { child<QAction>(acc::mainWindow(), QStringLiteral("mnuStart"))->trigger(); },
          {[&](QWidget *entry) {
              QCOMPARE(entry->objectName(), windows::DeceasedEntry);
              name = child<QLineEdit>(entry, QStringLiteral("txtNameofDead"))->text();
              QTest::keyClick(entry, Qt::Key_Escape);
          }});
    QVERIFY(name.isEmpty());
}

void tst_e2e::anotherCalculation_data() { languages(); }

void tst_e2e::anotherCalculation()
{
    QFETCH(int, lang);
    chooseLanguage(lang);

    // The first case: a woman leaves her father, her husband and a daughter.
    startCase({[](QWidget *entry) { enterDeceased(entry, QStringLiteral("Fatima"), true); },
               [](QWidget *) {
                   answer(windows::Family, {"optFatherYes", "optMotherNo", "optMaternalGrandMotherNo",
                                         "optParentalGrandMotherNo", "optMarriedYes", "optHusbandYes",
                                         "optWithKids", "cmbSons:0", "cmbDaughters:1", "cmbSonsOfSons:0",
                                         "cmbDaughtersOfSons:0", "cmbSonsSonsSons:0", "cmbDaughtersSonsSons:0"});
               }});
    QTRY_VERIFY(ui::isLoaded(windows::Results));
    QPointer<QWidget> firstResults = ui::loadedWindow(windows::Results);
    const QStringList firstLines = acc::resultLines();
    QCOMPARE(firstLines.size(), 3);   // father, husband, daughter
    QVERIFY(qAbs(acc::estateShared(theCase()) - 1.0) < 1e-9);

    // Finish, then another calculation from the after-results window.
    QString againName;
    bool againMale = false, againWoman = true, recordClean = false;
    const Act anotherEntry = [&](QWidget *entry) {
        QCOMPARE(entry->objectName(), windows::DeceasedEntry);
        againName = child<QLineEdit>(entry, QStringLiteral("txtNameofDead"))->text();
        againMale = child<QRadioButton>(entry, QStringLiteral("OptMan"))->isChecked();
        againWoman = child<QRadioButton>(entry, QStringLiteral("OptWoman"))->isChecked();
        recordClean = theCase().HusbandAlive == 0 && theCase().DaughterCount == 0 && theCase().FatherShare == 0
            && theCase().HusbandShare == 0;
        QTest::keyClicks(child(entry, QStringLiteral("txtNameofDead")), QStringLiteral("Yusuf"));
        quest::click(child<QPushButton>(entry, QStringLiteral("cmdok1")));
    };
    // A man who leaves his mother and a full sister.
    const Act anotherFamily = [](QWidget *) {
        answer(windows::Family, {"optFatherNo", "optGrandFatherNo", "optMotherYes", "optMarriedNo"});
    };
    quest::click(child<QPushButton>(firstResults, QStringLiteral("cmdFinish")));
    QWidget *after = ui::loadedWindow(windows::AfterResults);
    QVERIFY(after && after->isVisible());
    drive([after] { quest::click(child<QPushButton>(after, QStringLiteral("Command1"))); },
          {anotherEntry, anotherFamily});
    QVERIFY(againName.isEmpty());
    QVERIFY(againMale);
    QVERIFY(!againWoman);
    QVERIFY(recordClean);
    QVERIFY(firstResults.isNull());

    QWidget *brothers = ui::loadedWindow(windows::Collateral);
    QVERIFY(brothers && brothers->isVisible());
    for (const char *s : {"cmbFullBrothers:0", "cmbFullSisters:1", "cmbMaternalBrothers:0", "cmbMaternalSisters:0",
                          "cmbParentalBrothers:0", "cmbParentalSisters:0", "cmbBrothersSons:0",
                          "cmbParentalBrothersSons:0", "cmbFullUncles:0", "cmbParentalUncles:0",
                          "cmbFullUnclesSons:0", "cmbParentalUnclesSons:0"}) {
        if (!brothers->isVisible())
            break;
        quest::step(windows::Collateral, QLatin1String(s));
    }
    QTRY_VERIFY(ui::isLoaded(windows::Results));
    QWidget *results = ui::loadedWindow(windows::Results);
    QVERIFY(results->isVisible());
    QVERIFY(results != firstResults);
    // Mother and sister take everything between them by return; nothing of
    // the husband, the daughter or the father of the first case is left.
    QCOMPARE(caseaccess::deceasedName(), QStringLiteral("Yusuf"));
    QCOMPARE(int(theCase().HusbandAlive), 0);
    QCOMPARE(theCase().HusbandShare, 0.0);
    QCOMPARE(theCase().DaughterShare, 0.0);
    QCOMPARE(theCase().FatherShare, 0.0);
    const QStringList lines = acc::resultLines();
    QCOMPARE(lines.size(), 2);
    for (const QString &l : lines)
        QVERIFY2(!firstLines.contains(l), qPrintable(l));
    QVERIFY(qAbs(acc::estateShared(theCase()) - 1.0) < 1e-9);
}

// The after-results window stays open, not modal, after a finish. A case
// started meanwhile from the main window closes it: the next print opens a
// fresh one, modal, that ends the new case.
void tst_e2e::startClosesOpenAfterResults()
{
    chooseLanguage(1);
    const QStringList fatherOnly = {"optFatherYes", "optMotherNo", "optMaternalGrandMotherNo",
                                    "optParentalGrandMotherNo", "optMarriedNo"};
    startCase({[](QWidget *entry) { enterDeceased(entry, QStringLiteral("First"), false); },
               [&](QWidget *) { answer(windows::Family, fatherOnly); }});
    QTRY_VERIFY(ui::isLoaded(windows::Results));
    quest::click(child<QPushButton>(ui::loadedWindow(windows::Results), QStringLiteral("cmdFinish")));
    QPointer<QWidget> first = ui::loadedWindow(windows::AfterResults);
    QVERIFY(first && first->isVisible());

    bool firstOnScreen = true;
    drive([] { child<QAction>(acc::mainWindow(), QStringLiteral("mnuStart"))->trigger(); },
          {[&](QWidget *entry) {
               firstOnScreen = first && first->isVisible();
               enterDeceased(entry, QStringLiteral("Second"), false);
           },
           [&](QWidget *) { answer(windows::Family, fatherOnly); }});
    QVERIFY(!firstOnScreen);
    QTRY_VERIFY(first.isNull());
    QTRY_VERIFY(ui::isLoaded(windows::Results));
    QPointer<QWidget> results = ui::loadedWindow(windows::Results);
    QCOMPARE(theCase().FatherShare, 1.0);

    QTemporaryDir dir;
    printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(dir.filePath(QStringLiteral("r.pdf"))));
    bool modal = false, resultsGone = false, cleared = false;
    drive([&] { quest::click(child<QPushButton>(results, QStringLiteral("cmdPrint"))); },
          {[&](QWidget *after) {
              QCOMPARE(after->objectName(), windows::AfterResults);
              modal = after->isModal();
              resultsGone = !results || !results->isVisible();
              cleared = theCase().FatherShare == 0.0;
              quest::click(child<QPushButton>(after, QStringLiteral("Command3")));
          }});
    QVERIFY(modal);
    QVERIFY(resultsGone);
    QVERIFY(cleared);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_e2e)
#include "tst_e2e.moc"
