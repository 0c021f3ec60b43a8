// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace platform::registry { class Source; }

// Finding and starting the system-information viewer for the about box.
namespace platform::sysinfo {

// Where the viewer is looked for, and how a program is started. The
// program's own environment uses the system registry, the file system, PATH
// and a detached process; tests replace any of these.
struct Environment
{
    std::function<registry::Source &()> registry;
    std::function<bool(const QString &path)> fileExists;
    std::function<QString(const QString &program)> findOnPath;
    std::function<bool(const QString &path)> start; // false when it could not be started
};

Environment systemEnvironment();
Environment &environment();
void setEnvironment(Environment env); // an empty member falls back to the system's

// Viewers found on Linux desktops, tried in this order.
QStringList linuxViewers();

// The registry locations first, then the Linux viewers on PATH. Returns the
// program that was started, or an empty text when none could be.
QString startViewer(const Environment &env);

} // namespace platform::sysinfo
