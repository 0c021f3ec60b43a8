// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 keyboard layer against a real X server (Xvfb). TARNAVEL_KEYMAP says
// what keymap the server was given: "arabic" (us,ara) or "latin" (us).
#include "app.h"
#include "case/case_record.h"
#include "shell/platform/keyboard_layout.h"
#include "shell/platform/keyboard_layout_x11.h"
#include "shell/register_shell.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QtTest>
#include <QLineEdit>

// X headers last: they define FocusIn, None, Bool... as macros.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#undef Bool
#undef Status
#undef None
#undef FocusIn
#undef FocusOut
#undef KeyPress
#undef KeyRelease

class tst_keyboard_x11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void findsTheArabicGroup();
    void locksTheArabicGroup();
    void nameBoxTypesArabic_data();
    void nameBoxTypesArabic();

private:
    void lockGroup(int group);
    Display *m_display = nullptr;
    bool m_arabic = false;
};

void tst_keyboard_x11::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    m_display = platform::x11::display();
    QVERIFY(m_display);
    const QByteArray keymap = qgetenv("TARNAVEL_KEYMAP");
    QVERIFY2(keymap == "arabic" || keymap == "latin", "TARNAVEL_KEYMAP must be arabic or latin");
    m_arabic = keymap == "arabic";
}

void tst_keyboard_x11::init()
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    fonts::installSubstitutions();
    registerShellWindows();
    platform::setKeyboardLayout(nullptr); // the system layer
    lockGroup(0);
}

void tst_keyboard_x11::cleanup()
{
    ui::resetRegistry();
    lockGroup(0);
}

void tst_keyboard_x11::lockGroup(int group)
{
    XkbLockGroup(m_display, XkbUseCoreKbd, unsigned(group));
    XSync(m_display, False);
    QTRY_COMPARE(platform::x11::currentGroup(m_display), group);
}

void tst_keyboard_x11::findsTheArabicGroup()
{
    // setxkbmap -layout us,ara puts Arabic second.
    QCOMPARE(platform::x11::arabicGroup(m_display), m_arabic ? 1 : -1);
}

void tst_keyboard_x11::locksTheArabicGroup()
{
    platform::keyboardLayout().activateArabic();
    XSync(m_display, False);
    if (m_arabic) {
        QTRY_COMPARE(platform::x11::currentGroup(m_display), 1);
    } else {
        QTest::qWait(200);
        QCOMPARE(platform::x11::currentGroup(m_display), 0); // keymap left alone
    }
}

void tst_keyboard_x11::nameBoxTypesArabic_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("Arabic interface") << 0;
    QTest::newRow("English interface") << 1;
}

void tst_keyboard_x11::nameBoxTypesArabic()
{
    QFETCH(int, lang);
    theCase().Language = std::int16_t(lang);
    language::applyToApplication(Language(lang));
    QWidget *entry = ui::window(windows::DeceasedEntry);
    entry->show();
    entry->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(entry));
    auto *name = entry->findChild<QLineEdit *>(QStringLiteral("txtNameofDead"));
    name->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), name);

    // The user's layout is the Latin one; the timer switches within a second.
    QTest::qWait(1300);
    const bool switched = m_arabic && lang == 0;
    QCOMPARE(platform::x11::currentGroup(m_display), switched ? 1 : 0);

    // A real key press through the server: "h" is alef on the Arabic layout.
    const KeyCode h = XKeysymToKeycode(m_display, XK_h);
    QVERIFY(h != 0);
    XTestFakeKeyEvent(m_display, h, True, 0);
    XTestFakeKeyEvent(m_display, h, False, 0);
    XFlush(m_display);
    QTRY_VERIFY(!name->text().isEmpty());
    QCOMPARE(name->text(), switched ? QString(QChar(0x0627)) : QStringLiteral("h"));
}

QTEST_MAIN(tst_keyboard_x11)
#include "tst_keyboard_x11.moc"
