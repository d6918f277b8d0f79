#include <algorithm>

#include "support/VantroTest.h"

namespace {

constexpr DateTime kFriday{1998, 12, 4, 19, 5, 0, 0};  // 7:05 PM
using Lines = std::vector<std::string>;

class TickTest : public SchedulerTest {
protected:
    void TickAt(const DateTime& t) {
        clock.Set(t);
        scheduler.Timer2_Timer();
    }
};

// Each minute is scanned once, whether its tick comes late, early, or after a rebuild
// (the clock's, with "Update" raised) that came first.
TEST_F(TickTest, EachMinuteIsScannedOnceWhateverComesFirst) {
    AddTask({.name = "A", .location = "C:\\a.exe", .startTime = "10:15 AM", .days = "Fri"});
    AddTask({.name = "B", .location = "C:\\b.exe", .startTime = "10:16 AM", .days = "Fri"});
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate, RegValue::Integer(1), REG_DWORD);
    tasks.LoadTaskGrid();
    constexpr int kAtOnce = -1;  // any wait of a few milliseconds
    const struct {
        int minute, second, ms;
        bool rebuild;
        int interval;
    } steps[] = {
        {15, 0, 730, false, 59270}, {15, 59, 995, false, 5},  // late, then early: the minute is still the scanned one
        {16, 0, 3, true, kAtOnce},  {16, 0, 13, false, 59987}, {16, 0, 20, true, 59980}, {16, 0, 30, false, 59970},
    };
    for (const auto& step : steps) {
        clock.Set({1998, 12, 4, 10, step.minute, step.second, step.ms});
        if (step.rebuild) scheduler.Timer1_Timer();
        else scheduler.Timer2_Timer();
        SCOPED_TRACE(std::to_string(step.minute) + ":" + std::to_string(step.second) + "." + std::to_string(step.ms));
        if (step.interval == kAtOnce) EXPECT_LE(controls.Timer2.Interval(), 10);
        else EXPECT_EQ(controls.Timer2.Interval(), step.interval);
    }
    EXPECT_EQ(Started(), (Lines{"C:\\a.exe", "C:\\b.exe"}));
}

TEST_F(TickTest, AnEmptyListStopsTheTickButNotTheClockUntilATaskArrives) {
    tasks.LoadTaskGrid();
    controls.Timer1.SetEnabled(true);
    controls.Timer2.SetEnabled(true);
    // Only a program's launch line outlives a tick, whatever its letter case.
    for (auto [status, kept] : {std::pair{"LAST program to run is X", true}, {"Last message to run is X", false}}) {
        controls.txtStatus.SetText(status);
        scheduler.Timer2_Timer();
        EXPECT_EQ(controls.txtStatus.Text() == status, kept) << status;
    }
    EXPECT_FALSE(controls.Timer2.Enabled());
    EXPECT_TRUE(controls.Timer1.Enabled());

    // The editor's save rebuilds the grid; the new task must still run at its minute.
    AddTask({.name = "Backup", .location = "C:\\backup.exe", .startTime = "07:07 PM", .days = "Fri"});
    clock.Set({1998, 12, 4, 19, 6, 30, 0});
    tasks.LoadTaskGrid();
    EXPECT_TRUE(controls.Timer2.Enabled());
    EXPECT_EQ(controls.Timer2.Interval(), 30000);
    TickAt({1998, 12, 4, 19, 7, 0, 0});
    EXPECT_EQ(Started(), Lines{"C:\\backup.exe"});
}

// A minute under way at a resume is missed (the empty list above shows that);
// in its first second its tick may still be due.
TEST_F(TickTest, HaltKeepsTheClockAndAResumeInAMinutesFirstSecondStillLaunchesIt) {
    AddTask({.name = "Backup", .location = "C:\\backup.exe", .days = "Fri"});
    tasks.LoadTaskGrid();
    controls.Timer1.SetEnabled(true);
    clock.Set({1998, 12, 4, 10, 15, 40, 0});
    scheduler.mnuPVantro_Click();
    EXPECT_TRUE(controls.mnuPVantro.Checked());
    EXPECT_FALSE(controls.Timer2.Enabled());
    EXPECT_TRUE(controls.Timer1.Enabled()) << "the clock keeps running while halted";
    tasks.LoadTaskGrid();
    EXPECT_FALSE(controls.Timer2.Enabled()) << "a rebuild leaves a halted scheduler halted";

    clock.Set({1998, 12, 4, 19, 5, 0, 4});
    scheduler.mnuPVantro_Click();
    EXPECT_TRUE(controls.Timer2.Enabled());
    EXPECT_LE(controls.Timer2.Interval(), 10);
    TickAt({1998, 12, 4, 19, 5, 0, 14});
    EXPECT_EQ(Started(), Lines{"C:\\backup.exe"});
}

TEST_F(TickTest, PauseShowsAtOnceStopsLaunchesAndUnPauseUndoesIt) {
    // Blanks another writer left at the ends of a name stay in its key's name.
    AddTask({.name = " Backup ", .location = "C:\\backup.exe", .days = "Fri"});
    AddTask({.name = "Clean", .location = "C:\\clean.exe", .days = "Fri"});
    tasks.LoadTaskGrid();
    auto pausedShown = [this] {
        return task_grid::IsPausedCell(controls.grdProgram.TrimmedText(RowOf(" Backup "), 0));
    };

    controls.grdProgram.SetRow(RowOf(" Backup "));
    scheduler.mnuPause_Click();
    EXPECT_TRUE(pausedShown());
    EXPECT_EQ(PauseOffered(), "UnPause");
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (Lines{"C:\\clean.exe"}));

    tasks.LoadTaskGrid();  // as a later start: the mark is read back from the store
    EXPECT_TRUE(pausedShown());
    launcher.launches.clear();
    clock.AddMinutes(24 * 60 * 7);  // the next Friday
    controls.grdProgram.SetRow(RowOf(" Backup "));
    scheduler.mnuUnPause_Click();
    EXPECT_FALSE(pausedShown());
    EXPECT_EQ(PauseOffered(), "Pause");
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (Lines{"C:\\backup.exe", "C:\\clean.exe"}));
    tasks.LoadTaskGrid();
    EXPECT_FALSE(pausedShown()) << "the store was told";
}

// The first box stays open across the next minute, whose tick comes in its loop.
TEST_F(TickTest, ABoxLeftOpenAcrossAMinuteHoldsUpNoLaunchAndTheRestFollowInOrder) {
    launcher.shellResult = SE_ERR_FNF;
    const std::pair<std::string, DWORD> minutes[] = {{"5", ERROR_FILE_NOT_FOUND}, {"6", ERROR_ACCESS_DENIED}};
    for (const auto& [n, error] : minutes) {
        const std::string time = "07:0" + n + " PM";
        AddTask({.name = "Fail " + n, .location = "C:\\fail" + n, .startTime = time, .days = "Fri"});
        AddTask({.name = "Run " + n, .location = "C:\\run" + n, .startTime = time, .days = "Fri"});
        launcher.failingStarts["C:\\fail" + n] = error;
    }
    tasks.LoadTaskGrid();
    Lines startedWhileOpen;
    size_t boxesWhileOpen = 0;
    prompts.whileOpen = [&] {
        if (prompts.asked.size() > 1) return;
        TickAt({1998, 12, 4, 19, 6, 0, 0});
        RunMessageLoop(20);
        startedWhileOpen = Started();
        boxesWhileOpen = prompts.asked.size();
    };
    TickAt(kFriday);
    EXPECT_TRUE(prompts.asked.empty()) << "no box inside the tick";
    RunMessageLoop();
    EXPECT_EQ(boxesWhileOpen, 1u) << "one box at a time";
    EXPECT_EQ(std::count(startedWhileOpen.begin(), startedWhileOpen.end(), "C:\\run6"), 1);
    EXPECT_EQ(Started(), startedWhileOpen);
    Lines captions;
    for (const PromptRecord& box : prompts.MessageBoxes()) captions.push_back(box.title);
    EXPECT_EQ(captions, (Lines{"Error: 2", "Error: 5"}));
}

}  // namespace
