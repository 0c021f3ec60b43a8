// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a registry value, and finding the system-information viewer, over
// prepared data.
#include "shell/platform/registry.h"
#include "shell/platform/system_info.h"

#include <QtTest>

using namespace platform;
using registry::RawValue;
using registry::ValueKind;

namespace {

class FakeRegistry : public registry::Source
{
public:
    QHash<QString, QHash<QString, RawValue>> keys;
    QString openKeyName;
    int opens = 0;
    int closes = 0;
    unsigned mask = 0;
    int buffer = 0;

    bool openKey(registry::Root, const QString &key, unsigned accessMask) override
    {
        mask = accessMask;
        if (!keys.contains(key))
            return false;
        ++opens;
        openKeyName = key;
        return true;
    }
    std::optional<RawValue> queryValue(const QString &name, int bufferSize) override
    {
        buffer = bufferSize;
        const auto &values = keys[openKeyName];
        if (!values.contains(name) || values[name].data.size() > bufferSize)
            return std::nullopt;
        return values[name];
    }
    void closeKey() override { ++closes; }
};

RawValue str(const QByteArray &bytes) { return {ValueKind::String, bytes}; }
RawValue dword(quint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
    return {ValueKind::DoubleWord, b};
}

const QString MsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

} // namespace

Q_DECLARE_METATYPE(RawValue)

class tst_shell_registry : public QObject
{
    Q_OBJECT
private slots:
    void readValue_data();
    void readValue();
    void linuxHasNoRegistry();
    void viewer_data();
    void viewer();
};

void tst_shell_registry::readValue_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<bool>("valueExists");
    QTest::addColumn<RawValue>("value");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("text");

    const QByteArray path("C:\\WINDOWS\\SYSTEM32\\msinfo32.exe");
    QTest::newRow("string with its zero character") << true << true << str(path + '\0') << true << QString::fromLatin1(path);
    QTest::newRow("string without a zero character") << true << true << str(path) << true << QString::fromLatin1(path);
    QTest::newRow("only one zero character dropped") << true << true << str(QByteArray("ab\0\0", 4)) << true
                                                     << QString::fromLatin1(QByteArray("ab\0", 3));
    QTest::newRow("empty string") << true << true << str(QByteArray("\0", 1)) << true << QString();
    QTest::newRow("double word 500") << true << true << dword(500) << true << QStringLiteral("500");
    QTest::newRow("double word 256 keeps its inner zero byte") << true << true << dword(256) << true << QStringLiteral("256");
    QTest::newRow("double word 0") << true << true << dword(0) << true << QStringLiteral("0");
    QTest::newRow("double word high bit") << true << true << dword(0xFFFFFFFFu) << true << QStringLiteral("4294967295");
    QTest::newRow("other kind") << true << true << RawValue{ValueKind::Other, QByteArray("\x01\x02", 2)} << true << QString();
    QTest::newRow("too long for the buffer") << true << true << str(QByteArray(1025, 'x')) << false << QString();
    QTest::newRow("fills the buffer") << true << true << str(QByteArray(1024, 'x')) << true << QString(1024, QLatin1Char('x'));
    QTest::newRow("missing value") << true << false << RawValue{} << false << QString();
    QTest::newRow("missing key") << false << false << RawValue{} << false << QString();
}

void tst_shell_registry::readValue()
{
    QFETCH(bool, keyExists);
    QFETCH(bool, valueExists);
    QFETCH(RawValue, value);
    QFETCH(bool, found);
    QFETCH(QString, text);

    FakeRegistry reg;
    if (keyExists)
        reg.keys[MsinfoKey];
    if (valueExists)
        reg.keys[MsinfoKey].insert(QStringLiteral("PATH"), value);

    const registry::Reading r = registry::readValue(reg, registry::Root::LocalMachine, MsinfoKey, QStringLiteral("PATH"));
    QCOMPARE(r.found, found);
    QCOMPARE(r.text, text);
    QCOMPARE(reg.mask, 131135u);
    // A key that was opened is closed again, whatever the value.
    QCOMPARE(reg.closes, reg.opens);
    QCOMPARE(reg.opens, keyExists ? 1 : 0);
    if (keyExists)
        QCOMPARE(reg.buffer, 1024);
}

void tst_shell_registry::linuxHasNoRegistry()
{
    const auto source = registry::makeSystemSource();
    const registry::Reading r = registry::readValue(*source, registry::Root::LocalMachine, MsinfoKey, QStringLiteral("PATH"));
    QVERIFY(!r.found);
    QVERIFY(r.text.isEmpty());
}

void tst_shell_registry::viewer_data()
{
    QTest::addColumn<QString>("registeredPath");  // empty: no PATH value
    QTest::addColumn<QString>("registeredDir");   // empty: no MSINFO value
    QTest::addColumn<QStringList>("existingFiles");
    QTest::addColumn<QStringList>("onPath");      // viewers installed
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<QString>("started");         // what was started, empty: nothing
    QTest::addColumn<int>("existenceChecks");

    const QString dir = QStringLiteral("/opt/msinfo");
    const QString exe = QDir(dir).filePath(QStringLiteral("MSINFO32.EXE"));
    QTest::newRow("PATH value started without a check")
        << QStringLiteral("/nowhere/msinfo32") << dir << QStringList() << QStringList{QStringLiteral("hardinfo")}
        << true << QStringLiteral("/nowhere/msinfo32") << 0;
    QTest::newRow("MSINFO folder with the program") << QString() << dir << QStringList{exe} << QStringList()
                                                    << true << exe << 1;
    QTest::newRow("MSINFO folder without the program") << QString() << dir << QStringList() << QStringList()
                                                       << true << QString() << 1;
    QTest::newRow("no registry, hardinfo installed") << QString() << QString() << QStringList()
                                                     << QStringList{QStringLiteral("hardinfo")} << true
                                                     << QStringLiteral("/usr/bin/hardinfo") << 0;
    QTest::newRow("no registry, a later viewer installed")
        << QString() << QString() << QStringList() << QStringList{QStringLiteral("gnome-system-monitor")} << true
        << QStringLiteral("/usr/bin/gnome-system-monitor") << 0;
    QTest::newRow("no registry, nothing installed") << QString() << QString() << QStringList() << QStringList()
                                                    << true << QString() << 0;
    QTest::newRow("viewer fails to start") << QString() << QString() << QStringList()
                                           << QStringList{QStringLiteral("hardinfo")} << false << QString() << 0;
    QTest::newRow("PATH program fails to start") << QStringLiteral("/nowhere/msinfo32") << QString() << QStringList()
                                                 << QStringList() << false << QString() << 0;
}

void tst_shell_registry::viewer()
{
    QFETCH(QString, registeredPath);
    QFETCH(QString, registeredDir);
    QFETCH(QStringList, existingFiles);
    QFETCH(QStringList, onPath);
    QFETCH(bool, startWorks);
    QFETCH(QString, started);
    QFETCH(int, existenceChecks);

    FakeRegistry reg;
    if (!registeredPath.isEmpty())
        reg.keys[MsinfoKey].insert(QStringLiteral("PATH"), str(registeredPath.toLocal8Bit() + '\0'));
    if (!registeredDir.isEmpty())
        reg.keys[LocationKey].insert(QStringLiteral("MSINFO"), str(registeredDir.toLocal8Bit() + '\0'));

    int checks = 0;
    QStringList attempts;
    sysinfo::Environment env;
    env.registry = [&]() -> registry::Source & { return reg; };
    env.fileExists = [&](const QString &p) { ++checks; return existingFiles.contains(p); };
    env.findOnPath = [&](const QString &program) {
        return onPath.contains(program) ? QStringLiteral("/usr/bin/") + program : QString();
    };
    env.start = [&](const QString &p) { attempts << p; return startWorks; };

    QCOMPARE(sysinfo::startViewer(env), started);
    QCOMPARE(checks, existenceChecks);
    if (!started.isEmpty())
        QCOMPARE(attempts, QStringList{started});
}

QTEST_APPLESS_MAIN(tst_shell_registry)
#include "tst_shell_registry.moc"
