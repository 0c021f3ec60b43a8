// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_working.h"

#include "report/working_text.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace calccli {

void appendJsonString(std::string &out, const QString &text)
{
    // UTF-16 to UTF-8 straight into the line, escaped as JSON wants.
    const qsizetype n = text.size();
    // Short texts (every label) go through a buffer on the stack; the
    // longest a character can grow is six bytes.
    char stack[1024];
    std::string heap;
    char *begin = stack;
    if (std::size_t(n) * 6 + 2 > sizeof stack) {
        heap.resize(std::size_t(n) * 6 + 2);
        begin = heap.data();
    }
    char *w = begin;
    *w++ = '"';
    const char16_t *p = reinterpret_cast<const char16_t *>(text.utf16());
    for (qsizetype i = 0; i < n; ++i) {
        char32_t u = p[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < n && p[i + 1] >= 0xDC00 && p[i + 1] < 0xE000) {
            u = 0x10000 + ((u - 0xD800) << 10) + (p[i + 1] - 0xDC00);
            ++i;
        } else if (u >= 0xD800 && u < 0xE000) {
            u = 0xFFFD; // a lone surrogate
        }
        if (u >= 0x20 && u < 0x80 && u != '"' && u != '\\') {
            *w++ = char(u);
        } else if (u < 0x80) {
            *w++ = '\\';
            switch (u) {
            case '"': *w++ = '"'; break;
            case '\\': *w++ = '\\'; break;
            case '\n': *w++ = 'n'; break;
            case '\r': *w++ = 'r'; break;
            case '\t': *w++ = 't'; break;
            default:
                std::snprintf(w, 6, "u%04x", unsigned(u));
                w += 5;
            }
        } else if (u < 0x800) {
            *w++ = char(0xC0 | (u >> 6));
            *w++ = char(0x80 | (u & 0x3F));
        } else if (u < 0x10000) {
            *w++ = char(0xE0 | (u >> 12));
            *w++ = char(0x80 | ((u >> 6) & 0x3F));
            *w++ = char(0x80 | (u & 0x3F));
        } else {
            *w++ = char(0xF0 | (u >> 18));
            *w++ = char(0x80 | ((u >> 12) & 0x3F));
            *w++ = char(0x80 | ((u >> 6) & 0x3F));
            *w++ = char(0x80 | (u & 0x3F));
        }
    }
    *w++ = '"';
    out.append(begin, std::size_t(w - begin));
}

namespace {


void appendKey(std::string &out, const char *key)
{
    out += '"';
    out += key;
    out += "\": ";
}

void appendWhole(std::string &out, std::int64_t v)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

void appendFraction(std::string &out, const Rational &q)
{
    out += '"';
    appendWhole(out, q.num);
    out += '/';
    appendWhole(out, q.den);
    out += '"';
}

void appendBase(std::string &out, const CaseWorking &w)
{
    const auto orNull = [&](std::int64_t v) { out += v ? std::to_string(v) : std::string("null"); };
    out += "{\"base\": ";
    out += std::to_string(w.base);
    out += ", \"awl\": ";
    orNull(w.awlBase);
    out += ", \"return\": ";
    orNull(w.returnBase);
    out += ", \"corrected\": ";
    out += std::to_string(w.correctedBase);
    out += '}';
}

void appendExact(std::string &out, const CaseWorking &w)
{
    out += '{';
    bool first = true;
    for (const GroupWorking &g : w.groups) {
        out += first ? "" : ", ";
        first = false;
        appendKey(out, heirKey(g.heir));
        out += "{\"count\": ";
        appendWhole(out, g.heads);
        const Portion p = nominalPortion(g.rule, g.fixed);
        out += ", \"kind\": \"";
        out += g.heir == Heir::Treasury ? "treasury" : (isFixedPortion(p) ? "fixed" : "residue");
        out += "\", \"nominal\": \"";
        out += g.heir == Heir::Treasury ? "Residue" : portionKey(p);
        out += "\", \"rule\": \"";
        out += ruleKey(g.rule);
        out += '"';
        if (!g.fixed.isZero()) {
            out += ", \"fixed\": ";
            appendFraction(out, g.fixed);
        }
        out += ", \"share\": ";
        appendFraction(out, g.share);
        out += ", \"perHead\": ";
        appendFraction(out, g.perHead);
        out += ", \"parts\": ";
        appendWhole(out, g.parts);
        out += ", \"partsEach\": ";
        appendWhole(out, g.partsEach);
        if (g.reduced)
            out += ", \"awl\": true";
        if (g.returned)
            out += ", \"returned\": true";
        if (g.restAdded)
            out += ", \"rest\": true";
        out += '}';
    }
    out += '}';
}

void appendExcluded(std::string &out, const CaseWorking &w, Language language, bool explain)
{
    out += '[';
    bool first = true;
    for (const Exclusion &e : w.excluded) {
        out += first ? "" : ", ";
        first = false;
        out += "{\"relative\": \"";
        out += relativeKey(e.relative);
        out += "\", \"count\": ";
        out += std::to_string(e.count);
        out += ", \"reason\": \"";
        out += reasonKey(e.reason);
        out += '"';
        if (e.reason == Reason::ExcludedBy || e.reason == Reason::ExcludedByGrandFatherAsFather) {
            out += ", \"by\": \"";
            out += relativeKey(e.by);
            out += '"';
        }
        if (e.setAside)
            out += ", \"setAside\": true";
        if (explain) {
            out += ", \"sentence\": ";
            appendJsonString(out, report::exclusionSentence(e, language));
        }
        out += '}';
    }
    out += ']';
}

void appendSteps(std::string &out, const CaseWorking &w, Language language)
{
    out += '[';
    bool first = true;
    for (const Step &s : w.steps) {
        out += first ? "" : ", ";
        first = false;
        appendJsonString(out, report::stepSentence(s, w, language));
    }
    out += ']';
}

std::string minor(std::int64_t v, int decimals)
{
    return '"' + estate::formatMinor(v, decimals) + '"';
}

void appendAmounts(std::string &out, const CaseWorking &w, const estate::Result &r, int d)
{
    out += "{\"estate\": " + minor(r.estate, d);
    out += ", \"funeralCosts\": " + minor(r.funeralCosts, d);
    out += ", \"debts\": " + minor(r.debts, d);
    out += ", \"bequestAsked\": " + minor(r.bequestAsked, d);
    out += ", \"bequestPaid\": " + minor(r.bequestPaid, d);
    out += ", \"bequestCapped\": ";
    out += r.bequestCapped ? "true" : "false";
    out += ", \"distributed\": " + minor(r.distributed, d);
    out += ", \"nothingLeft\": ";
    out += r.nothingLeft ? "true" : "false";
    out += ", \"groups\": {";
    for (std::size_t i = 0; i < r.groups.size() && i < w.groups.size(); ++i) {
        const estate::GroupAmount &a = r.groups[i];
        out += i ? ", " : "";
        appendKey(out, heirKey(w.groups[i].heir));
        out += "{\"total\": " + minor(a.total, d) + ", \"each\": " + minor(a.each, d);
        if (a.headsWithOneMore)
            out += ", \"headsWithOneUnitMore\": " + std::to_string(a.headsWithOneMore);
        out += '}';
    }
    out += "}}";
}

// An amount as the user wrote it: a number is read as its text in the line,
// so that an exponent or digits beyond the currency's unit are refused as
// they are in a text.
bool amountText(const QJsonValue &value, std::string_view written, std::string &text)
{
    if (value.isString()) {
        text = value.toString().toStdString();
        return true;
    }
    if (value.isDouble() && std::isfinite(value.toDouble())) {
        if (!written.empty()) {
            text = std::string(written);
            return true;
        }
        // Not found as written: the shortest fixed text that reads back as
        // the same number keeps any noise beyond the decimals.
        char buf[400];
        const auto res = std::to_chars(buf, buf + sizeof buf, value.toDouble(), std::chars_format::fixed);
        text.assign(buf, res.ptr);
        return true;
    }
    return false;
}

} // namespace

bool readEstateKey(const QString &key, const QJsonValue &value, EstateRequest &request,
                   std::optional<QString> &error, std::string_view written)
{
    std::string *target = nullptr;
    if (key == QLatin1String("Estate"))
        target = &request.input.estate;
    else if (key == QLatin1String("FuneralCosts"))
        target = &request.input.funeralCosts;
    else if (key == QLatin1String("Debts"))
        target = &request.input.debts;
    else if (key == QLatin1String("Bequest"))
        target = &request.input.bequest;
    if (target) {
        request.given = true;
        if (!amountText(value, written, *target))
            error = QStringLiteral("key \"%1\": an amount is a number or a decimal text such as \"1200.50\"").arg(key);
        return true;
    }
    if (key == QLatin1String("HeirsConsentToBequest")) {
        if (value.isBool())
            request.input.heirsConsent = value.toBool();
        else if (value.isDouble() && (value.toDouble() == 0 || value.toDouble() == 1))
            request.input.heirsConsent = value.toDouble() == 1;
        else
            error = QStringLiteral("key \"HeirsConsentToBequest\": true, false, 0 or 1");
        return true;
    }
    if (key == QLatin1String("Decimals")) {
        const double d = value.toDouble(-1);
        if (!value.isDouble() || d != std::trunc(d) || d < 0 || d > estate::maxDecimals)
            error = QStringLiteral("key \"Decimals\": a whole number from 0 to %1").arg(estate::maxDecimals);
        else
            request.input.decimals = static_cast<int>(d);
        return true;
    }
    return false;
}

QString familyErrorText(const char *key)
{
    const QString k = QString::fromLatin1(key);
    if (k == QLatin1String("husbandAndWives"))
        return QStringLiteral("a husband and wives cannot both be given");
    if (k == QLatin1String("maternalSiblingCount"))
        return QStringLiteral("MaternalSiblingCount differs from the maternal brothers and sisters given");
    if (k == QLatin1String("grandFatherAsFatherWithFather"))
        return QStringLiteral("GrandFatherAsFather with the father alive: the grandfather takes the father's place only when the father has died");
    return k;
}

QString estateErrorText(const estate::Result &r, int decimals)
{
    static const char *fields[] = {"", "Estate", "FuneralCosts", "Debts", "Bequest", "Decimals"};
    const QString field = QString::fromLatin1(fields[static_cast<int>(r.field)]);
    const QString where = field.isEmpty() ? QString() : QStringLiteral("key \"%1\": ").arg(field);
    switch (r.error) {
    case estate::Error::Missing: return where + QStringLiteral("the estate's value is missing");
    case estate::Error::NotANumber: return where + QStringLiteral("not an amount");
    case estate::Error::Negative: return where + QStringLiteral("an amount cannot be negative");
    case estate::Error::TooManyDecimals: return where + QStringLiteral("more decimals than the currency's smallest unit");
    case estate::Error::TooLarge:
        if (field.isEmpty())
            return QStringLiteral("too large: the shares' common denominator is above %1")
                .arg(estate::maxCommonDenominator);
        return where + QStringLiteral("too large: an amount is at most %1")
            .arg(QString::fromStdString(estate::formatMinor(estate::maxMinor, decimals)));
    case estate::Error::DebtsExceedEstate: return where + QStringLiteral("the funeral costs and debts exceed the estate");
    case estate::Error::BadDecimals: return where + QStringLiteral("decimals out of range");
    case estate::Error::SharesDoNotAddUp: return QStringLiteral("the shares do not add up");
    case estate::Error::None: break;
    }
    return QString();
}

void appendWorking(std::string &out, const CaseWorking &w, Language language, bool explain,
                   const estate::Result *money, int decimals)
{
    out += ", \"exact\": ";
    appendExact(out, w);
    out += ", \"base\": ";
    appendBase(out, w);
    out += ", \"excluded\": ";
    appendExcluded(out, w, language, explain);
    if (w.otherMethod) {
        out += ", \"otherMethod\": {\"method\": ";
        out += std::to_string(w.otherMethod->method);
        out += ", \"exact\": ";
        appendExact(out, *w.otherMethod);
        out += ", \"base\": ";
        appendBase(out, *w.otherMethod);
        out += '}';
    }
    if (money) {
        out += ", \"amounts\": ";
        appendAmounts(out, w, *money, decimals);
    }
    if (explain) {
        out += ", \"steps\": ";
        appendSteps(out, w, language);
    }
}

} // namespace calccli
