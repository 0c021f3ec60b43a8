// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/recent_cases.h"

#include <QFileInfo>
#include <QSettings>

namespace details::recent {
namespace {

const QString Key = QStringLiteral("recentCases");

void store(const QStringList &list)
{
    QSettings().setValue(Key, list);
}

} // namespace

QStringList files()
{
    return QSettings().value(Key).toStringList().mid(0, MaxEntries);
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
