// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_bequest.h"

#include "case/engine/working.h"
#include "case/estate.h"
#include "report/relative_names.h"
#include "tools/calc/calc_paths.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cmath>
#include <span>

namespace calccli {

namespace {

const QString Where = QStringLiteral("key \"Predeceased\": ");

bool onlyDescents(const Path &p)
{
    for (int i = 0; i < p.length(); ++i)
        if (p[i] != PathStep::Son && p[i] != PathStep::Daughter)
            return false;
    return true;
}

// One predeceased child; `depth` is the length of his path from the deceased.
// The gifts' texts go to `gifts` in the order of the tree (each child's, then
// his predeceased children's).
std::optional<QString> readChild(const QJsonValue &value, int depth, engine::Predeceased &out,
                                 std::vector<std::string> &gifts)
{
    if (!value.isObject())
        return QStringLiteral("each predeceased child is an object with \"child\" and \"descendants\"");
    const QJsonObject o = value.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString k = it.key();
        if (k != u"child" && k != u"descendants" && k != u"predeceased" && k != u"gifts")
            return QStringLiteral("unknown key \"%1\" of a predeceased child").arg(k);
    }
    const QString child = o.value(u"child").toString();
    if (child != u"son" && child != u"daughter")
        return QStringLiteral("\"child\" is \"son\" or \"daughter\"");
    out.child = *Path::parse(child.toStdString());
    const QJsonValue descendants = o.value(u"descendants");
    if (!descendants.isUndefined() && !descendants.isObject())
        return QStringLiteral("\"descendants\" is an object of paths and counts");
    const QJsonObject d = descendants.toObject();
    for (auto it = d.begin(); it != d.end(); ++it) {
        const auto path = Path::parse(it.key().toStdString());
        if (!path || !onlyDescents(*path) || depth + path->length() > MaxPathLength)
            return QStringLiteral("\"%1\" is not a path of sons and daughters below the child").arg(it.key());
        const double n = it.value().toDouble(-1);
        if (!it.value().isDouble() || std::trunc(n) != n || n < 0 || n > 50)
            return QStringLiteral("the count of \"%1\" is not a whole number in 0..50").arg(it.key());
        if (n > 0)
            out.descendants.push_back({*path, static_cast<int>(n)});
    }
    const QJsonValue given = o.value(u"gifts");
    if (!given.isUndefined() && !given.isObject())
        return QStringLiteral("\"gifts\" is an object of descendants' paths and amounts");
    const QJsonObject g = given.toObject();
    for (auto it = g.begin(); it != g.end(); ++it) {
        const auto path = Path::parse(it.key().toStdString());
        bool known = false;
        for (const engine::Member &m : out.descendants)
            known = known || (path && m.path == *path);
        if (!known)
            return QStringLiteral("the gift to \"%1\": not one of the child's living descendants").arg(it.key());
        if (it.value().isString())
            gifts.push_back(it.value().toString().toStdString());
        else if (it.value().isDouble() && std::isfinite(it.value().toDouble()) && it.value().toDouble() >= 0)
            gifts.push_back(QString::number(it.value().toDouble(), 'f', estate::maxDecimals).toStdString());
        else
            return QStringLiteral("a gift is an amount (\"100.50\") or a fraction of the estate (\"1/9\")");
        out.gifts.push_back({*path, Rational()});
    }
    const QJsonValue below = o.value(u"predeceased");
    if (!below.isUndefined() && !below.isArray())
        return QStringLiteral("\"predeceased\" is an array of the child's children who died before the deceased");
    for (const QJsonValue &v : below.toArray()) {
        if (depth + 1 >= MaxPathLength)
            return QStringLiteral("predeceased children deeper than %1 generations").arg(MaxPathLength);
        out.predeceased.emplace_back();
        if (auto e = readChild(v, depth + 1, out.predeceased.back(), gifts))
            return e;
    }
    return std::nullopt;
}

// A gift as a fraction of what costs and debts leave of the estate.
std::optional<Rational> giftShare(const std::string &text, const EstateRequest &estate, QString &error);

// The gifts' amounts, in the order they were read.
bool setGifts(engine::Predeceased &p, const std::vector<std::string> &texts, std::size_t &next,
              const EstateRequest &estate, QString &error)
{
    for (engine::Gift &g : p.gifts) {
        const auto amount = giftShare(texts[next++], estate, error);
        if (!amount)
            return false;
        g.amount = *amount;
    }
    for (engine::Predeceased &q : p.predeceased)
        if (!setGifts(q, texts, next, estate, error))
            return false;
    return true;
}

std::optional<Rational> giftShare(const std::string &text, const EstateRequest &estate, QString &error)
{
    if (text.empty())
        return Rational();
    const auto slash = text.find('/');
    if (slash != std::string::npos) {
        const QString n = QString::fromStdString(text.substr(0, slash)).trimmed();
        const QString d = QString::fromStdString(text.substr(slash + 1)).trimmed();
        bool okN = false, okD = false;
        const qint64 num = n.toLongLong(&okN);
        const qint64 den = d.toLongLong(&okD);
        if (!okN || !okD || num < 0 || den <= 0 || num > den) {
            error = Where + QStringLiteral("the gift \"%1\" is not a fraction of the estate from 0 to 1")
                                .arg(QString::fromStdString(text));
            return std::nullopt;
        }
        return Rational(num, den);
    }
    if (!estate.given) {
        error = Where + QStringLiteral("a gift in money needs the key \"Estate\"");
        return std::nullopt;
    }
    std::int64_t minor = 0;
    estate::Error e = estate::Error::None;
    if (!estate::parseAmount(text, estate.input.decimals, minor, e)) {
        error = Where + QStringLiteral("the gift \"%1\" is not an amount").arg(QString::fromStdString(text));
        return std::nullopt;
    }
    const estate::Claimant whole{1, 1, 1};
    const estate::Result net = estate::divide(estate.input, {&whole, 1});
    if (net.error != estate::Error::None) {
        error = estateErrorText(net, estate.input.decimals);
        return std::nullopt;
    }
    if (net.afterCostsAndDebts <= 0 || minor >= net.afterCostsAndDebts)
        return Rational(minor > 0 ? 1 : 0);
    return Rational(minor, net.afterCostsAndDebts);
}

void appendKey(std::string &out, const QString &key)
{
    appendJsonString(out, key);
    out += ": ";
}

void appendText(std::string &out, const char *key, const std::string &value)
{
    appendKey(out, QLatin1String(key));
    appendJsonString(out, QString::fromStdString(value));
}

const char *bequestReasonName(engine::BequestReason r)
{
    switch (r) {
    case engine::BequestReason::None: return "None";
    case engine::BequestReason::Heir: return "heir";
    case engine::BequestReason::OutsideTheLines: return "outsideTheLines";
    case engine::BequestReason::GiftCovers: return "giftCovers";
    }
    return "None";
}

// "son": "2/5", ...: the shares of a case that are not 0.
void appendShares(std::string &out, const engine::Result &r)
{
    out += "{";
    bool first = true;
    for (const engine::MemberResult &m : r.members) {
        if (m.share.isZero())
            continue;
        out += first ? "" : ", ";
        first = false;
        appendKey(out, memberKey(m.path));
        appendJsonString(out, QString::fromStdString(m.share.text()));
    }
    if (!r.treasury.isZero()) {
        out += first ? "" : ", ";
        appendText(out, "Treasury", r.treasury.text());
    }
    out += "}";
}

} // namespace

bool readBequestKey(const QString &key, const QJsonValue &value, BequestRequest &request,
                    std::optional<QString> &error)
{
    if (key != u"Predeceased")
        return false;
    request.given = true;
    if (!value.isArray()) {
        error = Where + QStringLiteral("not an array of predeceased children");
        return true;
    }
    for (const QJsonValue &v : value.toArray()) {
        request.predeceased.emplace_back();
        if (auto e = readChild(v, 1, request.predeceased.back(), request.gifts)) {
            error = Where + *e;
            return true;
        }
    }
    return true;
}

std::string bequestAnswer(const engine::Family &family, const BequestRequest &request, Language language,
                          const EstateRequest &estate, QString &error)
{
    // The deceased's own bequest to others (the key Bequest), as a fraction
    // of what the costs and debts leave: it comes after the obligatory one.
    Rational voluntary;
    std::int64_t net = 0;
    if (estate.given && !estate.input.bequest.empty()) {
        estate::Input asked = estate.input;
        asked.heirsConsent = true;
        const estate::Claimant whole{1, 1, 1};
        const estate::Result money = estate::divide(asked, std::span(&whole, 1));
        if (money.error != estate::Error::None) {
            error = estateErrorText(money, estate.input.decimals);
            return {};
        }
        net = money.afterCostsAndDebts;
        if (money.bequestAsked > 0 && net > 0)
            voluntary = Rational(money.bequestAsked, net);
    }
    std::vector<engine::Predeceased> predeceased = request.predeceased;
    std::size_t next = 0;
    for (engine::Predeceased &p : predeceased)
        if (!setGifts(p, request.gifts, next, estate, error))
            return {};
    engine::BequestResult r;
    std::int64_t base = 0;
    try {
        r = engine::calculateWithBequest(family, predeceased, voluntary, estate.input.heirsConsent);
        base = engine::wholeBase(r);
    } catch (const RationalOverflow &) {
        // So many generations and heads that a share has no exact fraction in 64 bits.
        error = Where + QStringLiteral("the branches are too large for exact fractions");
        return {};
    }

    std::string out = "{";
    appendProfileAndViews(out, family);
    // The whole estate: the heirs, then the treasury.
    out += ", \"exact\": {";
    bool first = true;
    std::vector<estate::Claimant> claimants;
    std::vector<QString> heirs;
    for (std::size_t i = 0; i < r.heirs.members.size(); ++i) {
        const engine::MemberResult &m = r.heirs.members[i];
        const Rational whole = r.heirShares[i];
        if (whole.isZero())
            continue;
        out += first ? "" : ", ";
        first = false;
        appendKey(out, memberKey(m.path));
        out += "{\"count\": " + std::to_string(m.count) + ", ";
        appendKey(out, QStringLiteral("name"));
        appendJsonString(out, report::relativeName(m.path, language, m.count));
        out += ", ";
        appendText(out, "rule", shareRuleKey(m.rule));
        out += ", ";
        appendText(out, "ofRemainder", m.share.text());
        out += ", ";
        appendText(out, "share", whole.text());
        const Rational each = whole / Rational(m.count);
        out += ", ";
        appendText(out, "perHead", each.text());
        out += "}";
        claimants.push_back({each.num, each.den, m.count});
        heirs.push_back(memberKey(m.path));
    }
    if (!r.treasury.isZero()) {
        out += first ? "" : ", ";
        out += "\"Treasury\": {\"count\": 1, ";
        appendText(out, "share", r.treasury.text());
        out += "}";
        claimants.push_back({r.treasury.num, r.treasury.den, 1});
        heirs.push_back(QStringLiteral("Treasury"));
    }
    out += "}, \"excluded\": [";
    first = true;
    for (const engine::MemberResult &m : r.heirs.members) {
        if (m.reason == engine::Reason::None)
            continue;
        out += first ? "{" : ", {";
        first = false;
        appendKey(out, QStringLiteral("relative"));
        appendJsonString(out, memberKey(m.path));
        out += ", \"count\": " + std::to_string(m.count) + ", ";
        appendText(out, "reason", reasonName(m.reason));
        if (m.by >= 0) {
            out += ", ";
            appendKey(out, QStringLiteral("by"));
            appendJsonString(out, memberKey(r.heirs.members[static_cast<std::size_t>(m.by)].path));
        }
        out += "}";
    }
    out += "], \"events\": [";
    first = true;
    for (int e = 0; e < 10; ++e) {
        if ((r.heirs.events & (1u << e)) == 0)
            continue;
        out += first ? "" : ", ";
        first = false;
        appendJsonString(out, QLatin1String(eventName(e)));
    }
    // The two stages.
    out += "], \"bequest\": {";
    appendText(out, "code", viewValue(family.views, View::ObligatoryBequest));
    out += ", \"asAlive\": ";
    appendShares(out, r.asAlive);
    out += ", \"asAliveBase\": " + std::to_string(r.asAlive.members.empty() ? 0 : engine::workOf(r.asAlive).correctedBase);
    out += ", \"branches\": [";
    for (std::size_t b = 0; b < r.branches.size(); ++b) {
        const engine::BequestBranch &x = r.branches[b];
        out += b ? ", {" : "{";
        appendText(out, "child", x.child.text());
        out += std::string(", \"entitled\": ") + (x.entitled ? "true" : "false") + ", ";
        appendText(out, "asAlive", x.asAlive.text());
        out += ", ";
        appendText(out, "withinThird", x.withinThird.text());
        out += ", ";
        appendText(out, "gifts", x.gifts.text());
        out += ", ";
        appendText(out, "due", x.due.text());
        out += "}";
    }
    out += std::string("], \"thirdApplied\": ") + (r.thirdApplied ? "true" : "false") + ", ";
    appendText(out, "total", r.bequest.text());
    out += ", ";
    appendText(out, "remainder", (Rational(1) - r.bequest - r.voluntary).text());
    if (!voluntary.isZero()) {
        out += ", \"voluntary\": {";
        appendText(out, "asked", voluntary.text());
        out += ", ";
        appendText(out, "paid", r.voluntary.text());
        out += std::string(", \"cut\": ") + (r.voluntaryCut ? "true" : "false") + "}";
    }
    out += ", \"heirs\": ";
    appendShares(out, r.heirs);
    out += ", \"heirsBase\": " + std::to_string(engine::workOf(r.heirs).correctedBase);
    out += ", \"base\": " + std::to_string(base);
    out += ", \"recipients\": [";
    std::vector<std::size_t> taking;
    for (std::size_t i = 0; i < r.recipients.size(); ++i) {
        const engine::BequestRecipient &x = r.recipients[i];
        out += i ? ", {" : "{";
        appendText(out, "path", x.path.text());
        out += ", \"count\": " + std::to_string(x.count) + ", ";
        appendKey(out, QStringLiteral("name"));
        appendJsonString(out, report::relativeName(x.path, language, x.count));
        out += ", \"branch\": " + std::to_string(x.branch) + ", ";
        if (x.reason != engine::BequestReason::None) {
            appendText(out, "reason", bequestReasonName(x.reason));
        } else {
            appendText(out, "share", x.share.text());
            out += ", ";
            appendText(out, "perHead", x.perHead().text());
            if (!x.gift.isZero()) {
                out += ", ";
                appendText(out, "gift", x.gift.text());
            }
            const Rational each = x.perHead();
            claimants.push_back({each.num, each.den, x.count});
            taking.push_back(i);
        }
        out += "}";
    }
    out += "]}";
    if (estate.given) {
        // The voluntary bequest is paid first in whole units, and the rest
        // divided by the claimants' shares of it.
        estate::Input in = estate.input;
        if (!voluntary.isZero() && r.voluntary < Rational(1)) {
            const auto paid = static_cast<std::int64_t>(static_cast<__int128>(r.voluntary.num) * net / r.voluntary.den);
            in.bequest = estate::formatMinor(paid, in.decimals);
            in.heirsConsent = true;
            const Rational rest = Rational(1) - r.voluntary;
            for (estate::Claimant &c : claimants) {
                const Rational scaled = Rational(c.num, c.den) / rest;
                c = {scaled.num, scaled.den, c.heads};
            }
        }
        const estate::Result money = estate::divide(in, claimants);
        if (money.error != estate::Error::None) {
            error = estateErrorText(money, estate.input.decimals);
            return {};
        }
        out += ", \"amounts\": {";
        for (std::size_t i = 0; i < heirs.size(); ++i) {
            out += i ? ", " : "";
            appendKey(out, heirs[i]);
            appendJsonString(out, QString::fromStdString(estate::formatMinor(money.groups[i].total, estate.input.decimals)));
        }
        out += "}, \"bequestAmounts\": [";
        for (std::size_t k = 0; k < taking.size(); ++k) {
            out += k ? ", {" : "{";
            appendText(out, "path", r.recipients[taking[k]].path.text());
            out += ", \"branch\": " + std::to_string(r.recipients[taking[k]].branch) + ", ";
            appendText(out, "amount", estate::formatMinor(money.groups[heirs.size() + k].total, estate.input.decimals));
            out += "}";
        }
        out += "]";
        if (!voluntary.isZero()) {
            out += ", ";
            appendText(out, "voluntaryBequest", estate::formatMinor(money.bequestPaid, estate.input.decimals));
        }
    }
    out += "}";
    return out;
}

} // namespace calccli
