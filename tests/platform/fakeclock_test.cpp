#include <gtest/gtest.h>

#include "support/Doubles.h"

namespace {

DateTime After(DateTime start, int minutes, int seconds = 0) {
    FakeClock clock;
    clock.Set(start);
    clock.AddMinutes(minutes);
    clock.AddSeconds(seconds);
    return clock.Now();
}

TEST(FakeClock, CarriesThroughTheCalendar) {
    EXPECT_EQ((DateTime{1998, 12, 4, 20, 0, 0}), After({1998, 12, 4, 19, 59, 0}, 1));
    EXPECT_EQ((DateTime{1998, 5, 1, 0, 0, 30}), After({1998, 4, 30, 23, 59, 45}, 0, 45));
    EXPECT_EQ((DateTime{1999, 1, 1, 0, 0, 0}), After({1998, 12, 31, 23, 59, 59}, 0, 1));
    EXPECT_EQ((DateTime{1999, 3, 1, 0, 0, 0}), After({1999, 2, 28, 23, 59, 0}, 1));
    EXPECT_EQ((DateTime{2000, 2, 29, 0, 0, 0}), After({2000, 2, 28, 23, 59, 0}, 1));
    EXPECT_EQ((DateTime{1900, 3, 1, 0, 0, 0}), After({1900, 2, 28, 0, 0, 0}, 24 * 60));
    EXPECT_EQ((DateTime{2001, 1, 1, 0, 0, 0}), After({2000, 1, 1, 0, 0, 0}, 366 * 24 * 60));
    // Backwards, keeping the milliseconds.
    EXPECT_EQ((DateTime{1998, 12, 31, 23, 59, 0, 250}), After({1999, 1, 1, 0, 0, 0, 250}, -1));
    EXPECT_EQ((DateTime{2000, 2, 29, 23, 59, 59}), After({2000, 3, 1, 0, 0, 0}, 0, -1));
}

}  // namespace
