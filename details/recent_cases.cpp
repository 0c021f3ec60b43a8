// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/recent_cases.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace details::recent {
namespace {

const QString Key = QStringLiteral("recentCases");

// One settings object for the run: it writes its file from the event loop
// (and when the program ends), not while the user waits for a case.
QSettings &settings()
{
    static QSettings *s = new QSettings(QCoreApplication::instance());
    return *s;
}

void store(const QStringList &list)
{
    settings().setValue(Key, list);
}

} // namespace

QStringList files()
{
    return settings().value(Key).toStringList().mid(0, MaxEntries);
}

void add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, MaxEntries));
}

void remove(const QString &path)
{
    QStringList list = files();
    list.removeAll(QFileInfo(path).absoluteFilePath());
    store(list);
}

} // namespace details::recent
