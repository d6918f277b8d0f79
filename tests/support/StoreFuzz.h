#pragma once
// The store fuzzer: task records as other writers and half-finished writes leave them
// (values of any kind, size up to 64 KB and bytes; names at the registry's limits),
// among them well-formed tasks due at a minute known by construction, through the
// real main window: start-up, a simulated day of ticks, Run Task, Pause and Un-pause on
// every row. Shared by the test (a few seeds) and bench_fuzz (many).
#include <cstdint>
#include <string>
#include <vector>

struct FuzzReport {
    std::vector<std::string> faults;  // empty when the run found nothing
    int rows = 0, launches = 0;
};

FuzzReport RunStoreFuzz(uint32_t seed, int recordCount);
