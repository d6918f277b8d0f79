#include <gtest/gtest.h>

#include "support/LongRun.h"

namespace {

// Seven hours of minutes; bench_leak runs a month.
TEST(LongRun, HoursOfLaunchesAndRebuildsKeepNothing) {
    LongRunReport run = RunMainWindow(6 * 60 + 60, 60);
    EXPECT_EQ(run.launches, 6 * 60 + 60) << "one launch a minute";
    const std::string counts = run.start.Text() + " -> " + run.end.Text();
    EXPECT_LE(run.end.handles, run.start.handles + 2) << counts;
    EXPECT_LE(run.end.gdi, run.start.gdi + 2) << counts;
    EXPECT_LE(run.end.user, run.start.user + 2) << counts;
    EXPECT_LE(run.end.privateBytes, run.start.privateBytes + (1 << 20)) << counts;
}

}  // namespace
