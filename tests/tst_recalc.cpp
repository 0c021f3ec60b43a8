// SPDX-License-Identifier: GPL-3.0-or-later
// The two recalculation entry points, and one whole case by clicks from the
// deceased entry to the shares.

#include "tests/tst_family_support.h"

#include "questionnaires/recalculation.h"
#include "ui/window_names.h"

#include <QLineEdit>

using namespace quest;

namespace {

// Records the order in which the questionnaires are hidden.
class HideOrder : public QObject
{
public:
    QStringList order;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Hide && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow())
            order << o->objectName();
        return false;
    }
};

} // namespace

class tst_recalc : public QObject
{
    Q_OBJECT

private:
    Recorder rec;

private slots:
    void cleanup() { ui::resetRegistry(); }

    void hidingOrder_data()
    {
        QTest::addColumn<bool>("fromFamily");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("family") << true << QStringList{windows::Family, windows::Collateral};
        QTest::newRow("collaterals") << false << QStringList{windows::Collateral, windows::Family};
    }

    void hidingOrder()
    {
        QFETCH(bool, fromFamily);
        QFETCH(QStringList, order);
        freshCase(rec, false);
        ui::window(windows::Family)->show();
        ui::window(windows::Collateral)->show();
        theCase().FatherAlive = 1;
        HideOrder spy;
        qApp->installEventFilter(&spy);
        fromFamily ? RecalculateFromFamily() : RecalculateFromCollaterals();
        qApp->removeEventFilter(&spy);
        QCOMPARE(spy.order, order);
        QCOMPARE(rec.results, 1);
        QVERIFY(rec.visibleAtResults.isEmpty());
    }

    void missingQuestionnaireIsCreatedToBeHidden()
    {
        freshCase(rec, false);
        ui::window(windows::Family)->show();
        theCase().FatherAlive = 1;
        QVERIFY(!ui::isLoaded(windows::Collateral));
        RecalculateFromFamily();
        QVERIFY(ui::isLoaded(windows::Collateral));
        QVERIFY(ui::loadedWindow(windows::Collateral)->isHidden());
        QCOMPARE(rec.results, 1);
    }

    // Which distribution runs follows the father and grandfather answers;
    // the shares of an earlier case never survive.
    void distribution_data()
    {
        QTest::addColumn<bool>("fromFamily");
        QTest::addColumn<QString>("record");
        QTest::addColumn<double>("father");
        QTest::addColumn<double>("grandFather");
        QTest::addColumn<double>("son");
        QTest::addColumn<double>("fullBrother");
        QTest::newRow("father, from family") << true << "FatherAlive=1" << 1.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("father with brothers, from collaterals")
            << false << "FatherAlive=1 FullBrotherCount=2" << 1.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("grandfather alone") << true << "GrandFatherAlive=1" << 0.0 << 1.0 << 0.0 << 0.0;
        QTest::newRow("neither, a son") << true << "SonCount=1" << 0.0 << 0.0 << 1.0 << 0.0;
        QTest::newRow("neither, two brothers, from collaterals")
            << false << "FullBrotherCount=2" << 0.0 << 0.0 << 0.0 << 0.5;
    }

    void distribution()
    {
        QFETCH(bool, fromFamily);
        QFETCH(QString, record);
        QFETCH(double, father);
        QFETCH(double, grandFather);
        QFETCH(double, son);
        QFETCH(double, fullBrother);
        freshCase(rec, false);
        ui::window(windows::Family);
        ui::window(windows::Collateral);
        // Left over from an earlier case.
        theCase().HusbandShare = 0.25;
        theCase().DaughterShare = 0.5;
        for (const QString &item : record.split(QLatin1Char(' '))) {
            const QStringList kv = item.split(QLatin1Char('='));
            theCase().*member(kv[0]) = std::int16_t(kv[1].toInt());
        }
        fromFamily ? RecalculateFromFamily() : RecalculateFromCollaterals();
        QCOMPARE(rec.results, 1);
        QCOMPARE(rec.last.HusbandShare, 0.0);
        QCOMPARE(rec.last.DaughterShare, 0.0);
        QVERIFY(qAbs(rec.last.FatherShare - father) < 1e-12);
        QVERIFY(qAbs(rec.last.GrandFatherShare - grandFather) < 1e-12);
        QVERIFY(qAbs(rec.last.SonShare - son) < 1e-12);
        QVERIFY(qAbs(rec.last.FullBrotherShare - fullBrother) < 1e-12);
    }

    // Father, mother, one wife, one son, from the deceased entry's OK.
    void wholeCaseByClicks_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }

    void wholeCaseByClicks()
    {
        QFETCH(int, language);
        ui::resetRegistry();
        theCase() = CaseRecord{};
        theCase().Language = std::int16_t(language);
        app::initialise();
        QVERIFY2(ui::isRegistered(windows::DeceasedEntry), "the deceased entry window is not registered");
        int results = 0;
        CaseRecord shares;
        const auto showResults = calculationHooks().openResults;
        calculationHooks().openResults = [&](const CaseRecord &c) {
            ++results;
            shares = c;
            if (showResults)
                showResults(c);
        };

        QWidget *entry = ui::window(windows::DeceasedEntry);
        entry->show();
        QVERIFY(QTest::qWaitForWindowExposed(entry));
        auto *name = entry->findChild<QLineEdit *>(QStringLiteral("txtNameofDead"));
        QVERIFY(name);
        QTest::keyClicks(name, QStringLiteral("Zaid"));
        ModalDriver script;
        script.then([](QWidget *m) {
            QCOMPARE(m->objectName(), windows::Family);
            for (const char *s : {"optFatherYes", "optMotherYes", "optMarriedYes", "cmbWifes:1", "optWithKids",
                                  "cmbSons:1", "cmbDaughters:0"}) {
                step(windows::Family, QLatin1String(s));
                if (QTest::currentTestFailed())
                    return;
            }
        });
        click(entry->findChild<QPushButton *>(QStringLiteral("cmdok1")));
        QTRY_VERIFY(script.done());
        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(results, 1);
        QVERIFY(qAbs(shares.FatherShare - 1.0 / 6) < 1e-12);
        QVERIFY(qAbs(shares.MotherShare - 1.0 / 6) < 1e-12);
        QVERIFY(qAbs(shares.WifeShare - 1.0 / 8) < 1e-12);
        QVERIFY(qAbs(shares.SonShare - 13.0 / 24) < 1e-12);
        QWidget *results_ = ui::loadedWindow(windows::Results);
        QVERIFY(results_ && results_->isVisible());
        QVERIFY(ui::loadedWindow(windows::Family)->isHidden());
    }
};

QTEST_MAIN(tst_recalc)
#include "tst_recalc.moc"
