// SPDX-License-Identifier: GPL-3.0-or-later
// The corpus of answers (docs/testing-corpus.md): every family in it,
// answered again in Arabic and English, gives the same report texts,
// working and sentences byte for byte, the same percentages and 2400ths,
// and the same shares as doubles within 1e-15 relative.

#include "tools/corpus/calc_answer.h"

#include <QTest>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// An engine: its answer to one input line, as tarnavel-calc writes it with
// --explain. TARNAVEL_CORPUS_ENGINE names the one to check (the first by
// default).
using Engine = std::string (*)(const std::string &line);
struct NamedEngine
{
    const char *name;
    Engine answer;
};
const NamedEngine engines[] = {
    {"calc", &corpus::calcAnswer},   // tarnavel-calc's own answer
};

constexpr double ShareTolerance = 1e-15;   // relative

// One token of an answer line and the field it belongs to
// ("screen[2].label", "exact.Father.parts").
struct Token
{
    std::string_view text;
    std::string field;
};

std::vector<Token> tokens(std::string_view s)
{
    struct Frame
    {
        bool object;
        std::string key;
        int index = 0;
        bool atKey = true;
    };
    std::vector<Frame> open;
    const auto field = [&] {
        std::string f;
        for (const Frame &fr : open) {
            if (!fr.object)
                f += '[' + std::to_string(fr.index) + ']';
            else if (!fr.key.empty())
                f += (f.empty() ? "" : ".") + fr.key;
        }
        return f;
    };
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        const std::size_t start = i;
        if (c == ' ') {
            ++i;
            continue;
        }
        if (c == '"') {
            for (++i; i < s.size() && s[i] != '"'; ++i)
                i += s[i] == '\\';
            ++i;
        } else if (std::strchr("{}[],:", c)) {
            ++i;
        } else {
            while (i < s.size() && !std::strchr("{}[],: ", s[i]))
                ++i;
        }
        const std::string_view t = s.substr(start, i - start);
        Frame *top = open.empty() ? nullptr : &open.back();
        if (t == "," && top) {
            top->atKey = top->object;
            top->index += !top->object;
        } else if (t == ":" && top) {
            top->atKey = false;
        } else if (top && top->object && top->atKey && t.front() == '"') {
            top->key = std::string(t.substr(1, t.size() - 2));
        }
        // A container's brackets belong to the field that holds it.
        if ((t == "}" || t == "]") && top)
            open.pop_back();
        out.push_back({t, field()});
        if (t == "{" || t == "[")
            open.push_back({t == "{", {}, 0, t == "{"});
    }
    return out;
}

// The shares are doubles; every other number (2400ths, counts, parts,
// bases) is whole and compared as text like the strings.
bool isShare(const std::string &field)
{
    return field == "ShareTotal" || field.starts_with("shares.");
}

struct Difference
{
    std::string field, expected, actual;
};

// The first field in which `actual` differs from `expected`; the largest
// relative difference of the shares goes to `maxShareDifference`.
std::optional<Difference> firstDifference(std::string_view expected, std::string_view actual,
                                          double &maxShareDifference)
{
    if (expected == actual)
        return std::nullopt;
    const std::vector<Token> a = tokens(expected), b = tokens(actual);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size()) {
            const Token &t = i < a.size() ? a[i] : b[i];
            return Difference{t.field, i < a.size() ? std::string(t.text) : "(end)",
                              i < b.size() ? std::string(t.text) : "(end)"};
        }
        if (a[i].text == b[i].text && a[i].field == b[i].field)
            continue;
        double x = 0, y = 0;
        const auto number = [](std::string_view t, double &v) {
            const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
            return error == std::errc() && end == t.data() + t.size();
        };
        if (a[i].field == b[i].field && isShare(a[i].field) && number(a[i].text, x) && number(b[i].text, y)) {
            const double relative = std::fabs(x - y) / std::max(std::fabs(x), std::fabs(y));
            maxShareDifference = std::max(maxShareDifference, relative);
            if (relative <= ShareTolerance)
                continue;
        }
        return Difference{a[i].field == b[i].field ? a[i].field : a[i].field + " / " + b[i].field,
                          std::string(a[i].text), std::string(b[i].text)};
    }
    return std::nullopt;
}

Engine chosenEngine()
{
    const QByteArray name = qgetenv("TARNAVEL_CORPUS_ENGINE");
    for (const NamedEngine &e : engines)
        if (name.isEmpty() || name == e.name)
            return e.answer;
    return nullptr;
}

} // namespace

class tst_corpus : public QObject
{
    Q_OBJECT

private slots:
    void comparison_data();
    void comparison();
    void everyRecord();
};

// The comparison itself: what it lets through and what it must catch.
void tst_corpus::comparison_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("field");   // empty: no difference
    const QString line = QStringLiteral(
        R"({"shares": {"FatherShare": 0.16666666666666666, "SonShare": 0.8333333333333334}, "ShareTotal": 1, )"
        R"("screen": [{"label": "Father : ", "percent": "16.67    %"}], "printed": [{"label": "Father has : ", "shares": 400}], )"
        R"("exact": {"Father": {"share": "1/6", "parts": 1}, "Son": {"share": "5/6", "parts": 5}}, "steps": ["a", "b"]})");
    const auto with = [&](const char *from, const char *to) {
        QString s = line;
        return s.replace(QLatin1String(from), QLatin1String(to));
    };
    QTest::newRow("the same") << line << line << "";
    QTest::newRow("a share one unit in the last place off")
        << line << with("0.8333333333333334", "0.8333333333333335") << "";
    QTest::newRow("the total a rounding off") << line << with("\"ShareTotal\": 1,", "\"ShareTotal\": 0.9999999999999999,") << "";
    QTest::newRow("a share further off") << line << with("0.8333333333333334", "0.83333333333334") << "shares.SonShare";
    QTest::newRow("another share given") << line << with("\"SonShare\"", "\"SonsSonShare\"") << "shares.SonShare / shares.SonsSonShare";
    QTest::newRow("a label") << line << with("Father : ", "Father: ") << "screen[0].label";
    QTest::newRow("a percentage") << line << with("16.67    %", "16.66    %") << "screen[0].percent";
    QTest::newRow("2400ths") << line << with("\"shares\": 400", "\"shares\": 401") << "printed[0].shares";
    QTest::newRow("parts are whole, not shares") << line << with("\"parts\": 5", "\"parts\": 5.000000000000001") << "exact.Son.parts";
    QTest::newRow("groups in another order")
        << line << with(R"("Father": {"share": "1/6", "parts": 1}, "Son": {"share": "5/6", "parts": 5})",
                        R"("Son": {"share": "5/6", "parts": 5}, "Father": {"share": "1/6", "parts": 1})")
        << "exact.Father / exact.Son";
    QTest::newRow("a step missing") << line << with(R"(["a", "b"])", R"(["a"])") << "steps[1] / steps";
    QTest::newRow("a step more") << line << with(R"(["a", "b"])", R"(["a", "b", "c"])") << "steps / steps[2]";
    QTest::newRow("an error line") << line << "{\"error\": \"line 1: unknown key\"}" << "shares / error";
}

void tst_corpus::comparison()
{
    QFETCH(QString, expected);
    QFETCH(QString, actual);
    double largest = 0;
    const auto d = firstDifference(expected.toStdString(), actual.toStdString(), largest);
    QTEST(d ? QString::fromStdString(d->field) : QString(), "field");
}

void tst_corpus::everyRecord()
{
    const Engine engine = chosenEngine();
    QVERIFY2(engine, "TARNAVEL_CORPUS_ENGINE names no engine");
    std::ifstream in(TARNAVEL_CORPUS_FILE, std::ios::binary);
    QVERIFY2(in, TARNAVEL_CORPUS_FILE);

    // TARNAVEL_CORPUS_SHOW=n shows the first n differing answers (10 by default).
    bool set = false;
    const int shown = qEnvironmentVariableIntValue("TARNAVEL_CORPUS_SHOW", &set);
    long records = 0, differing = 0;
    double largest = 0;
    std::string line;
    while (std::getline(in, line)) {
        // name, input, Arabic answer, English answer
        std::string_view fields[4];
        std::size_t start = 0;
        for (int f = 0; f < 4; ++f) {
            const std::size_t end = f < 3 ? line.find('\t', start) : line.size();
            QVERIFY2(end != std::string::npos, line.c_str());
            fields[f] = std::string_view(line).substr(start, end - start);
            start = end + 1;
        }
        ++records;
        const std::string input(fields[1]);
        for (int language = 0; language < 2; ++language) {
            const auto d = firstDifference(fields[2 + language], engine(corpus::inLanguage(input, language)), largest);
            if (d && ++differing <= (set ? shown : 10))
                qWarning("%.*s %s (language %d): %s is %s, expected %s", int(fields[0].size()), fields[0].data(),
                         input.c_str(), language, d->field.c_str(), d->actual.c_str(), d->expected.c_str());
        }
    }
    qInfo("%ld records, %ld answers differ, largest relative difference of a share %.3g", records, differing,
          largest);
    QVERIFY2(records > 0, "the corpus is empty");
    QCOMPARE(differing, 0L);
}

QTEST_APPLESS_MAIN(tst_corpus)
#include "tst_corpus.moc"
