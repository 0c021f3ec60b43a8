// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of the estimates share: families written as text, the
// paid-at-once line, and the science documents.

#include "case/engine/estimates.h"

#include <QString>
#include <QStringList>

#include <map>

namespace estimatestest {

using namespace engine;

// "wife mother 2*brother" with "unborn:son missing:2*brother hermaphrodite:son
// hermaphrodite!:son" (! : no hope of clarity), under "hanbali" or
// "hanbali,hermaphrodite=halfOfTwo".
inline UncertainFamily familyOf(const QString &known, const QString &uncertain, const QString &views)
{
    UncertainFamily f;
    const QStringList v = views.split(u',');
    f.known.profile = *profileFromName(v[0].toStdString());
    f.known.views = profileViews(f.known.profile);
    for (qsizetype i = 1; i < v.size(); ++i) {
        const QStringList kv = v[i].split(u'=');
        if (!setView(f.known.views, *viewFromName(kv[0].toStdString()), kv[1].toStdString()))
            qFatal("bad view %s", qPrintable(v[i]));
    }
    const auto member = [](const QString &item) {
        const qsizetype star = item.indexOf(u'*');
        const auto path = Path::parse(item.mid(star + 1).toStdString());
        if (!path)
            qFatal("not a path: %s", qPrintable(item));
        return Member{*path, star < 0 ? 1 : item.left(star).toInt()};
    };
    for (const QString &item : known.split(u' ', Qt::SkipEmptyParts))
        f.known.members.push_back(member(item));
    for (const QString &item : uncertain.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = item.indexOf(u':');
        const QString kind = item.left(colon);
        const Member m = member(item.mid(colon + 1));
        UncertainPerson u;
        u.kind = kind == u"unborn" ? Uncertainty::Unborn
            : kind == u"missing"   ? Uncertainty::Missing
                                   : Uncertainty::Hermaphrodite;
        u.place = m.path;
        u.count = m.count;
        u.clarityHoped = !kind.endsWith(u'!');
        f.uncertain.push_back(u);
    }
    return f;
}

inline QString fraction(const Rational &q)
{
    return q.den == 1 ? QString::number(q.num) : QStringLiteral("%1/%2").arg(q.num).arg(q.den);
}

inline QString keyOf(const Claimant &c)
{
    if (c.treasury)
        return QStringLiteral("treasury");
    return (c.uncertain >= 0 ? QStringLiteral("?") : QString()) + QString::fromStdString(c.path.text());
}

// What is paid at once, in the order of `expected`'s keys, then any claimant
// it leaves out who is paid something, the reserve and the base.
inline QString paidNow(const EstimatesResult &r, const QString &expected)
{
    std::map<QString, Rational> now;
    for (std::size_t c = 0; c < r.claimants.size(); ++c)
        now[keyOf(r.claimants[c])] = r.now[c];
    QStringList out;
    for (const QString &token : expected.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = token.section(u'=', 0, 0);
        if (key == u"held")
            out << QStringLiteral("held=") + fraction(r.held);
        else if (key == u"base")
            out << QStringLiteral("base=%1").arg(r.base);
        else if (key == u"agreed")
            out << QStringLiteral("agreed=") + fraction(r.byAgreement);
        else if (key.startsWith(u"most?")) {
            Rational most;
            for (const Claimant &c : r.claimants)
                if (c.uncertain >= 0 && keyOf(c) == key.mid(4))
                    most = r.mostFor[static_cast<std::size_t>(c.uncertain)];
            out << key + u'=' + fraction(most);
        } else if (key == u"least")
            out << QStringLiteral("least=%1").arg(r.reducedBase);
        else if (now.count(key))
            out << key + u'=' + fraction(now[key]);
        else
            out << key + QStringLiteral("=absent");
        now.erase(key);
    }
    for (const auto &[key, q] : now)
        if (!q.isZero())
            out << key + u'=' + fraction(q);
    return out.join(u' ');
}

// The members and counts of a family, to find the estimate a table shows.
inline std::map<std::string, int> membersOf(const Family &f)
{
    std::map<std::string, int> out;
    for (const Member &m : f.members)
        if (m.count > 0)
            out[m.path.text()] += m.count;
    return out;
}

inline Rational parseFraction(const QString &text)
{
    Rational sum;
    for (const QString &term : text.split(u'+')) {
        Rational product(1);
        for (const QString &f : term.split(u'*')) {
            const QStringList p = f.trimmed().split(u'/');
            product = product * Rational(p[0].toLongLong(), p.size() == 2 ? p[1].toLongLong() : 1);
        }
        sum += product;
    }
    return sum;
}


} // namespace estimatestest
