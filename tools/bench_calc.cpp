// SPDX-License-Identifier: GPL-3.0-or-later
// Cases per second for the calculation alone (clearing the shares and the
// distribution), and for the whole working of a case (exact shares, base and
// correction, who receives nothing, steps as codes, no texts), over a fixed
// set of reachable records.
// Usage: bench_calc [records] [seconds]

#include "case/calculation.h"
#include "case/working.h"
#include "tools/case_generator.h"

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
    return 0;
}
