// SPDX-License-Identifier: GPL-3.0-or-later
// The collateral questionnaire by picks: what each answer stores, which
// question follows, and how and when the questionnaire ends.

#include "tests/tst_family_support.h"
#include "ui/window_names.h"

#include <QLabel>

using namespace quest;

class tst_collateral : public QObject
{
    Q_OBJECT

private:
    Recorder rec;
    QWidget *fathers = nullptr;
    QWidget *brothers = nullptr;

    // The family questionnaire stays loaded and on screen behind, as the
    // routings leave it, so that a finish that hides it can be told from
    // one that does not.
    void open(const QString &family, int language = 0)
    {
        freshCase(rec, false, Language(language));
        fathers = ui::window(windows::Family);
        fathers->show();
        for (const QString &item : family.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList kv = item.split(QLatin1Char('='));
            theCase().*member(kv[0]) = std::int16_t(kv[1].toInt());
        }
        brothers = ui::window(windows::Collateral);
        QVERIFY(brothers);
        brothers->show();
        QVERIFY(QTest::qWaitForWindowExposed(brothers));
    }

private slots:
    void cleanup() { ui::resetRegistry(); }

    void load()
    {
        freshCase(rec, false);
        CaseRecord &c = theCase();
        for (const Field &f : Fields)
            if (QByteArray(f.name).endsWith("Count") && QByteArray(f.name) != "WifeCount"
                && !QByteArray(f.name).startsWith("Son") && QByteArray(f.name) != "DaughterCount")
                c.*(f.member) = 3;
        brothers = ui::window(windows::Collateral);
        QCOMPARE(mismatches(c, "FullBrotherCount=0 FullSisterCount=0 MaternalBrotherCount=0 "
                               "MaternalSisterCount=0 MaternalSiblingCount=0 ParentalBrotherCount=0 "
                               "ParentalSisterCount=0 BrothersSonCount=0 ParentalBrothersSonCount=0 "
                               "FullUncleCount=0 ParentalUncleCount=0 FullUnclesSonCount=0 "
                               "ParentalUnclesSonCount=0"),
                 QString());
        QCOMPARE(shownFrames(windows::Collateral, 12), QStringLiteral("1 2"));
        QVERIFY(child<QPushButton>(windows::Collateral, "cmdfinish")->isHidden());
        const auto lists = brothers->findChildren<QComboBox *>();
        QCOMPARE(lists.size(), 12);
        for (QComboBox *l : lists) {
            QCOMPARE(l->count(), 51);
            QCOMPARE(l->itemText(37), QStringLiteral("37"));
            QCOMPARE(l->currentIndex(), -1);
            QVERIFY(!l->isEditable());
        }
    }

    // family: the family answers; steps: the picks; then what the record
    // holds, which questions show, and whether the questionnaire is still
    // open, finished through the entry point (which hides the family
    // questionnaire too) or finished with a direct distribution.
    void answers_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("frames");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<bool>("finishShown");

        const QString none = "MotherAlive=1";
        const QString daughter = "MotherAlive=1 DaughterCount=1";
        const QStringList siblings0 = {"cmbFullBrothers:0", "cmbFullSisters:0", "cmbMaternalBrothers:0",
                                       "cmbMaternalSisters:0", "cmbParentalBrothers:0"};
        const QStringList toNephews = siblings0 + QStringList{"cmbParentalSisters:0"};
        const QString all6 = "1 2 3 4 5 6";

        QTest::newRow("1 full brothers") << none << QStringList{"cmbFullBrothers:2"} << "FullBrotherCount=2"
                                         << "1 2" << "open" << false;
        QTest::newRow("1 full brothers 0") << none << QStringList{"cmbFullBrothers:0"} << "FullBrotherCount=0"
                                           << "1 2" << "open" << false;
        QTest::newRow("2 full sisters, no descendants")
            << none << QStringList{"cmbFullSisters:1"} << "FullSisterCount=1" << "1 2 3" << "open" << false;
        QTest::newRow("2 full sisters, descendants: maternal skipped")
            << daughter << QStringList{"cmbFullSisters:1"} << "FullSisterCount=1" << "1 2 5" << "open" << false;
        QTest::newRow("3 maternal brothers")
            << none << QStringList{"cmbFullSisters:0", "cmbMaternalBrothers:2"}
            << "MaternalBrotherCount=2 MaternalSiblingCount=0" << "1 2 3 4" << "open" << false;
        QTest::newRow("4 maternal sisters form the sum")
            << none << QStringList{"cmbFullSisters:0", "cmbMaternalBrothers:2", "cmbMaternalSisters:3"}
            << "MaternalSisterCount=3 MaternalSiblingCount=5" << "1 2 3 4 5" << "open" << false;
        QTest::newRow("maternal brothers changed after sisters: sum kept")
            << none << QStringList{"cmbFullSisters:0", "cmbMaternalBrothers:2", "cmbMaternalSisters:3",
                                   "cmbMaternalBrothers:4"}
            << "MaternalBrotherCount=4 MaternalSiblingCount=5" << "1 2 3 4 5" << "open" << false;
        QTest::newRow("5 paternal brothers") << none << siblings0 << "ParentalBrotherCount=0" << all6
                                             << "open" << false;
        QTest::newRow("6 paternal sisters, father: with father")
            << "FatherAlive=1 MotherAlive=1" << QStringList{siblings0 + QStringList{"cmbParentalSisters:2"}}
            << "ParentalSisterCount=2" << all6 << "direct" << true;
        QTest::newRow("6 paternal sisters, grandfather: with father")
            << "GrandFatherAlive=1" << QStringList{"cmbFullBrothers:1", "cmbFullSisters:0", "cmbMaternalBrothers:0",
                                                   "cmbMaternalSisters:0", "cmbParentalBrothers:0",
                                                   "cmbParentalSisters:0"}
            << "FullBrotherCount=1" << all6 << "direct" << true;
        QTest::newRow("6 paternal sisters, full brother: without father")
            << none << QStringList{"cmbFullBrothers:1", "cmbFullSisters:0", "cmbMaternalBrothers:0",
                                   "cmbMaternalSisters:0", "cmbParentalBrothers:0", "cmbParentalSisters:1"}
            << "FullBrotherCount=1 ParentalSisterCount=1" << all6 << "direct" << true;
        QTest::newRow("6 paternal sisters, paternal brother: without father")
            << daughter << QStringList{"cmbFullBrothers:0", "cmbFullSisters:0", "cmbParentalBrothers:1",
                                       "cmbParentalSisters:0"}
            << "ParentalBrotherCount=1" << "1 2 5 6" << "direct" << true;
        QTest::newRow("6 paternal sisters, no brothers: nephews asked")
            << none << toNephews << "ParentalSisterCount=0" << "1 2 3 4 5 6 7" << "open" << true;
        QTest::newRow("7 full brothers' sons") << none << toNephews + QStringList{"cmbBrothersSons:1"}
                                               << "BrothersSonCount=1" << "1 2 3 4 5 6 7" << "entry" << true;
        QTest::newRow("7 full brothers' sons 0") << none << toNephews + QStringList{"cmbBrothersSons:0"}
                                                 << "BrothersSonCount=0" << "1 2 3 4 5 6 7 8" << "open" << true;
        const QStringList to8 = toNephews + QStringList{"cmbBrothersSons:0"};
        QTest::newRow("8 paternal brothers' sons") << none << to8 + QStringList{"cmbParentalBrothersSons:3"}
                                                   << "ParentalBrothersSonCount=3" << "1 2 3 4 5 6 7 8"
                                                   << "entry" << true;
        QTest::newRow("8 paternal brothers' sons 0")
            << none << to8 + QStringList{"cmbParentalBrothersSons:0"} << "" << "1 2 3 4 5 6 7 8 9" << "open" << true;
        const QStringList to9 = to8 + QStringList{"cmbParentalBrothersSons:0"};
        QTest::newRow("9 father's full brothers") << none << to9 + QStringList{"cmbFullUncles:2"}
                                                  << "FullUncleCount=2" << "1 2 3 4 5 6 7 8 9" << "direct" << true;
        QTest::newRow("9 father's full brothers 0") << none << to9 + QStringList{"cmbFullUncles:0"} << ""
                                                    << "1 2 3 4 5 6 7 8 9 10" << "open" << true;
        const QStringList to10 = to9 + QStringList{"cmbFullUncles:0"};
        QTest::newRow("10 father's paternal brothers")
            << none << to10 + QStringList{"cmbParentalUncles:1"} << "ParentalUncleCount=1"
            << "1 2 3 4 5 6 7 8 9 10" << "direct" << true;
        QTest::newRow("10 father's paternal brothers 0")
            << none << to10 + QStringList{"cmbParentalUncles:0"} << "" << "1 2 3 4 5 6 7 8 9 10 11" << "open" << true;
        const QStringList to11 = to10 + QStringList{"cmbParentalUncles:0"};
        QTest::newRow("11 sons of father's full brothers")
            << none << to11 + QStringList{"cmbFullUnclesSons:4"} << "FullUnclesSonCount=4"
            << "1 2 3 4 5 6 7 8 9 10 11" << "entry" << true;
        QTest::newRow("11 sons of father's full brothers 0")
            << none << to11 + QStringList{"cmbFullUnclesSons:0"} << "" << "1 2 3 4 5 6 7 8 9 10 11 12" << "open"
            << true;
        const QStringList to12 = to11 + QStringList{"cmbFullUnclesSons:0"};
        QTest::newRow("12 sons of father's paternal brothers")
            << none << to12 + QStringList{"cmbParentalUnclesSons:2"} << "ParentalUnclesSonCount=2"
            << "1 2 3 4 5 6 7 8 9 10 11 12" << "direct" << true;
        QTest::newRow("12 sons of father's paternal brothers 0")
            << none << to12 + QStringList{"cmbParentalUnclesSons:0"} << "ParentalUnclesSonCount=0"
            << "1 2 3 4 5 6 7 8 9 10 11 12" << "direct" << true;
        QTest::newRow("finish button") << none << toNephews + QStringList{"cmdfinish"} << ""
                                       << "1 2 3 4 5 6 7" << "entry" << true;
    }

    void answers()
    {
        QFETCH(QString, family);
        QFETCH(QStringList, steps);
        QFETCH(QString, record);
        QFETCH(QString, frames);
        QFETCH(QString, outcome);
        QFETCH(bool, finishShown);
        open(family);
        for (const QString &s : steps) {
            step(windows::Collateral, s);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(mismatches(theCase(), record), QString());
        QCOMPARE(shownFrames(windows::Collateral, 12), frames);
        QCOMPARE(!child<QPushButton>(windows::Collateral, "cmdfinish")->isHidden(), finishShown);
        if (outcome == QLatin1String("open")) {
            QVERIFY(brothers->isVisible());
            QCOMPARE(rec.results, 0);
            return;
        }
        QVERIFY(brothers->isHidden());
        QCOMPARE(rec.results, 1);
        // The entry point hides both questionnaires before calculating; a
        // direct distribution leaves the family questionnaire as it was.
        QCOMPARE(rec.visibleAtResults.contains(windows::Family), outcome == QLatin1String("direct"));
        QVERIFY(!rec.visibleAtResults.contains(windows::Collateral));
    }

    void fatherExcludesCollaterals()
    {
        open("FatherAlive=1");
        for (const char *s : {"cmbFullBrothers:3", "cmbFullSisters:2", "cmbMaternalBrothers:1",
                              "cmbMaternalSisters:1", "cmbParentalBrothers:2", "cmbParentalSisters:1"})
            step(windows::Collateral, QLatin1String(s));
        QCOMPARE(rec.results, 1);
        // Father alone with excluded siblings: all of it is his.
        QCOMPARE(rec.last.FatherShare, 1.0);
        QCOMPARE(rec.last.FullBrotherShare, 0.0);
        QCOMPARE(rec.last.MaternalSiblingShare, 0.0);
    }

    void englishPresentation()
    {
        open("", 1);
        QCOMPARE(brothers->windowTitle(), QString::fromUtf8("نموذج إدخال بيانات الأخوة والأخوات والأقارب"));
        QVERIFY(brothers->layoutDirection() == Qt::LeftToRight);
        QCOMPARE(child<QPushButton>(windows::Collateral, "cmdfinish")->text(), QStringLiteral("  Input finish,,, Calculate Now"));
        QCOMPARE(child<QGroupBox>(windows::Collateral, "Frame1")->title(), QStringLiteral("Full Brothers "));
        QCOMPARE(child<QLabel>(windows::Collateral, "Label5")->text(), QStringLiteral(" Maternal Sisters "));
        QCOMPARE(child<QLabel>(windows::Collateral, "Label4")->text(), QStringLiteral(" Paternal Brothers"));
        // 9 points, or less where the caption would not fit.
        QVERIFY(child<QLabel>(windows::Collateral, "Label11")->font().pointSizeF() <= 9.0);
        QCOMPARE(child<QLabel>(windows::Collateral, "Label10")->font().pointSizeF(), 10.0);
        // The question stands on the left, its list on the right.
        auto *label = child<QLabel>(windows::Collateral, "Label1");
        auto *list = child<QComboBox>(windows::Collateral, "cmbFullBrothers");
        QVERIFY(label->geometry().right() < list->geometry().left());
        step(windows::Collateral, QStringLiteral("cmbFullBrothers:4"));
        QCOMPARE(theCase().FullBrotherCount, 4);
    }

    void arabicPresentation()
    {
        open("");
        QCOMPARE(child<QLabel>(windows::Collateral, "Label3")->text(), QString::fromUtf8(" عدد أخوة الميت من الأم"));
        QCOMPARE(child<QGroupBox>(windows::Collateral, "Frame1")->title(), QString());
        auto *label = child<QLabel>(windows::Collateral, "Label1");
        auto *list = child<QComboBox>(windows::Collateral, "cmbFullBrothers");
        QVERIFY(list->geometry().right() < label->geometry().left());
        QVERIFY(brothers->layoutDirection() == Qt::RightToLeft);
    }

    void closingStopsTheCase()
    {
        open("MotherAlive=1");
        QTest::keyClick(brothers, Qt::Key_Escape);
        QVERIFY(!ui::isLoaded(windows::Collateral));
        QVERIFY(!ui::isLoaded(windows::Family));
        QCOMPARE(rec.results, 0);
    }
};

QTEST_MAIN(tst_collateral)
#include "tst_collateral.moc"
