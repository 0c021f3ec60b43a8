// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc_time.h"

#include "case/engine/successive.h"
#include "case/engine/together.h"
#include "case/engine/withdrawal.h"
#include "case/estate.h"
#include "report/relative_names.h"

#include <QJsonArray>

#include <cmath>
#include <map>
#include <utility>

namespace calccli {

namespace {

const char *const TimeKeys[] = {"Deaths", "DiedTogether", "Withdrawal"};

void appendKey(std::string &out, const QString &key)
{
    appendJsonString(out, key);
    out += ": ";
}

void appendPair(std::string &out, const char *key, const std::string &value)
{
    appendKey(out, QLatin1String(key));
    appendJsonString(out, QString::fromStdString(value));
}

void appendNumber(std::string &out, const char *key, std::int64_t value)
{
    appendKey(out, QLatin1String(key));
    out += std::to_string(value);
}

// {"wife": "Hind", "son": ["Zayd", 2], "brother": 3}: a count is that many
// unnamed heads, a name one person met under that name in every death.
bool readRelatives(const QJsonValue &value, std::vector<engine::ChainRelative> &out, QString &error)
{
    if (!value.isObject()) {
        error = QStringLiteral("\"relatives\" is not an object of paths");
        return false;
    }
    const QJsonObject o = value.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto path = Path::parse(it.key().toStdString());
        if (!path) {
            error = QStringLiteral("\"%1\" is not a path of relatives").arg(it.key());
            return false;
        }
        const QJsonArray items = it.value().isArray() ? it.value().toArray() : QJsonArray{it.value()};
        bool counted = false;   // one count of unnamed heads per path
        for (const QJsonValue &v : items) {
            if (v.isDouble() && std::exchange(counted, true)) {
                error = QStringLiteral("\"%1\" takes one count of unnamed heads").arg(it.key());
                return false;
            }
            const double n = v.toDouble(-1);
            if (v.isString() && !v.toString().isEmpty())
                out.push_back({*path, 1, v.toString().toStdString()});
            else if (v.isDouble() && std::isfinite(n) && std::trunc(n) == n && n >= 1 && n <= 50)
                out.push_back({*path, static_cast<int>(n), {}});
            else if (!(v.isDouble() && n == 0)) {
                error = QStringLiteral("\"%1\" takes a count, a person's name or a list of them").arg(it.key());
                return false;
            }
        }
    }
    return true;
}

QString labelOf(const engine::Holder &h, const std::string &deceased)
{
    if (h.treasury)
        return QStringLiteral("Treasury");
    if (!h.person.empty())
        return QString::fromStdString(h.person);
    return QString::fromStdString((deceased.empty() ? std::string("first") : deceased) + "." + h.path.text());
}

void appendHolder(std::string &out, const engine::Holder &h, Language language)
{
    if (h.treasury)
        return;
    appendPair(out, "relative", h.path.text());
    out += ", ";
    appendKey(out, QStringLiteral("name"));
    appendJsonString(out, report::relativeName(h.path, language, h.count));
    out += ", \"count\": " + std::to_string(h.count) + ", ";
}

// The estate divided among holders by their fractions; false with `error`.
bool divideAmong(const estate::Input &input, const std::vector<Rational> &shares, const std::vector<engine::Holder> &holders,
                 std::vector<std::int64_t> &amounts, QString &error)
{
    std::vector<estate::Claimant> claimants;
    std::vector<std::size_t> whose;
    for (std::size_t h = 0; h < shares.size(); ++h) {
        if (shares[h].isZero())
            continue;
        const Rational each = shares[h] / Rational(holders[h].count);
        claimants.push_back({each.num, each.den, holders[h].count});
        whose.push_back(h);
    }
    const estate::Result money = estate::divide(input, claimants);
    if (money.error != estate::Error::None) {
        error = estateErrorText(money, input.decimals);
        return false;
    }
    amounts.assign(shares.size(), 0);
    for (std::size_t k = 0; k < whose.size(); ++k)
        amounts[whose[k]] = money.groups[k].total;
    return true;
}

const char *relationName(engine::Relation r)
{
    using engine::Relation;
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

std::string deathsAnswer(const engine::Family &f, const QJsonValue &value, Language language,
                         const EstateRequest &estate, QString &error)
{
    engine::Chain chain;
    std::vector<QString> own;   // each later deceased's own property, if given
    chain.views = f.views;
    chain.profile = f.profile;
    chain.method = f.method;
    for (const QJsonValue &d : value.toArray()) {
        engine::Death death;
        death.person = d[QLatin1String("person")].toString().toStdString();
        if (!readRelatives(d[QLatin1String("relatives")], death.relatives, error)) {
            error = QStringLiteral("key \"Deaths\": ") + error;
            return {};
        }
        own.push_back(d[QLatin1String("estate")].toString());
        chain.deaths.push_back(std::move(death));
    }
    const engine::ChainResult r = engine::workChain(chain);
    if (!r.ok()) {
        error = QStringLiteral("key \"Deaths\": ") + QString::fromStdString(r.error);
        return {};
    }
    std::vector<std::string> deceased;
    for (const engine::Death &d : chain.deaths)
        deceased.push_back(d.person);
    const auto deceasedOf = [&](const engine::Holder &h) {
        return h.death >= 0 ? deceased[static_cast<std::size_t>(h.death)] : std::string();
    };
    std::string out = "{";
    appendPair(out, "profile", profileName(chain.profile));
    out += ", \"deaths\": [";
    for (std::size_t d = 0; d < r.steps.size(); ++d) {
        const engine::ChainStep &s = r.steps[d];
        out += d ? ", {" : "{";
        appendPair(out, "deceased", deceased[d]);
        out += ", ";
        appendNumber(out, "base", s.base);
        out += ", \"case\": {";
        for (std::size_t j = 0; j < s.caseParts.size(); ++j) {
            const engine::ChainRelative &rel = chain.deaths[d].relatives[j];
            out += j ? ", " : "";
            appendKey(out, rel.person.empty() ? QString::fromStdString(rel.path.text()) : QString::fromStdString(rel.person));
            out += "{";
            appendPair(out, "relative", rel.path.text());
            out += ", ";
            appendNumber(out, "parts", s.caseParts[j]);
            out += "}";
        }
        if (s.treasuryParts != 0)
            out += ", \"Treasury\": {\"parts\": " + std::to_string(s.treasuryParts) + "}";
        out += "}";
        if (d > 0) {
            out += ", ";
            appendNumber(out, "deceasedParts", s.deceasedParts);
            out += ", ";
            appendPair(out, "relation", relationName(s.relation));
            if (s.relation == engine::Relation::Agreement) {
                out += ", ";
                appendNumber(out, "factor", s.factor);
            }
            out += ", ";
            appendNumber(out, "multiplier", s.multiplier);
            out += ", ";
            appendNumber(out, "caseMultiplier", s.caseMultiplier);
        }
        out += ", ";
        appendNumber(out, "combinedBase", s.combinedBase);
        out += "}";
    }
    out += "], ";
    appendNumber(out, "reducedBase", r.reducedBase);
    out += ", \"heirs\": {";
    bool first = true;
    for (std::size_t h = 0; h < r.holders.size(); ++h) {
        if (r.shares[h].isZero())
            continue;
        out += first ? "" : ", ";
        first = false;
        appendKey(out, labelOf(r.holders[h], deceasedOf(r.holders[h])));
        out += "{";
        appendHolder(out, r.holders[h], language);
        appendNumber(out, "parts", r.finalParts[h]);
        out += ", ";
        appendPair(out, "share", r.shares[h].text());
        out += "}";
    }
    out += "}";
    // The first estate, then each later deceased's own property through his
    // case and the deaths after him.
    std::vector<std::int64_t> amounts(r.holders.size(), 0);
    bool money = estate.given;
    for (std::size_t d = 0; d < r.ownShares.size(); ++d) {
        estate::Input input = estate.input;
        if (d > 0) {
            if (own[d].isEmpty())
                continue;
            input = estate::Input{};
            input.estate = own[d].toStdString();
            input.decimals = estate.input.decimals;
        } else if (!estate.given) {
            continue;
        }
        money = true;
        std::vector<std::int64_t> part;
        if (!divideAmong(input, r.ownShares[d], r.holders, part, error))
            return {};
        for (std::size_t h = 0; h < part.size(); ++h)
            amounts[h] += part[h];
    }
    if (money) {
        out += ", \"amounts\": {";
        first = true;
        for (std::size_t h = 0; h < r.holders.size(); ++h) {
            if (amounts[h] == 0)
                continue;
            out += first ? "" : ", ";
            first = false;
            appendKey(out, labelOf(r.holders[h], deceasedOf(r.holders[h])));
            appendJsonString(out, QString::fromStdString(estate::formatMinor(amounts[h], estate.input.decimals)));
        }
        out += "}";
    }
    return out + "}";
}

std::string togetherAnswer(const engine::Family &f, const QJsonValue &value, Language language,
                           const EstateRequest &estate, QString &error)
{
    std::vector<engine::TogetherDeath> deaths;
    std::vector<QString> estates;
    for (const QJsonValue &d : value.toArray()) {
        engine::TogetherDeath death;
        death.person = d[QLatin1String("person")].toString().toStdString();
        if (!readRelatives(d[QLatin1String("relatives")], death.relatives, error)) {
            error = QStringLiteral("key \"DiedTogether\": ") + error;
            return {};
        }
        estates.push_back(d[QLatin1String("estate")].toString());
        deaths.push_back(std::move(death));
    }
    const engine::TogetherResult r = engine::workTogether(deaths, f.views, f.profile, f.method);
    if (!r.ok()) {
        error = QStringLiteral("key \"DiedTogether\": ") + QString::fromStdString(r.error);
        return {};
    }
    const auto deceasedOf = [&](const engine::Holder &h) {
        return h.death >= 0 ? deaths[static_cast<std::size_t>(h.death)].person : std::string();
    };
    const bool money = std::all_of(estates.begin(), estates.end(), [](const QString &e) { return !e.isEmpty(); });
    std::vector<std::int64_t> totals(r.holders.size(), 0);
    std::string out = "{";
    appendPair(out, "profile", profileName(f.profile));
    out += ", ";
    appendPair(out, "diedTogether", viewValue(f.views, View::DiedTogether));
    out += ", \"deceased\": [";
    for (std::size_t d = 0; d < r.cases.size(); ++d) {
        out += d ? ", {" : "{";
        appendPair(out, "person", deaths[d].person);
        out += ", \"exact\": {";
        bool first = true;
        for (std::size_t h = 0; h < r.holders.size(); ++h) {
            if (r.cases[d].shares[h].isZero())
                continue;
            out += first ? "" : ", ";
            first = false;
            appendKey(out, labelOf(r.holders[h], deceasedOf(r.holders[h])));
            out += "{";
            appendHolder(out, r.holders[h], language);
            appendPair(out, "share", r.cases[d].shares[h].text());
            out += "}";
        }
        out += "}";
        if (money) {
            estate::Input input = estate.input;
            input.estate = estates[d].toStdString();
            std::vector<std::int64_t> amounts;
            if (!divideAmong(input, r.cases[d].shares, r.holders, amounts, error))
                return {};
            for (std::size_t h = 0; h < amounts.size(); ++h)
                totals[h] += amounts[h];
        }
        out += "}";
    }
    out += "]";
    if (money) {
        out += ", \"amounts\": {";
        bool first = true;
        for (std::size_t h = 0; h < r.holders.size(); ++h) {
            if (totals[h] == 0)
                continue;
            out += first ? "" : ", ";
            first = false;
            appendKey(out, labelOf(r.holders[h], deceasedOf(r.holders[h])));
            appendJsonString(out, QString::fromStdString(estate::formatMinor(totals[h], estate.input.decimals)));
        }
        out += "}";
    }
    return out + "}";
}

int memberOf(const engine::Family &f, const QString &path)
{
    for (std::size_t i = 0; i < f.members.size(); ++i)
        if (QString::fromStdString(f.members[i].path.text()) == path)
            return static_cast<int>(i);
    return -1;
}

std::string withdrawalAnswer(const engine::Family &f, const QJsonValue &value, Language language,
                             const EstateRequest &estate, QString &error)
{
    const QJsonObject o = value.toObject();
    engine::Withdrawal w;
    w.member = memberOf(f, o[QLatin1String("relative")].toString());
    w.heads = o[QLatin1String("heads")].toInt(1);
    const QJsonValue from = o[QLatin1String("from")];
    std::int64_t taken = 0;
    if (from.isArray()) {
        w.from = engine::WithdrawalFrom::Heirs;
        const QString division = o[QLatin1String("division")].toString(QStringLiteral("equally"));
        w.division = division == u"byPayment" ? engine::WithdrawnDivision::ByPayment
            : division == u"byShares"         ? engine::WithdrawnDivision::ByShares
                                              : engine::WithdrawnDivision::Equally;
        for (const QJsonValue &p : from.toArray()) {
            engine::Payer payer;
            payer.member = memberOf(f, p[QLatin1String("relative")].toString());
            payer.heads = p[QLatin1String("heads")].toInt(0);
            const double paid = p[QLatin1String("paid")].toDouble(0);
            if (!(paid >= 0 && paid <= 1e15) || std::trunc(paid) != paid) {
                error = QStringLiteral("key \"Withdrawal\": \"paid\" is a whole number up to 10^15");
                return {};
            }
            payer.paid = static_cast<std::int64_t>(paid);
            w.payers.push_back(payer);
        }
    } else if (from.toString(QStringLiteral("estate")) != u"estate") {
        error = QStringLiteral("key \"Withdrawal\": \"from\" is \"estate\" or a list of payers");
        return {};
    } else if (o.contains(QLatin1String("taken")) && estate.given) {
        estate::Error e = estate::Error::None;
        if (!estate::parseAmount(o[QLatin1String("taken")].toString().toStdString(), estate.input.decimals, taken, e)) {
            error = QStringLiteral("key \"Withdrawal\": \"taken\" is not an amount");
            return {};
        }
    }
    const engine::WithdrawalResult r = engine::withdraw(f, w);
    if (!r.ok()) {
        error = QStringLiteral("key \"Withdrawal\": ") + QString::fromStdString(r.error);
        return {};
    }
    std::vector<engine::Holder> holders;
    for (std::size_t i = 0; i < r.result.members.size(); ++i) {
        engine::Holder h;
        h.path = r.result.members[i].path;
        h.count = std::max(1, r.heads[i]);
        holders.push_back(h);
    }
    std::vector<Rational> shares = r.shares;
    if (!r.treasury.isZero()) {
        engine::Holder t;
        t.treasury = true;
        holders.push_back(t);
        shares.push_back(r.treasury);
    }
    std::string out = "{";
    appendPair(out, "profile", profileName(f.profile));
    out += ", \"withdrawal\": {";
    appendPair(out, "relative", r.result.members[static_cast<std::size_t>(w.member)].path.text());
    out += ", ";
    appendPair(out, "from", w.from == engine::WithdrawalFrom::Estate ? "estate" : "heirs");
    out += ", ";
    appendPair(out, "withdrawn", r.withdrawn.text());
    out += ", ";
    appendNumber(out, "base", r.base);
    out += ", ";
    appendNumber(out, "struck", r.struckParts);
    out += ", ";
    appendNumber(out, "remainingBase", r.remainingBase);
    out += ", ";
    appendNumber(out, "reducedBase", r.reducedBase);
    out += "}, \"shares\": {";
    bool first = true;
    for (std::size_t h = 0; h < holders.size(); ++h) {
        if (shares[h].isZero())
            continue;
        out += first ? "" : ", ";
        first = false;
        appendKey(out, holders[h].treasury ? QStringLiteral("Treasury") : QString::fromStdString(holders[h].path.text()));
        out += "{";
        appendHolder(out, holders[h], language);
        appendPair(out, "share", shares[h].text());
        out += ", ";
        appendNumber(out, "parts", h < r.parts.size() ? r.parts[h] : r.treasuryParts);
        if (h < r.payingHead.size() && !r.payingHead[h].isZero()) {
            out += ", ";
            appendPair(out, "eachPayer", r.payingHead[h].text());
        }
        out += "}";
    }
    out += "}";
    if (estate.given) {
        estate::Input input = estate.input;
        std::int64_t whole = 0;
        estate::Error e = estate::Error::None;
        if (taken > 0 && estate::parseAmount(input.estate, input.decimals, whole, e)) {
            if (taken > whole) {
                error = QStringLiteral("key \"Withdrawal\": \"taken\" is more than the estate");
                return {};
            }
            input.estate = estate::formatMinor(whole - taken, input.decimals);
        }
        std::vector<std::int64_t> amounts;
        if (!divideAmong(input, shares, holders, amounts, error))
            return {};
        out += ", \"amounts\": {";
        first = true;
        for (std::size_t h = 0; h < holders.size(); ++h) {
            if (shares[h].isZero())
                continue;
            out += first ? "" : ", ";
            first = false;
            appendKey(out, holders[h].treasury ? QStringLiteral("Treasury") : QString::fromStdString(holders[h].path.text()));
            appendJsonString(out, QString::fromStdString(estate::formatMinor(amounts[h], input.decimals)));
        }
        out += "}";
    }
    return out + "}";
}

} // namespace

const char TimeHelp[] = R"(
More than one death, and withdrawal (one of these keys on a line, with
Profile and Views as above):
  Deaths          [{"relatives": {...}}, {"person": "Zayd", "relatives":
                  {...}}, ...]: the first deceased, then each heir who died
                  before the division, in order. Relatives are paths whose
                  value is a count of unnamed heads, a person's name, or a
                  list of both ({"son": ["Zayd", 2]}); a name is the same
                  person in every death ("wife": "Hind" in the first,
                  "mother": "Hind" in her son's). A later death is of a named
                  heir of an earlier one; his "estate" (his own property)
                  is divided through his case and the deaths after him.
  DiedTogether    [{"person": "H", "estate": "1200", "relatives": {"wife":
                  "W", "brother": 1}}, {"person": "W", ...}]: relatives who
                  died in one event, the order unknown; each names the
                  others among his relatives. The view diedTogether decides
                  (noneInherit, or oldPropertyOnly: each from the other's own
                  property, passed on to his living heirs). "estate" (each
                  one's own property) gives the amounts.
  Withdrawal      {"relative": "husband", "heads": 1, "from": "estate",
                  "taken": "10"} or {"relative": "husband", "from":
                  [{"relative": "mother", "paid": 300}, ...], "division":
                  "equally"|"byPayment"|"byShares"}: an heir of the line's
                  relatives withdraws for something from the estate (his
                  parts struck, the rest of the estate, less "taken", divided
                  on the others' parts) or for money the payers give (his
                  share to them; one payer takes his place).
  Answers: Deaths: {"deaths": [{"deceased", "base", "case", "deceasedParts",
  "relation" (divisible, agreement, prime, shortcut, nothing), "factor",
  "multiplier", "caseMultiplier", "combinedBase"}], "reducedBase",
  "heirs": {"Hind": {"parts", "share"}, "Zayd.son": ...}, "amounts"};
  unnamed heirs are keyed "<deceased>.<path>" ("first." for the first).
  DiedTogether: {"deceased": [{"person", "exact"}], "amounts"}.
  Withdrawal: {"withdrawal": {"withdrawn", "base", "struck",
  "remainingBase", "reducedBase"}, "shares", "amounts"}.
  echo '{"Deaths":[{"relatives":{"wife":"Hind","son":"Zayd","daughter":"Fatima"}},{"person":"Zayd","relatives":{"mother":"Hind","sister":"Fatima"}}]}' | tarnavel-calc
)";

bool readTimeKey(const QString &key, const QJsonValue &value, PathRequest &request)
{
    for (const char *k : TimeKeys) {
        if (key == QLatin1String(k)) {
            request.given = true;
            request.time.insert(key, value);
            return true;
        }
    }
    return false;
}

std::string timeAnswer(const CaseRecord &given, const PathRequest &request, const EstateRequest &estate,
                       QString &error)
{
    if (request.time.size() > 1) {
        error = QStringLiteral("one of \"Deaths\", \"DiedTogether\" and \"Withdrawal\" on a line");
        return {};
    }
    const QString key = request.time.begin().key();
    const QJsonValue value = request.time.begin().value();
    const auto family = familyOfLine(given, request, error);
    if (!family)
        return {};
    const Language language = languageOf(given);
    if (key == u"Withdrawal") {
        if (!value.isObject()) {
            error = QStringLiteral("key \"Withdrawal\": not an object");
            return {};
        }
        return withdrawalAnswer(*family, value, language, estate, error);
    }
    if (!family->members.empty()) {
        error = QStringLiteral("key \"%1\": give every death's relatives inside it").arg(key);
        return {};
    }
    if (!value.isArray() || value.toArray().isEmpty()) {
        error = QStringLiteral("key \"%1\": not a list of deaths").arg(key);
        return {};
    }
    for (const QJsonValue &d : value.toArray()) {
        if (!d.isObject()) {
            error = QStringLiteral("key \"%1\": a death is an object with \"person\" and \"relatives\"").arg(key);
            return {};
        }
    }
    return key == u"Deaths" ? deathsAnswer(*family, value, language, estate, error)
                            : togetherAnswer(*family, value, language, estate, error);
}

} // namespace calccli
