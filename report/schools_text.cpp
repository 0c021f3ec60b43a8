// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/schools_text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace report {

namespace {

const QJsonObject &table()
{
    static const QJsonObject t = [] {
        QFile file(QStringLiteral(":/report/schools.json"));
        if (!file.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return t;
}

QLatin1String lang(Language language)
{
    return QLatin1String(language == Language::Arabic ? "ar" : "en");
}

QJsonObject viewEntry(View v)
{
    return table()[QLatin1String("views")][QLatin1String(viewName(v))].toObject();
}

QJsonObject valueEntry(View v, std::string_view value)
{
    const QString key = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    return viewEntry(v)[QLatin1String("values")][key].toObject();
}

QJsonObject profileEntry(Profile p)
{
    return table()[QLatin1String("profiles")][QLatin1String(profileName(p))].toObject();
}

} // namespace

QString viewTitle(View v, Language language)
{
    return viewEntry(v)[QLatin1String("title")][lang(language)].toString();
}

QString viewAttribution(View v, std::string_view value, Language language)
{
    return valueEntry(v, value)[lang(language)].toString();
}

QString viewAttribution(const Views &views, View v, Language language)
{
    return viewAttribution(v, viewValue(views, v), language);
}

QString viewHolders(View v, std::string_view value)
{
    return valueEntry(v, value)[QLatin1String("holders")].toString();
}

QStringList viewSources(View v, std::string_view value)
{
    QStringList out;
    for (const QJsonValue &s : valueEntry(v, value)[QLatin1String("sources")].toArray())
        out << s.toString();
    return out;
}

QString profileTitle(Profile p, Language language)
{
    return profileEntry(p)[QLatin1String("title")][lang(language)].toString();
}

QString profileDocumentedValue(Profile p, View v)
{
    return profileEntry(p)[QLatin1String("views")][QLatin1String(viewName(v))][QLatin1String("value")].toString();
}

QString profileSource(Profile p, View v)
{
    return profileEntry(p)[QLatin1String("views")][QLatin1String(viewName(v))][QLatin1String("source")].toString();
}

} // namespace report
