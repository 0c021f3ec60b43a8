// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the program from the main window: nothing is asked when nothing
// would be lost; a case under way or unsaved edits in the case window are
// asked about first, and the answer is followed.
#include "details/case_window.h"
#include "details/file_chooser.h"
#include "tests/tst_acceptance_support.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/language.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FixedSave : public details::FileChooser
{
public:
    explicit FixedSave(QString path) : m_path(std::move(path)) {}
    QString saveFile(QWidget *, const QString &, const QString &, const QString &) override { return m_path; }
    QString openFile(QWidget *, const QString &, const QString &, const QString &) override { return {}; }

private:
    QString m_path;
};

} // namespace

class tst_shell_exit : public QObject
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
        details::setFileChooser(nullptr);
        while (QWidget *m = QApplication::activeModalWidget())
            m->hide();
        acc::stopProgram();
    }

    void exitAsks_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("state");    // nothing, case (under way), edits (in the case window)
        QTest::addColumn<QString>("how");      // menu, button, title bar
        QTest::addColumn<QString>("answer");   // the question's button, empty when none is asked
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("saved");
        for (int lang : {0, 1}) {
            const char *l = lang ? "en" : "ar";
            QTest::addRow("%s nothing to lose", l) << lang << "nothing" << "menu" << "" << true << false;
            QTest::addRow("%s case, cancel", l) << lang << "case" << "menu" << "Cancel" << false << false;
            QTest::addRow("%s case, exit", l) << lang << "case" << "button" << "Exit" << true << false;
            QTest::addRow("%s case, title bar cancelled", l) << lang << "case" << "title bar" << "Cancel" << false << false;
            QTest::addRow("%s edits, save", l) << lang << "edits" << "menu" << "Save" << true << true;
            QTest::addRow("%s edits, discard", l) << lang << "edits" << "button" << "Discard" << true << false;
            QTest::addRow("%s edits, cancel", l) << lang << "edits" << "menu" << "Cancel" << false << false;
        }
    }
    void exitAsks()
    {
        QFETCH(int, language);
        QFETCH(QString, state);
        QFETCH(QString, how);
        QFETCH(QString, answer);
        QFETCH(bool, ends);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("edits.tarnavel"));
        details::setFileChooser(std::make_unique<FixedSave>(file));
        acc::startProgram();
        QMainWindow *main = acc::mainWindow();
        QTest::mouseClick(main->findChild<QPushButton *>(QLatin1String(language ? "Command3" : "Command4")), Qt::LeftButton);
        if (state == QLatin1String("case")) {
            ui::window(windows::DeceasedEntry);
        } else if (state == QLatin1String("edits")) {
            caseaccess::caseDetails().showWindow();
            auto *w = qobject_cast<CaseWindow *>(ui::loadedWindow(windows::CaseDetails));
            QVERIFY(w && !w->isModified());
            w->findChild<QSpinBox *>(QStringLiteral("spnSon"))->setValue(2);
            QVERIFY(w->isModified());
        }

        QString asked;
        onNextModal([&](QWidget *m) {
            auto *box = qobject_cast<QMessageBox *>(m);
            if (!box)
                return m->hide();
            asked = box->objectName() + QLatin1Char(' ') + box->text();
            if (const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS"); !shots.isEmpty()) {
                QDir().mkpath(shots);
                box->grab().save(QStringLiteral("%1/quitQuestion-%2-%3.png").arg(shots, state, language ? "en" : "ar"));
            }
            for (QAbstractButton *b : box->buttons()) {
                const QMessageBox::StandardButton which = box->standardButton(b);
                const bool wanted = (answer == QLatin1String("Exit") && b->objectName() == QLatin1String("quitExit"))
                                    || (answer == QLatin1String("Cancel") && which == QMessageBox::Cancel)
                                    || (answer == QLatin1String("Save") && which == QMessageBox::Save)
                                    || (answer == QLatin1String("Discard") && which == QMessageBox::Discard);
                if (wanted)
                    return b->click();
            }
            box->reject();
        });
        if (how == QLatin1String("menu"))
            main->findChild<QAction *>(QStringLiteral("mnuQuit"))->trigger();
        else if (how == QLatin1String("button"))
            QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
        else
            titleBarClose(main);
        QTest::qWait(answer.isEmpty() ? 200 : 0);   // a question nobody expected would show meanwhile

        if (answer.isEmpty()) {
            QVERIFY2(asked.isEmpty(), qPrintable(asked));
        } else {
            const char *key = state == QLatin1String("edits") ? "quit.edits" : "quit.case";
            QCOMPARE(asked, QStringLiteral("quitQuestion ") + captions::text(windows::Main, QLatin1String(key), Language(language)));
        }
        QCOMPARE(acc::outside().quits, ends ? 1 : 0);
        QCOMPARE(main->isVisible(), !ends);
        QCOMPARE(QFile::exists(file), saved);
    }

    // Exit sits apart from the science document above it.
    void exitEntryStandsApart()
    {
        acc::startProgram();
        QMainWindow *main = acc::mainWindow();
        QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);
        const QList<QAction *> entries = main->findChild<QMenu *>(QStringLiteral("mnuInfo"))->actions();
        const int quit = int(entries.indexOf(main->findChild<QAction *>(QStringLiteral("mnuQuit"))));
        QVERIFY(quit > 0);
        QVERIFY(entries.at(quit - 1)->isSeparator() && entries.at(quit - 1)->isVisible());
    }
};

QTEST_MAIN(tst_shell_exit)
#include "tst_shell_exit.moc"
