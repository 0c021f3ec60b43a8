// SPDX-License-Identifier: GPL-3.0-or-later
// tarnavel-calc: the share calculation and the report texts for batch use.
// One JSON object per input line, one JSON object per output line.
#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/case_record.h"
#include "case/working.h"
#include "report/composition.h"
#include "tools/calc_paths.h"
#include "tools/calc_time.h"
#include "tools/calc_working.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

const char kHelp[] = R"(Usage: tarnavel-calc [--explain] [--help]

Reads inheritance cases from standard input, one JSON object per line, and
writes one JSON object per input line to standard output.

Input keys (a missing key is 0; every value is a whole number):
  flags, 0 or 1:  FatherAlive GrandFatherAlive MotherAlive
                  MaternalGrandMotherAlive ParentalGrandMotherAlive
                  HusbandAlive GrandFatherAsFather
  WifeCount       0..4
  counts, 0..50:  SonCount DaughterCount SonsSonCount SonsDaughterCount
                  SonsSonsSonCount SonsSonsDaughterCount
                  FullBrotherCount FullSisterCount ParentalBrotherCount
                  ParentalSisterCount BrothersSonCount
                  ParentalBrothersSonCount FullUncleCount ParentalUncleCount
                  FullUnclesSonCount ParentalUnclesSonCount
  MaternalSiblingCount  0..100 (maternal brothers and sisters together)
  Language        0 Arabic, 1 English (labels, messages and sentences)
Estate keys (optional; amounts are numbers or decimal texts such as "1200.50",
read as written: no exponent, no digits beyond the currency's unit; at most
10000000000000 with 2 decimals, 10^15 smallest units):
  Estate          the estate's value (required when any estate key is given)
  FuneralCosts    funeral and burial costs (default 0)
  Debts           debts (default 0)
  Bequest         bequests; at most a third of what costs and debts leave
  HeirsConsentToBequest  true/1: the heirs consent to a bequest above a third
  Decimals        digits of the currency's smallest unit, 0..4 (default 2)

The family is taken as it is: give every living relative. Relatives whom a
nearer heir excludes are set aside (and listed in "excluded"), so the record
is the one the questionnaires would have produced. GrandFatherAsFather 1 is
the first grandfather method (he stands in the father's place and excludes
the siblings); give GrandFatherAlive 1 with it (FatherAlive 1, GrandFatherAlive
0 means the same). A husband together with wives is an error.

Relatives at any depth, and the schools' views (optional):
  Relatives       {"path": count, ...}: any relative as the steps from the
                  deceased joined by dots: father mother son daughter brother
                  sister (full) paternalBrother paternalSister maternalBrother
                  maternalSister, or husband, wife, emancipator alone, or
                  emancipator followed by his relative ("emancipator.son").
                  Ascents first, then at most one sibling step, then
                  descents: "father.father.father" (great-grandfather),
                  "father.mother", "son.son.son.daughter", "brother.son.son",
                  "father.brother" (full paternal uncle),
                  "father.paternalBrother.son", "mother.brother" (maternal
                  uncle: distant kindred). Counts 0..50 (husband 0..1, wives
                  0..4). A relative given here and by a key above is an error.
  Profile         program (default), hanafi, maliki, shafii, hanbali, egypt,
                  syria: the views the case is worked under
  Views           {"view": value, ...} changes single views of the profile:
                  grandfatherWithSiblings ask|excludes|shares|egypt1943,
                  malikiyya true|false, motherWithGrandfather
                  thirdOfWhole|thirdOfRemainder, mushtaraka shared|notShared,
                  surplus return|treasury, spouseReturn never|whenNoOtherHeir,
                  distantKindred none|tanzil|qaraba,
                  ascendantExcludesOwnMother true|false, grandmotherLines
                  1|2|any, nearerPaternalExcludesFartherMaternal true|false,
                  excludedGrandmotherStillExcludes true|false,
                  grandmotherByTwoRoutes once|twice, obligatoryBequest
                  none|egypt1946|syria1953, diedTogether
                  noneInherit|oldPropertyOnly, unbornReserve
                  one|two|four|unlimited|suspend, hermaphrodite
                  lesser|leastHeld|halfOfTwo|byHope
  Predeceased     [{"child": "son"|"daughter", "descendants": {"path": count},
                   "predeceased": [...], "gifts": {"path": amount}}, ...]:
                  children who died before the deceased (or with him), with
                  their living descendants as paths below the child ("son",
                  "daughter", "son.daughter": on a longer path everyone
                  between the child and the descendant died before too),
                  "predeceased" for a child's own children who died before,
                  "gifts" what the deceased gave a descendant without
                  return, counted against his bequest only (an amount needs
                  "Estate"; "1/9" is a fraction of the estate). With
                  obligatoryBequest egypt1946 (law 71/1946 arts. 76-79:
                  daughters' children, sons' lines at any depth) or
                  syria1953 (art. 257: sons' lines) the branch takes the
                  child's share as if alive, within a third, each
                  descendant's part less his gift, and the heirs divide the
                  rest as a new case; with none the
                  descendants are relatives like any other. The answer adds
                  "bequest": {"code", "asAlive" (the case with the children
                  alive), "branches": [{"child", "asAlive", "withinThird",
                  "gifts", "due"}], "thirdApplied", "total", "remainder",
                  "heirs" (the heirs' case of the rest), "base",
                  "recipients": [{"path", "count", "branch", "share" or
                  "reason": heir|outsideTheLines|giftCovers}]}; "exact"
                  gives shares of the whole ("ofRemainder": of the rest) and
                  "bequestAmounts" the recipients' money.
  A line with any of these keys is worked out by the calculation over
  paths and answered as:
  {"profile": "hanafi", "views": {"grandfatherWithSiblings": "excludes", ...},
   "exact": {"Wife": {"count": 1, "name": "the wife", "rule": "WifeQuarter", "fixed": "1/4",
             "share": "1/4", "perHead": "1/4", "parts": 2, "partsEach": 2},
             "father.father.brother.son": {...}, "Treasury": {...}},
   "base": {"base": 4, "awl": null, "return": null, "corrected": 8},
   "excluded": [{"relative": "mother.brother", "count": 1,
                 "reason": "distantKindred"}, ...],
   "events": ["awl", ...], "amounts": {"Wife": "250.00", ...}}
  Relatives of the keys above keep their names (Father, GrandFather, ...);
  others are keyed by their path; "name" is the relative's name in the line's
  Language. Reasons: excludedBy (with "by"),
  nothingLeft, afterTwoThirds, countedAgainstGrandFather, distantKindred,
  notAnHeirInThisSchool, notAgnateOfEmancipator.
  base and parts read as for today's keys (below); --explain adds each
  excluded relative's "sentence" and the "steps" with their evidence, naming
  the view followed where the schools differ ("on the view of Malik").
  notAnHeirInThisSchool, notAgnateOfEmancipator; among distant kindred (with
  "by", the kinsman who takes): kinshipLaterClass, kinshipFartherDegree,
  kinshipNotThroughHeir, kinshipWeaker, fartherFromHeir, heirShutOut.
Distant kindred ("daughter.son", "sister.son", "mother.father", "father.sister",
  ...) take the rest when no heir by blood but a spouse has a share and the
  view distantKindred is qaraba (the Hanafi classes; egypt and syria by their
  codes) or tanzil (each stands in the place of his heir). Their rule is
  KinshipShare or SubstitutionShare, and the answer adds the steps:
  "kinship": [{"step": "spouseFirst"|"class"|"side"|"root"|"raisedTo"|
  "heirsCase"|"broughtDown", "relative": key, "path": "mother", "number": n,
  "amount": "3/16", "source": "..."}, ...]. A kinsman related by two routes
  is given under both paths, once each.
  echo '{"WifeCount":1,"Relatives":{"daughter.son":1,"mother.sister":1},"Profile":"hanbali"}' | tarnavel-calc
  echo '{"WifeCount":1,"Relatives":{"father.father.brother.son":2},"Profile":"hanafi"}' | tarnavel-calc
  echo '{"Profile":"egypt","Relatives":{"son":1,"daughter":1},"Predeceased":[{"child":"son","descendants":{"son":1}}]}' | tarnavel-calc


Heirs whose state is unknown (optional; the line is worked out under every
estimate, each heir paid at once his least, the rest held; docs/working.md):
  Unborn          "son": the place of a child to be born, its sex and number
                  the estimate's ("son.son" a son's, "paternalBrother" the
                  father's, "maternalBrother" the mother's by a later husband)
  Missing         {"path": count, ...}: relatives alive or dead unknown
  Hermaphrodite   {"place": count, ...}: persons of undetermined sex
  ClarityHoped    true (default) or false, for the view byHope
  Answered with "uncertain" (each with the "most" he can take), "estimates"
  (each "suppose"d, its "base", whether it "decides", its "case" as above),
  "base" (the least common multiple of the deciding estimates' bases),
  "reducedBase", "now" (share and parts of each; "unborn:son",
  "missing:brother", "hermaphrodite:son"), "held" (with "byAgreement": what
  none of them can take), "settlement" (what each receives from the reserve
  if an estimate proves true), "waitingPeriods" (noted, not decided) and
  "amounts".
  echo '{"Relatives":{"wife":1,"father":1,"mother":1},"Unborn":"son","Profile":"hanbali"}' | tarnavel-calc

Options:
  --explain       add the sentences of the working: why each relative
                  receives nothing, and the steps with their evidence
  --help, -h      print this text

Output for a case:
  {"shares": {"FatherShare": 0.16666666666666666, ...},
   "ShareTotal": 1,
   "message": null | {"title": "...", "text": "..."},
   "screen": [{"label": "...", "percent": "16.67    %"}, ...],
   "printed": [{"label": "...", "percent": "16.67    %", "shares": 400}, ...],
   "total": {"percent": "100", "shares": 2400},
   "exact": {"Father": {"count": 1, "kind": "fixed", "nominal": "Sixth",
             "rule": "FatherSixth", "fixed": "1/6", "share": "1/6",
             "perHead": "1/6", "parts": 4, "partsEach": 4}, ...},
   "base": {"base": 24, "awl": null, "return": null, "corrected": 24},
   "excluded": [{"relative": "GrandFather", "count": 1,
                 "reason": "excludedBy", "by": "Father", "setAside": true}],
   "otherMethod": {"method": 1, "exact": {...}, "base": {...}},
   "amounts": {"estate": "24000.00", ..., "distributed": "...",
               "groups": {"Father": {"total": "...", "each": "..."}, ...}},
   "steps": ["...", ...]}
  shares: every share that is not 0, per head as the record holds it.
  message: the notice shown when no heir takes the rest.
  screen, printed: the report lines in the record's Language; shares of
  printed lines are out of 2400. Numbers read back as the same double.
  exact: every group that receives something, in the report's order: heads,
  kind (fixed, residue, treasury), the nominal share and the rule it was
  taken by, the fixed share as given before any 'awl or return, the group's
  and each head's exact share, and their parts of the corrected base; "awl",
  "returned" and "rest" mark a share reduced by the 'awl, increased by the
  return, or a spouse's share with the rest.
  base: the base of the fixed shares, the 'awl or the return base (null when
  none), and the corrected base in which every head has whole parts.
  excluded: every relative given who receives nothing, with the reason
  (excludedBy, nothingLeft, afterDaughtersTwoThirds, afterSistersTwoThirds,
  countedAgainstGrandFather, excludedByGrandFatherAsFather) and who excludes
  them; setAside marks relatives set aside before the calculation.
  otherMethod: where the method window is asked (grandfather without father
  and no male descendant), the other grandfather method's working.
  amounts: with the estate keys, what is distributed after costs, debts and
  the bequest, and each group's total and each head's amount in the smallest
  unit; they add up exactly (largest remainder; "headsWithOneUnitMore" heads
  of a group receive one unit more than "each").
  With --explain, every excluded relative also has a "sentence" and "steps"
  lists the working as sentences in the line's Language, Qur'an references
  in brackets.

Output for a bad line (not a JSON object, unknown key, a key given twice,
value not a whole number or out of range, a bad amount, a husband with wives):
  {"error": "line 3: key \"WifeCount\": 5 is outside 0..4"}
The run goes on with the next line. Exit status: 0 when every line was
answered, 1 when any line gave an error, 2 for a bad command line.

Example:
  echo '{"FatherAlive":1,"MotherAlive":1,"WifeCount":1,"SonCount":1,"Language":1}' | tarnavel-calc
  echo '{"HusbandAlive":1,"FullSisterCount":2,"Estate":7000,"Language":1}' | tarnavel-calc --explain
)";

// --- JSON output -----------------------------------------------------------

void appendString(std::string &out, const QString &text)
{
    calccli::appendJsonString(out, text);
}

// Shortest text that reads back as the same double.
void appendNumber(std::string &out, double value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void appendInteger(std::string &out, long long value)
{
    out += std::to_string(value);
}

std::string errorLine(const QString &message)
{
    std::string out = "{\"error\": ";
    appendString(out, message);
    out += '}';
    return out;
}

// --- input -----------------------------------------------------------------

QString describe(const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double: {
        std::string s;
        appendNumber(s, v.toDouble());
        return QString::fromStdString(s);
    }
    case QJsonValue::String: {
        std::string s;
        appendString(s, v.toString());
        return QString::fromStdString(s);
    }
    case QJsonValue::Array: return QStringLiteral("an array");
    case QJsonValue::Object: return QStringLiteral("an object");
    default: return QStringLiteral("undefined");
    }
}

// The calculation's inputs: every field of the table but the counts that only
// a questionnaire enters.
const CountField *inputField(const QString &key)
{
    const CountField *field = findInputField(key.toStdString());
    return field && field->kind != FieldKind::EnteredCount ? field : nullptr;
}

// The lines batch users send are flat objects of plain keys and numbers: read
// them without building a JSON document. Anything else (escapes, nesting,
// duplicates, an error of any kind) is left to the full reader below, so the
// answers and the error texts stay exactly its own.
// The length of the JSON number at the start of `s` (0 when there is none):
// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
std::size_t jsonNumberLength(std::string_view s)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < s.size() && s[i] == '-')
        ++i;
    if (i < s.size() && s[i] == '0')
        ++i;
    else if (digits() == 0)
        return 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        if (digits() == 0)
            return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return 0;
    }
    return i;
}

bool readPlainRecord(std::string_view line, CaseRecord &c, calccli::EstateRequest &estate)
{
    std::size_t i = 0;
    const auto space = [&] {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\n' || line[i] == '\r'))
            ++i;
    };
    const auto take = [&](char ch) {
        space();
        if (i < line.size() && line[i] == ch) {
            ++i;
            return true;
        }
        return false;
    };
    if (!take('{'))
        return false;
    std::uint32_t seen = 0;   // input fields already given (a duplicate goes the long way)
    std::vector<std::string_view> estateKeys;   // likewise for the estate keys
    bool first = true;
    while (true) {
        if (take('}'))
            break;
        if (!first && !take(','))
            return false;
        first = false;
        if (!take('"'))
            return false;
        const std::size_t keyStart = i;
        while (i < line.size() && ((line[i] >= 'A' && line[i] <= 'Z') || (line[i] >= 'a' && line[i] <= 'z')))
            ++i;
        if (i >= line.size() || line[i] != '"' || i == keyStart)
            return false;
        const std::string_view key = line.substr(keyStart, i - keyStart);
        ++i;
        if (!take(':'))
            return false;
        space();
        if (const CountField *field = findInputField(key)) {
            const std::size_t index = std::size_t(field - inputFields().data());
            if (field->kind == FieldKind::EnteredCount || index >= 32 || (seen >> index & 1u))
                return false;
            seen |= 1u << index;
            const std::size_t length = jsonNumberLength(line.substr(i));
            int value = 0;
            const auto res = std::from_chars(line.data() + i, line.data() + i + length, value);
            if (length == 0 || res.ec != std::errc() || res.ptr != line.data() + i + length || value < 0
                || value > field->max)
                return false;
            i += length;
            c.*(field->member) = static_cast<std::int16_t>(value);
            continue;
        }
        // An estate key: a plain decimal text or a number.
        for (const std::string_view given : estateKeys)
            if (given == key)
                return false;
        estateKeys.push_back(key);
        QJsonValue value;
        std::string_view written;
        if (i < line.size() && line[i] == '"') {
            const std::size_t start = ++i;
            while (i < line.size() && line[i] != '"' && line[i] != '\\' && static_cast<unsigned char>(line[i]) >= 0x20)
                ++i;
            if (i >= line.size() || line[i] != '"')
                return false;
            value = QString::fromUtf8(line.data() + start, qsizetype(i - start));
            ++i;
        } else if (line.substr(i, 4) == "true" || line.substr(i, 5) == "false") {
            value = line[i] == 't';
            i += line[i] == 't' ? 4 : 5;
        } else {
            const std::size_t length = jsonNumberLength(line.substr(i));
            double number = 0;
            const auto res = std::from_chars(line.data() + i, line.data() + i + length, number);
            if (length == 0 || res.ec != std::errc() || res.ptr != line.data() + i + length)
                return false;
            written = line.substr(i, length);
            i += length;
            value = number;
        }
        std::optional<QString> error;
        if (!calccli::readEstateKey(QString::fromLatin1(key.data(), qsizetype(key.size())), value, estate, error,
                                    written)
            || error)
            return false;
    }
    space();
    return i == line.size();
}

// The first key a line's object gives twice at its top level, if any: the
// JSON reader would keep the last one without a word.
std::optional<QString> duplicateKey(const QByteArray &line)
{
    QStringList keys;
    int depth = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch == '{' || ch == '[') {
            ++depth;
        } else if (ch == '}' || ch == ']') {
            --depth;
        } else if (ch == '"') {
            const qsizetype start = i;
            for (++i; i < line.size() && line[i] != '"'; ++i)
                if (line[i] == '\\')
                    ++i;
            qsizetype next = i + 1;
            while (next < line.size() && (line[next] == ' ' || line[next] == '\t'))
                ++next;
            if (depth != 1 || next >= line.size() || line[next] != ':')
                continue;
            // The key with its escapes read as the JSON reader reads them.
            const QString key = QJsonDocument::fromJson("[" + line.mid(start, i + 1 - start) + "]")
                                    .array().at(0).toString();
            if (keys.contains(key))
                return key;
            keys << key;
        }
    }
    return std::nullopt;
}

// The number given for `key` at the top level of `line`, as written (the
// JSON reader keeps only its double); empty when it is not found.
std::string_view numberAsWritten(const QByteArray &line, const QString &key)
{
    const std::string_view text(line.constData(), std::size_t(line.size()));
    const std::string quoted = '"' + key.toStdString() + '"';
    for (std::size_t at = text.find(quoted); at != std::string_view::npos; at = text.find(quoted, at + 1)) {
        std::size_t i = at + quoted.size();
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i >= text.size() || text[i] != ':')
            continue;
        ++i;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (const std::size_t length = jsonNumberLength(text.substr(i)))
            return text.substr(i, length);
    }
    return {};
}

// Fills the record from one input line; returns the error text, if any.
std::optional<QString> readRecord(const QByteArray &line, long lineNumber, CaseRecord &c,
                                  calccli::EstateRequest &estate, calccli::PathRequest &paths)
{
    {
        CaseRecord plain;
        calccli::EstateRequest plainEstate;
        if (readPlainRecord(std::string_view(line.constData(), std::size_t(line.size())), plain, plainEstate)) {
            c = plain;
            estate = plainEstate;
            return std::nullopt;
        }
    }
    const QString where = QStringLiteral("line %1: ").arg(lineNumber);
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return where + QStringLiteral("not a JSON object (%1 at offset %2)")
                           .arg(parseError.errorString())
                           .arg(parseError.offset);
    if (!doc.isObject())
        return where + QStringLiteral("not a JSON object");

    if (const auto twice = duplicateKey(line))
        return where + QStringLiteral("key \"%1\" is given twice").arg(*twice);
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString keyText = QStringLiteral("key \"%1\": ").arg(it.key());
        std::optional<QString> estateError;
        if (calccli::readEstateKey(it.key(), it.value(), estate, estateError,
                                   it.value().isDouble() ? numberAsWritten(line, it.key()) : std::string_view())
            || calccli::readPathKey(it.key(), it.value(), paths, estateError)) {
            if (estateError)
                return where + *estateError;
            continue;
        }
        const CountField *field = inputField(it.key());
        if (!field)
            return where + QStringLiteral("unknown key \"%1\"").arg(it.key());
        const QJsonValue value = it.value();
        const double number = value.toDouble();
        if (!value.isDouble() || !std::isfinite(number) || std::trunc(number) != number)
            return where + keyText + describe(value) + QStringLiteral(" is not a whole number");
        if (number < 0 || number > field->max)
            return where + keyText + describe(value)
                + QStringLiteral(" is outside 0..%1").arg(field->max);
        c.*(field->member) = static_cast<std::int16_t>(number);
    }
    return std::nullopt;
}

// --- one case --------------------------------------------------------------

struct Notice
{
    QString title;
    QString text;
};

std::string answer(CaseRecord &c, const CaseWorking &w, bool explain, const estate::Result *money,
                   int decimals)
{
    std::optional<Notice> notice;
    CalculationHooks &hooks = calculationHooks();
    hooks.noHeirsNotice = [&notice](const CaseRecord &r) {
        notice = Notice{report::noHeirsTitle(languageOf(r)), report::noHeirsText(languageOf(r))};
    };
    hooks.openResults = [](const CaseRecord &) {};

    Recalculate(c);

    std::string out = "{\"shares\": {";
    bool first = true;
    for (const ShareField &s : shareFields()) {
        const double value = c.*(s.member);
        if (value == 0.0)
            continue;
        if (!first)
            out += ", ";
        first = false;
        appendString(out, QString::fromLatin1(s.name.data(), qsizetype(s.name.size())));
        out += ": ";
        appendNumber(out, value);
    }
    out += "}, \"ShareTotal\": ";
    appendNumber(out, c.ShareTotal);

    out += ", \"message\": ";
    if (notice) {
        out += "{\"title\": ";
        appendString(out, notice->title);
        out += ", \"text\": ";
        appendString(out, notice->text);
        out += '}';
    } else {
        out += "null";
    }

    out += ", \"screen\": [";
    first = true;
    for (const report::ScreenLine &line : report::screenLines(c, languageOf(c))) {
        out += first ? "" : ", ";
        first = false;
        out += "{\"label\": ";
        appendString(out, line.label);
        out += ", \"percent\": ";
        appendString(out, line.percent);
        out += '}';
    }

    out += "], \"printed\": [";
    first = true;
    for (const report::PrintedRow &row : report::printedRows(c, languageOf(c))) {
        if (!row.printed) // the page has only the blank line for it
            continue;
        out += first ? "" : ", ";
        first = false;
        out += "{\"label\": ";
        appendString(out, row.label);
        out += ", \"percent\": ";
        appendString(out, row.percent);
        out += ", \"shares\": ";
        appendInteger(out, row.shares);
        out += '}';
    }

    const report::PrintedTotals totals = report::printedTotals(c);
    out += "], \"total\": {\"percent\": ";
    appendString(out, totals.percent);
    out += ", \"shares\": ";
    appendInteger(out, totals.shares);
    out += '}';
    if (w.exact)
        calccli::appendWorking(out, w, c.Language, explain, money, decimals);
    out += '}';
    return out;
}

void writeLine(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    // A caller may be waiting for this answer before it writes the next case.
    std::fflush(stdout);
}

// The answer to one input line; `failed` tells whether it is an error line.
std::string answerLine(const std::string &line, long lineNumber, bool explain, bool &failed)
{
    CaseRecord given;
    calccli::EstateRequest estate;
    calccli::PathRequest paths;
    if (const auto error = readRecord(QByteArray::fromStdString(line), lineNumber, given, estate, paths)) {
        failed = true;
        return errorLine(*error);
    }
    if (paths.given) {
        // Paths, a profile or views: the calculation over paths answers.
        QString error;
        std::string out;
        if (!paths.time.isEmpty())
            out = calccli::timeAnswer(given, paths, estate, error);
        else if (const auto family = calccli::familyOfLine(given, paths, error))
            out = paths.uncertain.persons.empty()
                ? calccli::pathAnswer(*family, languageOf(given), estate, error, explain, &paths.bequest)
                : calccli::estimatesAnswer(*family, paths.uncertain, languageOf(given), estate, error);
        if (!error.isEmpty()) {
            failed = true;
            return errorLine(QStringLiteral("line %1: ").arg(lineNumber) + error);
        }
        return out;
    }
    // The family as given, made into the record the questionnaires
    // would have produced; relatives set aside are reported.
    const AdmittedFamily family = admitFamily(given);
    if (family.error) {
        failed = true;
        return errorLine(QStringLiteral("line %1: ").arg(lineNumber) + calccli::familyErrorText(family.error));
    }
    CaseRecord c = family.record;
    const CaseWorking w = workCase(family);
    std::optional<estate::Result> money;
    if (estate.given) {
        money = estate::divide(estate.input, estateClaimants(w));
        if (money->error != estate::Error::None) {
            failed = true;
            return errorLine(QStringLiteral("line %1: ").arg(lineNumber) + calccli::estateErrorText(*money, estate.input.decimals));
        }
    }
    return answer(c, w, explain, money ? &*money : nullptr, estate.input.decimals);
}

} // namespace

// The fuzz target (tools/fuzz) takes the line reader without main().
#ifndef TARNAVEL_CALC_NO_MAIN
int main(int argc, char **argv)
{
    bool explain = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            std::fputs(calccli::TimeHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--explain") == 0) {
            explain = true;
            continue;
        }
        std::fprintf(stderr, "tarnavel-calc: unknown argument '%s' (try --help)\n", argv[i]);
        return 2;
    }

    std::ios::sync_with_stdio(false);
    bool anyFailed = false;
    long lineNumber = 0;
    std::string line;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bool failed = false;
        writeLine(answerLine(line, lineNumber, explain, failed));
        anyFailed = anyFailed || failed;
    }
    return anyFailed ? 1 : 0;
}
#endif
