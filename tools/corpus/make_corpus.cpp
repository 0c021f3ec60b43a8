// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the corpus of today's answers: the families of the calculation
// tests' tables, the records of the property generator and families given
// as a user may give them, each with tarnavel-calc's answer with --explain in
// Arabic and in English.
//
//   tarnavel-corpus CLASSICAL.txt OUT.tsv [COUNT [GIVEN [SEED]]]
//
// One line per family: name, input, Arabic answer, English answer, separated
// by tabs (JSON escapes every tab inside a text). docs/testing-corpus.md
// tells when to regenerate it.
#include "case/case_fields.h"
#include "tests/tst_calc_generator.h"
#include "tools/corpus/calc_answer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <string>

namespace {

// The family of a record as an input line: every input key that is not 0, in
// the field table's order, without the language.
std::string inputLine(const CaseRecord &c)
{
    std::string out = "{";
    for (const CountField &f : inputFields()) {
        const int value = c.*(f.member);
        if (f.kind == FieldKind::EnteredCount || f.kind == FieldKind::Language || value == 0)
            continue;
        if (out.size() > 1)
            out += ',';
        out += '"' + std::string(f.name) + "\":" + std::to_string(value);
    }
    return out + '}';
}

// A family as a user may give it to tarnavel-calc: any relatives together,
// the family step setting aside those a nearer heir excludes. Only the pairs
// it refuses stay apart.
CaseRecord givenFamily(std::mt19937_64 &rng)
{
    const auto chance = [&](int percent) { return int(rng() % 100) < percent; };
    CaseRecord c;
    const int density = 5 + int(rng() % 30);   // percent of the relatives present
    for (const CountField &f : inputFields()) {
        if (f.kind == FieldKind::EnteredCount || f.kind == FieldKind::Language || !chance(density))
            continue;
        // Mostly a few, sometimes up to the largest count.
        const int value = f.max == 1 || chance(80) ? 1 + int(rng() % std::min(3, f.max)) : 1 + int(rng() % f.max);
        c.*(f.member) = static_cast<std::int16_t>(value);
    }
    if (c.HusbandAlive != 0 && c.WifeCount != 0)
        (chance(50) ? c.HusbandAlive : c.WifeCount) = 0;
    if (c.GrandFatherAsFather != 0) {
        c.FatherAlive = 0;
        c.GrandFatherAlive = 1;
    }
    return c;
}

// "FatherAlive=1 SonCount=2" into a record; false on an unknown key.
bool familyFrom(const std::string &text, CaseRecord &c)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string item = text.substr(i, end - i);
        i = end + 1;
        if (item.empty())
            continue;
        const std::size_t eq = item.find('=');
        const CountField *f = eq == std::string::npos ? nullptr : findInputField(item.substr(0, eq));
        if (!f)
            return false;
        c.*(f->member) = static_cast<std::int16_t>(std::atoi(item.c_str() + eq + 1));
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3 || argc > 6) {
        std::fputs("usage: tarnavel-corpus CLASSICAL.txt OUT.tsv [COUNT [GIVEN [SEED]]]\n", stderr);
        return 2;
    }
    const long count = argc > 3 ? std::atol(argv[3]) : 20000;
    const long given = argc > 4 ? std::atol(argv[4]) : 5000;
    const unsigned long long seed = argc > 5 ? std::strtoull(argv[5], nullptr, 10) : 20261207ULL;
    const auto start = std::chrono::steady_clock::now();

    std::ifstream classical(argv[1]);
    std::ofstream out(argv[2], std::ios::binary);
    if (!classical || !out) {
        std::fputs("tarnavel-corpus: cannot open the table or the output\n", stderr);
        return 1;
    }
    std::set<std::string> seen;   // each family once
    long written = 0;
    const auto write = [&](const std::string &name, const std::string &input) {
        if (!seen.insert(input).second)
            return true;
        const std::string arabic = corpus::calcAnswer(corpus::inLanguage(input, 0));
        if (arabic.starts_with("{\"error\"")) {
            std::cerr << "tarnavel-corpus: " << name << ' ' << input << ": " << arabic << '\n';
            return false;
        }
        out << name << '\t' << input << '\t' << arabic << '\t' << corpus::calcAnswer(corpus::inLanguage(input, 1))
            << '\n';
        ++written;
        return true;
    };

    std::string line;
    while (std::getline(classical, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');
        CaseRecord c;
        if (tab == std::string::npos || !familyFrom(line.substr(tab + 1), c)) {
            std::cerr << "tarnavel-corpus: bad table line: " << line << '\n';
            return 1;
        }
        if (!write(line.substr(0, tab), inputLine(c)))
            return 1;
    }
    calctest::CaseGenerator generator(seed);
    for (long i = 0; i < count; ++i)
        if (!write("generated " + std::to_string(i), inputLine(generator.next())))
            return 1;
    std::mt19937_64 rng(seed);
    for (long i = 0; i < given; ++i)
        if (!write("given " + std::to_string(i), inputLine(givenFamily(rng))))
            return 1;

    out.close();
    if (!out) {
        std::fputs("tarnavel-corpus: writing failed\n", stderr);
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "tarnavel-corpus: %ld families in %.2f s\n", written, seconds);
    return 0;
}
