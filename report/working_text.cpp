// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/working_text.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace report {

namespace {

const QJsonObject &table()
{
    static const QJsonObject t = [] {
        QFile file(QStringLiteral(":/report/working.json"));
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return t;
}

QString lang(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ar");
}

QString entry(const char *section, const char *key, Language language)
{
    return table()[QLatin1String(section)][QLatin1String(key)][lang(language)].toString();
}

QString name(const char *key, int count, Language language)
{
    const QJsonValue forms = table()[QLatin1String("names")][QLatin1String(key)][lang(language)];
    return forms[count > 1 ? 1 : 0].toString();
}

QString withReference(QString text, const QString &ref)
{
    if (!ref.isEmpty())
        text += QStringLiteral(" [") + ref + QLatin1Char(']');
    return text;
}

int groupHeads(const CaseWorking &w, Heir h)
{
    for (const GroupWorking &g : w.groups)
        if (g.heir == h)
            return g.heads;
    return 1;
}

} // namespace

QString groupName(Heir h, int count, Language language)
{
    return name(heirKey(h), count, language);
}

QString relativeName(Relative r, int count, Language language)
{
    return name(relativeKey(r), count, language);
}

QString portionName(Portion p, Language language)
{
    return entry("portions", portionKey(p), language);
}

QString ruleReference(Rule r)
{
    return table()[QLatin1String("rules")][QLatin1String(ruleKey(r))][QLatin1String("ref")].toString();
}

QString stepSentence(const Step &step, const CaseWorking &w, Language language)
{
    switch (step.kind) {
    case StepKind::Share: {
        QString text = entry("rules", ruleKey(step.rule), language);
        QString heir = groupName(step.heir, groupHeads(w, step.heir), language);
        if (language == Language::English && !heir.isEmpty() && text.startsWith(QLatin1String("{heir}")))
            heir[0] = heir[0].toUpper();
        for (const GroupWorking &g : w.groups)
            if (g.heir == step.heir)
                text.replace(QLatin1String("{portion}"), portionName(nominalPortion(g.rule, g.fixed), language));
        return withReference(text.replace(QLatin1String("{heir}"), heir), ruleReference(step.rule));
    }
    case StepKind::Method:
        return entry("steps", step.from == 1 ? "Method1" : "Method2", language);
    default:
        break;
    }
    static const char *keys[] = {"Method1", "Share", "Awl", "Return", "ReturnWithSpouse",
                                 "RestToSpouse", "Treasury", "Correction", "Umariyya",
                                 "Mushtaraka", "Akdariyya", "Muadda", "Minbariyya", "Reduction"};
    QString text = entry("steps", keys[static_cast<int>(step.kind)], language);
    text.replace(QLatin1String("{from}"), QString::number(step.from));
    text.replace(QLatin1String("{to}"), QString::number(step.to));
    text.replace(QLatin1String("{result}"), QString::number(step.result));
    return text;
}

QString exclusionSentence(const Exclusion &e, Language language)
{
    QString text = entry("reasons", reasonKey(e.reason), language);
    QString who = relativeName(e.relative, e.count, language);
    if (language == Language::English && !who.isEmpty())
        who[0] = who[0].toUpper();
    text.replace(QLatin1String("{relative}"), who);
    text.replace(QLatin1String("{by}"), relativeName(e.by, 1, language));
    return text;
}

} // namespace report
