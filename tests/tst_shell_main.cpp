// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, the deceased entry and the after-results choice, driven
// by object name as a user would.
#include "app.h"
#include "case/case_record.h"
#include "report/ui/printing.h"
#include "shell/frm_inherence.h"
#include "shell/register_shell.h"
#include "tests/gui_support.h"
#include "ui/captions.h"
#include "ui/case_access.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/program_end.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QtTest>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

namespace {

// Stands in for a window another module builds: a case window that records
// what it saw when it was shown.
class StandIn : public CaseDialog
{
public:
    explicit StandIn(const QString &name) : CaseDialog(name) { resize(200, 100); }
};

QMainWindow *mainWindow()
{
    return qobject_cast<QMainWindow *>(ui::loadedWindow(windows::Main));
}

QAction *action(const char *name) { return child<QAction>(mainWindow(), name); }
QMenu *menu(const char *name) { return child<QMenu>(mainWindow(), name); }

void click(QWidget *w, const char *name)
{
    auto *b = child<QAbstractButton>(w, name);
    QVERIFY2(b, name);
    QVERIFY2(b->isVisible(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class tst_shell_main : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void onlyLanguageButtonsAtFirst();
    void languageChoice_data();
    void languageChoice();
    void startOpensDeceasedEntry_data();
    void startOpensDeceasedEntry();
    void okHidesEntryAndOpensFamilyQuestionnaire();
    void enterPressesOk_data();
    void enterPressesOk();
    void cancelOffersThreeChoices_data();
    void cancelOffersThreeChoices();
    void titleBarCloseReturnsToMainWindow_data();
    void titleBarCloseReturnsToMainWindow();
    void newStartEndsCaseStillOnScreen();
    void exitEndsProgram_data();
    void exitEndsProgram();
    void menuEntries();
    void longNameShownWhole_data();
    void longNameShownWhole();

private:
    void chooseLanguage(int lang);
    ModalWatchdog m_watchdog;
    int m_quits = 0;
    QStringList m_modalsSeen;
};

void tst_shell_main::init()
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    caseaccess::forgetFinishedCase();
    language::applyToApplication(Language::Arabic);
    fonts::installSubstitutions();
    registerShellWindows();
    caseaccess::setPrintReport(printing::printFromMainWindow);
    for (const QString &name : {windows::Family, windows::Notes, windows::Results})
        ui::registerWindow(name, [name] { return new StandIn(name); });
    m_quits = 0;
    m_modalsSeen.clear();
    program::setQuitFunction([this] { ++m_quits; });

    m_watchdog.start(15000, 200);

    ui::showModeless(windows::Main);
    QVERIFY(mainWindow());
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow()));
}

void tst_shell_main::cleanup()
{
    m_watchdog.stop();
    QVERIFY2(!m_watchdog.rescued(), "a modal window was left open");
    program::setQuitFunction({});
    ui::resetRegistry();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_shell_main::chooseLanguage(int lang)
{
    click(mainWindow(), lang == 1 ? "Command3" : "Command4");
}

void tst_shell_main::onlyLanguageButtonsAtFirst()
{
    QMainWindow *w = mainWindow();
    QVERIFY(child(w, "Command3")->isVisible());
    QVERIFY(child(w, "Command4")->isVisible());
    for (const char *bar : {"Shape1", "Shape2", "Shape3", "Shape4"})
        QVERIFY2(child(w, bar)->isVisible(), bar);
    for (const char *hidden : {"Command1", "Command2", "Label1", "Label2", "Label3"})
        QVERIFY2(!child(w, hidden)->isVisible(), hidden);
    QVERIFY(!w->menuBar()->isVisible());
    for (const char *m : {"mnuInfo", "mnuCalculation", "mnuhelp"})
        QVERIFY2(!menu(m)->menuAction()->isVisible(), m);
    QVERIFY(!action("mnuPrint")->isEnabled());
    QCOMPARE(child<QPushButton>(w, "Command3")->text(), QStringLiteral("ENGLISH"));
    QCOMPARE(w->windowTitle(), captions::text(windows::Main, "window", Language::Arabic));
    QVERIFY(w->windowTitle().contains(QStringLiteral("Tarnavel")));
    QCOMPARE(w->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(ui::loadedWindow(windows::Main), w);
}

void tst_shell_main::languageChoice_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<QString>("startCaption");
    QTest::addColumn<QString>("closeCaption");
    QTest::addColumn<QString>("basmala");
    QTest::addColumn<QString>("titleFamily");
    QTest::addColumn<QStringList>("menuTitles");   // mnuInfo, mnuCalculation, mnuhelp
    QTest::addColumn<QStringList>("visibleEntries");   // a separator's text is empty

    QTest::newRow("English") << 1 << Qt::LeftToRight << QStringLiteral(" OK ") << QStringLiteral(" Cancel ")
                             << QStringLiteral(" In the Name Of Allah ") << QStringLiteral("Arial Greek")
                             << QStringList{QStringLiteral(" Exit"), QStringLiteral(" Calculation"), QStringLiteral(" Help")}
                             << QStringList{QStringLiteral("Exit"), QStringLiteral("New Calculation"),
                                            QStringLiteral(" Print"), QString(), QStringLiteral("Case details"),
                                            QStringLiteral("Open case…"), QStringLiteral("Recent cases"),
                                            QStringLiteral(" About"),
                                            QStringLiteral("User Guide"), QStringLiteral("The Science of Inheritance")};
    const auto ar = [](const char *key) { return captions::text(windows::Main, key, Language::Arabic); };
    QTest::newRow("Arabic") << 0 << Qt::RightToLeft << ar("Command1") << ar("Command2") << ar("Label3")
                            << QStringLiteral("Arial")
                            << QStringList{ar("mnuInfo"), ar("mnuCalculation"), ar("mnuhelp")}
                            << QStringList{ar("mnuInheretence"), QString(), ar("mnuQuit"), ar("mnuStart"), ar("mnuPrint"),
                                           QString(), ar("mnuCaseDetails"), ar("mnuOpenCase"), ar("mnuRecentCases"),
                                           ar("mnuAbout"), ar("mnuhelp1")};
}

void tst_shell_main::languageChoice()
{
    QFETCH(int, lang);
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(QString, startCaption);
    QFETCH(QString, closeCaption);
    QFETCH(QString, basmala);
    QFETCH(QString, titleFamily);
    QFETCH(QStringList, menuTitles);
    QFETCH(QStringList, visibleEntries);

    theCase().Language = std::int16_t(1 - lang);
    chooseLanguage(lang);
    QMainWindow *w = mainWindow();
    QCOMPARE(int(theCase().Language), lang);
    QCOMPARE(w->layoutDirection(), direction);
    QCOMPARE(QApplication::layoutDirection(), direction);

    // The language buttons are gone for the rest of the run.
    QVERIFY(!child(w, "Command3")->isVisible());
    QVERIFY(!child(w, "Command4")->isVisible());
    for (const char *shown : {"Command1", "Command2", "Label1", "Label2", "Label3"})
        QVERIFY2(child(w, shown)->isVisible(), shown);
    QCOMPARE(child<QPushButton>(w, "Command1")->text(), startCaption);
    QCOMPARE(child<QPushButton>(w, "Command2")->text(), closeCaption);
    QCOMPARE(child<QLabel>(w, "Label3")->text(), basmala);
    QCOMPARE(child<QLabel>(w, "Label1")->font().family(), titleFamily);
    QCOMPARE(w->windowTitle(), captions::text(windows::Main, "window", Language(lang)));
    if (lang == 1)
        QVERIFY(w->windowTitle().startsWith(QStringLiteral(" Tarnavel Program.... ")));

    QVERIFY(w->menuBar()->isVisible());
    QStringList titles;
    for (QAction *a : w->menuBar()->actions())
        if (a->isVisible())
            titles << a->text();
    QCOMPARE(titles, menuTitles);
    QStringList entries;
    for (const char *m : {"mnuInfo", "mnuCalculation", "mnuhelp"})
        for (QAction *a : menu(m)->actions())
            if (a->isVisible())
                entries << a->text();
    QCOMPARE(entries, visibleEntries);
    QVERIFY(!action("mnuPrint")->isEnabled());
}

void tst_shell_main::startOpensDeceasedEntry_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("start button") << false;
    QTest::newRow("start menu entry") << true;
}

void tst_shell_main::startOpensDeceasedEntry()
{
    QFETCH(bool, fromMenu);
    chooseLanguage(0);
    // Left over from an earlier case of the run.
    theCase().FullBrotherCount = 3;
    theCase().SonCount = 2;
    theCase().FatherShare = 0.5;
    action("mnuPrint")->setEnabled(true);

    QString modal, name;
    bool male = false, woman = true, nameHasFocus = false, recordClean = false;
    onNextModal([&](QWidget *m) {
        modal = m->objectName();
        name = child<QLineEdit>(m, "txtNameofDead")->text();
        male = child<QRadioButton>(m, "OptMan")->isChecked();
        woman = child<QRadioButton>(m, "OptWoman")->isChecked();
        nameHasFocus = m->focusWidget() == child(m, "txtNameofDead");
        recordClean = theCase().FullBrotherCount == 0 && theCase().SonCount == 0 && theCase().FatherShare == 0;
        QTest::keyClick(m, Qt::Key_Escape);
    });
    if (fromMenu)
        action("mnuStart")->trigger();
    else
        click(mainWindow(), "Command1");

    QCOMPARE(modal, windows::DeceasedEntry);
    QVERIFY(name.isEmpty());
    QVERIFY(male);
    QVERIFY(!woman);
    QVERIFY(nameHasFocus);
    QVERIFY(recordClean);
    QCOMPARE(int(theCase().Language), 0);
    // The start and close buttons and the titles never come back.
    for (const char *hidden : {"Command1", "Command2", "Label1", "Label2", "Label3"})
        QVERIFY2(!child(mainWindow(), hidden)->isVisible(), hidden);
    QVERIFY(!action("mnuPrint")->isEnabled());
    QVERIFY(mainWindow()->isVisible());
}

void tst_shell_main::okHidesEntryAndOpensFamilyQuestionnaire()
{
    chooseLanguage(1);
    QString family, nameSeen;
    bool entryHidden = false, entryLoaded = false, womanSeen = false, printEnabled = true;
    onNextModal([&](QWidget *entry) {
        QTest::keyClicks(child(entry, "txtNameofDead"), QStringLiteral("Zaid"));
        QTest::mouseClick(child<QRadioButton>(entry, "OptWoman"), Qt::LeftButton);
        action("mnuPrint")->setEnabled(true); // as after an earlier result
        onNextModal([&](QWidget *next) {
            family = next->objectName();
            entryHidden = !entry->isVisible();
            entryLoaded = ui::isLoaded(windows::DeceasedEntry);
            nameSeen = caseaccess::deceasedName();
            womanSeen = caseaccess::deceasedIsWoman();
            printEnabled = action("mnuPrint")->isEnabled();
            next->hide(); // the questionnaire hands over to the calculation
        });
        QTest::mouseClick(child<QPushButton>(entry, "cmdok1"), Qt::LeftButton);
    });
    action("mnuStart")->trigger();

    QCOMPARE(family, windows::Family);
    QVERIFY(entryHidden);
    QVERIFY(entryLoaded);
    QCOMPARE(nameSeen, QStringLiteral("Zaid"));
    QVERIFY(womanSeen);
    QVERIFY(!printEnabled);
    // The entry stays loaded, hidden, with its values for the rest of the case.
    QVERIFY(ui::isLoaded(windows::DeceasedEntry));
    QCOMPARE(caseaccess::deceasedName(), QStringLiteral("Zaid"));
}

void tst_shell_main::enterPressesOk_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("in the name box") << QStringLiteral("txtNameofDead");
    QTest::newRow("on the female option") << QStringLiteral("OptWoman");
    QTest::newRow("on the cancel button") << QStringLiteral("Command1");
}

void tst_shell_main::enterPressesOk()
{
    QFETCH(QString, focus);
    chooseLanguage(0);
    QString next;
    onNextModal([&](QWidget *entry) {
        QWidget *target = entry->findChild<QWidget *>(focus);
        target->setFocus();
        onNextModal([&](QWidget *m) {
            next = m->objectName();
            m->hide();
        });
        QTest::keyClick(target, Qt::Key_Return);
        if (next.isEmpty()) // Enter did nothing: leave the case
            QTest::keyClick(entry, Qt::Key_Escape);
    });
    action("mnuStart")->trigger();
    QCOMPARE(next, windows::Family);
}

void tst_shell_main::cancelOffersThreeChoices_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("choice");
    for (int lang : {0, 1}) {
        const char *l = lang ? "English" : "Arabic";
        QTest::addRow("%s another calculation", l) << lang << QStringLiteral("Command1");
        QTest::addRow("%s exit", l) << lang << QStringLiteral("Command2");
        QTest::addRow("%s cancel", l) << lang << QStringLiteral("Command3");
    }
}

void tst_shell_main::cancelOffersThreeChoices()
{
    QFETCH(int, lang);
    QFETCH(QString, choice);
    chooseLanguage(lang);

    QString after, again, againName;
    bool entryGone = false, sharesCleared = false, againMale = false, countsKept = false;
    QString another;
    Qt::LayoutDirection afterDirection = Qt::LayoutDirectionAuto;
    onNextModal([&](QWidget *entry) {
        QTest::keyClicks(child(entry, "txtNameofDead"), QStringLiteral("Hind"));
        QTest::mouseClick(child<QRadioButton>(entry, "OptWoman"), Qt::LeftButton);
        theCase().SonShare = 0.25;
        theCase().TreasuryShare = 0.1;
        theCase().SonCount = 2;
        onNextModal([&](QWidget *w) {
            after = w->objectName();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            entryGone = !ui::isLoaded(windows::DeceasedEntry);
            sharesCleared = theCase().SonShare == 0 && theCase().TreasuryShare == 0;
            countsKept = theCase().SonCount == 2;
            afterDirection = w->layoutDirection();
            another = child<QPushButton>(w, "Command1")->text();
            if (choice == QLatin1String("Command1")) {
                onNextModal([&](QWidget *m) {
                    again = m->objectName();
                    againName = child<QLineEdit>(m, "txtNameofDead")->text();
                    againMale = child<QRadioButton>(m, "OptMan")->isChecked();
                    QTest::keyClick(m, Qt::Key_Escape);
                });
            }
            QTest::mouseClick(w->findChild<QPushButton *>(choice), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(entry, "Command1"), Qt::LeftButton);
    });
    action("mnuStart")->trigger();

    QCOMPARE(after, windows::AfterResults);
    QVERIFY(entryGone);
    QVERIFY(sharesCleared);
    QVERIFY(countsKept);
    QCOMPARE(afterDirection, lang ? Qt::LeftToRight : Qt::RightToLeft);
    QCOMPARE(another, lang ? QStringLiteral(" Perform another Calculation ?")
                           : captions::text(windows::AfterResults, "Command1", Language::Arabic));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!ui::isLoaded(windows::AfterResults));

    if (choice == QLatin1String("Command1")) {
        // Another calculation: a fresh entry, empty name and male selected.
        QCOMPARE(again, windows::DeceasedEntry);
        QVERIFY(againName.isEmpty());
        QVERIFY(againMale);
        QCOMPARE(m_quits, 0);
    } else if (choice == QLatin1String("Command2")) {
        QCOMPARE(m_quits, 1);
        QVERIFY(!mainWindow()->isVisible());
    } else {
        QCOMPARE(m_quits, 0);
        QVERIFY(mainWindow()->isVisible());
        QVERIFY(mainWindow()->menuBar()->isVisible());
        // The start screen is back: banner, start and exit buttons.
        for (const char *shown : {"Command1", "Command2", "Label1", "Label2", "Label3"})
            QVERIFY2(child(mainWindow(), shown)->isVisible(), shown);
        // The start menu entry starts the next case too.
        QString next;
        onNextModal([&](QWidget *m) {
            next = child<QLineEdit>(m, "txtNameofDead")->text().isEmpty() ? m->objectName() : QString();
            QTest::keyClick(m, Qt::Key_Escape);
        });
        action("mnuStart")->trigger();
        QCOMPARE(next, windows::DeceasedEntry);
    }
}

void tst_shell_main::titleBarCloseReturnsToMainWindow_data()
{
    QTest::addColumn<bool>("afterOk");
    QTest::newRow("deceased entry") << false;
    QTest::newRow("family questionnaire") << true;
}

void tst_shell_main::titleBarCloseReturnsToMainWindow()
{
    QFETCH(bool, afterOk);
    chooseLanguage(0);
    onNextModal([&](QWidget *entry) {
        QTest::keyClicks(child(entry, "txtNameofDead"), QStringLiteral("Ali"));
        if (!afterOk) {
            onNextModal([&](QWidget *m) { m_modalsSeen << m->objectName(); m->hide(); }, 1000);
            titleBarClose(entry);
            return;
        }
        onNextModal([&](QWidget *family) { titleBarClose(family); });
        QTest::mouseClick(child<QPushButton>(entry, "cmdok1"), Qt::LeftButton);
    });
    action("mnuStart")->trigger();
    QTest::qWait(1100); // nothing else opens

    QVERIFY(m_modalsSeen.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QString &name : ui::caseWindowNames())
        QVERIFY2(!ui::isLoaded(name), qPrintable(name));
    QVERIFY(mainWindow()->isVisible());
    QCOMPARE(m_quits, 0);

    QString name;
    bool male = false;
    onNextModal([&](QWidget *m) {
        name = child<QLineEdit>(m, "txtNameofDead")->text();
        male = child<QRadioButton>(m, "OptMan")->isChecked();
        m_modalsSeen << m->objectName();
        QTest::keyClick(m, Qt::Key_Escape);
    });
    action("mnuStart")->trigger();
    QCOMPARE(m_modalsSeen, QStringList{windows::DeceasedEntry});
    QVERIFY(name.isEmpty());
    QVERIFY(male);
}

void tst_shell_main::newStartEndsCaseStillOnScreen()
{
    chooseLanguage(1);
    // A case whose results are still on screen (shown without being modal).
    onNextModal([&](QWidget *entry) {
        QTest::keyClicks(child(entry, "txtNameofDead"), QStringLiteral("Old"));
        onNextModal([&](QWidget *family) {
            family->hide();
            ui::showModeless(windows::Results);
        });
        QTest::mouseClick(child<QPushButton>(entry, "cmdok1"), Qt::LeftButton);
    });
    action("mnuStart")->trigger();
    QVERIFY(ui::isLoaded(windows::Results));
    QCOMPARE(caseaccess::deceasedName(), QStringLiteral("Old"));
    theCase().MaternalBrotherCount = 2;

    QString name;
    bool resultsGone = false, clean = false;
    onNextModal([&](QWidget *m) {
        name = child<QLineEdit>(m, "txtNameofDead")->text();
        resultsGone = !ui::isLoaded(windows::Results);
        clean = theCase().MaternalBrotherCount == 0;
        QTest::keyClick(m, Qt::Key_Escape);
    });
    action("mnuStart")->trigger();
    QVERIFY(name.isEmpty());
    QVERIFY(resultsGone);
    QVERIFY(clean);
    QCOMPARE(int(theCase().Language), 1);
}

void tst_shell_main::exitEndsProgram_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("how");
    QTest::newRow("Arabic close button") << 0 << QStringLiteral("button");
    QTest::newRow("English close button") << 1 << QStringLiteral("button");
    QTest::newRow("Arabic menu") << 0 << QStringLiteral("menu");
    QTest::newRow("English menu") << 1 << QStringLiteral("menu");
    QTest::newRow("main window's title bar") << 0 << QStringLiteral("title bar");
}

void tst_shell_main::exitEndsProgram()
{
    QFETCH(int, lang);
    QFETCH(QString, how);
    chooseLanguage(lang);
    ui::showModeless(windows::About);
    QVERIFY(ui::window(windows::About)->isVisible());
    if (how == QLatin1String("menu"))
        action("mnuQuit")->trigger();
    else if (how == QLatin1String("button"))
        click(mainWindow(), "Command2");
    else
        titleBarClose(mainWindow());
    QCOMPARE(m_quits, 1);
    QVERIFY(!mainWindow()->isVisible());
    QVERIFY(!ui::isLoaded(windows::About) || !ui::loadedWindow(windows::About)->isVisible());
}

void tst_shell_main::menuEntries()
{
    chooseLanguage(0);
    action("mnuAbout")->trigger();
    QWidget *about = ui::loadedWindow(windows::About);
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    about->close();

    QString notes;
    onNextModal([&](QWidget *m) { notes = m->objectName(); m->hide(); });
    action("mnuInheretence")->trigger();
    QCOMPARE(notes, windows::Notes);

    // Print asks for a printer first (cancelled here, which ends quietly).
    struct Chooser : printing::PrinterChooser
    {
        int *asked;
        explicit Chooser(int *a) : asked(a) {}
        bool choose(QPrinter &, QWidget *) override { ++*asked; return false; }
    };
    int asked = 0;
    printing::setPrinterChooser(std::make_unique<Chooser>(&asked));
    caseaccess::recordFinishedCase(); // as the calculation leaves it
    QVERIFY(action("mnuPrint")->isEnabled());
    action("mnuPrint")->trigger();
    printing::setPrinterChooser(nullptr);
    QCOMPARE(asked, 1);
    QVERIFY(!QApplication::activeModalWidget());
}

// A name longer than its box scrolls in it and shows whole in the box's
// tool tip; one that fits has none.
void tst_shell_main::longNameShownWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("tip");
    QTest::newRow("short") << QStringLiteral("Zaid") << false;
    QTest::newRow("300 Latin letters") << QStringLiteral("Abdallah ").repeated(33) + QStringLiteral("ibn") << true;
    QTest::newRow("300 Arabic letters") << QString(300, QChar(u'\u0639')) << true;
}

void tst_shell_main::longNameShownWhole()
{
    QFETCH(QString, name);
    QFETCH(bool, tip);
    QWidget *entry = ui::window(windows::DeceasedEntry);
    auto *box = child<QLineEdit>(entry, "txtNameofDead");
    entry->show();
    QVERIFY(QTest::qWaitForWindowExposed(entry));
    QTest::keyClicks(box, QStringLiteral("x"));
    box->setText(name);
    QCOMPARE(box->text(), name); // accepted whole
    QCOMPARE(box->toolTip(), tip ? name : QString());
    entry->hide();
}

QTEST_MAIN(tst_shell_main)
#include "tst_shell_main.moc"
