// SPDX-License-Identifier: GPL-3.0-or-later
// tarnavel-calc: the share calculation and the report texts for batch use.
// One JSON object per input line, one JSON object per output line.
#include "case/calculation.h"
#include "case/case_fields.h"
#include "case/case_record.h"
#include "case/working.h"
#include "report/composition.h"
#include "tools/calc/calc_lines.h"
#include "tools/calc/calc_paths.h"
#include "tools/calc/calc_time.h"
#include "tools/calc/calc_working.h"

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
        calccli::appendWorking(out, w, languageOf(c), explain, money, decimals);
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

namespace calccli {

const char *helpText()
{
    static const std::string text = std::string(HelpText) + TimeHelp;
    return text.c_str();
}

std::string answerTo(const std::string &line, long lineNumber, bool explain, bool &failed)
{
    return answerLine(line, lineNumber, explain, failed);
}

void writeAnswer(const std::string &text)
{
    writeLine(text);
}

} // namespace calccli
