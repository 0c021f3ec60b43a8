// SPDX-License-Identifier: GPL-3.0-or-later
// The case window on common screens: every column of both grandfather
// methods' tables in view, without scrolling sideways, in both languages.
// With TARNAVEL_SHOTS=<folder> the window is also saved as a picture there.
#include "details/relatives_panel.h"
#include "tests/tst_case_window_support.h"

#include <QDir>
#include <QHeaderView>
#include <QToolButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

Q_DECLARE_METATYPE(details::CaseState)

class tst_case_window_look : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        fonts::installSubstitutions();
    }
    void cleanup()
    {
        ui::resetRegistry();
        language::applyToApplication(Language::Arabic);
    }

    void everyColumnInView_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<details::CaseState>("state");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("afterAnother");   // set on the window already showing another case, the estate page in front
        using R = Relative;
        for (int lang : {0, 1}) {
            const char *l = lang ? "en" : "ar";
            QTest::addRow("%s grandfather, mother, brother", l)
                << lang << cw::family({{R::GrandFather, 1}, {R::Mother, 1}, {R::FullBrother, 1}}) << "choice" << false;
            QTest::addRow("%s grandfather after another case", l)
                << lang << cw::family({{R::GrandFather, 1}, {R::Mother, 1}, {R::FullBrother, 2}, {R::FullSister, 1}, {R::ParentalBrother, 1}})
                << "choice-after" << true;
            QTest::addRow("%s grandfather with 'awl", l)
                << lang << cw::family({{R::GrandFather, 1}, {R::Husband, 1}, {R::Mother, 1}, {R::Daughter, 2}, {R::FullSister, 1}}, true)
                << "awl" << false;
            QTest::addRow("%s worked example", l)
                << lang << cw::family({{R::Father, 1}, {R::Mother, 1}, {R::Wife, 1}, {R::Son, 1}}) << "example" << false;
        }
    }
    void everyColumnInView()
    {
        QFETCH(int, language);
        QFETCH(details::CaseState, state);
        QFETCH(QString, name);
        QFETCH(bool, afterAnother);
        CaseWindow *w = cw::open(afterAnother ? cw::family({{Relative::Son, 1}}) : state, language);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (afterAnother) {
            // Set while the estate page is in front, then the working shown.
            auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("tabs"));
            tabs->setCurrentIndex(1);
            w->setCase(state);
            tabs->setCurrentIndex(0);
        }
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(w->frameGeometry()));
        QTest::qWait(20);
        const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            const QSize s = QGuiApplication::primaryScreen()->size();
            w->grab().save(QStringLiteral("%1/frmCase-%2-%3-%4x%5.png")
                               .arg(shots, name, language ? QStringLiteral("en") : QStringLiteral("ar"))
                               .arg(s.width())
                               .arg(s.height()));
        }
        for (const char *tableName : {"tblWorking", "tblOther"}) {
            auto *t = w->findChild<QTableView *>(QLatin1String(tableName));
            if (!t->isVisible())
                continue;
            QTRY_COMPARE(t->horizontalScrollBar()->maximum(), 0);
            const int width = t->viewport()->width();
            for (int c = 0; c < t->model()->columnCount(); ++c) {
                if (t->isColumnHidden(c))
                    continue;
                const int left = t->horizontalHeader()->sectionViewportPosition(c);
                const int size = t->horizontalHeader()->sectionSize(c);
                QVERIFY2(left >= 0 && left + size <= width, qPrintable(QStringLiteral("%1 column %2").arg(tableName).arg(c)));
                QVERIFY2(size >= static_cast<QAbstractItemView *>(t)->sizeHintForColumn(c),
                         qPrintable(QStringLiteral("%1 column %2 cut").arg(tableName).arg(c)));
            }
        }
    }

    // A pregnant widow's case on the relatives page: the estimates side by
    // side with every column in view, the family page and the tree beside.
    void estimatesInView_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("ar") << 0;
        QTest::newRow("en") << 1;
    }
    void estimatesInView()
    {
        QFETCH(int, language);
        details::CaseState s = cw::family({{Relative::Wife, 1}, {Relative::Mother, 1}, {Relative::FullBrother, 1}});
        s.estate.value = QStringLiteral("24000");
        s.uncertain = {{engine::Uncertainty::Unborn, *Path::parse("son"), 1, true}};
        CaseWindow *w = cw::open(s, language);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("tabs"));
        auto *pages = w->findChild<QTabWidget *>(QStringLiteral("tabsRelatives"));
        const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS");
        const auto shot = [&](const QString &name) {
            if (shots.isEmpty())
                return;
            QDir().mkpath(shots);
            const QSize size = QGuiApplication::primaryScreen()->size();
            w->grab().save(QStringLiteral("%1/frmCase-%2-%3-%4x%5.png")
                               .arg(shots, name, language ? QStringLiteral("en") : QStringLiteral("ar"))
                               .arg(size.width())
                               .arg(size.height()));
        };
        tabs->setCurrentWidget(w->relativesPanel());
        pages->setCurrentIndex(0);
        QTest::qWait(20);
        shot(QStringLiteral("unborn-relatives"));
        tabs->setCurrentWidget(w->findChild<QWidget *>(QStringLiteral("tabTree")));
        QTest::qWait(20);
        QTest::mouseClick(w->findChild<QToolButton *>(QStringLiteral("cmdFit")), Qt::LeftButton);
        QTest::qWait(20);
        shot(QStringLiteral("unborn-tree"));
        tabs->setCurrentWidget(w->relativesPanel());
        pages->setCurrentWidget(w->findChild<QWidget *>(QStringLiteral("pageEstimates")));
        QTest::qWait(20);
        shot(QStringLiteral("unborn-estimates"));
        auto *t = w->findChild<QTableView *>(QStringLiteral("tblEstimates"));
        QVERIFY(t->isVisible());
        QTRY_COMPARE(t->horizontalScrollBar()->maximum(), 0);
        for (int c = 0; c < t->model()->columnCount(); ++c) {
            const int left = t->horizontalHeader()->sectionViewportPosition(c);
            const int size = t->horizontalHeader()->sectionSize(c);
            QVERIFY2(left >= 0 && left + size <= t->viewport()->width(), qPrintable(QString::number(c)));
            QVERIFY2(size >= static_cast<QAbstractItemView *>(t)->sizeHintForColumn(c), qPrintable(QString::number(c)));
        }
    }
};

QTEST_MAIN(tst_case_window_look)
#include "tst_case_window_look.moc"
