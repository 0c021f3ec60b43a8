// SPDX-License-Identifier: GPL-3.0-or-later
// The method window: the choice, what confirming writes, and that a choice
// is required.

#include "tests/tst_family_support.h"
#include "ui/window_names.h"

#include <QLabel>

using namespace quest;

class tst_jadd : public QObject
{
    Q_OBJECT

private:
    Recorder rec;
    QWidget *jadd = nullptr;

    void open(int language = 0)
    {
        freshCase(rec, false, Language(language));
        theCase().GrandFatherAsFather = 1;
        theCase().GrandFatherAlive = 1;
        jadd = ui::window(windows::Method);
        QVERIFY(jadd);
        jadd->show();
        QVERIFY(QTest::qWaitForWindowExposed(jadd));
    }
    QRadioButton *like() { return child<QRadioButton>(windows::Method, "optLikeFather"); }
    QRadioButton *unlike() { return child<QRadioButton>(windows::Method, "optUnlikeFather"); }
    QPushButton *confirm() { return child<QPushButton>(windows::Method, "cmdJadd"); }

private slots:
    void cleanup() { ui::resetRegistry(); }

    void loadAsksForAChoice()
    {
        open();
        QCOMPARE(theCase().GrandFatherAsFather, 0);
        QVERIFY(!like()->isChecked());
        QVERIFY(!unlike()->isChecked());
        QVERIFY(!confirm()->isEnabled());
        // A click on the disabled button does nothing.
        QTest::mouseClick(confirm(), Qt::LeftButton);
        QVERIFY(jadd->isVisible());
        QCOMPARE(mismatches(theCase(), "GrandFatherAlive=1 FatherAlive=0"), QString());
    }

    void optionsExcludeEachOther()
    {
        open();
        click(like());
        QVERIFY(like()->isChecked() && !unlike()->isChecked());
        QVERIFY(confirm()->isEnabled());
        click(unlike());
        QVERIFY(unlike()->isChecked() && !like()->isChecked());
        click(like());
        QVERIFY(like()->isChecked() && !unlike()->isChecked());
        QVERIFY(confirm()->isEnabled());
    }

    void confirming_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("record");
        QTest::newRow("first method") << QStringList{"optLikeFather"}
                                      << "GrandFatherAsFather=1 FatherAlive=1 GrandFatherAlive=0";
        QTest::newRow("second method") << QStringList{"optUnlikeFather"}
                                       << "GrandFatherAsFather=0 FatherAlive=0 GrandFatherAlive=1";
        QTest::newRow("first, then second") << QStringList{"optLikeFather", "optUnlikeFather"}
                                            << "GrandFatherAsFather=0 FatherAlive=0 GrandFatherAlive=1";
    }

    void confirming()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, record);
        open();
        for (const QString &c : clicks)
            step(windows::Method, c);
        click(confirm());
        QCOMPARE(mismatches(theCase(), record), QString());
        QVERIFY(jadd->isHidden());
        // It stays loaded so that the family questionnaire can read the choice.
        QVERIFY(ui::isLoaded(windows::Method));
    }

    void layoutInEnglish()
    {
        open(1);
        QVERIFY(jadd->layoutDirection() == Qt::LeftToRight);
        QCOMPARE(jadd->windowTitle(), QStringLiteral(" State of Grandfather with Brothers "));
        QCOMPARE(confirm()->text(), QStringLiteral(" OK "));
        QCOMPARE(like()->text(), QStringLiteral(" Press Here to use this method"));
        QCOMPARE(child<QLabel>(windows::Method, "Label2")->font().pointSizeF(), 11.0);
        const int W = jadd->width();
        for (const char *n : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            auto *l = child<QLabel>(windows::Method, QLatin1String(n));
            QVERIFY2(qAbs(l->x() - 0.05 * W) <= 1, n);
            QVERIFY2(qAbs(l->width() - 0.9 * W) <= 1, n);
        }
        for (const char *n : {"Label3", "Label5"})
            QVERIFY2(!child<QLabel>(windows::Method, QLatin1String(n))->text().trimmed().isEmpty(), n);
    }

    void arabicAttributions()
    {
        open(0);
        QVERIFY(jadd->layoutDirection() == Qt::RightToLeft);
        for (const char *n : {"Label3", "Label5"}) {
            const QString t = child<QLabel>(windows::Method, QLatin1String(n))->text();
            QVERIFY2(!t.isEmpty() && t.at(0).script() == QChar::Script_Arabic, n);
        }
    }

    void closingStopsTheCase()
    {
        open();
        ui::window(windows::Family);
        QTest::keyClick(jadd, Qt::Key_Escape);
        QVERIFY(!ui::isLoaded(windows::Method));
        QVERIFY(!ui::isLoaded(windows::Family));
        QCOMPARE(rec.results, 0);
    }
};

QTEST_MAIN(tst_jadd)
#include "tst_jadd.moc"
