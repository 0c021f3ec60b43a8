// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/relative_names.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <vector>

namespace report {

namespace {

constexpr int Languages = 2;

// The words of a name in one language, and how a path is cut into units:
// unit[a][b] is the word of the two steps a.b taken together, unit[a][Single]
// the word of a alone; -1 where the table has none.
constexpr int Single = PathStepCount;
using UnitTable = std::array<std::array<int, PathStepCount + 1>, PathStepCount>;

struct ArabicWord
{
    std::array<QString, 3> definite;   // الابن، الابنان، الأبناء
    std::array<QString, 3> construct;  // ابن، ابنا، أبناء (before the next noun)
    std::array<QString, 3> full;       // الشقيق، ...: a full sibling's mark; empty where usage leaves it out
};

struct Tables
{
    std::array<UnitTable, Languages> units;
    std::vector<ArabicWord> arabic;
    std::vector<std::array<QString, 2>> english;
    QString paternal, maternal;
    // The names the working already gives: path text -> {one, several} per language.
    std::array<QHash<QString, std::array<QString, 2>>, Languages> today;
};

QJsonObject loadJson(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    return QJsonDocument::fromJson(file.readAll()).object();
}

template<std::size_t N>
std::array<QString, N> forms(const QJsonValue &v)
{
    std::array<QString, N> out;
    for (std::size_t i = 0; i < N; ++i)
        out[i] = v[static_cast<qsizetype>(i)].toString();
    return out;
}

// Reads the units of one language; words are numbered in the order they are
// first met, through `index`.
UnitTable readUnits(const QJsonObject &units, QHash<QString, int> &index)
{
    UnitTable t;
    for (auto &row : t)
        row.fill(-1);
    for (auto it = units.begin(); it != units.end(); ++it) {
        const QStringList steps = it.key().split(u'.');
        const auto a = stepFromWord(steps[0].toStdString());
        const auto b = steps.size() > 1 ? stepFromWord(steps[1].toStdString()) : std::nullopt;
        if (!a || steps.size() > 2 || (steps.size() == 2 && !b))
            qFatal("relatives.json: bad unit %s", qPrintable(it.key()));
        const QString word = it.value().toString();
        if (!index.contains(word))
            index.insert(word, int(index.size()));
        t[static_cast<std::size_t>(*a)][b ? static_cast<std::size_t>(*b) : Single] = index.value(word);
    }
    return t;
}

Tables load()
{
    Tables t;
    const QJsonObject data = loadJson(QStringLiteral(":/report/relatives.json"));
    for (int lang = 0; lang < Languages; ++lang) {
        const QJsonObject table = data[lang == 0 ? "ar" : "en"].toObject();
        QHash<QString, int> index;
        t.units[static_cast<std::size_t>(lang)] = readUnits(table["units"].toObject(), index);
        const QJsonObject words = table["words"].toObject();
        for (auto it = index.cbegin(); it != index.cend(); ++it) {
            const QJsonValue w = words[it.key()];
            if (w.isUndefined())
                qFatal("relatives.json: no word %s", qPrintable(it.key()));
            const auto i = static_cast<std::size_t>(it.value());
            if (lang == 0) {
                t.arabic.resize(std::max(t.arabic.size(), i + 1));
                t.arabic[i] = {forms<3>(w["definite"]), forms<3>(w["construct"]), forms<3>(w["full"])};
            } else {
                t.english.resize(std::max(t.english.size(), i + 1));
                t.english[i] = forms<2>(w);
            }
        }
    }
    t.paternal = data["ar"]["paternal"].toString();
    t.maternal = data["ar"]["maternal"].toString();

    const QJsonObject names = loadJson(QStringLiteral(":/report/working.json"))["names"].toObject();
    const QJsonObject today = data["today"].toObject();
    for (auto it = today.begin(); it != today.end(); ++it) {
        const QJsonValue n = names[it.value().toString()];
        if (!n.isObject())
            qFatal("relatives.json: no name %s in working.json", qPrintable(it.value().toString()));
        t.today[0].insert(it.key(), forms<2>(n["ar"]));
        t.today[1].insert(it.key(), forms<2>(n["en"]));
    }
    return t;
}

const Tables &tables()
{
    static const Tables t = load();
    return t;
}

bool isAscent(PathStep s) { return s == PathStep::Father || s == PathStep::Mother; }

Strength strengthOf(PathStep s)
{
    switch (s) {
    case PathStep::Brother:
    case PathStep::Sister:
        return Strength::Full;
    case PathStep::PaternalBrother:
    case PathStep::PaternalSister:
        return Strength::Paternal;
    case PathStep::MaternalBrother:
    case PathStep::MaternalSister:
        return Strength::Maternal;
    default:
        return Strength::None;
    }
}

struct Unit
{
    int word;
    Strength strength;
};

// The path cut into units from the deceased's side. A unit of two ascents
// (the grandfather) stands only at the start of a line (the path's start or
// the step after "emancipator"), and gives way when its second step begins
// a unit of its own: father.father.brother is the father's uncle.
std::vector<Unit> unitsOf(const Path &p, const UnitTable &t)
{
    std::vector<Unit> out;
    const int n = p.length();
    const auto pair = [&](int i) {
        return i + 1 < n ? t[static_cast<std::size_t>(p[i])][static_cast<std::size_t>(p[i + 1])] : -1;
    };
    const int lineStart = p[0] == PathStep::Emancipator ? 1 : 0;
    for (int i = 0; i < n;) {
        int word = pair(i);
        const bool uncleNext = pair(i + 1) >= 0 && !isAscent(p[i + 2]);
        if (word >= 0 && isAscent(p[i + 1]) && (i != lineStart || uncleNext))
            word = -1;
        if (word >= 0) {
            out.push_back({word, strengthOf(p[i + 1])});
            i += 2;
        } else {
            out.push_back({t[static_cast<std::size_t>(p[i])][Single], strengthOf(p[i])});
            i += 1;
        }
    }
    return out;
}

// Arabic: the relative first, each unit in the construct state, the nearest
// unit last with the article. A sibling's strength follows the name: after
// the last word it agrees with it (الأخ الشقيق، الإخوة الأشقاء); where it
// belongs to an earlier word a full one is left unsaid and a half one is
// said at the end (عم الأب، عم الأب لأب).
QString arabicName(const std::vector<Unit> &units, int form)
{
    const Tables &t = tables();
    const std::size_t n = units.size();
    QString text;
    for (std::size_t k = n; k-- > 0;) {
        const ArabicWord &w = t.arabic[static_cast<std::size_t>(units[k].word)];
        const std::size_t f = k == n - 1 ? static_cast<std::size_t>(form) : 0;
        if (!text.isEmpty())
            text += u' ';
        text += k == 0 ? w.definite[f] : w.construct[f];
    }
    for (std::size_t k = 0; k < n; ++k) {
        QString mark;
        switch (units[k].strength) {
        case Strength::Full:
            if (k == 0)
                mark = t.arabic[static_cast<std::size_t>(units[k].word)].full[n == 1 ? static_cast<std::size_t>(form) : 0];
            break;
        case Strength::Paternal:
            mark = t.paternal;
            break;
        case Strength::Maternal:
            mark = t.maternal;
            break;
        case Strength::None:
            break;
        }
        if (!mark.isEmpty())
            text += u' ' + mark;
    }
    return text;
}

// English: "the", then the units from the deceased's side joined by
// possessives, the last one in the number asked.
QString englishName(const std::vector<Unit> &units, int form)
{
    const Tables &t = tables();
    QString text = QStringLiteral("the ");
    for (std::size_t k = 0; k < units.size(); ++k) {
        const auto &w = t.english[static_cast<std::size_t>(units[k].word)];
        if (k + 1 < units.size())
            text += w[0] + QStringLiteral("'s ");
        else
            text += w[static_cast<std::size_t>(form)];
    }
    return text;
}

} // namespace

QString relativeName(const Path &path, Language language, int count)
{
    if (path.length() == 0)
        return {};
    const Tables &t = tables();
    const int lang = language == Language::English ? 1 : 0;
    // Arabic: one, two, three or more; English: one, several.
    const int form = count <= 1 ? 0 : (lang == 0 && count == 2 ? 1 : (lang == 0 ? 2 : 1));
    if (form != 1 || lang == 1) {
        const auto known = t.today[static_cast<std::size_t>(lang)].constFind(QString::fromStdString(path.text()));
        if (known != t.today[static_cast<std::size_t>(lang)].constEnd())
            return (*known)[form == 0 ? 0 : 1];
    }
    const std::vector<Unit> units = unitsOf(path, t.units[static_cast<std::size_t>(lang)]);
    return lang == 0 ? arabicName(units, form) : englishName(units, form);
}

} // namespace report
