// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/bequest_working_text.h"

#include "case/engine/working.h"
#include "report/relative_names.h"
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
        QFile file(QStringLiteral(":/report/bequest_working.json"));
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return t;
}

bool english(Language l) { return l == Language::English; }

QString entry(const char *key, Language language, int count = 1)
{
    const QJsonValue v = table()[QLatin1String(key)][QLatin1String(english(language) ? "en" : "ar")];
    if (!v.isArray())
        return v.toString();
    const QJsonArray forms = v.toArray();
    const int index = english(language) ? (count > 1 ? 1 : 0) : (count <= 1 ? 0 : count == 2 ? 1 : 2);
    return forms.isEmpty() ? QString() : forms[qMin(index, static_cast<int>(forms.size()) - 1)].toString();
}

// A fraction kept left to right inside Arabic text.
QString fraction(const Rational &r, Language language)
{
    QString t = r.isWhole() ? QString::number(r.num) : QStringLiteral("%1/%2").arg(r.num).arg(r.den);
    return english(language) ? t : QChar(0x2066) + t + QChar(0x2069);
}

QString capitalised(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

QString fill(QString text, std::initializer_list<std::pair<const char *, QString>> values)
{
    for (const auto &[key, value] : values)
        text.replace(QLatin1Char('{') + QLatin1String(key) + QLatin1Char('}'), value);
    return capitalised(text);
}

} // namespace

QString predeceasedName(const Path &child, Language language)
{
    const bool son = child.length() > 0 && child[child.length() - 1] == PathStep::Son;
    return fill(entry(son ? "child.son" : "child.daughter", language), {{"name", relativeName(child, language, 1)}});
}

QString bequestRecipientSentence(const engine::BequestRecipient &r, Language language)
{
    const QString who = relativeName(r.path, language, r.count);
    switch (r.reason) {
    case engine::BequestReason::Heir:
        return fill(entry("heir", language), {{"who", who}});
    case engine::BequestReason::OutsideTheLines:
        return fill(entry("outsideTheLines", language), {{"who", who}});
    case engine::BequestReason::GiftCovers:
        return fill(entry("giftCovers", language), {{"who", who}});
    case engine::BequestReason::None:
        break;
    }
    return fill(entry("takes", language, r.count), {{"who", who}, {"share", fraction(r.share, language)}});
}

QString bequestRemainderSentence(const engine::BequestResult &r, Language language)
{
    if (r.code == ObligatoryBequest::None)
        return {};
    return fill(entry("remainder", language), {{"total", fraction(r.bequest, language)},
                                               {"rest", fraction(Rational(1) - r.bequest, language)}});
}

QStringList bequestSteps(const engine::BequestResult &r, const Views &views, Language language)
{
    QStringList out;
    if (r.code == ObligatoryBequest::None) {
        out << entry("none", language);
        return out;
    }
    out << fill(entry("code", language),
                {{"code", viewAttribution(views, View::ObligatoryBequest, language)}});
    const std::int64_t asAliveBase = r.asAlive.members.empty() ? 0 : engine::workOf(r.asAlive).correctedBase;
    Rational total;
    for (const engine::BequestBranch &b : r.branches) {
        const QString child = predeceasedName(b.child, language);
        if (!b.entitled) {
            out << fill(entry("notEntitled", language), {{"child", child}});
            continue;
        }
        total += b.asAlive;
        out << fill(entry("asAlive", language), {{"child", child},
                                                  {"base", QString::number(asAliveBase)},
                                                  {"share", fraction(b.asAlive, language)}});
    }
    if (!total.isZero())
        out << fill(entry(r.thirdApplied ? "thirdApplied" : "withinThird", language),
                    {{"total", fraction(total, language)}});
    for (const engine::BequestRecipient &x : r.recipients) {
        if (!x.gift.isZero() && x.reason != engine::BequestReason::Heir
            && x.reason != engine::BequestReason::OutsideTheLines)
            out << fill(entry("gift", language), {{"who", relativeName(x.path, language, x.count)},
                                                   {"gift", fraction(x.gift, language)}});
        out << bequestRecipientSentence(x, language);
    }
    out << bequestRemainderSentence(r, language);
    out << fill(entry("wholeBase", language), {{"base", QString::number(engine::wholeBase(r))}});
    return out;
}

} // namespace report
