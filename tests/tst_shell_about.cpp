// SPDX-License-Identifier: GPL-3.0-or-later
// The about box in both languages, its keys and its system-information button.
#include "app.h"
#include "case/case_record.h"
#include "shell/platform/registry.h"
#include "shell/platform/system_info.h"
#include "shell/register_shell.h"
#include "tests/gui_support.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QtTest>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// A registry holding one text value.
class OneValueRegistry : public platform::registry::Source
{
public:
    QString key, name;
    QByteArray data;
    QString open;
    bool openKey(platform::registry::Root, const QString &k, unsigned) override
    {
        open = k;
        return k == key;
    }
    std::optional<platform::registry::RawValue> queryValue(const QString &v, int) override
    {
        if (open != key || v != name)
            return std::nullopt;
        return platform::registry::RawValue{platform::registry::ValueKind::String, data};
    }
    void closeKey() override {}
};

QWidget *about()
{
    return ui::loadedWindow(windows::About);
}

} // namespace

class tst_shell_about : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void captionsPerLanguage_data();
    void captionsPerLanguage();
    void okKeys_data();
    void okKeys();
    void systemInfoUnavailable_data();
    void systemInfoUnavailable();
    void systemInfoFromRegistry();

private:
    void open(int lang);
    QStringList m_started;
};

void tst_shell_about::init()
{
    ui::resetRegistry();
    theCase() = CaseRecord{};
    fonts::installSubstitutions();
    registerShellWindows();
    m_started.clear();
    platform::sysinfo::Environment env;
    env.registry = []() -> platform::registry::Source & {
        static auto none = platform::registry::makeSystemSource();
        return *none;
    };
    env.findOnPath = [](const QString &) { return QString(); };
    env.start = [this](const QString &p) { m_started << p; return true; };
    platform::sysinfo::setEnvironment(env);
}

void tst_shell_about::cleanup()
{
    platform::sysinfo::setEnvironment({});
    ui::resetRegistry();
}

void tst_shell_about::open(int lang)
{
    theCase().Language = std::int16_t(lang);
    language::applyToApplication(Language(lang));
    ui::showModeless(windows::About);
    QVERIFY(about());
    QVERIFY(QTest::qWaitForWindowActive(about()));
}

void tst_shell_about::captionsPerLanguage_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("ok");
    QTest::addColumn<QString>("sysInfo");
    QTest::addColumn<QString>("headingFamily");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("English") << 1 << QStringLiteral(" About Tarnavel Program ") << QStringLiteral(" Tarnavel Program ")
                             << QStringLiteral(" OK ") << QStringLiteral(" System Info ")
                             << QStringLiteral("Times New Roman") << Qt::LeftToRight;
    const auto ar = [](const char *key) { return captions::text(windows::About, key, Language::Arabic); };
    QTest::newRow("Arabic") << 0 << ar("window") << ar("lblTitle") << ar("cmdOK") << ar("cmdSysInfo")
                            << QStringLiteral("Arial") << Qt::RightToLeft;
}

void tst_shell_about::captionsPerLanguage()
{
    QFETCH(int, lang);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(QString, ok);
    QFETCH(QString, sysInfo);
    QFETCH(QString, headingFamily);
    QFETCH(Qt::LayoutDirection, direction);
    open(lang);

    QCOMPARE(about()->windowTitle(), title);
    QCOMPARE(child<QLabel>(about(), "lblTitle")->text(), heading);
    QCOMPARE(child<QLabel>(about(), "lblTitle")->font().family(), headingFamily);
    // The version line in the language, its number whole.
    const QString version = child<QLabel>(about(), "lblVersion")->text();
    QVERIFY2(version.contains(QStringLiteral("2.0.35")), qPrintable(version));
    QCOMPARE(version.contains(QStringLiteral("Version")), lang == 1);
    QCOMPARE(child<QLabel>(about(), "lblDescription")->text(), captions::text(windows::About, "lblDescription", Language(lang)));
    QVERIFY(child<QLabel>(about(), "lblDescription")->text().contains(QStringLiteral("Tarnavel")));
    QCOMPARE(child<QPushButton>(about(), "cmdOK")->text(), ok);
    QCOMPARE(child<QPushButton>(about(), "cmdSysInfo")->text(), sysInfo);
    QCOMPARE(about()->layoutDirection(), direction);
    QVERIFY(!child<QLabel>(about(), "picIcon")->pixmap().isNull());
    QVERIFY(!about()->isModal());
    // A fixed-size box without minimise and maximise buttons.
    QCOMPARE(about()->minimumSize(), about()->maximumSize());
    QVERIFY(!(about()->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void tst_shell_about::okKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("OK clicked") << 0;
}

void tst_shell_about::okKeys()
{
    QFETCH(int, key);
    open(1);
    QPointer<QWidget> box = about();
    if (key)
        QTest::keyClick(box, Qt::Key(key));
    else
        QTest::mouseClick(child<QPushButton>(about(), "cmdOK"), Qt::LeftButton);
    QVERIFY(!box->isVisible());
    QVERIFY(!ui::isLoaded(windows::About));
    QVERIFY(m_started.isEmpty());
}

void tst_shell_about::systemInfoUnavailable_data()
{
    QTest::addColumn<int>("lang");
    QTest::newRow("Arabic") << 0;
    QTest::newRow("English") << 1;
}

void tst_shell_about::systemInfoUnavailable()
{
    QFETCH(int, lang);
    open(lang);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    int buttons = 0;
    onNextModal([&](QWidget *m) {
        auto *box = qobject_cast<QMessageBox *>(m);
        if (box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
        }
        m->hide();
    });
    QTest::mouseClick(child<QPushButton>(about(), "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(text, captions::text(windows::About, "sysInfoUnavailable", Language(lang)));
    // Arabic says it in Arabic.
    QCOMPARE(text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), lang == 1);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QCOMPARE(title, QGuiApplication::applicationDisplayName());
    QVERIFY(m_started.isEmpty());
    QVERIFY(about()->isVisible()); // the box stays open
}

void tst_shell_about::systemInfoFromRegistry()
{
    static OneValueRegistry reg;
    reg.key = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    reg.name = QStringLiteral("PATH");
    reg.data = QByteArray("/opt/msinfo/msinfo32\0", 21);
    platform::sysinfo::Environment env = platform::sysinfo::environment();
    env.registry = []() -> platform::registry::Source & { return reg; };
    platform::sysinfo::setEnvironment(env);

    open(0);
    QTest::mouseClick(child<QPushButton>(about(), "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(m_started, QStringList{QStringLiteral("/opt/msinfo/msinfo32")});
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_shell_about)
#include "tst_shell_about.moc"
