#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "scheduler/LaunchHistory.h"
#include "scheduler/LaunchResult.h"
#include "scheduler/MessageFile.h"
#include "support/VantroTest.h"

namespace {

// This test program is also the program the tasks start: with "--child MS CODE" it
// sleeps MS milliseconds and exits with CODE, before any test runs.
const bool kChild = [] {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count == 4 && std::wstring(args[1]) == L"--child") {
        Sleep(static_cast<DWORD>(_wtoi(args[2])));
        ExitProcess(static_cast<UINT>(_wtoi(args[3])));
    }
    return false;
}();

std::string Child(int ms, int code) {
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return "\"" + std::string(exe) + "\" --child " + std::to_string(ms) + " " + std::to_string(code);
}

class ResultTest : public SchedulerTest {
protected:
    ResultTest() { launcher.startForReal = true; }

    std::string LastResult(const std::string& name) const { return ReadTaskValue(name, store::kLastResult).AsText(); }
    std::string Shown(const std::string& name) const {
        return controls.grdProgram.TextMatrix(RowOf(name), task_grid::kLastResultCol);
    }
    std::vector<HistoryEntry> History() const { return ReadHistory(HistoryFileIn(folder.Path())); }
    // The message loop until nothing runs any more (the ends come through it).
    bool AllEnded() {
        for (DWORD until = GetTickCount() + 30000; scheduler.Records().Running() > 0;) {
            if (static_cast<LONG>(until - GetTickCount()) <= 0) return false;
            RunMessageLoop(20);
        }
        RunMessageLoop(20);  // the history is written from the loop too
        return true;
    }
};

TEST_F(ResultTest, EveryLaunchEndsWithItsResultInTheRecordTheGridAndTheHistory) {
    AddTask({.name = "Zero", .location = Child(0, 0), .days = "Fri"});
    AddTask({.name = "Three", .location = Child(0, 3), .days = "Fri"});
    AddTask({.name = "Missing", .location = "C:\\missing.exe", .days = "Fri"});
    AddTask({.name = "Note", .location = "MSG:Hello", .days = "Fri"});
    SetMessageApp("C:\\no-editor.exe");  // a message records whether its editor came up
    std::filesystem::create_directory(MessageFilePath(folder.Path()));  // its file cannot be written either
    launcher.failingStarts["C:\\missing.exe"] = ERROR_FILE_NOT_FOUND;
    launcher.shellResult = SE_ERR_FNF;
    tasks.LoadTaskGrid();
    scheduler.Timer2_Timer();
    ASSERT_TRUE(AllEnded());
    const std::vector<PromptRecord> boxes = prompts.MessageBoxes();
    const std::string fileError = std::to_string(ERROR_ACCESS_DENIED);
    EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(), [&](auto& box) { return box.title == fileError; }), 1);

    const std::tuple<const char*, bool, const char*> expected[] = {
        {"Zero", false, "0"}, {"Three", true, "3"}, {"Missing", true, "error 2"}, {"Note", true, "error 2"}};
    for (auto [task, failed, has] : expected) {
        EXPECT_EQ(IsFailedResult(LastResult(task)), failed) << task;
        EXPECT_NE(LastResult(task).find(has), std::string::npos) << task << ": " << LastResult(task);
        EXPECT_EQ(Shown(task), LastResult(task)) << "the grid shows it without a rebuild";
    }
    std::vector<HistoryEntry> history = History();
    ASSERT_EQ(history.size(), 4u);
    for (const HistoryEntry& line : history) {
        EXPECT_EQ(line.result, LastResult(line.task));
        EXPECT_EQ(line.time, "1998-12-04 19:05:00");
        EXPECT_EQ(line.cause, CauseText(LaunchCause::Minute));
    }
}

TEST_F(ResultTest, ARunStillGoingAtTheNextMinuteIsLaunchedAgainAndBothAreRecorded) {
    AddTask({.name = "Slow", .location = Child(3000, 5), .days = "Fri"});
    tasks.LoadTaskGrid();
    scheduler.Timer2_Timer();
    AddTask({.name = "Slow", .location = Child(0, 0), .startTime = "07:06 PM", .days = "Fri"});
    tasks.LoadTaskGrid();
    clock.AddMinutes(1);
    scheduler.Timer2_Timer();
    ASSERT_TRUE(AllEnded());

    std::vector<HistoryEntry> history = History();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].result, ResultText({LaunchResult::Kind::Exited, 0}));
    EXPECT_EQ(history[1].result, ResultText({LaunchResult::Kind::Exited, 5}));
    EXPECT_EQ(history[1].time, "1998-12-04 19:05:00");
    EXPECT_GE(history[1].runningTime, "0:00:02");
    EXPECT_EQ(LastResult("Slow"), history[0].result) << "the newest run's result, though the older ended later";
}

TEST_F(ResultTest, ClosedWhileAProgramRunsItStaysRunning) {
    AddTask({.name = "Long", .location = Child(2000, 0), .days = "Fri"});
    tasks.LoadTaskGrid();
    controls.grdProgram.SetRow(RowOf("Long"));
    scheduler.mnuRun_Click();
    scheduler.RecordUnfinished();
    ASSERT_EQ(History().size(), 1u);
    EXPECT_EQ(History()[0].result, "Running");
    EXPECT_EQ(History()[0].cause, CauseText(LaunchCause::RunTask));

    tasks.LoadTaskGrid();  // as the next start, while the old run may still be going
    EXPECT_EQ(Shown("Long"), "Running");
}

}  // namespace
