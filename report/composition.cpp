// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/composition.h"

#include "case/case_fields.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace report {
namespace {

enum class LabelKind { Single, Counted, GrandMothers };

struct HeirRow
{
    double CaseRecord::*share;
    std::int16_t CaseRecord::*count; // chooses the label; nullptr for single rows
    bool perHead;                    // value is count x share
    LabelKind kind;
};

// The 24 heir rows in report order (row n is heirRows()[n - 1]), from the case's
// share table: a share that a count of heirs takes is labelled by that count.
std::array<HeirRow, 24> makeRows()
{
    std::array<HeirRow, 24> rows{};
    const std::span<const ShareField> shares = shareFields();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ShareField &share = shares[i];
        const CountField *count = countOf(share);
        const LabelKind kind = share.member == &CaseRecord::GrandMotherShare ? LabelKind::GrandMothers
                             : count                                        ? LabelKind::Counted
                                                                            : LabelKind::Single;
        rows[i] = {share.member, count ? count->member : nullptr, share.perHead, kind};
    }
    return rows;
}

const std::array<HeirRow, 24> &heirRows()
{
    static const std::array<HeirRow, 24> r = makeRows();
    return r;
}

const HeirRow *heirRow(int row)
{
    if (row < 1 || row > int(heirRows().size()))
        return nullptr;
    return &heirRows()[std::size_t(row - 1)];
}

QJsonObject loadJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("report: cannot open %s", qPrintable(path));
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isObject())
        qFatal("report: %s is not a JSON object", qPrintable(path));
    return doc.object();
}

struct Texts
{
    QJsonObject screen = loadJson(QStringLiteral(":/report/screen_labels.json"));
    QJsonObject printed = loadJson(QStringLiteral(":/report/printed_labels.json"));
    QJsonObject messages = loadJson(QStringLiteral(":/report/messages.json"));
};

const Texts &texts()
{
    static const Texts t;
    return t;
}

QString languageKey(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ar");
}

QString lookUpLabel(const QJsonObject &table, int row, Language language, const char *form)
{
    return table.value(QString::number(row))
        .toObject()
        .value(languageKey(language))
        .toObject()
        .value(QLatin1String(form))
        .toString();
}

// The tables never change while the program runs: each label is looked up
// once (batch use composes millions of lines).
QString labelText(const QJsonObject &table, int row, Language language, const char *form)
{
    static const char *const forms[] = {"one", "several", "mothersMother", "fathersMother"};
    int f = 0;
    while (f < 4 && std::strcmp(forms[f], form) != 0)
        ++f;
    const int lang = language == Language::English ? 1 : 0;
    if (f == 4 || row < 1 || row > 24)
        return lookUpLabel(table, row, language, form);
    const int which = &table == &texts().screen ? 0 : &table == &texts().printed ? 1 : -1;
    if (which < 0)
        return lookUpLabel(table, row, language, form);
    struct Entry
    {
        bool known = false;
        QString text;
    };
    static std::array<Entry, 2 * 25 * 2 * 4> cache;
    Entry &e = cache[std::size_t(((which * 25 + row) * 2 + lang) * 4 + f)];
    if (!e.known) {
        e.text = lookUpLabel(table, row, language, form);
        e.known = true;
    }
    return e.text;
}

} // namespace

double rowTestedShare(const CaseRecord &c, int row)
{
    const HeirRow *r = heirRow(row);
    return r ? c.*(r->share) : 0.0;
}

double rowValue(const CaseRecord &c, int row)
{
    const HeirRow *r = heirRow(row);
    if (!r)
        return 0.0;
    if (r->perHead)
        return double(c.*(r->count)) * (c.*(r->share));
    return c.*(r->share);
}

// "###.00": two decimals, no leading zero, a point whatever the locale.
// A value exactly halfway between two hundredths (only odd multiples of 1/8
// are, in binary) rounds away from zero, as one would by hand; everything
// else is rounded correctly from the exact binary value.
static QString hundredthsText(double x)
{
    std::string text;
    const double eighths = x * 8.0;
    if (std::isfinite(x) && eighths == std::trunc(eighths) && std::fmod(eighths, 2.0) != 0.0
        && std::fabs(x) < 1e12) {
        const long long hundredths = std::llround(x * 100.0); // exact: x is j/8
        const long long a = std::llabs(hundredths);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%s%lld.%02lld", hundredths < 0 ? "-" : "", a / 100, a % 100);
        text = buf;
    } else {
        char buf[400];
        const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 2);
        text.assign(buf, res.ptr);
    }
    // Drop a lone leading zero ("0.50" -> ".50") and the sign of a rounded zero.
    const bool negative = !text.empty() && text[0] == '-';
    std::string digits = negative ? text.substr(1) : text;
    if (digits.size() >= 2 && digits[0] == '0' && digits[1] == '.')
        digits.erase(0, 1);
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    if (negative && !zero)
        digits.insert(0, 1, '-');
    return QString::fromStdString(digits);
}

QString percentageText(double value)
{
    // The same few shares come back again and again (a sixth, an eighth, a
    // half): remember the text of the latest values, keyed by their bits.
    struct Entry
    {
        std::uint64_t bits = 0;
        bool known = false;
        QString text;
    };
    thread_local std::array<Entry, 64> recent;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Entry &e = recent[(bits ^ (bits >> 29) ^ (bits >> 47)) % recent.size()];
    if (!e.known || e.bits != bits) {
        e.text = hundredthsText(100.0 * value) + QStringLiteral("    %");
        e.bits = bits;
        e.known = true;
    }
    return e.text;
}

long long sharesOf2400(double value)
{
    const double x = value * 2400.0;
    if (!std::isfinite(x))
        return 0;
    // Halves to the even neighbour, whatever the floating-point rounding mode.
    const double low = std::floor(x);
    const double diff = x - low;
    double rounded = low;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(low, 2.0) != 0.0))
        rounded = low + 1.0;
    return static_cast<long long>(rounded);
}

QString plainNumber(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0.0)
        return QStringLiteral("0");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr); // "-d.dddddddddddddde+XX"
    const std::size_t ePos = sci.find('e');
    const int exponent = std::atoi(sci.c_str() + ePos + 1);
    const bool negative = sci[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (sci[i] != '.')
            digits += sci[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent >= 0) {
        const std::size_t intDigits = std::size_t(exponent) + 1;
        if (digits.size() <= intDigits) {
            out = digits + std::string(intDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    } else {
        out = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    if (negative)
        out.insert(0, 1, '-');
    return QString::fromStdString(out);
}

QList<ScreenLine> screenLines(const CaseRecord &c, Language language)
{
    const QJsonObject &table = texts().screen;
    const std::array<HeirRow, 24> &rows = heirRows();
    QList<ScreenLine> lines;
    for (int row = 1; row <= int(rows.size()); ++row) {
        const HeirRow &r = rows[std::size_t(row - 1)];
        if (c.*(r.share) == 0.0)
            continue;
        ScreenLine line;
        line.row = row;
        // Each test that holds overwrites the caption of an earlier one; when
        // none holds the caption stays empty, as on a freshly loaded window.
        switch (r.kind) {
        case LabelKind::Single:
            line.label = labelText(table, row, language, "one");
            break;
        case LabelKind::Counted: {
            const int count = c.*(r.count);
            if (count == 1)
                line.label = labelText(table, row, language, "one");
            if (count > 1)
                line.label = labelText(table, row, language, "several");
            break;
        }
        case LabelKind::GrandMothers:
            if (c.MaternalGrandMotherAlive == 1)
                line.label = labelText(table, row, language, "mothersMother");
            if (c.ParentalGrandMotherAlive == 1)
                line.label = labelText(table, row, language, "fathersMother");
            if (c.MaternalGrandMotherAlive == 1 && c.ParentalGrandMotherAlive == 1)
                line.label = labelText(table, row, language, "several");
            break;
        }
        line.percent = percentageText(rowValue(c, row));
        lines.append(line);
    }
    return lines;
}

QList<PrintedRow> printedRows(const CaseRecord &c, Language language)
{
    const QJsonObject &table = texts().printed;
    const std::array<HeirRow, 24> &heirs = heirRows();
    QList<PrintedRow> rows;
    for (int row = 1; row <= int(heirs.size()); ++row) {
        const HeirRow &r = heirs[std::size_t(row - 1)];
        if (c.*(r.share) == 0.0)
            continue;
        PrintedRow out;
        out.row = row;
        const char *form = nullptr;
        switch (r.kind) {
        case LabelKind::Single:
            form = "one";
            break;
        case LabelKind::Counted: {
            const int count = c.*(r.count);
            if (count == 1)
                form = "one";
            else if (count > 1)
                form = "several";
            break;
        }
        case LabelKind::GrandMothers: {
            const int maternal = c.MaternalGrandMotherAlive;
            const int paternal = c.ParentalGrandMotherAlive;
            if (maternal == 1 && paternal == 1)
                form = "several";
            else if (maternal == 1 && paternal == 0)
                form = "mothersMother";
            else if (paternal == 1 && maternal == 0)
                form = "fathersMother";
            break;
        }
        }
        const double value = rowValue(c, row);
        out.printed = form != nullptr;
        if (form)
            out.label = labelText(table, row, language, form);
        out.percent = percentageText(value);
        out.shares = sharesOf2400(value);
        rows.append(out);
    }
    return rows;
}

PrintedTotals printedTotals(const CaseRecord &c)
{
    PrintedTotals totals;
    totals.percent = plainNumber(100.0 * c.ShareTotal);
    totals.shares = sharesOf2400(c.ShareTotal);
    return totals;
}

QString noHeirsTitle(Language language)
{
    Q_UNUSED(language) // the same title in both languages
    return texts().messages.value(QStringLiteral("noHeirs")).toObject().value(QStringLiteral("title")).toString();
}

QString noHeirsText(Language language)
{
    return texts().messages.value(QStringLiteral("noHeirs")).toObject().value(languageKey(language)).toString();
}

} // namespace report
