// SPDX-License-Identifier: GPL-3.0-or-later
// Cases per second for the calculation alone (clearing the shares and the
// distribution), and for the whole working of a case (exact shares, base and
// correction, who receives nothing, steps as codes, no texts), over a fixed
// set of reachable records.
// Usage: bench_calc [records] [seconds]

#include "case/calculation.h"
#include "case/engine/record_family.h"
#include "case/engine/result.h"
#include "case/engine/working.h"
#include "case/working.h"
#include "tests/tst_calc_generator.h"
#include "tests/tst_path_generator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char **argv)
{
    const int records = argc > 1 ? std::atoi(argv[1]) : 10000;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 2.0;
    if (records <= 0 || seconds <= 0) {
        std::fprintf(stderr, "usage: bench_calc [records > 0] [seconds > 0]\n");
        return 2;
    }

    calctest::CaseGenerator generator(20240611);
    std::vector<CaseRecord> cases;
    cases.reserve(std::size_t(records));
    for (int i = 0; i < records; ++i)
        cases.push_back(generator.next());

    // No windows: the treasury notice and the results window do nothing.
    calculationHooks() = CalculationHooks{};

    using clock = std::chrono::steady_clock;
    double checksum = 0;
    long long done = 0;
    int passes = 0;
    const auto start = clock::now();
    double elapsed = 0;
    do {
        for (const CaseRecord &input : cases) {
            CaseRecord c = input;
            Recalculate(c);
            checksum += c.ShareTotal;
        }
        done += records;
        ++passes;
        elapsed = std::chrono::duration<double>(clock::now() - start).count();
    } while (elapsed < seconds);

    std::printf("calculation: %.0f cases per second (%d records, %d passes, %.2f s; checksum %.6f)\n",
                double(done) / elapsed, records, passes, elapsed, checksum / double(done));

    long long working = 0;
    std::int64_t bases = 0;
    passes = 0;
    const auto workStart = clock::now();
    do {
        for (const CaseRecord &input : cases) {
            const CaseWorking w = workCase(input);
            bases += w.correctedBase + std::int64_t(w.excluded.size()) + std::int64_t(w.steps.size());
        }
        working += records;
        ++passes;
        elapsed = std::chrono::duration<double>(clock::now() - workStart).count();
    } while (elapsed < seconds);
    std::printf("working of a case: %.0f cases per second (%d records, %d passes, %.2f s; checksum %lld)\n",
                double(working) / elapsed, records, passes, elapsed, static_cast<long long>(bases % 1000003));

    // The calculation over paths, alone and with its working, on the same
    // families and on families at any depth under every profile.
    std::vector<engine::Family> reachable, deep;
    for (const CaseRecord &c : cases)
        reachable.push_back(engine::familyOfRecord(c));
    calctest::PathFamilyGenerator pathGenerator(20240611);
    for (int i = 0; i < records; ++i) {
        engine::Family f = pathGenerator.next();
        f.profile = static_cast<Profile>(i % ProfileCount);
        f.views = profileViews(f.profile);
        deep.push_back(f);
    }
    const auto run = [&](const char *what, const std::vector<engine::Family> &families, bool withWorking) {
        long long n = 0;
        std::int64_t check = 0;
        int rounds = 0;
        const auto t0 = clock::now();
        double s = 0;
        do {
            for (const engine::Family &f : families) {
                const engine::Result r = engine::calculate(f);
                check += r.events;
                if (withWorking)
                    check += engine::workOf(r).correctedBase;
            }
            n += std::int64_t(families.size());
            ++rounds;
            s = std::chrono::duration<double>(clock::now() - t0).count();
        } while (s < seconds);
        std::printf("%s: %.0f cases per second (%zu families, %d passes, %.2f s; checksum %lld)\n", what,
                    double(n) / s, families.size(), rounds, s, static_cast<long long>(check % 1000003));
    };
    run("calculation over paths, questionnaires' families", reachable, false);
    run("calculation over paths with its working, questionnaires' families", reachable, true);
    run("calculation over paths, families at any depth", deep, false);
    run("calculation over paths with its working, families at any depth", deep, true);
    return 0;
}
