#include <gtest/gtest.h>

#include "support/StoreFuzz.h"

namespace {

// 1,000 records a seed; bench_fuzz runs many more seeds.
TEST(StoreFuzz, NoStoreContentCrashesHidesDeletesOrLaunchesWhatWasNotDue) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        FuzzReport report = RunStoreFuzz(seed, 1000);
        std::string faults;
        for (const std::string& fault : report.faults) faults += "\n  " + fault;
        EXPECT_TRUE(report.faults.empty()) << "seed " << seed << ":" << faults;
        // A run in which nothing was due would prove nothing about launching.
        EXPECT_GT(report.launches, 10) << "seed " << seed;
    }
}

}  // namespace
