// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_paths.h"
#include "tools/calc/calc_time.h"

#include "case/engine/record_family.h"
#include "case/engine/result.h"
#include "case/engine/working.h"
#include "case/estate.h"
#include "case/working.h"
#include "report/path_working_text.h"
#include "report/relative_names.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace calccli {

const char *shareRuleKey(engine::ShareRule r)
{
    using engine::ShareRule;
    switch (r) {
    case ShareRule::None: return "None";
    case ShareRule::HusbandHalf: return "HusbandHalf";
    case ShareRule::HusbandQuarter: return "HusbandQuarter";
    case ShareRule::WifeQuarter: return "WifeQuarter";
    case ShareRule::WifeEighth: return "WifeEighth";
    case ShareRule::MotherThird: return "MotherThird";
    case ShareRule::MotherSixthDescendants: return "MotherSixthDescendants";
    case ShareRule::MotherSixthSiblings: return "MotherSixthSiblings";
    case ShareRule::MotherThirdOfRemainder: return "MotherThirdOfRemainder";
    case ShareRule::AscendantSixth: return "AscendantSixth";
    case ShareRule::AscendantSixthAndResidue: return "AscendantSixthAndResidue";
    case ShareRule::AscendantResidue: return "AscendantResidue";
    case ShareRule::GrandmothersSixth: return "GrandmothersSixth";
    case ShareRule::DescendantHalf: return "DescendantHalf";
    case ShareRule::DescendantsTwoThirds: return "DescendantsTwoThirds";
    case ShareRule::DescendantSixthCompleting: return "DescendantSixthCompleting";
    case ShareRule::DescendantsResidue: return "DescendantsResidue";
    case ShareRule::SisterHalf: return "SisterHalf";
    case ShareRule::SistersTwoThirds: return "SistersTwoThirds";
    case ShareRule::PaternalSisterSixthCompleting: return "PaternalSisterSixthCompleting";
    case ShareRule::SiblingsResidue: return "SiblingsResidue";
    case ShareRule::SistersWithDaughters: return "SistersWithDaughters";
    case ShareRule::MaternalSiblingSixth: return "MaternalSiblingSixth";
    case ShareRule::MaternalSiblingsThird: return "MaternalSiblingsThird";
    case ShareRule::SharedThird: return "SharedThird";
    case ShareRule::AgnateResidue: return "AgnateResidue";
    case ShareRule::EmancipatorResidue: return "EmancipatorResidue";
    case ShareRule::EmancipatorAgnateResidue: return "EmancipatorAgnateResidue";
    case ShareRule::GrandfatherSharing: return "GrandfatherSharing";
    case ShareRule::GrandfatherThird: return "GrandfatherThird";
    case ShareRule::GrandfatherSixth: return "GrandfatherSixth";
    case ShareRule::GrandfatherThirdOfRemainder: return "GrandfatherThirdOfRemainder";
    case ShareRule::GrandfatherAsBrother: return "GrandfatherAsBrother";
    case ShareRule::SiblingsAfterGrandfather: return "SiblingsAfterGrandfather";
    case ShareRule::Akdariyya: return "Akdariyya";
    case ShareRule::Malikiyya: return "Malikiyya";
    case ShareRule::KinshipShare: return "KinshipShare";
    case ShareRule::SubstitutionShare: return "SubstitutionShare";
    }
    return "None";
}

const char *reasonName(engine::Reason r)
{
    using engine::Reason;
    switch (r) {
    case Reason::None: return "None";
    case Reason::ExcludedBy: return "excludedBy";
    case Reason::NothingLeft: return "nothingLeft";
    case Reason::AfterTwoThirds: return "afterTwoThirds";
    case Reason::CountedAgainstGrandfather: return "countedAgainstGrandFather";
    case Reason::DistantKindred: return "distantKindred";
    case Reason::NotAnHeirInThisSchool: return "notAnHeirInThisSchool";
    case Reason::NotAgnateOfEmancipator: return "notAgnateOfEmancipator";
    case Reason::KinshipLaterClass: return "kinshipLaterClass";
    case Reason::KinshipFartherDegree: return "kinshipFartherDegree";
    case Reason::KinshipNotThroughHeir: return "kinshipNotThroughHeir";
    case Reason::KinshipWeaker: return "kinshipWeaker";
    case Reason::FartherFromHeir: return "fartherFromHeir";
    case Reason::HeirShutOut: return "heirShutOut";
    case Reason::SameGrandmother: return "sameGrandmother";
    }
    return "None";
}

// Today's key for a path of the questionnaires' kinds ("Father",
// "ParentalGrandMother", "MaternalSibling"), else the path itself.
QString memberKey(const Path &p)
{
    for (int r = 0; r < RelativeCount; ++r) {
        const auto rel = static_cast<Relative>(r);
        for (const Path &q : engine::pathsOfGroup(groupOf(rel))) {
            // The maternal brothers and sisters are one kind of the record,
            // two paths here: each keeps its own key.
            if (!(q == p) || p.kind() == PathKind::MaternalSibling)
                continue;
            if (groupOf(rel) == Heir::GrandMother)
                return QLatin1String(p.fathersInLine() == 0 ? "MaternalGrandMother" : "ParentalGrandMother");
            return QLatin1String(relativeKey(rel));
        }
    }
    return QString::fromStdString(p.text());
}

namespace {

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

// The working's figures: the bases as today's lines give them, and the parts.
void appendPathBase(std::string &out, const engine::Working &w)
{
    const auto orNull = [](std::int64_t v) { return v > 0 ? std::to_string(v) : std::string("null"); };
    out += ", \"base\": {\"base\": " + std::to_string(w.base) + ", \"awl\": " + orNull(w.awlBase)
        + ", \"return\": " + orNull(w.returnBase) + ", \"corrected\": " + std::to_string(w.correctedBase) + "}";
}

void appendParts(std::string &out, const engine::MemberParts &p)
{
    out += ", \"parts\": " + std::to_string(p.parts) + ", \"partsEach\": " + std::to_string(p.partsEach);
}

void appendPathSteps(std::string &out, const engine::Family &f, const engine::Result &r, const engine::Working &w,
                     Language language)
{
    out += ", \"steps\": [";
    const QStringList steps = report::pathSteps(f, r, w, language);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        out += i ? ", " : "";
        appendJsonString(out, steps[i]);
    }
    out += "]";
}

// The distant kindred's steps: {"step": ..., "relative": key, "path": ...,
// "number": n, "amount": "p/q", "source": ...}, in the order taken.
void appendKinship(std::string &out, const engine::Result &r)
{
    static const char *const Kinds[] = {"spouseFirst", "class", "side", "root", "raisedTo", "heirsCase", "broughtDown"};
    out += ", \"kinship\": [";
    for (std::size_t k = 0; k < r.kinship.size(); ++k) {
        const engine::KinshipStep &s = r.kinship[k];
        out += k ? ", {" : "{";
        appendText(out, "step", Kinds[static_cast<int>(s.kind)]);
        out += ", ";
        appendKey(out, QStringLiteral("relative"));
        appendJsonString(out, memberKey(r.members[static_cast<std::size_t>(s.member)].path));
        out += ", ";
        appendText(out, "path", s.path.text());
        out += ", \"number\": " + std::to_string(s.number) + ", ";
        if (!s.amount.isZero()) {
            appendText(out, "amount", s.amount.text());
            out += ", ";
        }
        appendText(out, "source", s.source);
        out += "}";
    }
    out += "]";
}

const char *const EventNames[] = {"awl", "return", "restToSpouse", "treasury", "umariyya", "mushtaraka",
                                  "akdariyya", "muadda", "malikiyya", "grandFatherExcludes"};

} // namespace

const char *eventName(int bit) { return EventNames[bit]; }

void appendProfileAndViews(std::string &out, const engine::Family &family)
{
    appendText(out, "profile", profileName(family.profile));
    out += ", \"views\": {";
    for (int v = 0; v < ViewCount; ++v) {
        out += v ? ", " : "";
        appendText(out, viewName(static_cast<View>(v)), viewValue(family.views, static_cast<View>(v)));
    }
    out += "}";
}

bool readPathKey(const QString &key, const QJsonValue &value, PathRequest &request, std::optional<QString> &error)
{
    if (readBequestKey(key, value, request.bequest, error) || readEstimateKey(key, value, request.uncertain, error))
        return request.given = true;
    const QString where = QStringLiteral("key \"%1\": ").arg(key);
    if (readTimeKey(key, value, request))
        return true;
    if (key == u"Profile") {
        request.given = true;
        const auto p = value.isString() ? profileFromName(value.toString().toStdString()) : std::nullopt;
        if (!p)
            error = where + QStringLiteral("not a profile (program, hanafi, maliki, shafii, hanbali, egypt, syria)");
        else
            request.profile = *p;
        return true;
    }
    if (key == u"Views") {
        request.given = true;
        if (!value.isObject()) {
            error = where + QStringLiteral("not an object of views");
            return true;
        }
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            const auto v = viewFromName(it.key().toStdString());
            if (!v) {
                error = where + QStringLiteral("unknown view \"%1\"").arg(it.key());
                return true;
            }
            Views probe;
            const std::string text = it.value().isString() ? it.value().toString().toStdString()
                : it.value().isBool()                      ? (it.value().toBool() ? "true" : "false")
                : it.value().isDouble()                    ? std::to_string(it.value().toInt())
                                                           : std::string();
            if (!setView(probe, *v, text)) {
                QStringList names;
                for (const char *n : viewValueNames(*v))
                    names << QLatin1String(n);
                error = where + QStringLiteral("view \"%1\" takes %2").arg(it.key(), names.join(QStringLiteral(", ")));
                return true;
            }
            request.views.emplace_back(*v, text);
        }
        return true;
    }
    if (key == u"SamePerson") {
        request.given = true;
        if (!value.isArray()) {
            error = where + QStringLiteral("not a list of lists of paths");
            return true;
        }
        for (const QJsonValue &person : value.toArray()) {
            std::vector<Path> routes;
            for (const QJsonValue &route : person.toArray()) {
                const auto path = route.isString() ? Path::parse(route.toString().toStdString()) : std::nullopt;
                if (!path) {
                    error = where + QStringLiteral("not a list of lists of paths");
                    return true;
                }
                routes.push_back(*path);
            }
            if (!person.isArray() || routes.size() < 2) {
                error = where + QStringLiteral("each person is a list of two paths or more");
                return true;
            }
            request.samePerson.push_back(std::move(routes));
        }
        return true;
    }
    if (key == u"Relatives") {
        request.given = true;
        if (!value.isObject()) {
            error = where + QStringLiteral("not an object of paths and counts");
            return true;
        }
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            const auto path = Path::parse(it.key().toStdString());
            if (!path) {
                error = where + QStringLiteral("\"%1\" is not a path of relatives").arg(it.key());
                return true;
            }
            const double n = it.value().toDouble(-1);
            const int max = engine::maximumCount(*path);
            if (!it.value().isDouble() || !std::isfinite(n) || std::trunc(n) != n || n < 0 || n > max) {
                error = where + QStringLiteral("the count of \"%1\" is not a whole number in 0..%2").arg(it.key()).arg(max);
                return true;
            }
            if (n > 0)
                request.relatives.push_back({*path, static_cast<int>(n)});
        }
        return true;
    }
    return false;
}

std::optional<engine::Family> familyOfLine(const CaseRecord &given, const PathRequest &request, QString &error)
{
    engine::Family f = engine::familyOfRecord(given);
    f.profile = request.profile;
    f.views = profileViews(request.profile);
    for (const auto &[view, value] : request.views)
        setView(f.views, view, value);
    for (const engine::Member &m : request.relatives) {
        for (const engine::Member &k : f.members) {
            if (k.path == m.path) {
                error = QStringLiteral("key \"Relatives\": \"%1\" is given twice, once by each way")
                            .arg(QString::fromStdString(m.path.text()));
                return std::nullopt;
            }
        }
        f.members.push_back(m);
    }
    // One grandmother by several routes: each route a grandmother of the
    // family, one person, all of one generation, and no route in two persons.
    std::vector<Path> seen;
    for (const std::vector<Path> &routes : request.samePerson) {
        for (const Path &p : routes) {
            const QString text = QString::fromStdString(p.text());
            const auto member = std::find_if(f.members.begin(), f.members.end(),
                                             [&p](const engine::Member &m) { return m.path == p; });
            if (p.kind() != PathKind::Grandmother || p.degree() != routes.front().degree()) {
                error = QStringLiteral("key \"SamePerson\": \"%1\" is not a grandmother of the same generation as \"%2\"")
                            .arg(text, QString::fromStdString(routes.front().text()));
                return std::nullopt;
            }
            if (member == f.members.end() || member->count != 1) {
                error = QStringLiteral("key \"SamePerson\": \"%1\" is not one relative of the family").arg(text);
                return std::nullopt;
            }
            if (std::find(seen.begin(), seen.end(), p) != seen.end()) {
                error = QStringLiteral("key \"SamePerson\": \"%1\" is given twice").arg(text);
                return std::nullopt;
            }
            seen.push_back(p);
        }
    }
    f.samePerson = request.samePerson;
    int husbands = 0, wives = 0;
    for (const engine::Member &m : f.members) {
        husbands += m.path.kind() == PathKind::Husband ? m.count : 0;
        wives += m.path.kind() == PathKind::Wife ? m.count : 0;
    }
    if (husbands > 0 && wives > 0) {
        error = QStringLiteral("a husband and wives in one family");
        return std::nullopt;
    }
    return f;
}

std::string pathAnswer(const engine::Family &family, Language language, const EstateRequest &estate,
                       QString &error, bool explain, const BequestRequest *bequest)
{
    if (bequest && bequest->given)
        return bequestAnswer(family, *bequest, language, estate, error);
    const engine::Result r = engine::calculate(family);
    const engine::Working working = engine::workOf(r);
    std::string out = "{";
    appendProfileAndViews(out, family);
    out += ", \"exact\": {";
    bool first = true;
    std::vector<estate::Claimant> claimants;
    std::vector<QString> heirs;
    for (const engine::MemberResult &m : r.members) {
        if (m.share.isZero())
            continue;
        out += first ? "" : ", ";
        first = false;
        appendKey(out, memberKey(m.path));
        out += "{\"count\": " + std::to_string(m.count) + ", ";
        appendKey(out, QStringLiteral("name"));
        appendJsonString(out, report::relativeName(m.path, language, m.count));
        out += ", ";
        appendText(out, "rule", shareRuleKey(m.rule));
        if (!m.fixed.isZero()) {
            out += ", ";
            appendText(out, "fixed", m.fixed.text());
        }
        out += ", ";
        appendText(out, "share", m.share.text());
        out += ", ";
        appendText(out, "perHead", m.perHead().text());
        appendParts(out, working.parts[static_cast<std::size_t>(&m - r.members.data())]);
        out += "}";
        const Rational each = m.perHead();
        claimants.push_back({each.num, each.den, m.count});
        heirs.push_back(memberKey(m.path));
    }
    if (!r.treasury.isZero()) {
        out += first ? "" : ", ";
        out += "\"Treasury\": {\"count\": 1, ";
        appendText(out, "share", r.treasury.text());
        out += ", \"parts\": " + std::to_string(working.treasuryParts);
        out += "}";
        claimants.push_back({r.treasury.num, r.treasury.den, 1});
        heirs.push_back(QStringLiteral("Treasury"));
    }
    out += "}";
    appendPathBase(out, working);
    out += ", \"excluded\": [";
    first = true;
    for (const engine::MemberResult &m : r.members) {
        if (m.reason == engine::Reason::None)
            continue;
        out += first ? "{" : ", {";
        first = false;
        appendKey(out, QStringLiteral("relative"));
        appendJsonString(out, memberKey(m.path));
        out += ", \"count\": " + std::to_string(m.count) + ", ";
        appendKey(out, QStringLiteral("name"));
        appendJsonString(out, report::relativeName(m.path, language, m.count));
        out += ", ";
        appendText(out, "reason", reasonName(m.reason));
        if (m.by >= 0) {
            out += ", ";
            appendKey(out, QStringLiteral("by"));
            appendJsonString(out, memberKey(r.members[static_cast<std::size_t>(m.by)].path));
        }
        if (explain) {
            out += ", \"sentence\": ";
            appendJsonString(out, report::pathExclusionSentence(family, r, static_cast<int>(&m - r.members.data()), language));
        }
        out += "}";
    }
    out += "], \"events\": [";
    first = true;
    for (int e = 0; e < 10; ++e) {
        if ((r.events & (1u << e)) == 0)
            continue;
        out += first ? "" : ", ";
        first = false;
        appendJsonString(out, QLatin1String(EventNames[e]));
    }
    out += "]";
    if (!r.kinship.empty())
        appendKinship(out, r);
    if (estate.given) {
        const estate::Result money = estate::divide(estate.input, claimants);
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
        out += "}";
    }
    if (explain)
        appendPathSteps(out, family, r, working, language);
    out += "}";
    return out;
}

} // namespace calccli
