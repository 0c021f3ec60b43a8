// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/chain_working_text.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace report {
namespace {

QString sentence(const char *key, Language language)
{
    static const QJsonObject table = [] {
        QFile file(QStringLiteral(":/report/path_working.json"));
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("chain")).toObject();
    }();
    return table.value(QLatin1String(key)).toObject().value(language == Language::English ? QLatin1String("en")
                                                                                            : QLatin1String("ar")).toString();
}

QString number(std::int64_t n)
{
    return QString::number(n);
}

QString fraction(const Rational &r)
{
    return r.isWhole() ? QString::number(r.num) : QStringLiteral("%1/%2").arg(r.num).arg(r.den);
}

QString fill(QString text, std::initializer_list<std::pair<const char *, QString>> values)
{
    for (const auto &[key, value] : values)
        text.replace(QLatin1Char('{') + QLatin1String(key) + QLatin1Char('}'), value);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString isolated(const QString &figure)
{
    return QChar(0x2066) + figure + QChar(0x2069);
}

QStringList chainSteps(const engine::ChainResult &result, const std::vector<QString> &deceased,
                       const std::vector<QString> &holders, Language language)
{
    using engine::Relation;
    QStringList out;
    if (!result.ok() || result.steps.empty())
        return out;
    out << fill(sentence("First", language), {{"base", number(result.steps.front().base)}});
    std::int64_t combined = result.steps.front().combinedBase;
    for (std::size_t d = 1; d < result.steps.size(); ++d) {
        const engine::ChainStep &s = result.steps[d];
        const QString who = d < deceased.size() ? deceased[d] : QString();
        QString text = fill(sentence(s.relation == Relation::Nothing ? "Death.nothing" : "Death", language), {{"who", who}, {"parts", number(s.deceasedParts)},
                                                          {"combined", number(combined)}, {"base", number(s.base)}});
        const char *key = nullptr;
        switch (s.relation) {
        case Relation::First: break;
        case Relation::Nothing: key = "Nothing"; break;
        case Relation::Divisible: key = "Divisible"; break;
        case Relation::Agreement: key = "Agreement"; break;
        case Relation::Prime: key = "Prime"; break;
        case Relation::Shortcut: key = "Shortcut"; break;
        }
        if (key)
            text += QLatin1Char(' ')
                + fill(sentence(key, language),
                       {{"parts", number(s.deceasedParts)}, {"base", number(s.base)}, {"factor", number(s.factor)},
                        {"mult", number(s.multiplier)}, {"m", number(s.caseMultiplier)}, {"from", number(combined)},
                        {"to", number(s.combinedBase)}});
        out << text;
        combined = s.combinedBase;
    }
    if (result.reducedBase != combined)
        out << fill(sentence("Reduction", language), {{"from", number(combined)}, {"to", number(result.reducedBase)}});
    for (std::size_t h = 0; h < result.holders.size() && h < holders.size(); ++h) {
        if (result.finalParts[h] == 0)
            continue;
        out << fill(sentence("Holding", language),
                    {{"who", holders[h]}, {"parts", number(result.finalParts[h])}, {"base", number(result.reducedBase)},
                     {"share", isolated(fraction(result.shares[h]))}});
    }
    return out;
}

} // namespace report
