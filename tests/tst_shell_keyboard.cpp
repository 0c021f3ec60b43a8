// SPDX-License-Identifier: GPL-3.0-or-later
// The deceased entry's timer asks for the Arabic keyboard while the name box
// has the focus in the Arabic interface, and only then.
#include "app.h"
#include "case/case_record.h"
#include "shell/platform/keyboard_layout.h"
#include "shell/register_shell.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QtTest>

namespace {

class RecordingLayout : public platform::KeyboardLayout
{
public:
    explicit RecordingLayout(int *count) : m_count(count) {}
    void activateArabic() override { ++*m_count; }

private:
    int *m_count;
};

} // namespace

class tst_shell_keyboard : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void timer();
    void requests_data();
    void requests();

private:
    QWidget *openEntry(int lang);
    int m_requests = 0;
};

void tst_shell_keyboard::init()
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    fonts::installSubstitutions();
    registerShellWindows();
    m_requests = 0;
    platform::setKeyboardLayout(std::make_unique<RecordingLayout>(&m_requests));
}

void tst_shell_keyboard::cleanup()
{
    ui::resetRegistry();
    platform::setKeyboardLayout(nullptr);
}

QWidget *tst_shell_keyboard::openEntry(int lang)
{
    theCase().Language = std::int16_t(lang);
    language::applyToApplication(Language(lang));
    QWidget *entry = ui::window(windows::DeceasedEntry);
    entry->show();
    entry->activateWindow();
    if (!QTest::qWaitForWindowActive(entry))
        return nullptr;
    return entry;
}

void tst_shell_keyboard::timer()
{
    QWidget *entry = openEntry(0);
    QVERIFY(entry);
    auto *timer = entry->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    // It keeps running while the window is hidden for the rest of the case.
    entry->hide();
    QVERIFY(timer->isActive());
}

void tst_shell_keyboard::requests_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("asked");
    QTest::newRow("Arabic, name box") << 0 << QStringLiteral("txtNameofDead") << true;
    QTest::newRow("Arabic, male option") << 0 << QStringLiteral("OptMan") << false;
    QTest::newRow("Arabic, OK button") << 0 << QStringLiteral("cmdok1") << false;
    QTest::newRow("English, name box") << 1 << QStringLiteral("txtNameofDead") << false;
    QTest::newRow("English, female option") << 1 << QStringLiteral("OptWoman") << false;
}

void tst_shell_keyboard::requests()
{
    QFETCH(int, lang);
    QFETCH(QString, focus);
    QFETCH(bool, asked);
    QWidget *entry = openEntry(lang);
    QVERIFY(entry);
    QWidget *target = entry->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    m_requests = 0;
    // Within a second, and again every second after that (a loaded machine
    // may deliver the ticks late, so allow some slack before failing).
    if (asked) {
        QTRY_VERIFY_WITH_TIMEOUT(m_requests >= 2, 6000);
    } else {
        QTest::qWait(2100);
        QCOMPARE(m_requests, 0);
    }

    // Focus elsewhere: the requests stop.
    if (asked) {
        entry->findChild<QWidget *>(QStringLiteral("OptWoman"))->setFocus();
        m_requests = 0;
        QTest::qWait(1100);
        QCOMPARE(m_requests, 0);
    }
}

QTEST_MAIN(tst_shell_keyboard)
#include "tst_shell_keyboard.moc"
