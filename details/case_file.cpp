// SPDX-License-Identifier: GPL-3.0-or-later
#include "details/case_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace details::casefile {
namespace {

QString programName()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral("Tarnavel") : QStringLiteral("Tarnavel ") + version;
}

Problem problem(Error e, const QString &detail = {})
{
    return {e, detail};
}

// A whole number in [min, max], or false.
bool wholeNumber(const QJsonValue &v, int min, int max, int &out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || d < min || d > max)
        return false;
    out = int(d);
    return true;
}

bool optionalText(const QJsonObject &o, const char *key, QString &out)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull()) {
        out.clear();
        return true;
    }
    if (!v.isString() || v.toString().size() > 64)
        return false;
    out = v.toString();
    return true;
}

// The relatives by path, the profile and the changed views (version 2).
Problem readPaths(const QJsonObject &root, CaseState &s)
{
    const QJsonValue relatives = root.value(QStringLiteral("relatives"));
    if (!relatives.isUndefined()) {
        if (!relatives.isArray() || relatives.toArray().size() > 200)
            return problem(Error::BadValue, QStringLiteral("relatives"));
        for (const QJsonValue &v : relatives.toArray()) {
            const QJsonObject o = v.toObject();
            const QString text = o.value(QStringLiteral("path")).toString();
            const auto path = Path::parse(text.toStdString());
            if (!v.isObject() || !path)
                return problem(Error::UnknownRelative, text);
            int n = 0;
            if (!wholeNumber(o.value(QStringLiteral("count")), 1, engine::maximumCount(*path), n))
                return problem(Error::BadValue, text);
            for (const auto &m : s.added)
                if (m.path == *path)
                    return problem(Error::Inconsistent, text);
            s.added.push_back({*path, n});
        }
    }
    // A file without a profile leaves it unsaid (the case window reads it
    // as the program's views, which were all there was before profiles).
    const QJsonValue profile = root.value(QStringLiteral("profile"));
    if (!profile.isUndefined()) {
        const auto p = profileFromName(profile.toString().toStdString());
        if (!profile.isString() || !p)
            return problem(Error::BadValue, QStringLiteral("profile"));
        s.profile = *p;
        s.views = profileViews(*p);
    }
    const QJsonValue views = root.value(QStringLiteral("views"));
    if (!views.isUndefined()) {
        if (!views.isObject())
            return problem(Error::BadValue, QStringLiteral("views"));
        if (!s.profile) {
            s.profile = Profile::Program;
            s.views = profileViews(Profile::Program);
        }
        const QJsonObject o = views.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            const auto v = viewFromName(it.key().toStdString());
            if (!v || !it.value().isString() || !setView(*s.views, *v, it.value().toString().toStdString()))
                return problem(Error::BadValue, it.key());
        }
    }
    // The program's own views said outright are what a file without a
    // profile means: read alike, so that the case writes back the same.
    if (s.profile == Profile::Program && s.views == profileViews(Profile::Program)) {
        s.profile.reset();
        s.views.reset();
    }
    return {};
}

// The children who died before the deceased (version 3): each
// {"child": "son", "descendants": [{"path": "daughter", "count": 1,
// "gift": "1/9"}], "predeceased": [...]}.
bool onlyDescents(const Path &p)
{
    for (int i = 0; i < p.length(); ++i)
        if (p[i] != PathStep::Son && p[i] != PathStep::Daughter)
            return false;
    return true;
}

// A gift as "a/b", a fraction of the estate from 0 to 1.
bool giftFraction(const QJsonValue &v, Rational &out)
{
    if (v.isUndefined()) {
        out = Rational();
        return true;
    }
    const QStringList parts = v.toString().split(QLatin1Char('/'));
    if (!v.isString() || parts.size() != 2)
        return false;
    bool okN = false, okD = false;
    const qint64 n = parts[0].trimmed().toLongLong(&okN);
    const qint64 d = parts[1].trimmed().toLongLong(&okD);
    if (!okN || !okD || n < 0 || d <= 0 || n > d)
        return false;
    out = Rational(n, d);
    return true;
}

Problem readChild(const QJsonValue &value, int depth, engine::Predeceased &out)
{
    const QString where = QStringLiteral("predeceased");
    if (!value.isObject())
        return problem(Error::BadValue, where);
    const QJsonObject o = value.toObject();
    const QString child = o.value(QStringLiteral("child")).toString();
    if (child != QLatin1String("son") && child != QLatin1String("daughter"))
        return problem(Error::UnknownRelative, child.isEmpty() ? where : child);
    out.child = *Path::parse(child.toStdString());
    const QJsonValue descendants = o.value(QStringLiteral("descendants"));
    if (!descendants.isUndefined() && (!descendants.isArray() || descendants.toArray().size() > 50))
        return problem(Error::BadValue, where);
    for (const QJsonValue &v : descendants.toArray()) {
        const QJsonObject d = v.toObject();
        const QString text = d.value(QStringLiteral("path")).toString();
        const auto path = Path::parse(text.toStdString());
        if (!v.isObject() || !path || !onlyDescents(*path) || depth + path->length() > MaxPathLength)
            return problem(Error::UnknownRelative, text);
        int n = 0;
        if (!wholeNumber(d.value(QStringLiteral("count")), 1, 50, n))
            return problem(Error::BadValue, text);
        for (const auto &m : out.descendants)
            if (m.path == *path)
                return problem(Error::Inconsistent, text);
        Rational gift;
        if (!giftFraction(d.value(QStringLiteral("gift")), gift))
            return problem(Error::BadValue, QStringLiteral("gift"));
        out.descendants.push_back({*path, n});
        if (!gift.isZero())
            out.gifts.push_back({*path, gift});
    }
    const QJsonValue below = o.value(QStringLiteral("predeceased"));
    if (!below.isUndefined() && (!below.isArray() || depth + 1 >= MaxPathLength))
        return problem(Error::BadValue, where);
    for (const QJsonValue &v : below.toArray()) {
        out.predeceased.emplace_back();
        if (const Problem p = readChild(v, depth + 1, out.predeceased.back()); p.error != Error::None)
            return p;
    }
    return {};
}

Problem readPredeceased(const QJsonObject &root, CaseState &s)
{
    const QJsonValue list = root.value(QStringLiteral("predeceased"));
    if (list.isUndefined())
        return {};
    if (!list.isArray() || list.toArray().size() > 50)
        return problem(Error::BadValue, QStringLiteral("predeceased"));
    std::vector<engine::Predeceased> read;
    for (const QJsonValue &v : list.toArray()) {
        read.emplace_back();
        if (const Problem p = readChild(v, 1, read.back()); p.error != Error::None)
            return p;
    }
    s.predeceased = std::move(read);
    return {};
}

QJsonObject childJson(const engine::Predeceased &p)
{
    QJsonArray descendants;
    for (const engine::Member &m : p.descendants) {
        QJsonObject d{{QStringLiteral("path"), QString::fromStdString(m.path.text())},
                      {QStringLiteral("count"), m.count}};
        for (const engine::Gift &g : p.gifts)
            if (g.descendant == m.path && !g.amount.isZero())
                d.insert(QStringLiteral("gift"), QString::fromStdString(g.amount.text()));
        descendants.append(d);
    }
    QJsonObject o{{QStringLiteral("child"), QString::fromStdString(p.child.text())},
                  {QStringLiteral("descendants"), descendants}};
    if (!p.predeceased.empty()) {
        QJsonArray below;
        for (const engine::Predeceased &q : p.predeceased)
            below.append(childJson(q));
        o.insert(QStringLiteral("predeceased"), below);
    }
    return o;
}

// The persons whose state is unknown (version 3).
const char *const UncertainKinds[] = {"unborn", "missing", "hermaphrodite"};

QJsonArray uncertainJson(const std::vector<engine::UncertainPerson> &persons)
{
    QJsonArray out;
    for (const engine::UncertainPerson &u : persons) {
        QJsonObject o{{QStringLiteral("kind"), QLatin1String(UncertainKinds[int(u.kind)])},
                      {QStringLiteral("place"), QString::fromStdString(u.place.text())}};
        if (u.kind != engine::Uncertainty::Unborn)
            o.insert(QStringLiteral("count"), u.count);
        if (u.kind == engine::Uncertainty::Hermaphrodite)
            o.insert(QStringLiteral("clarityHoped"), u.clarityHoped);
        out.append(o);
    }
    return out;
}

Problem readUncertain(const QJsonObject &root, CaseState &s)
{
    const QJsonValue list = root.value(QStringLiteral("uncertain"));
    if (list.isUndefined())
        return {};
    if (!list.isArray() || list.toArray().size() > 20)
        return problem(Error::BadValue, QStringLiteral("uncertain"));
    for (const QJsonValue &v : list.toArray()) {
        const QJsonObject o = v.toObject();
        const QString kind = o.value(QStringLiteral("kind")).toString();
        const auto known = std::find(std::begin(UncertainKinds), std::end(UncertainKinds), kind.toStdString());
        if (!v.isObject() || known == std::end(UncertainKinds))
            return problem(Error::BadValue, QStringLiteral("kind"));
        engine::UncertainPerson u;
        u.kind = engine::Uncertainty(known - std::begin(UncertainKinds));
        const QString text = o.value(QStringLiteral("place")).toString();
        const auto place = Path::parse(text.toStdString());
        if (!place)
            return problem(Error::UnknownRelative, text);
        u.place = *place;
        // The unborn is one child, however many are born.
        const QJsonValue count = o.value(QStringLiteral("count"));
        const int most = u.kind == engine::Uncertainty::Unborn ? 1 : 6;
        if (!count.isUndefined() && !wholeNumber(count, 1, most, u.count))
            return problem(Error::BadValue, text);
        const QJsonValue hoped = o.value(QStringLiteral("clarityHoped"));
        if (!hoped.isUndefined() && !hoped.isBool())
            return problem(Error::BadValue, QStringLiteral("clarityHoped"));
        // Only a hermaphrodite's sex can become clear: for the others the
        // key means nothing, and is not written back.
        u.clarityHoped = u.kind != engine::Uncertainty::Hermaphrodite || hoped.toBool(true);
        s.uncertain.push_back(u);
    }
    // Where they stand and how many: the estimates' own checks (no one else
    // is needed for them).
    const engine::EstimatesError e = engine::estimate({engine::Family{}, s.uncertain}).error;
    if (e == engine::EstimatesError::NotAPlace || e == engine::EstimatesError::TooMany
        || e == engine::EstimatesError::BadCount)
        return problem(Error::Inconsistent, QStringLiteral("uncertain"));
    return {};
}

// Heirs who died before the division (version 3).
QJsonObject personJson(const PersonRef &p)
{
    return {{QStringLiteral("death"), p.death},
            {QStringLiteral("path"), QString::fromStdString(p.path.text())},
            {QStringLiteral("which"), p.which}};
}

QJsonArray laterDeathsJson(const std::vector<LaterDeath> &deaths)
{
    QJsonArray out;
    for (const LaterDeath &d : deaths) {
        QJsonArray relatives;
        for (const LaterRelative &r : d.relatives) {
            QJsonObject o{{QStringLiteral("path"), QString::fromStdString(r.path.text())}};
            if (r.same)
                o.insert(QStringLiteral("same"), personJson(*r.same));
            else
                o.insert(QStringLiteral("count"), r.count);
            relatives.append(o);
        }
        out.append(QJsonObject{{QStringLiteral("deceased"), personJson(d.deceased)},
                               {QStringLiteral("relatives"), relatives}});
    }
    return out;
}

// A person of an earlier death than `death`.
bool readPerson(const QJsonValue &v, int death, PersonRef &out)
{
    const QJsonObject o = v.toObject();
    const auto path = Path::parse(o.value(QStringLiteral("path")).toString().toStdString());
    if (!v.isObject() || !path || !wholeNumber(o.value(QStringLiteral("death")), 0, death - 1, out.death)
        || !wholeNumber(o.value(QStringLiteral("which")), 0, engine::maximumCount(*path) - 1, out.which))
        return false;
    out.path = *path;
    return true;
}

Problem readLaterDeaths(const QJsonObject &root, CaseState &s, Language language)
{
    const QJsonValue value = root.value(QStringLiteral("laterDeaths"));
    if (value.isUndefined())
        return {};
    const QString key = QStringLiteral("laterDeaths");
    if (!value.isArray() || value.toArray().size() > 50)
        return problem(Error::BadValue, key);
    std::vector<LaterDeath> deaths;
    for (const QJsonValue &d : value.toArray()) {
        const int k = int(deaths.size()) + 1;
        LaterDeath death;
        const QJsonValue relatives = d.toObject().value(QStringLiteral("relatives"));
        if (!d.isObject() || !readPerson(d.toObject().value(QStringLiteral("deceased")), k, death.deceased)
            || !relatives.isArray() || relatives.toArray().size() > 200)
            return problem(Error::BadValue, key);
        for (const QJsonValue &v : relatives.toArray()) {
            const QJsonObject o = v.toObject();
            const QString text = o.value(QStringLiteral("path")).toString();
            const auto path = Path::parse(text.toStdString());
            if (!v.isObject() || !path)
                return problem(Error::UnknownRelative, text);
            LaterRelative r{*path, 1, {}};
            if (o.contains(QStringLiteral("same"))) {
                PersonRef p;
                if (!readPerson(o.value(QStringLiteral("same")), k, p))
                    return problem(Error::BadValue, text);
                r.same = p;
            } else if (!wholeNumber(o.value(QStringLiteral("count")), 1, engine::maximumCount(*path), r.count)) {
                return problem(Error::BadValue, text);
            }
            // One unnamed group per path in a death.
            for (const LaterRelative &e : death.relatives)
                if (!r.same && !e.same && e.path == r.path)
                    return problem(Error::Inconsistent, text);
            death.relatives.push_back(r);
        }
        deaths.push_back(std::move(death));
    }
    // Every person referred to is one of the case, and the chain is one the
    // calculation works.
    std::string error;
    const engine::Chain chain = chainOf(firstFamily(s, language), deaths, error);
    if (error.empty())
        error = engine::workChain(chain).error;
    if (!error.empty())
        return problem(Error::Inconsistent, QString::fromStdString(error));
    s.laterDeaths = std::move(deaths);
    return {};
}

} // namespace

QByteArray toJson(const CaseState &s, Language language, const QDateTime &saved)
{
    QJsonObject family;
    for (int k = 0; k < RelativeCount; ++k)
        if (s.counts[std::size_t(k)] != 0)
            family.insert(QLatin1String(relativeKey(Relative(k))), s.counts[std::size_t(k)]);
    QJsonObject money{
        {QStringLiteral("value"), s.estate.value},
        {QStringLiteral("funeralCosts"), s.estate.funeralCosts},
        {QStringLiteral("debts"), s.estate.debts},
        {QStringLiteral("bequest"), s.estate.bequest},
        {QStringLiteral("heirsConsent"), s.estate.heirsConsent},
        {QStringLiteral("decimals"), s.estate.decimals},
    };
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(FormatName)},
        {QStringLiteral("formatVersion"), FormatVersion},
        {QStringLiteral("program"), programName()},
        {QStringLiteral("saved"), saved.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("language"), language == Language::English ? QStringLiteral("en") : QStringLiteral("ar")},
        {QStringLiteral("deceased"),
         QJsonObject{{QStringLiteral("name"), s.name},
                     {QStringLiteral("sex"), s.woman ? QStringLiteral("female") : QStringLiteral("male")}}},
        {QStringLiteral("family"), family},
        {QStringLiteral("grandfatherMethod"), s.method},
        {QStringLiteral("estate"), money},
    };
    // The program's own views, unchanged, are what a version 1 file means.
    const bool otherViews = s.profile
        && (*s.profile != Profile::Program || (s.views && !(*s.views == profileViews(Profile::Program))));
    const bool beyondFirst = !s.added.empty() || otherViews;
    if (beyondFirst)
        root.insert(QStringLiteral("formatVersion"), 2);
    else
        root.insert(QStringLiteral("formatVersion"), 1);
    if (!s.predeceased.empty()) {
        QJsonArray predeceased;
        for (const engine::Predeceased &p : s.predeceased)
            predeceased.append(childJson(p));
        root.insert(QStringLiteral("predeceased"), predeceased);
        root.insert(QStringLiteral("formatVersion"), 3);
    }
    if (!s.uncertain.empty()) {
        root.insert(QStringLiteral("formatVersion"), 3);
        root.insert(QStringLiteral("uncertain"), uncertainJson(s.uncertain));
    }
    if (!s.laterDeaths.empty()) {
        root.insert(QStringLiteral("formatVersion"), 3);
        root.insert(QStringLiteral("laterDeaths"), laterDeathsJson(s.laterDeaths));
    }
    if (!s.added.empty()) {
        QJsonArray relatives;
        for (const auto &m : s.added)
            relatives.append(QJsonObject{{QStringLiteral("path"), QString::fromStdString(m.path.text())},
                                         {QStringLiteral("count"), m.count}});
        root.insert(QStringLiteral("relatives"), relatives);
    }
    if (otherViews) {
        root.insert(QStringLiteral("profile"), QLatin1String(profileName(*s.profile)));
        // Only the views changed from the profile's.
        const Views of = profileViews(*s.profile);
        QJsonObject changed;
        if (s.views)
            for (int k = 0; k < ViewCount; ++k)
                if (std::string_view(viewValue(*s.views, View(k))) != viewValue(of, View(k)))
                    changed.insert(QLatin1String(viewName(View(k))), QLatin1String(viewValue(*s.views, View(k))));
        if (!changed.isEmpty())
            root.insert(QStringLiteral("views"), changed);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Problem fromJson(const QByteArray &bytes, Contents &out)
{
    if (bytes.trimmed().isEmpty())
        return problem(Error::Empty);
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        // An object that names the format, or that breaks off at its end, was
        // a case file once.
        const QByteArray text = bytes.trimmed();
        const bool begunAsCase = text.startsWith('{') && (text.contains(FormatName) || parse.offset >= text.size() - 1);
        return problem(begunAsCase ? Error::Damaged : Error::NotACaseFile, parse.errorString());
    }
    if (!doc.isObject() || doc.object().value(QStringLiteral("format")).toString() != QLatin1String(FormatName))
        return problem(Error::NotACaseFile);
    const QJsonObject root = doc.object();

    int version = 0;
    if (!wholeNumber(root.value(QStringLiteral("formatVersion")), 1, 1 << 30, version))
        return problem(Error::Damaged, QStringLiteral("formatVersion"));
    if (version > FormatVersion)
        return problem(Error::NewerFormat, QString::number(version));

    Contents c;
    const QString lang = root.value(QStringLiteral("language")).toString(QStringLiteral("ar"));
    if (lang != QLatin1String("ar") && lang != QLatin1String("en"))
        return problem(Error::BadValue, QStringLiteral("language"));
    c.language = lang == QLatin1String("en") ? Language::English : Language::Arabic;
    c.program = root.value(QStringLiteral("program")).toString();
    c.saved = QDateTime::fromString(root.value(QStringLiteral("saved")).toString(), Qt::ISODate);

    const QJsonValue deceased = root.value(QStringLiteral("deceased"));
    if (!deceased.isUndefined()) {
        if (!deceased.isObject())
            return problem(Error::BadValue, QStringLiteral("deceased"));
        const QJsonObject d = deceased.toObject();
        const QJsonValue name = d.value(QStringLiteral("name"));
        if (!name.isUndefined() && (!name.isString() || name.toString().size() > 200))
            return problem(Error::BadValue, QStringLiteral("name"));
        c.state.name = name.toString();
        const QString sex = d.value(QStringLiteral("sex")).toString(QStringLiteral("male"));
        if (sex != QLatin1String("male") && sex != QLatin1String("female"))
            return problem(Error::BadValue, QStringLiteral("sex"));
        c.state.woman = sex == QLatin1String("female");
    }

    const QJsonValue familyValue = root.value(QStringLiteral("family"));
    if (!familyValue.isObject())
        return problem(Error::Damaged, QStringLiteral("family"));
    const QJsonObject family = familyValue.toObject();
    for (auto it = family.begin(); it != family.end(); ++it) {
        Relative r;
        if (!relativeFromKey(it.key(), r))
            return problem(Error::UnknownRelative, it.key());
        int n = 0;
        if (!wholeNumber(it.value(), 0, relativeMax(r), n))
            return problem(Error::BadValue, it.key());
        c.state.setCount(r, n);
    }

    const QJsonValue method = root.value(QStringLiteral("grandfatherMethod"));
    if (!method.isUndefined() && !wholeNumber(method, 1, 2, c.state.method))
        return problem(Error::BadValue, QStringLiteral("grandfatherMethod"));

    const QJsonValue money = root.value(QStringLiteral("estate"));
    if (!money.isUndefined()) {
        if (!money.isObject())
            return problem(Error::BadValue, QStringLiteral("estate"));
        const QJsonObject m = money.toObject();
        EstateEntries &e = c.state.estate;
        for (auto [key, field] : {std::pair{"value", &e.value}, std::pair{"funeralCosts", &e.funeralCosts},
                                  std::pair{"debts", &e.debts}, std::pair{"bequest", &e.bequest}})
            if (!optionalText(m, key, *field))
                return problem(Error::BadValue, QLatin1String(key));
        const QJsonValue consent = m.value(QStringLiteral("heirsConsent"));
        if (!consent.isUndefined() && !consent.isBool())
            return problem(Error::BadValue, QStringLiteral("heirsConsent"));
        e.heirsConsent = consent.toBool();
        const QJsonValue decimals = m.value(QStringLiteral("decimals"));
        if (!decimals.isUndefined() && !wholeNumber(decimals, 0, estate::maxDecimals, e.decimals))
            return problem(Error::BadValue, QStringLiteral("decimals"));
    }

    if (const Problem p = readPaths(root, c.state); p.error != Error::None)
        return p;
    if (const Problem p = readPredeceased(root, c.state); p.error != Error::None)
        return p;
    if (const Problem p = readUncertain(root, c.state); p.error != Error::None)
        return p;
    if (const Problem p = readLaterDeaths(root, c.state, c.language); p.error != Error::None)
        return p;

    // The family must be one the calculation admits.
    if (const char *error = admitFamily(familyRecord(c.state, c.language)).error)
        return problem(Error::Inconsistent, QLatin1String(error));

    out = std::move(c);
    return {};
}

Problem save(const QString &path, const CaseState &s, Language language)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return problem(Error::Unwritable, file.errorString());
    const QByteArray bytes = toJson(s, language, QDateTime::currentDateTimeUtc());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return problem(Error::Unwritable, file.errorString());
    return {};
}

Problem open(const QString &path, Contents &out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return problem(Error::Unreadable, file.errorString());
    if (file.size() > MaxFileSize)
        return problem(Error::NotACaseFile);
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return problem(Error::Unreadable, file.errorString());
    return fromJson(bytes, out);
}

} // namespace details::casefile
