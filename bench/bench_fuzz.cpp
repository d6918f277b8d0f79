// The store fuzzer's longer run: many seeds of 1,000 records each through start-up, a
// day of ticks, Run Task, Pause and Un-pause. Prints each seed's figures and faults.
// Usage: bench_fuzz [first seed] [seeds] [records]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/StoreFuzz.h"

int main(int argc, char** argv) {
    unsigned first = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 100;
    int seeds = argc > 2 ? std::atoi(argv[2]) : 20;
    int records = argc > 3 ? std::atoi(argv[3]) : 1000;
    int failed = 0;
    double total = 0;
    for (unsigned seed = first; seed < first + static_cast<unsigned>(seeds); ++seed) {
        auto begun = std::chrono::steady_clock::now();
        FuzzReport r = RunStoreFuzz(seed, records);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
        total += seconds;
        std::printf("seed %u: %d records, %d rows, %d launches, %.1f s, %zu faults\n", seed, records, r.rows,
                    r.launches, seconds, r.faults.size());
        for (const auto& fault : r.faults) std::printf("  %s\n", fault.c_str());
        failed += !r.faults.empty();
        std::fflush(stdout);
    }
    std::printf("%d seeds x %d records in %.1f s; %d seeds with faults\n", seeds, records, total, failed);
    return failed ? 1 : 0;
}
