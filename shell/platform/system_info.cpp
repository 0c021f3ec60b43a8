// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/platform/system_info.h"

#include "shell/platform/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform::sysinfo {

QStringList linuxViewers()
{
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager")};
}

Environment systemEnvironment()
{
    Environment env;
    env.registry = []() -> registry::Source & {
        static std::unique_ptr<registry::Source> source = registry::makeSystemSource();
        return *source;
    };
    env.fileExists = [](const QString &path) { return QFileInfo(path).isFile(); };
    env.findOnPath = [](const QString &program) { return QStandardPaths::findExecutable(program); };
    // No shell: the path is the program itself.
    env.start = [](const QString &path) { return QProcess::startDetached(path, QStringList()); };
    return env;
}

Environment &environment()
{
    static Environment env = systemEnvironment();
    return env;
}

void setEnvironment(Environment env)
{
    const Environment system = systemEnvironment();
    if (!env.registry)
        env.registry = system.registry;
    if (!env.fileExists)
        env.fileExists = system.fileExists;
    if (!env.findOnPath)
        env.findOnPath = system.findOnPath;
    if (!env.start)
        env.start = system.start;
    environment() = std::move(env);
}

namespace {

QString registeredViewer(const Environment &env)
{
    using namespace registry;
    Source &source = env.registry();
    const Reading path = readValue(source, Root::LocalMachine,
                                   QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                   QStringLiteral("PATH"));
    // The full path is taken as it stands, without a check that it exists.
    if (path.found)
        return path.text;
    const Reading dir = readValue(source, Root::LocalMachine,
                                  QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                  QStringLiteral("MSINFO"));
    if (!dir.found)
        return QString();
    const QString candidate = QDir(dir.text).filePath(QStringLiteral("MSINFO32.EXE"));
    return env.fileExists(candidate) ? candidate : QString();
}

} // namespace

QString startViewer(const Environment &env)
{
    const QString registered = registeredViewer(env);
    if (!registered.isEmpty())
        return env.start(registered) ? registered : QString();
    for (const QString &viewer : linuxViewers()) {
        const QString path = env.findOnPath(viewer);
        if (!path.isEmpty() && env.start(path))
            return path;
    }
    return QString();
}

} // namespace platform::sysinfo
