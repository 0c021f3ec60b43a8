// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk of user actions over whatever windows are on screen:
// clicks, list picks, typing, Enter and Escape, the title bar's close, the
// main window's menu entries and printing to PDF. Each action runs from a
// single-shot timer, so an action that opens a modal window leaves the next
// action to run inside that window's modal loop, as a user's would.
//
// It fails on a crash, a hang (no action finished for 10 s), a modal window
// that neither Escape nor the title bar can leave, and a results window whose
// shares and treasury do not add up to the estate.
#include "ui/window_names.h"
#include "tests/walk_engine.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class tst_walk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { acc::stopProgram(); }

    // The walk's own checks can fail: a window with no way out, and a
    // report whose shares do not add up.
    void detects_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trap window") << QStringLiteral("trap") << QStringLiteral("has no way out");
        QTest::newRow("shares beside the estate") << QStringLiteral("shares") << QStringLiteral("adding up to");
        QTest::newRow("answer beside the record") << QStringLiteral("answer") << QStringLiteral("disagrees with the record");
    }
    void detects()
    {
        QFETCH(QString, fault);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        walk::Walker walker(1, 3000, dir.path());
        walker.afterStart = [fault] {
            if (fault == QLatin1String("trap")) {
                // The science text's place taken by a window that ignores
                // Escape and the title bar and offers nothing to click.
                ui::registerWindow(windows::Notes, [] {
                    struct Trap : QDialog
                    {
                        void reject() override {}
                        void closeEvent(QCloseEvent *e) override { e->ignore(); }
                    };
                    auto *trap = new Trap;
                    trap->setObjectName(QStringLiteral("trap"));
                    return trap;
                });
            } else if (fault == QLatin1String("answer")) {
                // A questionnaire whose father question records more than
                // it shows.
                ui::registerWindow(windows::Family, [] {
                    auto *w = new frmFathers;
                    QObject::connect(w->findChild<QRadioButton *>(QStringLiteral("optFatherNo")), &QRadioButton::toggled,
                                     [](bool on) { theCase().MotherAlive = on; });
                    return w;
                });
            } else {
                auto open = calculationHooks().openResults;
                calculationHooks().openResults = [open](const CaseRecord &c) {
                    theCase().TreasuryShare += 1e-6;
                    open(c);
                };
            }
        };
        const QString failure = walker.run();
        QVERIFY2(failure.contains(expected), qPrintable(failure));
        QVERIFY(failure.contains(QStringLiteral("seed 1,")));
    }

    void walk_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("actions");
        QTest::addColumn<bool>("keysOnly");
        // TARNAVEL_WALK_SEED=<n> [TARNAVEL_WALK_ACTIONS=<n>] repeats one walk.
        if (qEnvironmentVariableIsSet("TARNAVEL_WALK_SEED")) {
            const quint32 seed = qEnvironmentVariable("TARNAVEL_WALK_SEED").toUInt();
            const int actions = qEnvironmentVariableIntValue("TARNAVEL_WALK_ACTIONS");
            QTest::addRow("seed %u", seed) << seed << (actions > 0 ? actions : 3000)
                                           << qEnvironmentVariableIsSet("TARNAVEL_WALK_KEYS");
            return;
        }
        for (quint32 seed : {1u, 7u, 42u, 2024u, 31337u, 4000000007u})
            QTest::addRow("seed %u", seed) << seed << 3000 << false;
        // The keyboard alone: Tab, arrows, Space, Enter, Escape and typing.
        for (quint32 seed : {3u, 99u})
            QTest::addRow("keys only, seed %u", seed) << seed << 3000 << true;
    }

    void walk()
    {
        QFETCH(quint32, seed);
        QFETCH(int, actions);
        QFETCH(bool, keysOnly);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        acc::outside() = acc::Outside{};
        qInfo("walk with seed %u, %d actions", seed, actions);
        QElapsedTimer clock;
        clock.start();
        walk::Walker walker(seed, actions, dir.path(), keysOnly);
        const QString failure = walker.run();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QStringList windows;
        for (auto it = walker.windowsActedOn.cbegin(); it != walker.windowsActedOn.cend(); ++it)
            windows << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        qInfo("seed %u: %d actions in %lld ms, %d quits, %d results shown, %d no-heir notices, %d prints, %d case files,"
              " %d case window checks; %s", seed,
              walker.done, clock.elapsed(), walker.quits, walker.resultsShown, walker.noHeirBoxes, walker.prints(),
              walker.files(), walker.caseWindowChecks,
              qPrintable(windows.join(QStringLiteral(", "))));
        QVERIFY(walker.done >= actions);
        if (!walker.slow.isEmpty())
            qInfo("slow actions:\n  %s", qPrintable(walker.slow.join(QStringLiteral("\n  "))));
        QCOMPARE(acc::outside().viewersStarted, 0);
    }
};

QTEST_MAIN(tst_walk)
#include "tst_walk.moc"
