// SPDX-License-Identifier: GPL-3.0-or-later
// tarnavel-calc: the share calculation and the report texts for batch use.
// One JSON object per input line, one JSON object per output line.
#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/case_record.h"
#include "case/working.h"
#include "report/composition.h"
#include "tools/calc_working.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kHelp[] = R"(Usage: tarnavel-calc [--help]

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
  Language        0 Arabic, 1 English (labels and messages)

The record is taken as the questionnaires leave it: with the grandfather
standing in the father's place, give FatherAlive 1, GrandFatherAlive 0 and
GrandFatherAsFather 1. The shares are cleared, then the distribution with
father runs when FatherAlive or GrandFatherAlive is 1, otherwise the
distribution without father.

Output for a case:
  {"shares": {"FatherShare": 0.16666666666666666, ...},
   "ShareTotal": 1,
   "message": null | {"title": "...", "text": "..."},
   "screen": [{"label": "...", "percent": "16.67    %"}, ...],
   "printed": [{"label": "...", "percent": "16.67    %", "shares": 400}, ...],
   "total": {"percent": "100", "shares": 2400}}
  shares: every share that is not 0, per head as the record holds it.
  message: the notice shown when no heir takes the rest.
  screen, printed: the report lines in the record's Language; shares of
  printed lines are out of 2400. Numbers read back as the same double.

Output for a bad line (not a JSON object, unknown key, value not a whole
number or out of range):
  {"error": "line 3: key \"WifeCount\": 5 is outside 0..4"}
The run goes on with the next line. Exit status: 0 when every line was
answered, 1 when any line gave an error, 2 for a bad command line.

Example:
  echo '{"FatherAlive":1,"MotherAlive":1,"WifeCount":1,"SonCount":1,"Language":1}' | tarnavel-calc
)";

// --- JSON output -----------------------------------------------------------

void appendString(std::string &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    for (const char ch : utf8) {
        const unsigned char u = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
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

// Fills the record from one input line; returns the error text, if any.
std::optional<QString> readRecord(const QByteArray &line, long lineNumber, CaseRecord &c,
                                  calccli::EstateRequest &estate)
{
    const QString where = QStringLiteral("line %1: ").arg(lineNumber);
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return where + QStringLiteral("not a JSON object (%1 at offset %2)")
                           .arg(parseError.errorString())
                           .arg(parseError.offset);
    if (!doc.isObject())
        return where + QStringLiteral("not a JSON object");

    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString keyText = QStringLiteral("key \"%1\": ").arg(it.key());
        std::optional<QString> estateError;
        if (calccli::readEstateKey(it.key(), it.value(), estate, estateError)) {
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

std::string answer(CaseRecord &c, const CaseWorking &w, bool explain,
                   const calccli::EstateRequest &estate)
{
    std::optional<Notice> notice;
    CalculationHooks &hooks = calculationHooks();
    hooks.noHeirsNotice = [&notice](const CaseRecord &r) {
        notice = Notice{report::noHeirsTitle(r.Language), report::noHeirsText(r.Language)};
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
    for (const report::ScreenLine &line : report::screenLines(c, c.Language)) {
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
    for (const report::PrintedRow &row : report::printedRows(c, c.Language)) {
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
        calccli::appendWorking(out, w, c.Language, explain, estate);
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
    if (const auto error = readRecord(QByteArray::fromStdString(line), lineNumber, given, estate)) {
        failed = true;
        return errorLine(*error);
    }
    // The family as given, made into the record the questionnaires
    // would have produced; relatives set aside are reported.
    const AdmittedFamily family = admitFamily(given);
    if (family.error) {
        failed = true;
        return errorLine(QStringLiteral("line %1: ").arg(lineNumber) + calccli::familyErrorText(family.error));
    }
    CaseRecord c = family.record;
    const CaseWorking w = workCase(given);
    if (estate.given) {
        std::vector<estate::Claimant> claimants;
        for (const GroupWorking &g : w.groups)
            claimants.push_back({g.perHead.num, g.perHead.den, g.heads});
        const estate::Result money = estate::divide(estate.input, claimants);
        if (money.error != estate::Error::None) {
            failed = true;
            return errorLine(QStringLiteral("line %1: ").arg(lineNumber) + calccli::estateErrorText(money));
        }
    }
    return answer(c, w, explain, estate);
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
