#pragma once
// One seed of the store fuzzer against the real main window: start-up and grid
// rebuild, a simulated day of scheduler ticks, Run Task, Pause and Un-pause on every
// row. Shared by the test (a few seeds) and the longer run in bench/.
#include <cstdint>
#include <string>
#include <vector>

struct FuzzReport {
    std::vector<std::string> faults;  // empty when the run found nothing
    int records = 0, rows = 0, launches = 0, boxes = 0, deleted = 0;
    double seconds = 0;
};

FuzzReport RunStoreFuzz(uint32_t seed, int recordCount);
