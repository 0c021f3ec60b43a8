// SPDX-License-Identifier: GPL-3.0-or-later
// Every shell window on the configured screen, in both languages: each
// control inside its container and its text not cut off. With
// TARNAVEL_SHOTS=<folder> the windows are also saved as pictures there.
#include "app.h"
#include "case/case_record.h"
#include "shell/register_shell.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QtTest>
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

class tst_shell_look : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void window_data();
    void window();
};

void tst_shell_look::init()
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    language::applyToApplication(Language::Arabic);
    fonts::installSubstitutions();
    registerShellWindows();
}

void tst_shell_look::cleanup()
{
    ui::resetRegistry();
}

void tst_shell_look::window_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lang"); // -1: the main window before the choice
    QTest::newRow("main window, language choice") << windows::Main << -1;
    for (int lang : {0, 1}) {
        const char *l = lang ? "en" : "ar";
        for (const QString &w : {windows::Main, windows::DeceasedEntry, windows::AfterResults, windows::About})
            QTest::addRow("%s %s", qPrintable(w), l) << w << lang;
    }
}

namespace {

QString plain(QString s)
{
    return s.remove(QLatin1Char('&'));
}

// What does not fit, or "" when everything does.
QString problems(QWidget *top)
{
    QStringList out;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(top) || w->objectName().isEmpty() || w->isWindow())
            continue;
        const QString name = w->objectName();
        QWidget *parent = w->parentWidget();
        if (!QRect(QPoint(0, 0), parent->size()).contains(w->geometry()))
            out << QStringLiteral("%1 outside %2").arg(name, parent->objectName());
        const QFontMetrics fm(w->font());
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            const QRect c = label->contentsRect();
            if (label->wordWrap()) {
                if (label->heightForWidth(c.width()) > c.height())
                    out << name + QStringLiteral(" text too tall");
            } else {
                if (fm.horizontalAdvance(label->text()) > c.width())
                    out << QStringLiteral("%1 text too wide (%2 > %3)")
                               .arg(name).arg(fm.horizontalAdvance(label->text())).arg(c.width());
                if (fm.height() > c.height())
                    out << name + QStringLiteral(" text too tall");
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
            if (fm.horizontalAdvance(plain(button->text())) + 6 > button->width())
                out << QStringLiteral("%1 text too wide (%2 + 6 > %3)")
                           .arg(name).arg(fm.horizontalAdvance(plain(button->text()))).arg(button->width());
            if (fm.height() > button->height())
                out << name + QStringLiteral(" text too tall");
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            // The ink of the text (Arabic comes from a fallback face, taller
            // than the box's own font) inside the frame.
            const int ink = fm.boundingRect(edit->text()).height();
            if (ink + 4 > edit->height())
                out << QStringLiteral("%1 too low for its text (%2 + 4 > %3)")
                           .arg(name).arg(ink).arg(edit->height());
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            if (fm.horizontalAdvance(group->title()) + 16 > group->width())
                out << name + QStringLiteral(" title too wide");
        }
    }
    return out.join(QStringLiteral("; "));
}

} // namespace

void tst_shell_look::window()
{
    QFETCH(QString, name);
    QFETCH(int, lang);

    QWidget *w = nullptr;
    if (name == windows::Main) {
        w = ui::window(name);
        w->show();
        if (lang >= 0) {
            auto *b = w->findChild<QAbstractButton *>(lang ? QStringLiteral("Command3") : QStringLiteral("Command4"));
            QTest::mouseClick(b, Qt::LeftButton);
        }
    } else {
        theCase().Language = std::int16_t(lang);
        language::applyToApplication(Language(lang));
        w = ui::window(name);
        w->show();
    }
    QVERIFY(w);
    // A name typed in, so that the picture shows the name box's text.
    if (auto *nameBox = w->findChild<QLineEdit *>(QStringLiteral("txtNameofDead")))
        nameBox->setText(lang ? QStringLiteral("Zaid ibn Haritha")
                              : captions::text(windows::Main, QStringLiteral("Label1"), Language::Arabic).trimmed());
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::qWait(50);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QString shots = qEnvironmentVariable("TARNAVEL_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        const QSize s = screen.size();
        const QString file = QStringLiteral("%1/%2-%3-%4x%5.png")
                                 .arg(shots, name, lang < 0 ? QStringLiteral("choice") : lang ? QStringLiteral("en") : QStringLiteral("ar"))
                                 .arg(s.width())
                                 .arg(s.height());
        QVERIFY(w->grab().save(file));
        // The main window's menus, opened.
        if (auto *main = qobject_cast<QMainWindow *>(w); main && lang >= 0) {
            for (QMenu *menu : main->menuBar()->findChildren<QMenu *>()) {
                menu->popup(main->mapToGlobal(QPoint(main->width() / 2, 40)));
                QTest::qWait(100);
                QVERIFY(menu->grab().save(QString(file).replace(QStringLiteral(".png"),
                                                                QStringLiteral("-%1.png").arg(menu->objectName()))));
                menu->hide();
            }
        }
    }

    const QString found = problems(w);
    QVERIFY2(found.isEmpty(), qPrintable(found));

    // The window itself starts on the screen (the main window may be as large as it).
    QVERIFY(screen.contains(w->frameGeometry().topLeft()));
}

QTEST_MAIN(tst_shell_look)
#include "tst_shell_look.moc"
