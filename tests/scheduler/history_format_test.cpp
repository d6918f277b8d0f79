#include <gtest/gtest.h>

#include "scheduler/HistoryFormat.h"
#include "scheduler/LaunchResult.h"

TEST(LaunchResult, FailuresAreTheStartsThatFailedAndTheNonZeroExits) {
    struct Case {
        LaunchResult result;
        bool failed;
    };
    const Case cases[] = {
        {{LaunchResult::Kind::Exited, 0xC0000005}, true},
        {{LaunchResult::Kind::Exited, 10}, true},  // not read as a zero by its last digit
        {{LaunchResult::Kind::Running}, false},
        {{LaunchResult::Kind::Started}, false},
    };
    for (const Case& c : cases) {
        std::string text = ResultText(c.result);
        EXPECT_EQ(IsFailedResult(text), c.failed) << text;
    }
    EXPECT_NE(ResultText({LaunchResult::Kind::Exited, 0xC0000005}).find("0xC0000005"), std::string::npos);
    EXPECT_FALSE(IsFailedResult("")) << "a task never launched";
    EXPECT_EQ(RunningTimeText(3 * 3600000 + 25 * 60000 + 7999), "3:25:07");
}

// Garbage and a line cut short are the history file test's; here, the fields themselves.
TEST(HistoryFormat, ATabOrLineEndInAFieldDoesNotSplitItsLine) {
    HistoryEntry odd{HistoryTime({1998, 12, 4, 19, 5, 23, 0}), "Back\tup\r\nnow", "Machine", "C:\\b.exe \"a\tb\"",
                     "Scheduled", "Exit code 3", "0:00:05"};
    std::vector<HistoryEntry> entries = ParseHistory(HistoryHeadingLine() + "\r\n" + HistoryLine(odd) + "\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].time, "1998-12-04 19:05:23");
    EXPECT_EQ(entries[0].task, "Back up  now");
    EXPECT_EQ(entries[0].command, "C:\\b.exe \"a b\"");
    EXPECT_EQ(entries[0].runningTime, "0:00:05");
}
