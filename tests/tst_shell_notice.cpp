// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's load step on the configured screen: the notice comes
// only when the screen is smaller than 800 x 600 in both directions.
#include "app.h"
#include "case/case_record.h"
#include "shell/register_shell.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QtTest>
#include <QMessageBox>
#include <QScreen>

class tst_shell_notice : public QObject
{
    Q_OBJECT
private slots:
    void noticeOnSmallScreens();
};

void tst_shell_notice::noticeOnSmallScreens()
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    language::applyToApplication(Language::Arabic);
    fonts::installSubstitutions();
    registerShellWindows();

    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const bool expected = screen.width() < 800 && screen.height() < 600;

    // The notice is modal inside the load step: watch for it only while
    // the window is being created.
    QStringList seen;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen << box->windowTitle() << box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->accept();
        }
    });
    poll.start(20);
    QWidget *main = ui::window(windows::Main);
    poll.stop();

    QVERIFY(main);
    if (expected) {
        QCOMPARE(seen, (QStringList{captions::text(windows::Main, "smallScreenTitle", Language::Arabic),
                                    captions::text(windows::Main, "smallScreenText", Language::Arabic)}));
        QVERIFY(seen.at(0).endsWith(QStringLiteral(" !!!")));
        QVERIFY(seen.at(1).startsWith(QStringLiteral("  ")));
        QVERIFY(seen.at(1).endsWith(QStringLiteral(" 600*800")));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, 1);
    } else {
        QVERIFY2(seen.isEmpty(), qPrintable(seen.join(QLatin1Char('|'))));
    }
    // Either way the program goes on to the language choice.
    main->show();
    QVERIFY(main->findChild<QWidget *>(QStringLiteral("Command3"))->isVisible());
    ui::resetRegistry();
}

QTEST_MAIN(tst_shell_notice)
#include "tst_shell_notice.moc"
