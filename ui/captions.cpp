// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

namespace captions {
namespace {

const char *langKey(Language language)
{
    return language == Language::English ? "en" : "ar";
}

const QJsonObject &table(const QString &window)
{
    static QHash<QString, QJsonObject> cache;
    auto it = cache.find(window);
    if (it != cache.end())
        return *it;
    QJsonObject obj;
    QFile f(QStringLiteral(":/captions/%1.json").arg(window));
    if (f.open(QIODevice::ReadOnly))
        obj = QJsonDocument::fromJson(f.readAll()).object();
    return *cache.insert(window, obj);
}

QJsonValue entry(const QString &window, const QString &key, Language language)
{
    return table(window).value(key).toObject().value(QLatin1String(langKey(language)));
}

} // namespace

QString text(const QString &window, const QString &key, Language language)
{
    const QJsonValue v = entry(window, key, language);
    return v.isString() ? v.toString() : QString();
}

QStringList list(const QString &window, const QString &key, Language language)
{
    QStringList out;
    for (const QJsonValue &v : entry(window, key, language).toArray())
        out << v.toString();
    return out;
}

bool has(const QString &window, const QString &key, Language language)
{
    return !entry(window, key, language).isUndefined();
}

void apply(QWidget *window, const QString &windowName, Language language)
{
    const QJsonObject &t = table(windowName);
    for (auto it = t.begin(); it != t.end(); ++it) {
        const QJsonValue v = it->toObject().value(QLatin1String(langKey(language)));
        if (v.isUndefined())
            continue;
        const QString key = it.key();
        if (key == QLatin1String("window")) {
            window->setWindowTitle(v.toString());
            continue;
        }
        if (key.endsWith(QLatin1String(".toolTip"))) {
            if (auto *w = window->findChild<QWidget *>(key.chopped(8)))
                w->setToolTip(v.toString());
            continue;
        }
        QObject *o = window->findChild<QObject *>(key);
        if (!o)
            continue;
        if (v.isArray()) {
            if (auto *combo = qobject_cast<QComboBox *>(o)) {
                QStringList items;
                for (const QJsonValue &e : v.toArray())
                    items << e.toString();
                combo->clear();
                combo->addItems(items);
                combo->setCurrentIndex(-1);
            }
            continue;
        }
        const QString s = v.toString();
        if (auto *label = qobject_cast<QLabel *>(o))
            label->setText(s);
        else if (auto *button = qobject_cast<QAbstractButton *>(o))
            button->setText(s);
        else if (auto *group = qobject_cast<QGroupBox *>(o))
            group->setTitle(s);
        else if (auto *edit = qobject_cast<QLineEdit *>(o))
            edit->setText(s);
        else if (auto *menu = qobject_cast<QMenu *>(o))
            menu->setTitle(s);
        else if (auto *action = qobject_cast<QAction *>(o))
            action->setText(s);
    }
}

} // namespace captions
