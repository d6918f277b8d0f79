#include <gtest/gtest.h>

#include <string>

#include "platform/UniqueHandle.h"
#include "scheduler/LaunchHistory.h"
#include "support/ScratchRegistry.h"

namespace {

HistoryEntry Entry(int n) {
    return {"1998-12-04 19:05:00", "Task " + std::to_string(n), "Machine", "C:\\job.exe", "Scheduled", "Exit code 0",
            "0:00:01"};
}

class HistoryFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    const std::string path = HistoryFileIn(folder.Path() + "\\Vantro");
    int failures = 0;
    std::string failure;

    void Write(int first, int count) {
        LaunchHistory history(path);
        history.WriteFailed = [this](const ErrorInfo& error) {
            ++failures;
            failure = error.description;
        };
        for (int n = first; n < first + count; ++n) history.Add(Entry(n));
        history.Flush();
        history.Add(Entry(first + count));  // a second failure is not said again
        history.Flush();
    }
    int Lines() const {
        std::string text = ReadWholeFile(path);
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }
};

TEST_F(HistoryFileTest, NeverHoldsMoreThanItsCapAndDropsTheOldestFirst) {
    Write(1, LaunchHistory::kMaxLines - 2);  // with the heading and the second write: full
    EXPECT_EQ(Lines(), LaunchHistory::kMaxLines);
    Write(LaunchHistory::kMaxLines, 5);
    EXPECT_LE(Lines(), LaunchHistory::kMaxLines);
    std::vector<HistoryEntry> entries = ReadHistory(path);
    EXPECT_EQ(Lines(), static_cast<int>(entries.size()) + 1) << "the heading stays, once";
    EXPECT_EQ(entries.back().task, "Task " + std::to_string(LaunchHistory::kMaxLines + 5));
    EXPECT_EQ(entries.front().task, "Task " + std::to_string(LaunchHistory::kMaxLines + 6 - entries.size()));
    EXPECT_EQ(failures, 0) << failure;
}

TEST_F(HistoryFileTest, GoesOnAfterACutShortLastLineOrGarbage) {
    CreateDirectoryA((folder.Path() + "\\Vantro").c_str(), nullptr);
    WriteWholeFile(path, HistoryHeadingLine() + "\r\n\x01\xfe garbage\r\n" + HistoryLine(Entry(1)) + "\r\n" +
                             HistoryLine(Entry(2)).substr(0, 30));
    Write(3, 1);
    std::vector<HistoryEntry> entries = ReadHistory(path);
    ASSERT_EQ(entries.size(), 3u) << ReadWholeFile(path);
    EXPECT_EQ(entries[0].task, "Task 1");
    EXPECT_EQ(entries[1].task, "Task 3") << "a new line must not be glued to the cut one";
    EXPECT_EQ(failures, 0) << failure;
}

TEST_F(HistoryFileTest, AFileThatCannotBeWrittenIsSaidOnceAndLeftAlone) {
    Write(1, 1);
    // Held by another program that lets others read it only. (A read-only attribute
    // would do on Windows, but not under Wine run as root.)
    UniqueFileHandle held(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    Write(10, 1);
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(failure.empty());
    EXPECT_EQ(ReadHistory(path).size(), 2u);
}

}  // namespace
