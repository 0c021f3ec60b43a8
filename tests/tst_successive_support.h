// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// tst_successive's readers: chains, families and agreements written as
// text, and the science documents' tables and sentences.
#include "case/engine/successive.h"
#include "case/engine/together.h"
#include "case/engine/withdrawal.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace engine;

namespace successive_test {

inline Rational fraction(const QString &text)
{
    const QStringList p = text.split('/');
    return Rational(p[0].toLongLong(), p.size() > 1 ? p[1].toLongLong() : 1);
}

std::vector<ChainRelative> relativesOf(const QString &text)
{
    std::vector<ChainRelative> out;
    for (const QString &token : text.split(' ', Qt::SkipEmptyParts)) {
        ChainRelative r;
        QString path = token;
        if (const int star = path.indexOf('*'); star > 0) {
            r.count = path.mid(star + 1).toInt();
            path = path.left(star);
        }
        if (const int eq = path.indexOf('='); eq > 0) {
            r.person = path.mid(eq + 1).toStdString();
            path = path.left(eq);
        }
        r.path = *Path::parse(path.toStdString());
        out.push_back(r);
    }
    return out;
}

// "Zayd: mother=Hind son" -> the deceased's name and his relatives.
std::pair<std::string, std::vector<ChainRelative>> deathOf(const QString &text)
{
    const int colon = text.indexOf(':');
    return {colon > 0 ? text.left(colon).trimmed().toStdString() : std::string(),
            relativesOf(colon > 0 ? text.mid(colon + 1) : text)};
}

inline Chain chainOf(const QString &text, Profile profile = Profile::Program)
{
    Chain c;
    c.profile = profile;
    c.views = profileViews(profile);
    for (const QString &d : text.split('|')) {
        auto [person, relatives] = deathOf(d);
        c.deaths.push_back({person, relatives});
    }
    return c;
}

inline QString labelOf(const Holder &h, const std::vector<std::string> &deceased)
{
    if (h.treasury)
        return QStringLiteral("treasury");
    if (!h.person.empty())
        return QString::fromStdString(h.person);
    const std::string &d = deceased[static_cast<std::size_t>(h.death)];
    return QString::fromStdString((d.empty() ? std::string("first") : d) + "." + h.path.text());
}

// "Hind=64 Fatima=84" -> label and value.
QList<QPair<QString, QString>> pairsOf(const QString &text)
{
    QList<QPair<QString, QString>> out;
    for (const QString &t : text.split(' ', Qt::SkipEmptyParts))
        out << qMakePair(t.section('=', 0, 0), t.section('=', 1));
    return out;
}

inline QString documentText(const char *name)
{
    QFile f(QStringLiteral(TARNAVEL_DOC_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The rows of the table that follows an anchor in a document: the data-value
// or data-share of each row and its figure cells (the first cell, a name, left out).
struct DocTable
{
    int base = 0;
    QList<QPair<QString, QStringList>> rows;
};

inline DocTable tableAfter(const QString &html, const QString &anchor, const QString &kind = QStringLiteral("working"))
{
    DocTable t;
    const int at = html.indexOf(QStringLiteral("<a name=\"%1\">").arg(anchor));
    if (at < 0)
        return t;
    const int start = html.indexOf(QStringLiteral("<table class=\"%1\"").arg(kind), at);
    const QString table = html.mid(start, html.indexOf(QStringLiteral("</table>"), start) - start);
    t.base = QRegularExpression(QStringLiteral("data-base=\"(\\d+)\"")).match(table).captured(1).toInt();
    const QRegularExpression row(QStringLiteral("<tr class=\"(?:part|heir)\"(?: data-share=\"(\\w+)\")? data-value=\"([^\"]+)\">(.*?)</tr>"),
                                 QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
    for (auto r = row.globalMatch(table); r.hasNext();) {
        const auto m = r.next();
        QStringList cells;
        for (auto c = cell.globalMatch(m.captured(3)); c.hasNext();)
            cells << c.next().captured(1).trimmed();
        cells.removeFirst();
        t.rows << qMakePair(m.captured(1).isEmpty() ? m.captured(2) : m.captured(1) + "=" + m.captured(2), cells);
    }
    return t;
}

// What death d's case brings holder h, in parts of the last combined base.
inline std::int64_t fromDeath(const ChainResult &r, std::size_t d, std::size_t h)
{
    std::int64_t p = h < r.steps[d].added.size() ? r.steps[d].added[h] : 0;
    for (std::size_t k = d + 1; k < r.steps.size(); ++k)
        p *= r.steps[k].multiplier;
    return p;
}

inline int holderNamed(const std::vector<Holder> &holders, const std::vector<std::string> &deceased, const QString &label)
{
    for (std::size_t h = 0; h < holders.size(); ++h)
        if (labelOf(holders[h], deceased) == label)
            return static_cast<int>(h);
    return -1;
}

const char *relationName(Relation r)
{
    switch (r) {
    case Relation::First: return "first";
    case Relation::Nothing: return "nothing";
    case Relation::Divisible: return "divisible";
    case Relation::Agreement: return "agreement";
    case Relation::Prime: return "prime";
    case Relation::Shortcut: return "shortcut";
    }
    return "";
}

// A sentence of a document with its figures in braces: {base} the last
// combined base, {base0} the first case's, {m1} the second death's
// multiplier, {Name} a holder's parts, {Name:d} what death d brought him.
inline QString sentenceOf(QString text, const ChainResult &r, const std::vector<std::string> &deceased)
{
    const QRegularExpression slot(QStringLiteral("\\{([^}:]+)(?::(\\d+))?\\}"));
    for (auto m = slot.match(text); m.hasMatch(); m = slot.match(text)) {
        const QString key = m.captured(1);
        std::int64_t v = 0;
        if (key == u"base")
            v = r.reducedBase;
        else if (key == u"base0")
            v = r.steps[0].base;
        else if (key == u"m1")
            v = r.steps[1].multiplier;
        else if (const int h = holderNamed(r.holders, deceased, key); h >= 0)
            v = m.captured(2).isEmpty() ? r.finalParts[static_cast<std::size_t>(h)]
                                        : fromDeath(r, m.captured(2).toULong(), static_cast<std::size_t>(h));
        text.replace(m.capturedStart(), m.capturedLength(), QString::number(v));
    }
    return text;
}

std::vector<std::string> deceasedOf(const Chain &c)
{
    std::vector<std::string> out;
    for (const Death &d : c.deaths)
        out.push_back(d.person);
    return out;
}

inline int memberIn(const Family &f, const QString &path)
{
    for (std::size_t i = 0; i < f.members.size(); ++i)
        if (QString::fromStdString(f.members[i].path.text()) == path)
            return static_cast<int>(i);
    return -1;
}

// A family ("treasury " first: the surplus to the treasury, no return to a
// spouse) and an agreement: "<path>[:heads] estate", or "<path>[:heads]
// heirs <equally|byPayment|byShares> payer[:heads][@paid] ...".
inline std::pair<Family, Withdrawal> withdrawalCase(QString family, const QString &agreement)
{
    Family f;
    if (family.startsWith(QLatin1String("treasury "))) {
        f.views.surplus = Surplus::Treasury;
        f.views.spouseReturn = SpouseReturn::Never;
        family.remove(0, 9);
    }
    for (const ChainRelative &r : relativesOf(family))
        f.members.push_back({r.path, r.count});
    const QStringList words = agreement.split(' ');
    Withdrawal w;
    w.member = memberIn(f, words[0].section(':', 0, 0));
    w.heads = words[0].contains(':') ? words[0].section(':', 1).toInt() : 1;
    if (words.value(1) == u"heirs") {
        w.from = WithdrawalFrom::Heirs;
        w.division = words[2] == u"equally" ? WithdrawnDivision::Equally
            : words[2] == u"byPayment"      ? WithdrawnDivision::ByPayment
                                            : WithdrawnDivision::ByShares;
        for (const QString &p : words.mid(3))
            w.payers.push_back({memberIn(f, p.section('@', 0, 0).section(':', 0, 0)),
                                p.section('@', 0, 0).section(':', 1).toInt(), p.section('@', 1).toLongLong()});
    }
    return {f, w};
}

} // namespace successive_test

using namespace successive_test;

