// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/path_working_text.h"

#include "report/relative_names.h"
#include "report/schools_text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <utility>
#include <vector>

namespace report {

using engine::Event;
using engine::MemberResult;
using engine::Reason;
using engine::Result;
using engine::ShareRule;

namespace {

const QJsonObject &table()
{
    static const QJsonObject t = [] {
        QFile file(QStringLiteral(":/report/path_working.json"));
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return t;
}

bool english(Language l) { return l == Language::English; }

// A text of the table for `count` heads: one string, or the forms by count
// (Arabic one, two, three or more; English one, several).
QString entry(const char *section, const QString &key, Language language, int count = 1)
{
    const QJsonValue v = table()[QLatin1String(section)][key][QLatin1String(english(language) ? "en" : "ar")];
    if (!v.isArray())
        return v.toString();
    const QJsonArray forms = v.toArray();
    const int index = english(language) ? (count > 1 ? 1 : 0) : (count <= 1 ? 0 : count == 2 ? 1 : 2);
    return forms.isEmpty() ? QString() : forms[qMin(index, static_cast<int>(forms.size()) - 1)].toString();
}

// The key with its variant where the table has one.
QString keyed(const char *section, const char *key, const char *variant)
{
    if (!variant)
        return QLatin1String(key);
    const QString k = QLatin1String(key) + QLatin1Char('.') + QLatin1String(variant);
    return table()[QLatin1String(section)].toObject().contains(k) ? k : QLatin1String(key);
}

const MemberResult &at(const Result &r, int i) { return r.members[static_cast<std::size_t>(i)]; }
bool inherits(const MemberResult &m) { return m.count > 0 && !m.share.isZero(); }
bool given(const MemberResult &m) { return m.count > 0; }

// The male ascendant who inherits: the father (degree 1) or a grandfather.
int ascendant(const Result &r)
{
    for (int i = 0; i < static_cast<int>(r.members.size()); ++i)
        if (at(r, i).path.kind() == PathKind::MaleAscendant && inherits(at(r, i)))
            return i;
    return -1;
}
bool fatherInherits(const Result &r)
{
    const int a = ascendant(r);
    return a >= 0 && at(r, a).path.degree() == 1;
}
bool grandfatherInherits(const Result &r)
{
    const int a = ascendant(r);
    return a >= 0 && at(r, a).path.degree() >= 2;
}
bool any(const Result &r, bool (*test)(const MemberResult &))
{
    for (const MemberResult &m : r.members)
        if (test(m))
            return true;
    return false;
}
int heads(const Result &r, PathKind kind)
{
    int n = 0;
    for (const MemberResult &m : r.members)
        n += m.path.kind() == kind ? m.count : 0;
    return n;
}
bool isSpouse(const MemberResult &m)
{
    return m.path.kind() == PathKind::Husband || m.path.kind() == PathKind::Wife;
}

// The grandfather beside the siblings as the case takes it: where the views
// leave it to the case, the method chosen.
const char *grandfatherView(const engine::Family &f)
{
    if (f.views.grandfatherWithSiblings == GrandfatherWithSiblings::Ask)
        return f.method == engine::GrandfatherMethod::Excludes ? "excludes" : "shares";
    return viewValue(f.views, View::GrandfatherWithSiblings);
}

// Husband, mother or grandmother, grandfather, two or more maternal
// siblings and brothers without sisters or descendants: the family of
// al-Malikiyya, whichever way the views settle it.
bool malikiyyaFamily(const Result &r)
{
    return any(r, [](const MemberResult &m) { return m.path.kind() == PathKind::Husband && inherits(m); })
        && any(r, [](const MemberResult &m) {
               return (m.path.kind() == PathKind::Mother || m.path.kind() == PathKind::Grandmother) && inherits(m);
           })
        && grandfatherInherits(r) && heads(r, PathKind::MaternalSibling) >= 2
        && any(r, [](const MemberResult &m) { return m.path.kind() == PathKind::Sibling && m.path.male() && given(m); })
        && !any(r, [](const MemberResult &m) { return m.path.kind() == PathKind::Sibling && !m.path.male() && given(m); })
        && !any(r, [](const MemberResult &m) { return m.path.kind() == PathKind::Descendant && inherits(m); });
}

using Points = std::vector<std::pair<View, const char *>>;

void add(Points &p, View v, const char *value)
{
    for (const auto &x : p)
        if (x.first == v)
            return;
    p.emplace_back(v, value);
}

// A grandmother who inherits: the points her share turns on.
void grandmotherPoints(const engine::Family &f, const Result &r, int i, Points &p)
{
    const Path &me = at(r, i).path;
    const int a = ascendant(r);
    if (a >= 0 && me.fathersInLine() >= at(r, a).path.degree())
        add(p, View::AscendantExcludesOwnMother, "false");
    if (me.fathersInLine() >= 2)
        add(p, View::GrandmotherLines, viewValue(f.views, View::GrandmotherLines));
    for (const MemberResult &g : r.members) {
        if (g.path.kind() != PathKind::Grandmother || !given(g) || g.path.degree() >= me.degree()
            || g.reason == Reason::NotAnHeirInThisSchool)
            continue;
        if (g.reason == Reason::ExcludedBy && g.by >= 0 && at(r, g.by).path.kind() == PathKind::MaleAscendant)
            add(p, View::ExcludedGrandmotherStillExcludes, "false");
        else if (inherits(g) && g.path.fathersInLine() > 0 && me.fathersInLine() == 0)
            add(p, View::NearerPaternalExcludesFartherMaternal, "false");
    }
    // Her other route inherits too: she is a head for each.
    for (const std::vector<Path> &routes : f.samePerson) {
        if (std::find(routes.begin(), routes.end(), me) == routes.end())
            continue;
        for (const MemberResult &g : r.members)
            if (g.path != me && inherits(g) && std::find(routes.begin(), routes.end(), g.path) != routes.end())
                add(p, View::GrandmotherByTwoRoutes, viewValue(f.views, View::GrandmotherByTwoRoutes));
    }
}

Points sharePoints(const engine::Family &f, const Result &r, int i)
{
    Points p;
    const MemberResult &m = at(r, i);
    switch (m.rule) {
    case ShareRule::GrandfatherSharing:
    case ShareRule::GrandfatherThird:
    case ShareRule::GrandfatherSixth:
    case ShareRule::GrandfatherThirdOfRemainder:
    case ShareRule::GrandfatherAsBrother:
    case ShareRule::Akdariyya:
        add(p, View::GrandfatherWithSiblings, grandfatherView(f));
        break;
    case ShareRule::KinshipShare:
    case ShareRule::SubstitutionShare:
        add(p, View::DistantKindred, viewValue(f.views, View::DistantKindred));
        break;
    case ShareRule::SiblingsAfterGrandfather:
        if (malikiyyaFamily(r))
            add(p, View::Malikiyya, "false");
        else
            add(p, View::GrandfatherWithSiblings, grandfatherView(f));
        break;
    case ShareRule::SisterHalf:
    case ShareRule::SistersTwoThirds:
    case ShareRule::PaternalSisterSixthCompleting:
    case ShareRule::SiblingsResidue:
    case ShareRule::SistersWithDaughters:
        if (grandfatherInherits(r))
            add(p, View::GrandfatherWithSiblings, grandfatherView(f));
        break;
    case ShareRule::Malikiyya: add(p, View::Malikiyya, "true"); break;
    case ShareRule::SharedThird: add(p, View::Mushtaraka, "shared"); break;
    case ShareRule::MotherThirdOfRemainder:
        if (!fatherInherits(r))
            add(p, View::MotherWithGrandfather, "thirdOfRemainder");
        break;
    case ShareRule::MotherThird:
        if (grandfatherInherits(r) && any(r, [](const MemberResult &x) { return isSpouse(x) && inherits(x); })
            && !any(r, [](const MemberResult &x) { return x.path.kind() == PathKind::Sibling && inherits(x); }))
            add(p, View::MotherWithGrandfather, "thirdOfWhole");
        break;
    case ShareRule::GrandmothersSixth: grandmotherPoints(f, r, i, p); break;
    default: break;
    }
    return p;
}

Points exclusionPoints(const engine::Family &f, const Result &r, int i)
{
    Points p;
    const MemberResult &m = at(r, i);
    const PathKind kind = m.path.kind();
    switch (m.reason) {
    case Reason::ExcludedBy: {
        if (m.by < 0)
            break;
        const MemberResult &by = at(r, m.by);
        if (kind == PathKind::Sibling && r.has(engine::EvMalikiyya))
            add(p, View::Malikiyya, "true");
        else if (kind == PathKind::Sibling && by.path.kind() == PathKind::MaleAscendant && by.path.degree() >= 2)
            add(p, View::GrandfatherWithSiblings, grandfatherView(f));
        if (kind == PathKind::Grandmother && by.path.kind() == PathKind::MaleAscendant)
            add(p, View::AscendantExcludesOwnMother, "true");
        if (kind == PathKind::Grandmother && by.path.kind() == PathKind::Grandmother) {
            if (!inherits(by))
                add(p, View::ExcludedGrandmotherStillExcludes, "true");
            else if (m.path.fathersInLine() == 0 && by.path.fathersInLine() > 0)
                add(p, View::NearerPaternalExcludesFartherMaternal, "true");
        }
        break;
    }
    case Reason::SameGrandmother:
        add(p, View::GrandmotherByTwoRoutes, "once");
        break;
    case Reason::NothingLeft:
        if (kind != PathKind::Sibling)
            break;
        if (malikiyyaFamily(r))
            add(p, View::Malikiyya, "false");
        else if (grandfatherInherits(r))
            add(p, View::GrandfatherWithSiblings, grandfatherView(f));
        else if (m.path.strength() == Strength::Full && f.views.mushtaraka == Mushtaraka::NotShared
                 && any(r, [](const MemberResult &x) { return x.rule == ShareRule::MaternalSiblingsThird; }))
            add(p, View::Mushtaraka, "notShared");
        break;
    case Reason::CountedAgainstGrandfather: add(p, View::GrandfatherWithSiblings, "shares"); break;
    case Reason::DistantKindred:
        if (f.views.distantKindred == DistantKindredMethod::None)
            add(p, View::DistantKindred, "none");
        break;
    case Reason::NotAnHeirInThisSchool:
        add(p, View::GrandmotherLines, viewValue(f.views, View::GrandmotherLines));
        break;
    default: break;
    }
    return p;
}

// The sentence with the views it follows, then its verse.
QString compose(QString text, const Points &points, const QString &ref, Language language)
{
    if (!points.empty()) {
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        for (const auto &[view, value] : points)
            text += (english(language) ? QStringLiteral(", ") : QStringLiteral("، "))
                + viewAttribution(view, value, language);
        text += QLatin1Char('.');
    }
    if (!ref.isEmpty())
        text += QStringLiteral(" [") + ref + QLatin1Char(']');
    return text;
}

QString named(QString text, const QString &who, const QString &by, Language language)
{
    QString name = who;
    if (english(language) && text.startsWith(QLatin1String("{who}")) && !name.isEmpty())
        name[0] = name[0].toUpper();
    text.replace(QLatin1String("{who}"), name);
    text.replace(QLatin1String("{by}"), by);
    return text;
}

// The variant of a rule's sentence that fits the member.
const char *ruleVariant(const Result &r, int i)
{
    const MemberResult &m = at(r, i);
    switch (m.rule) {
    case ShareRule::AscendantSixth:
    case ShareRule::AscendantSixthAndResidue:
    case ShareRule::AscendantResidue:
        return m.path.degree() >= 2 ? "grandfather" : nullptr;
    case ShareRule::MotherThirdOfRemainder: return fatherInherits(r) ? nullptr : "grandfather";
    case ShareRule::GrandmothersSixth: return m.fixed == Rational(1, 6) ? nullptr : "shared";
    case ShareRule::SisterHalf:
    case ShareRule::SistersTwoThirds:
        return grandfatherInherits(r) ? "grandfather" : m.path.strength() == Strength::Paternal ? "paternal" : nullptr;
    case ShareRule::Akdariyya: return m.path.male() ? nullptr : "sister";
    case ShareRule::SiblingsAfterGrandfather: {
        // Her half (their two thirds) taken back in full; else the rest,
        // two to one where brothers and sisters of her strength share it.
        if (!m.fixed.isZero())
            return "full";
        for (const MemberResult &x : r.members)
            if (x.rule == m.rule && x.path.strength() == m.path.strength() && x.path.male() != m.path.male())
                return nullptr;
        return "alone";
    }
    case ShareRule::DescendantsResidue:
    case ShareRule::SiblingsResidue: {
        int maleGeneration = 0;
        bool females = false;
        for (const MemberResult &x : r.members) {
            if (x.rule != m.rule)
                continue;
            females = females || !x.path.male();
            if (x.path.male() && (maleGeneration == 0 || x.path.degree() < maleGeneration))
                maleGeneration = x.path.degree();
        }
        if (m.rule == ShareRule::DescendantsResidue && !m.path.male() && m.path.degree() < maleGeneration)
            return "blessed";
        return females ? "twoToOne" : nullptr;
    }
    default: return nullptr;
    }
}

QString step(const char *key, Language language, std::int64_t from = 0, std::int64_t to = 0, std::int64_t result = 0)
{
    QString text = entry("steps", QLatin1String(key), language);
    text.replace(QLatin1String("{from}"), QString::number(from));
    text.replace(QLatin1String("{to}"), QString::number(to));
    text.replace(QLatin1String("{result}"), QString::number(result));
    return text;
}

} // namespace

const char *pathRuleKey(ShareRule rule)
{
    static const char *const keys[] = {
        "None", "HusbandHalf", "HusbandQuarter", "WifeQuarter", "WifeEighth", "MotherThird",
        "MotherSixthDescendants", "MotherSixthSiblings", "MotherThirdOfRemainder", "AscendantSixth",
        "AscendantSixthAndResidue", "AscendantResidue", "GrandmothersSixth", "DescendantHalf",
        "DescendantsTwoThirds", "DescendantSixthCompleting", "DescendantsResidue", "SisterHalf",
        "SistersTwoThirds", "PaternalSisterSixthCompleting", "SiblingsResidue", "SistersWithDaughters",
        "MaternalSiblingSixth", "MaternalSiblingsThird", "SharedThird", "AgnateResidue", "EmancipatorResidue",
        "EmancipatorAgnateResidue", "GrandfatherSharing", "GrandfatherThird", "GrandfatherSixth",
        "GrandfatherThirdOfRemainder", "GrandfatherAsBrother", "SiblingsAfterGrandfather", "Akdariyya",
        "Malikiyya", "KinshipShare", "SubstitutionShare"};
    static_assert(std::size(keys) == static_cast<std::size_t>(ShareRule::SubstitutionShare) + 1);
    return keys[static_cast<std::size_t>(rule)];
}

const char *pathReasonKey(Reason reason)
{
    static const char *const keys[] = {"None", "ExcludedBy", "NothingLeft", "AfterTwoThirds",
                                       "CountedAgainstGrandfather", "DistantKindred", "NotAnHeirInThisSchool",
                                       "NotAgnateOfEmancipator", "KinshipLaterClass", "KinshipFartherDegree",
                                       "KinshipNotThroughHeir", "KinshipWeaker", "FartherFromHeir", "HeirShutOut",
                                       "SameGrandmother"};
    static_assert(std::size(keys) == static_cast<std::size_t>(Reason::SameGrandmother) + 1);
    return keys[static_cast<std::size_t>(reason)];
}

QString pathRuleTemplate(ShareRule rule, Language language)
{
    return entry("rules", QLatin1String(pathRuleKey(rule)), language);
}

QString pathReasonTemplate(Reason reason, Language language)
{
    return entry("reasons", QLatin1String(pathReasonKey(reason)), language);
}

QString pathShareSentence(const engine::Family &family, const Result &result, int member, Language language)
{
    const MemberResult &m = at(result, member);
    if (!inherits(m) || m.rule == ShareRule::None)
        return QString();
    const QString key = keyed("rules", pathRuleKey(m.rule), ruleVariant(result, member));
    const QString text = named(entry("rules", key, language, m.count), relativeName(m.path, language, m.count),
                               QString(), language);
    return compose(text, sharePoints(family, result, member),
                   table()[QLatin1String("rules")][key][QLatin1String("ref")].toString(), language);
}

QString pathExclusionSentence(const engine::Family &family, const Result &result, int member, Language language)
{
    const MemberResult &m = at(result, member);
    if (m.reason == Reason::None)
        return QString();
    const char *variant = m.reason == Reason::AfterTwoThirds && m.path.kind() == PathKind::Sibling ? "sister" : nullptr;
    const QString key = keyed("reasons", pathReasonKey(m.reason), variant);
    const QString by = m.by >= 0 ? relativeName(at(result, m.by).path, language, at(result, m.by).count) : QString();
    return compose(named(entry("reasons", key, language, m.count), relativeName(m.path, language, m.count), by,
                         language),
                   exclusionPoints(family, result, member), QString(), language);
}

QStringList pathSteps(const engine::Family &family, const Result &r, const engine::Working &w, Language language)
{
    QStringList out;
    const auto with = [&](const QString &text, View v, const char *value) {
        out << compose(text, {{v, value}}, QString(), language);
    };
    const bool siblingsGiven
        = any(r, [](const MemberResult &m) { return m.path.kind() == PathKind::Sibling && given(m); });
    if (siblingsGiven && grandfatherInherits(r) && !r.has(engine::EvMalikiyya)) {
        const char *view = grandfatherView(family);
        with(step((QByteArrayLiteral("Grandfather.") + view).constData(), language), View::GrandfatherWithSiblings,
             view);
    }
    if (r.has(engine::EvUmariyya)) {
        if (fatherInherits(r))
            out << step("Umariyya", language);
        else
            with(step("Umariyya.grandfather", language), View::MotherWithGrandfather, "thirdOfRemainder");
    }
    if (r.has(engine::EvMushtaraka))
        with(step("Mushtaraka", language), View::Mushtaraka, "shared");
    if (r.has(engine::EvAkdariyya))
        out << step("Akdariyya", language);
    if (r.has(engine::EvMuadda))
        out << step("Muadda", language);
    if (r.has(engine::EvMalikiyya))
        with(step("Malikiyya", language), View::Malikiyya, "true");

    bool anyShare = false, anyFixed = false, othersThanSpouse = false;
    for (int i = 0; i < static_cast<int>(r.members.size()); ++i) {
        const MemberResult &m = at(r, i);
        if (!inherits(m))
            continue;
        anyShare = true;
        anyFixed = anyFixed || !m.fixed.isZero();
        othersThanSpouse = othersThanSpouse || !isSpouse(m);
        out << pathShareSentence(family, r, i, language);
    }
    if (!anyShare) {
        out << step("Treasury", language);
        return out;
    }
    out << step(anyFixed ? "Base" : "Base.heads", language, 0, w.base);
    std::int64_t after = w.base;
    if (r.has(engine::EvAwl)) {
        out << (w.awlBase > 0 ? step("Awl", language, w.base, w.awlBase) : step("Awl.plain", language));
        after = w.awlBase > 0 ? w.awlBase : after;
    }
    if (r.has(engine::EvReturn)) {
        if (w.combinedBase > 0) {
            with(step("ReturnWithSpouse", language, w.spouseBase, w.returnBase, w.combinedBase), View::Surplus, "return");
            after = w.combinedBase;
        } else if (w.returnBase > 0) {
            with(step("Return", language, 0, w.returnBase), View::Surplus, "return");
            after = w.returnBase;
        } else {
            with(step("Return.plain", language), View::Surplus, "return");
        }
    }
    if (r.has(engine::EvRestToSpouse))
        with(step("RestToSpouse", language), View::SpouseReturn, "whenNoOtherHeir");
    if (r.has(engine::EvTreasury)) {
        if (othersThanSpouse)
            with(step("Treasury.rest", language), View::Surplus, "treasury");
        else
            with(step("Treasury.rest", language), View::SpouseReturn, "never");
    }
    if (w.correctedBase != after)
        out << step("Correction", language, after, w.correctedBase);
    if (w.reducedBase > 0)
        out << step("Reduction", language, w.correctedBase, w.reducedBase);
    return out;
}

} // namespace report
