// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc_estimates.h"

#include "case/estate.h"
#include "report/relative_names.h"
#include "tools/calc_paths.h"

#include <QJsonObject>

#include <cmath>

namespace calccli {

namespace {

const char *kindName(engine::Uncertainty k)
{
    switch (k) {
    case engine::Uncertainty::Unborn: return "unborn";
    case engine::Uncertainty::Missing: return "missing";
    case engine::Uncertainty::Hermaphrodite: return "hermaphrodite";
    }
    return "unborn";
}

const char *errorText(engine::EstimatesError e)
{
    switch (e) {
    case engine::EstimatesError::None: return "";
    case engine::EstimatesError::NotAPlace:
        return "an unborn child or a hermaphrodite must stand at a child's or a sibling's place "
               "(son, daughter, brother, sister, paternal or maternal ones, or below them)";
    case engine::EstimatesError::TooMany:
        return "at most one unborn child, six hermaphrodites and four missing persons";
    case engine::EstimatesError::BadCount:
        return "a count of uncertain persons below 1";
    case engine::EstimatesError::TooLarge:
        return "the combined base of the estimates passes 64 bits";
    }
    return "";
}

// "unborn:son", "missing:brother", or the path of a known relative.
QString claimantKey(const engine::Claimant &c, const engine::UncertainFamily &f)
{
    if (c.treasury)
        return QStringLiteral("Treasury");
    const QString path = QString::fromStdString(c.path.text());
    if (c.uncertain < 0)
        return path;
    return QLatin1String(kindName(f.uncertain[static_cast<std::size_t>(c.uncertain)].kind)) + u':' + path;
}

void key(std::string &out, const QString &k)
{
    appendJsonString(out, k);
    out += ": ";
}

std::string suppositions(const std::vector<engine::Supposition> &s)
{
    std::string out = "[";
    for (std::size_t i = 0; i < s.size(); ++i)
        out += (i ? ", " : "") + std::string("{\"males\": ") + std::to_string(s[i].males)
            + ", \"females\": " + std::to_string(s[i].females) + "}";
    return out + "]";
}

bool readPersons(const QJsonValue &value, engine::Uncertainty kind, EstimateRequest &request, QString &error)
{
    if (!value.isObject()) {
        error = QStringLiteral("not an object of paths and counts");
        return false;
    }
    const QJsonObject o = value.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto path = Path::parse(it.key().toStdString());
        const double n = it.value().toDouble(-1);
        if (!path) {
            error = QStringLiteral("\"%1\" is not a path of relatives").arg(it.key());
            return false;
        }
        if (!it.value().isDouble() || std::trunc(n) != n || n < 1 || n > 6) {
            error = QStringLiteral("the count of \"%1\" is not a whole number in 1..6").arg(it.key());
            return false;
        }
        request.persons.push_back({kind, *path, static_cast<int>(n), true});
    }
    return true;
}

} // namespace

bool readEstimateKey(const QString &k, const QJsonValue &value, EstimateRequest &request,
                     std::optional<QString> &error)
{
    const QString where = QStringLiteral("key \"%1\": ").arg(k);
    QString problem;
    if (k == u"Unborn") {
        const auto path = value.isString() ? Path::parse(value.toString().toStdString()) : std::nullopt;
        if (!path)
            problem = QStringLiteral("not the path of the child's place (\"son\", \"son.son\", \"paternalBrother\", ...)");
        else
            request.persons.push_back({engine::Uncertainty::Unborn, *path, 1, true});
    } else if (k == u"Missing") {
        readPersons(value, engine::Uncertainty::Missing, request, problem);
    } else if (k == u"Hermaphrodite") {
        readPersons(value, engine::Uncertainty::Hermaphrodite, request, problem);
    } else if (k == u"ClarityHoped") {
        if (value.isBool())
            request.clarityHoped = value.toBool();
        else if (value.isDouble() && (value.toDouble() == 0 || value.toDouble() == 1))
            request.clarityHoped = value.toDouble() == 1;
        else
            problem = QStringLiteral("true or false");
    } else {
        return false;
    }
    if (!problem.isEmpty())
        error = where + problem;
    return true;
}

std::string estimatesAnswer(const engine::Family &family, const EstimateRequest &request, Language language,
                            const EstateRequest &estate, QString &error)
{
    engine::UncertainFamily f{family, request.persons};
    for (engine::UncertainPerson &u : f.uncertain)
        u.clarityHoped = request.clarityHoped;
    const engine::EstimatesResult r = engine::estimate(f);
    if (r.error != engine::EstimatesError::None) {
        error = QLatin1String(errorText(r.error));
        return {};
    }
    std::string out = "{";
    key(out, QStringLiteral("profile"));
    appendJsonString(out, QLatin1String(profileName(family.profile)));
    out += ", \"views\": {";
    for (int v = 0; v < ViewCount; ++v) {
        out += v ? ", " : "";
        key(out, QLatin1String(viewName(View(v))));
        appendJsonString(out, QLatin1String(viewValue(family.views, View(v))));
    }
    out += "}, \"uncertain\": [";
    for (std::size_t i = 0; i < f.uncertain.size(); ++i) {
        const engine::UncertainPerson &u = f.uncertain[i];
        out += i ? ", {" : "{";
        key(out, QStringLiteral("kind"));
        appendJsonString(out, QLatin1String(kindName(u.kind)));
        out += ", ";
        key(out, QStringLiteral("place"));
        appendJsonString(out, QString::fromStdString(u.place.text()));
        out += ", \"count\": " + std::to_string(u.count) + ", ";
        key(out, QStringLiteral("name"));
        appendJsonString(out, report::relativeName(u.place, language, u.count));
        out += ", \"most\": \"" + r.mostFor[i].text() + "\"}";
    }
    // Each estimate's case as an ordinary answer line.
    out += "], \"estimates\": [";
    for (std::size_t e = 0; e < r.estimates.size(); ++e) {
        const engine::Estimate &x = r.estimates[e];
        out += e ? ", {" : "{";
        out += "\"suppose\": " + suppositions(x.suppose) + ", \"base\": " + std::to_string(x.base)
            + ", \"decides\": " + (x.decides ? "true" : "false") + ", \"case\": ";
        QString ignored;
        out += pathAnswer(x.family, language, EstateRequest{}, ignored);
        out += "}";
    }
    out += "], \"base\": " + std::to_string(r.base) + ", \"reducedBase\": " + std::to_string(r.reducedBase)
        + ", \"suspended\": " + (r.suspended ? "true" : "false")
        + ", \"statesAveraged\": " + (r.statesAveraged ? "true" : "false") + ", \"now\": {";
    std::vector<estate::Claimant> claimants;
    std::vector<QString> names;
    bool first = true;
    for (std::size_t c = 0; c < r.claimants.size(); ++c) {
        if (r.claimants[c].treasury && r.now[c].isZero())
            continue;
        out += first ? "" : ", ";
        first = false;
        const QString k = claimantKey(r.claimants[c], f);
        key(out, k);
        out += "{\"count\": " + std::to_string(r.claimants[c].count) + ", ";
        if (!r.claimants[c].treasury) {
            key(out, QStringLiteral("name"));
            appendJsonString(out, report::relativeName(r.claimants[c].path, language, r.claimants[c].count));
            out += ", ";
        }
        out += "\"share\": \"" + r.now[c].text() + "\", \"parts\": " + std::to_string(r.nowParts[c]) + "}";
        if (!r.now[c].isZero()) {
            claimants.push_back({r.now[c].num, r.now[c].den, 1});
            names.push_back(k);
        }
    }
    out += "}, \"held\": {\"share\": \"" + r.held.text() + "\", \"parts\": " + std::to_string(r.heldParts)
        + ", \"byAgreement\": \"" + r.byAgreement.text() + "\"}";
    if (!r.held.isZero()) {
        claimants.push_back({r.held.num, r.held.den, 1});
        names.push_back(QStringLiteral("held"));
    }
    // From the reserve, when an estimate proves true.
    out += ", \"settlement\": [";
    first = true;
    for (const engine::Estimate &x : r.estimates) {
        if (!x.decides || r.statesAveraged || r.held.isZero())
            continue;
        const engine::Settlement s = engine::settle(f, r, x.suppose);
        out += first ? "{" : ", {";
        first = false;
        out += "\"suppose\": " + suppositions(x.suppose) + ", \"fromReserve\": {";
        bool any = false;
        for (std::size_t c = 0; c < s.fromReserve.size(); ++c) {
            if (s.fromReserve[c].isZero())
                continue;
            out += any ? ", " : "";
            any = true;
            key(out, claimantKey(r.claimants[c], f));
            appendJsonString(out, QString::fromStdString(s.fromReserve[c].text()));
        }
        out += "}}";
    }
    out += "]";
    bool missing = false;
    for (const engine::UncertainPerson &u : f.uncertain)
        missing = missing || u.kind == engine::Uncertainty::Missing;
    if (missing) {
        out += ", \"waitingPeriods\": [";
        const auto periods = engine::waitingPeriods(family.profile);
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const engine::WaitingPeriod &w = periods[i];
            out += i ? ", {" : "{";
            out += "\"school\": \"" + std::string(profileName(w.school)) + "\", \"when\": \"" + w.when
                + "\", \"years\": " + std::to_string(w.years);
            if (w.upToYears)
                out += ", \"upToYears\": " + std::to_string(w.upToYears);
            if (w.days)
                out += ", \"days\": " + std::to_string(w.days);
            out += ", \"from\": \"" + std::string(w.from) + "\"}";
        }
        out += "]";
    }
    if (estate.given) {
        const estate::Result money = estate::divide(estate.input, claimants);
        if (money.error != estate::Error::None) {
            error = estateErrorText(money, estate.input.decimals);
            return {};
        }
        out += ", \"amounts\": {";
        for (std::size_t i = 0; i < names.size(); ++i) {
            out += i ? ", " : "";
            key(out, names[i]);
            appendJsonString(out, QString::fromStdString(estate::formatMinor(money.groups[i].total, estate.input.decimals)));
        }
        out += "}";
    }
    return out + "}";
}

} // namespace calccli
