// SPDX-License-Identifier: GPL-3.0-or-later
// The family questionnaire by clicks: each answer's writes and the frames it
// reveals or hides, then where each ending answer leads.

#include "questionnaires/collateral/register_collateral.h"
#include "questionnaires/family/register_family.h"
#include "tests/tst_family_support.h"
#include "ui/window_names.h"

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

#include "ui/captions.h"

using namespace quest;

class tst_family : public QObject
{
    Q_OBJECT

private:
    Recorder rec;
    QWidget *fathers = nullptr;

    void open(bool woman, int language = 0)
    {
        freshCase(rec, woman, Language(language));
        fathers = ui::window(windows::Family);
        QVERIFY(fathers);
        fathers->show();
        QVERIFY(QTest::qWaitForWindowExposed(fathers));
    }
    void run(const QStringList &steps)
    {
        for (const QString &s : steps) {
            step(windows::Family, s);
            if (QTest::currentTestFailed())
                return;
        }
    }

private slots:
    void cleanup() { ui::resetRegistry(); }

    void loadResetsAndShowsOnlyFather()
    {
        theCase().FatherAlive = 1;
        theCase().SonCount = 4;
        theCase().WifeCount = 2;
        ui::resetRegistry();
        registerFamilyWindows();
        registerCollateralWindows();
        registerDeceasedStandIn(false);
        QWidget *w = ui::window(windows::Family);
        QCOMPARE(mismatches(theCase(), "FatherAlive=0 SonCount=0 WifeCount=0"), QString());
        QCOMPARE(shownFrames(windows::Family, 15), QStringLiteral("1"));
        QVERIFY(!child<QRadioButton>(windows::Family, "optFatherYes")->isChecked());
        QVERIFY(!child<QRadioButton>(windows::Family, "optFatherNo")->isChecked());
        QVERIFY(!child<QPushButton>(windows::Family, "cmdfinish")->isHidden());
        for (const char *l : {"cmbSons", "cmbDaughters", "cmbSonsOfSons", "cmbDaughtersOfSons",
                              "cmbSonsSonsSons", "cmbDaughtersSonsSons"}) {
            auto *combo = child<QComboBox>(windows::Family, QLatin1String(l));
            QCOMPARE(combo->count(), 51);
            QCOMPARE(combo->itemText(0), QStringLiteral("0"));
            QCOMPARE(combo->itemText(50), QStringLiteral("50"));
            QCOMPARE(combo->currentIndex(), -1);
            QVERIFY(!combo->isEditable());
        }
        QCOMPARE(child<QComboBox>(windows::Family, "cmbWifes")->count(), 5);
        QVERIFY(w->layoutDirection() == Qt::RightToLeft);
    }

    // One row per answer: the clicks before it, the answer, what the record
    // holds afterwards and which frames show.
    void answers_data()
    {
        QTest::addColumn<bool>("woman");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("frames");
        const QStringList married = {"optFatherYes", "optMotherYes", "optMarriedYes"};
        const QStringList kids = married + QStringList{"cmbWifes:1", "optWithKids"};

        QTest::newRow("optFatherYes") << false << QStringList{"optFatherYes"}
                                      << "FatherAlive=1 GrandFatherAlive=0" << "1 3";
        QTest::newRow("optFatherNo") << false << QStringList{"optFatherNo"} << "FatherAlive=0" << "1 2";
        QTest::newRow("optFatherNo after Yes hides mother")
            << false << QStringList{"optFatherYes", "optFatherNo"} << "FatherAlive=0" << "1 2";
        QTest::newRow("optFatherNo keeps an answered mother in view")
            << false << QStringList{"optFatherYes", "optMotherYes", "optMarriedYes", "optFatherNo"}
            << "FatherAlive=0 MotherAlive=1" << "1 2 3 6 14";
        QTest::newRow("optMotherNo keeps an answered marriage in view")
            << false << QStringList{"optFatherYes", "optMotherYes", "optMarriedYes", "cmbWifes:2", "optMotherNo"}
            << "MotherAlive=0 WifeCount=2" << "1 3 4 6 14 15";
        QTest::newRow("optGrandFatherYes") << false << QStringList{"optFatherNo", "optGrandFatherYes"}
                                           << "FatherAlive=0 GrandFatherAlive=1" << "1 2 3";
        QTest::newRow("optGrandFatherNo") << false << QStringList{"optFatherNo", "optGrandFatherNo"}
                                          << "GrandFatherAlive=0" << "1 2 3";
        QTest::newRow("father Yes after grandfather Yes")
            << false << QStringList{"optFatherNo", "optGrandFatherYes", "optFatherYes"}
            << "FatherAlive=1 GrandFatherAlive=0" << "1 3";
        QTest::newRow("optMotherYes") << false << QStringList{"optFatherYes", "optMotherYes"}
                                      << "MotherAlive=1" << "1 3 6";
        QTest::newRow("optMotherNo") << false << QStringList{"optFatherYes", "optMotherNo"}
                                     << "MotherAlive=0" << "1 3 4";
        QTest::newRow("optMotherNo after Yes hides marriage")
            << false << QStringList{"optFatherYes", "optMotherYes", "optMotherNo"} << "MotherAlive=0" << "1 3 4";
        QTest::newRow("optMaternalGrandMotherYes")
            << false << QStringList{"optFatherYes", "optMotherNo", "optMaternalGrandMotherYes"}
            << "MaternalGrandMotherAlive=1" << "1 3 4 5";
        QTest::newRow("optMaternalGrandMotherNo")
            << false << QStringList{"optFatherYes", "optMotherNo", "optMaternalGrandMotherNo"}
            << "MaternalGrandMotherAlive=0" << "1 3 4 5";
        QTest::newRow("optParentalGrandMotherYes")
            << false
            << QStringList{"optFatherYes", "optMotherNo", "optMaternalGrandMotherNo", "optParentalGrandMotherYes"}
            << "ParentalGrandMotherAlive=1 MaternalGrandMotherAlive=0" << "1 3 4 5 6";
        QTest::newRow("optParentalGrandMotherNo")
            << false
            << QStringList{"optFatherYes", "optMotherNo", "optMaternalGrandMotherYes", "optParentalGrandMotherNo"}
            << "ParentalGrandMotherAlive=0 MaternalGrandMotherAlive=1" << "1 3 4 5 6";
        QTest::newRow("mother Yes after both grandmothers")
            << false
            << QStringList{"optFatherYes", "optMotherNo", "optMaternalGrandMotherYes",
                           "optParentalGrandMotherYes", "optMotherYes"}
            << "MotherAlive=1 MaternalGrandMotherAlive=0 ParentalGrandMotherAlive=0" << "1 3 6";
        QTest::newRow("optMarriedYes man") << false << married << "WifeCount=0 HusbandAlive=0" << "1 3 6 14";
        QTest::newRow("optMarriedYes woman") << true << married << "WifeCount=0 HusbandAlive=0" << "1 3 6 7";
        QTest::newRow("chosen answer clicked again changes nothing")
            << false << married + QStringList{"cmbWifes:3", "optMarriedYes"} << "WifeCount=3" << "1 3 6 14 15";
        QTest::newRow("married Yes after another answer")
            << false << QStringList{"optFatherYes", "optMotherYes", "optMarriedYes", "cmbWifes:3", "optMotherNo",
                                    "optMaternalGrandMotherNo", "optParentalGrandMotherNo", "optMarriedYes"}
            << "WifeCount=3 MotherAlive=0" << "1 3 4 5 6 14 15";
        QTest::newRow("optHusbandYes") << true << married + QStringList{"optHusbandYes"}
                                       << "HusbandAlive=1" << "1 3 6 7 15";
        QTest::newRow("optHusbandNo") << true << married + QStringList{"optHusbandNo"}
                                      << "HusbandAlive=0" << "1 3 6 7 15";
        QTest::newRow("cmbWifes none") << false << married + QStringList{"cmbWifes:0"} << "WifeCount=0" << "1 3 6 14 15";
        QTest::newRow("cmbWifes two") << false << married + QStringList{"cmbWifes:2"} << "WifeCount=2" << "1 3 6 14 15";
        QTest::newRow("cmbWifes four") << false << married + QStringList{"cmbWifes:4"} << "WifeCount=4" << "1 3 6 14 15";
        QTest::newRow("optWithKids") << false << kids << "SonCount=0" << "1 3 6 8 14 15";
        QTest::newRow("cmbSons") << false << kids + QStringList{"cmbSons:3"} << "SonCount=3" << "1 3 6 8 9 14 15";
        QTest::newRow("cmbSons zero") << false << kids + QStringList{"cmbSons:0"} << "SonCount=0" << "1 3 6 8 9 14 15";
        QTest::newRow("cmbDaughters without sons")
            << false << kids + QStringList{"cmbSons:0", "cmbDaughters:2"}
            << "SonCount=0 DaughterCount=2" << "1 3 6 8 9 10 14 15";
        QTest::newRow("cmbSonsOfSons")
            << false << kids + QStringList{"cmbSons:0", "cmbDaughters:0", "cmbSonsOfSons:0"}
            << "SonsSonCount=0" << "1 3 6 8 9 10 11 14 15";
        QTest::newRow("cmbDaughtersOfSons without sons' sons")
            << false << kids + QStringList{"cmbSons:0", "cmbDaughters:0", "cmbSonsOfSons:0", "cmbDaughtersOfSons:7"}
            << "SonsDaughterCount=7" << "1 3 6 8 9 10 11 12 14 15";
        QTest::newRow("cmbSonsSonsSons")
            << false
            << kids + QStringList{"cmbSons:0", "cmbDaughters:0", "cmbSonsOfSons:0", "cmbDaughtersOfSons:0",
                                  "cmbSonsSonsSons:0"}
            << "SonsSonsSonCount=0" << "1 3 6 8 9 10 11 12 13 14 15";
        QTest::newRow("count 50") << false << kids + QStringList{"cmbSons:50"} << "SonCount=50" << "1 3 6 8 9 14 15";
    }

    void answers()
    {
        QFETCH(bool, woman);
        QFETCH(QStringList, steps);
        QFETCH(QString, record);
        QFETCH(QString, frames);
        open(woman);
        run(steps);
        QCOMPARE(mismatches(theCase(), record), QString());
        QCOMPARE(shownFrames(windows::Family, 15), frames);
        QCOMPARE(familyDisagreement(fathers, false), QString());
        QVERIFY(fathers->isVisible());
        QCOMPARE(rec.results, 0);
    }

    void entryThatIsNoNumberKeepsTheCount()
    {
        open(false);
        run({"optFatherYes", "optMotherYes", "optMarriedYes", "cmbWifes:1", "optWithKids", "cmbSons:3"});
        auto *sons = child<QComboBox>(windows::Family, "cmbSons");
        sons->addItem(QStringLiteral("x"));
        run({"cmbSons:51"});
        QCOMPARE(theCase().SonCount, 3);
        QVERIFY(!child<QGroupBox>(windows::Family, "Frame9")->isHidden());
    }

    void closingTheModalCollateralQuestionnaireStopsTheCase()
    {
        open(false);
        run({"optFatherNo", "optGrandFatherNo", "optMotherYes", "optMarriedYes", "cmbWifes:1", "optWithKids",
             "cmbSons:0", "cmbDaughters:1", "cmbSonsOfSons:0", "cmbDaughtersOfSons:0", "cmbSonsSonsSons:0"});
        ModalDriver script;
        script.then([](QWidget *m) {
            QCOMPARE(m->objectName(), windows::Collateral);
            QTest::keyClick(m, Qt::Key_Escape);
        });
        step(windows::Family, QStringLiteral("cmbDaughtersSonsSons:0"));
        QTRY_VERIFY(script.done());
        QCOMPARE(rec.results, 0);
        QVERIFY(!ui::isLoaded(windows::Family));
        QVERIFY(!ui::isLoaded(windows::Collateral));
        QVERIFY(!ui::isLoaded(windows::DeceasedEntry));
    }

    void changingTheChildrenAnswerZeroesDescendants()
    {
        open(false);
        run({"optFatherYes", "optMotherNo", "optMaternalGrandMotherNo", "optParentalGrandMotherNo",
             "optMarriedYes", "cmbWifes:1", "optWithKids", "cmbSons:0", "cmbDaughters:3", "cmbSonsOfSons:0",
             "cmbDaughtersOfSons:2"});
        QCOMPARE(theCase().DaughterCount, 3);
        run({"optWithoutKids"});
        QCOMPARE(mismatches(theCase(), "SonCount=0 DaughterCount=0 SonsSonCount=0 SonsDaughterCount=0 "
                                       "SonsSonsSonCount=0 SonsSonsDaughterCount=0 WifeCount=1"),
                 QString());
        for (int n = 8; n <= 14; ++n)
            QVERIFY2(child<QGroupBox>(windows::Family, QStringLiteral("Frame%1").arg(n))->isHidden(),
                     qPrintable(QString::number(n)));
        QVERIFY(!child<QRadioButton>(windows::Family, "optWithKids")->isChecked());
        QVERIFY(fathers->isHidden());
        // Father alive, mother not: the calculation runs at once.
        QCOMPARE(rec.results, 1);
    }

    void marriedNoZeroesSpouseAndDescendants()
    {
        open(true);
        run({"optFatherYes", "optMotherNo", "optMaternalGrandMotherNo", "optParentalGrandMotherNo",
             "optMarriedYes", "optHusbandYes", "optWithKids", "cmbSons:0", "cmbDaughters:1"});
        run({"optMarriedNo"});
        QCOMPARE(mismatches(theCase(), "HusbandAlive=0 WifeCount=0 SonCount=0 DaughterCount=0"), QString());
        QCOMPARE(shownFrames(windows::Family, 15), QStringLiteral("1 3 4 5 6 15"));
        QVERIFY(fathers->isHidden());
        QCOMPARE(rec.results, 1);
    }

    // Where each ending answer leads. "jadd" is the method chosen when the
    // method window must open ("" when it must not); "outcome" is what
    // follows: the results opened at once, or the collateral questionnaire
    // shown modally or not.
    void routings_data()
    {
        QTest::addColumn<bool>("woman");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("jadd");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("record");

        const QStringList fatherMother = {"optFatherYes", "optMotherYes"};
        const QStringList fatherOnly = {"optFatherYes", "optMotherNo", "optMaternalGrandMotherNo",
                                        "optParentalGrandMotherNo"};
        const QStringList grandMother = {"optFatherNo", "optGrandFatherYes", "optMotherYes"};
        const QStringList grandOnly = {"optFatherNo", "optGrandFatherYes", "optMotherNo",
                                       "optMaternalGrandMotherNo", "optParentalGrandMotherNo"};
        const QStringList neither = {"optFatherNo", "optGrandFatherNo", "optMotherYes"};
        const QStringList toThirdGeneration = {"optMarriedYes", "cmbWifes:1", "optWithKids", "cmbSons:0",
                                               "cmbDaughters:1", "cmbSonsOfSons:0", "cmbDaughtersOfSons:0",
                                               "cmbSonsSonsSons:0", "cmbDaughtersSonsSons:0"};
        const QStringList noDescendants = {"optMarriedYes", "cmbWifes:1", "optWithKids", "cmbSons:0",
                                           "cmbDaughters:0", "cmbSonsOfSons:0", "cmbDaughtersOfSons:0",
                                           "cmbSonsSonsSons:0", "cmbDaughtersSonsSons:0"};
        const QStringList noKids = {"optMarriedYes", "cmbWifes:1", "optWithoutKids"};

        // Marriage and children routing.
        QTest::newRow("unmarried, father and mother: siblings asked")
            << false << fatherMother + QStringList{"optMarriedNo"} << "" << "brothers" << "FatherAlive=1";
        QTest::newRow("unmarried, father without mother: calculated")
            << false << fatherOnly + QStringList{"optMarriedNo"} << "" << "results" << "FatherAlive=1";
        QTest::newRow("no kids, father and mother: siblings asked")
            << false << fatherMother + noKids << "" << "brothers" << "WifeCount=1";
        QTest::newRow("no kids, father only: calculated")
            << false << fatherOnly + noKids << "" << "results" << "WifeCount=1";
        QTest::newRow("no kids, grandfather, first method, no mother: calculated")
            << false << grandOnly + noKids << "like" << "results"
            << "GrandFatherAsFather=1 FatherAlive=1 GrandFatherAlive=0";
        QTest::newRow("no kids, grandfather, first method, mother: siblings asked")
            << false << grandMother + noKids << "like" << "brothers"
            << "GrandFatherAsFather=1 FatherAlive=1 GrandFatherAlive=0";
        QTest::newRow("no kids, grandfather, second method: siblings asked")
            << false << grandOnly + noKids << "unlike" << "brothers"
            << "GrandFatherAsFather=0 FatherAlive=0 GrandFatherAlive=1";
        QTest::newRow("unmarried, grandfather, second method: siblings asked")
            << true << grandMother + QStringList{"optMarriedNo"} << "unlike" << "brothers"
            << "GrandFatherAsFather=0 GrandFatherAlive=1";
        QTest::newRow("no kids, neither: siblings asked")
            << false << neither + noKids << "" << "brothers" << "FatherAlive=0 GrandFatherAlive=0";
        QTest::newRow("unmarried, neither: siblings asked")
            << true << neither + QStringList{"optMarriedNo"} << "" << "brothers" << "";

        // Generation ends.
        QTest::newRow("sons then daughters: calculated")
            << false << fatherMother + QStringList{"optMarriedYes", "cmbWifes:1", "optWithKids", "cmbSons:1",
                                                   "cmbDaughters:0"}
            << "" << "results" << "SonCount=1";
        QTest::newRow("sons' sons then their sisters: calculated")
            << false << neither + QStringList{"optMarriedYes", "cmbWifes:1", "optWithKids", "cmbSons:0",
                                              "cmbDaughters:2", "cmbSonsOfSons:1", "cmbDaughtersOfSons:1"}
            << "" << "results" << "SonsSonCount=1 SonsDaughterCount=1";
        QTest::newRow("third generation male: calculated")
            << false << neither + QStringList{"optMarriedYes", "cmbWifes:1", "optWithKids", "cmbSons:0",
                                              "cmbDaughters:0", "cmbSonsOfSons:0", "cmbDaughtersOfSons:0",
                                              "cmbSonsSonsSons:2", "cmbDaughtersSonsSons:0"}
            << "" << "results" << "SonsSonsSonCount=2";

        // Descendant routing.
        QTest::newRow("descendants, father: calculated without siblings")
            << false << fatherMother + toThirdGeneration << "" << "results" << "DaughterCount=1";
        QTest::newRow("descendants, grandfather, first method: calculated")
            << false << grandMother + toThirdGeneration << "like" << "results"
            << "GrandFatherAsFather=1 FatherAlive=1";
        QTest::newRow("descendants, grandfather, second method: siblings asked, one calculation")
            << false << grandMother + toThirdGeneration << "unlike" << "brothers modal"
            << "GrandFatherAsFather=0 GrandFatherAlive=1";
        QTest::newRow("descendants, neither: siblings asked modally")
            << false << neither + toThirdGeneration << "" << "brothers modal" << "";
        // No descendant at all: as after "no children", the siblings count
        // for the mother's share.
        QTest::newRow("all counts 0, father and mother: siblings asked")
            << false << fatherMother + noDescendants << "" << "brothers" << "";
        QTest::newRow("all counts 0, father only: calculated")
            << false << fatherOnly + noDescendants << "" << "results" << "";
        QTest::newRow("all counts 0, grandfather first method, mother: siblings asked")
            << false << grandMother + noDescendants << "like" << "brothers" << "GrandFatherAsFather=1";
        QTest::newRow("all counts 0, neither: siblings asked")
            << false << neither + noDescendants << "" << "brothers" << "";
    }

    void routings()
    {
        QFETCH(bool, woman);
        QFETCH(QStringList, steps);
        QFETCH(QString, jadd);
        QFETCH(QString, outcome);
        QFETCH(QString, record);
        open(woman);
        const QString last = steps.takeLast();
        run(steps);
        QCOMPARE(rec.results, 0);

        ModalDriver script;
        if (!jadd.isEmpty()) {
            script.then([jadd](QWidget *m) {
                QCOMPARE(m->objectName(), windows::Method);
                click(m->findChild<QRadioButton *>(jadd == QLatin1String("like") ? "optLikeFather"
                                                                                  : "optUnlikeFather"));
                click(m->findChild<QPushButton *>("cmdJadd"));
            });
        }
        bool brothersModal = false;
        if (outcome == QLatin1String("brothers modal")) {
            script.then([&brothersModal](QWidget *m) {
                QCOMPARE(m->objectName(), windows::Collateral);
                brothersModal = true;
                // Some daughters are recorded: the maternal questions are skipped.
                for (const char *s : {"cmbFullBrothers:0", "cmbFullSisters:1", "cmbParentalBrothers:0",
                                      "cmbParentalSisters:0"})
                    step(windows::Collateral, QLatin1String(s));
                if (m->isVisible())   // no father: the nephews and uncles follow
                    for (const char *s : {"cmbBrothersSons:1"})
                        step(windows::Collateral, QLatin1String(s));
            });
        }
        step(windows::Family, last);
        QTRY_VERIFY(script.done());
        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(script.seen.contains(windows::Method), !jadd.isEmpty());

        QVERIFY(fathers->isHidden());
        QCOMPARE(mismatches(theCase(), record), QString());
        QWidget *brothers = ui::loadedWindow(windows::Collateral);
        if (outcome == QLatin1String("results")) {
            QCOMPARE(rec.results, 1);
            QVERIFY(!brothers || brothers->isHidden());
        } else if (outcome == QLatin1String("brothers")) {
            QCOMPARE(rec.results, 0);
            QVERIFY(brothers && brothers->isVisible());
            QVERIFY(!brothers->isModal());
        } else {
            QVERIFY(brothersModal);
            QVERIFY(brothers && brothers->isHidden());
            // The collateral questionnaire ran the distribution; nothing more.
            QCOMPARE(rec.results, 1);
        }
    }

    // Keys alone, from the window's opening: the first question has the
    // keyboard focus, and what is shown always agrees with the record.
    void keyboardOnly_data()
    {
        QTest::addColumn<QString>("keys"); // s Space, t Tab, b Backtab, arrows u d l r
        QTest::addColumn<QString>("record");
        QTest::newRow("Space answers the first question") << "s" << "FatherAlive=1";
        QTest::newRow("arrows on the chosen yes") << "sdrdlu" << "";
        QTest::newRow("Tab then Space") << "ts" << "";
        QTest::newRow("Tab, Space, then arrows") << "tsdduu" << "";
        QTest::newRow("down the questions") << "ststststs" << "";
        QTest::newRow("back and forth") << "sbsbtsdu" << "";
    }
    void keyboardOnly()
    {
        QFETCH(QString, keys);
        QFETCH(QString, record);
        open(false);
        QCOMPARE(fathers->focusWidget(), child("frmFathers", QStringLiteral("optFatherYes")));
        QTRY_VERIFY(fathers->testAttribute(Qt::WA_KeyboardFocusChange)); // the focus is drawn
        const QHash<QChar, Qt::Key> key{{u's', Qt::Key_Space}, {u't', Qt::Key_Tab}, {u'b', Qt::Key_Backtab},
                                        {u'u', Qt::Key_Up}, {u'd', Qt::Key_Down}, {u'l', Qt::Key_Left},
                                        {u'r', Qt::Key_Right}};
        for (QChar k : keys) {
            if (fathers->isHidden() || !fathers->focusWidget())
                break;
            QTest::keyClick(fathers->focusWidget(), key.value(k));
            const QString wrong = familyDisagreement(fathers);
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(k).arg(wrong)));
        }
        QCOMPARE(mismatches(theCase(), record), QString());
        // Nothing was calculated that the screen had not asked for.
        if (!keys.contains(QLatin1Char('t')) || keys == QLatin1String("ts"))
            QCOMPARE(rec.results, 0);
    }

    // The marriage question's hint, in the language's words, wherever the
    // pointer rests on the question.
    void marriedHint_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    void marriedHint()
    {
        QFETCH(int, language);
        open(false, language);
        run({"optFatherYes", "optMotherYes"});
        const QString hint = captions::text(windows::Family, QStringLiteral("Frame6.toolTip"), Language(language));
        QVERIFY(hint.contains(language ? QStringLiteral("ever married") : QStringLiteral("الطلاق")));
        for (const char *name : {"Label6", "optMarriedYes", "optMarriedNo"}) {
            QWidget *w = child("frmFathers", QLatin1String(name));
            QHelpEvent help(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
            QApplication::sendEvent(w, &help);
            QTRY_COMPARE(QToolTip::text(), hint);
            QToolTip::hideText();
        }
    }

    // Tab runs through the questions on screen in the order they are asked,
    // then to "calculate now".
    void tabFollowsTheQuestions_data()
    {
        QTest::addColumn<bool>("woman");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("order");
        QTest::newRow("man with children")
            << false << QStringList{"optFatherYes", "optMotherYes", "optMarriedYes", "cmbWifes:1", "optWithKids", "cmbSons:0"}
            << "Frame3 Frame6 Frame14 Frame15 Frame8 Frame9 cmdfinish";
        QTest::newRow("woman with children")
            << true << QStringList{"optFatherNo", "optGrandFatherNo", "optMotherNo", "optMaternalGrandMotherNo",
                                   "optParentalGrandMotherNo", "optMarriedYes", "optHusbandYes", "optWithKids"}
            << "Frame2 Frame3 Frame4 Frame5 Frame6 Frame7 Frame15 Frame8 cmdfinish";
    }
    void tabFollowsTheQuestions()
    {
        QFETCH(bool, woman);
        QFETCH(QStringList, steps);
        QFETCH(QString, order);
        open(woman);
        run(steps);
        QWidget *at = child<QRadioButton>(windows::Family, "optFatherYes")->isChecked()
                          ? child(windows::Family, "optFatherYes") : child(windows::Family, "optFatherNo");
        at->setFocus(Qt::TabFocusReason);
        QStringList seen;
        for (int k = 0; k < 20 && !seen.contains(QLatin1String("cmdfinish")); ++k) {
            QTest::keyClick(fathers->focusWidget(), Qt::Key_Tab);
            QWidget *f = fathers->focusWidget();
            seen << (qobject_cast<QGroupBox *>(f->parentWidget()) ? f->parentWidget()->objectName() : f->objectName());
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), order);
    }

    void finishBeforeAnyAnswer()
    {
        theCase().FatherAlive = 1;
        theCase().FatherShare = 0.5;
        open(false);
        click(child<QPushButton>(windows::Family, "cmdfinish"));
        QVERIFY(fathers->isHidden());
        QCOMPARE(rec.results, 1);
        QCOMPARE(mismatches(rec.last, "FatherAlive=0 MotherAlive=0 GrandFatherAlive=0 WifeCount=0 SonCount=0"),
                 QString());
        QCOMPARE(rec.last.FatherShare, 0.0);
        QVERIFY(rec.visibleAtResults.isEmpty());
    }

    void closingTheMethodWindowStopsTheCase()
    {
        open(false);
        run({"optFatherNo", "optGrandFatherYes", "optMotherYes", "optMarriedYes", "cmbWifes:1"});
        ModalDriver script;
        script.then([](QWidget *m) {
            QCOMPARE(m->objectName(), windows::Method);
            // Escape: like the title bar's close button.
            QTest::keyClick(m, Qt::Key_Escape);
        });
        step(windows::Family, QStringLiteral("optWithoutKids"));
        QTRY_VERIFY(script.done());
        QCOMPARE(rec.results, 0);
        QVERIFY(!ui::isLoaded(windows::Family));
        QVERIFY(!ui::isLoaded(windows::Method));
        QVERIFY(!ui::isLoaded(windows::Collateral));
    }

    void wivesListPerLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("English") << 1 << QStringList{"None", "One wife", "Two wifes", "Three wife", "Four wifes"};
        QTest::newRow("Arabic") << 0
                                << QStringList{QString::fromUtf8("لا يوجد"), QString::fromUtf8("زوجة واحدة"),
                                               QString::fromUtf8("زوجتان"), QString::fromUtf8("ثلاث زوجات"),
                                               QString::fromUtf8("أربع زوجات")};
    }

    void wivesListPerLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, entries);
        open(false, language);
        auto *wives = child<QComboBox>(windows::Family, "cmbWifes");
        QStringList got;
        for (int i = 0; i < wives->count(); ++i)
            got << wives->itemText(i);
        QCOMPARE(got, entries);
        QCOMPARE(wives->currentIndex(), -1);
        run({"optFatherYes", "optMotherYes", "optMarriedYes", "cmbWifes:2"});
        QCOMPARE(theCase().WifeCount, 2);
    }

    void englishPresentation()
    {
        open(false, 1);
        QCOMPARE(fathers->windowTitle(),
                 QStringLiteral(" Entering Data of Father, Mothers, Grands, Wifes, Husbands, Kids, ..... "));
        QVERIFY(fathers->layoutDirection() == Qt::LeftToRight);
        QCOMPARE(child<QGroupBox>(windows::Family, "Frame15")->title(), QStringLiteral(" Any Kids ? "));
        QVERIFY(child<QGroupBox>(windows::Family, "Frame15")->layoutDirection() == Qt::LeftToRight);
        QCOMPARE(child<QLabel>(windows::Family, "label5")->text(), QStringLiteral(" Is GrandFather alive ? "));
        QCOMPARE(child<QPushButton>(windows::Family, "cmdfinish")->text(),
                 QStringLiteral("  Input finish,,, Calculate Now"));
        QCOMPARE(child<QRadioButton>(windows::Family, "optMarriedNo")->text(), QStringLiteral("No"));
        QCOMPARE(child<QLabel>(windows::Family, "Label8")->font().pointSizeF(), 10.0);
        QCOMPARE(child<QLabel>(windows::Family, "Label14")->font().pointSizeF(), 11.0);
        QCOMPARE(child<QRadioButton>(windows::Family, "optWithKids")->font().pointSizeF(), 9.0);
        // English reads question, No, Yes from the left.
        auto *label = child<QLabel>(windows::Family, "Label1");
        auto *no = child<QRadioButton>(windows::Family, "optFatherNo");
        auto *yes = child<QRadioButton>(windows::Family, "optFatherYes");
        QVERIFY(label->geometry().right() < no->geometry().left());
        QVERIFY(no->geometry().right() < yes->geometry().left());
        // The same answers work in English.
        run({"optFatherNo", "optGrandFatherYes"});
        QCOMPARE(mismatches(theCase(), "FatherAlive=0 GrandFatherAlive=1"), QString());
    }

    void arabicReadsFromTheRight()
    {
        open(false, 0);
        QCOMPARE(child<QRadioButton>(windows::Family, "optFatherNo")->text(), QString::fromUtf8("   لا"));
        QCOMPARE(child<QRadioButton>(windows::Family, "optMarriedNo")->text(), QString::fromUtf8(" لا"));
        auto *label = child<QLabel>(windows::Family, "Label1");
        auto *no = child<QRadioButton>(windows::Family, "optFatherNo");
        auto *yes = child<QRadioButton>(windows::Family, "optFatherYes");
        QVERIFY(no->geometry().right() < yes->geometry().left());
        QVERIFY(yes->geometry().right() < label->geometry().left());
        // Option1 lies inside Frame1 but beyond its edge.
        auto *placeholder = child<QRadioButton>(windows::Family, "Option1");
        QVERIFY(placeholder->geometry().left() >= placeholder->parentWidget()->width());
    }
};

QTEST_MAIN(tst_family)
#include "tst_family.moc"
