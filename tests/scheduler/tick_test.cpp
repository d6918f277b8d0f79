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

TEST_F(TickTest, RearmsToTheMillisecondAndAnEarlyTickNeitherSkipsNorRepeats) {
    AddTask({.name = "A", .location = "C:\\a.exe", .startTime = "10:15 AM", .days = "Fri"});
    AddTask({.name = "B", .location = "C:\\b.exe", .startTime = "10:16 AM", .days = "Fri"});
    tasks.LoadTaskGrid();
    TickAt({1998, 12, 4, 10, 15, 0, 730});
    EXPECT_EQ(controls.Timer2.Interval(), 59270);
    TickAt({1998, 12, 4, 10, 15, 59, 995});  // early: the minute is still the scanned one
    EXPECT_EQ(controls.Timer2.Interval(), 5);
    EXPECT_EQ(Started(), Lines{"C:\\a.exe"});
    TickAt({1998, 12, 4, 10, 16, 0, 0});
    TickAt({1998, 12, 4, 10, 16, 0, 20});
    EXPECT_EQ(Started(), (Lines{"C:\\a.exe", "C:\\b.exe"}));
    EXPECT_EQ(controls.Timer2.Interval(), 59980);
}

TEST_F(TickTest, ARebuildAtTheStartOfAMinuteBeforeItsTickDoesNotSkipIt) {
    AddTask({.name = "B", .location = "C:\\b.exe", .startTime = "10:16 AM", .days = "Fri"});
    AddTask({.name = "C", .location = "C:\\c.exe", .startTime = "10:17 AM", .days = "Fri"});
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate, RegValue::Boolean(true), REG_DWORD);
    tasks.LoadTaskGrid();
    TickAt({1998, 12, 4, 10, 15, 0, 0});
    for (int minute : {16, 17}) {
        // With "Update" raised the clock tick rebuilds the grid; here it comes first.
        clock.Set({1998, 12, 4, 10, minute, 0, 3});
        scheduler.Timer1_Timer();
        EXPECT_LE(controls.Timer2.Interval(), 10);
        TickAt({1998, 12, 4, 10, minute, 0, 13});
        EXPECT_EQ(controls.Timer2.Interval(), 59987);
        scheduler.Timer1_Timer();  // and after the tick: no second scan
        EXPECT_EQ(controls.Timer2.Interval(), 59987);
    }
    EXPECT_EQ(Started(), (Lines{"C:\\b.exe", "C:\\c.exe"}));
}

TEST_F(TickTest, AnEmptyListStopsTheTickButNotTheClockUntilATaskArrives) {
    tasks.LoadTaskGrid();
    controls.Timer1.SetEnabled(true);
    controls.Timer2.SetEnabled(true);
    scheduler.Timer2_Timer();
    EXPECT_FALSE(controls.Timer2.Enabled());
    EXPECT_TRUE(controls.Timer1.Enabled());
    clock.Set({1998, 12, 4, 19, 6, 0, 0});
    scheduler.Timer1_Timer();
    EXPECT_EQ(controls.txtTime.Text(), "Dec 04 - 07:06 PM");

    // The editor's save rebuilds the grid; the new task must still run at its minute.
    AddTask({.name = "Backup", .location = "C:\\backup.exe", .startTime = "07:07 PM", .days = "Fri"});
    clock.Set({1998, 12, 4, 19, 6, 30, 0});
    tasks.LoadTaskGrid();
    EXPECT_TRUE(controls.Timer2.Enabled());
    EXPECT_EQ(controls.Timer2.Interval(), 30000);
    TickAt({1998, 12, 4, 19, 7, 0, 0});
    EXPECT_EQ(Started(), Lines{"C:\\backup.exe"});
}

TEST_F(TickTest, RunOnceTasksDeletedMidScanLeaveTheFollowingRowsScanned) {
    AddTask({.name = "C", .location = "C:\\c.exe", .days = "Fri"});
    for (std::string name : {"A", "B", "D"}) AddTask({.name = name, .location = "C:\\" + name + ".exe", .runOnce = true});
    tasks.LoadTaskGrid();
    ASSERT_EQ(RowOf("A"), 1);
    TickAt(kFriday);
    EXPECT_EQ(Started(), (Lines{"C:\\A.exe", "C:\\B.exe", "C:\\c.exe", "C:\\D.exe"}));
    EXPECT_FALSE(TaskExists("A") || TaskExists("B") || TaskExists("D"));
    EXPECT_TRUE(TaskExists("C"));
    EXPECT_EQ(controls.grdProgram.Rows(), 2);
}

TEST_F(TickTest, StatusLineKeepsOnlyAProgramLaunch) {
    tasks.LoadTaskGrid();
    const std::pair<const char*, const char*> cases[] = {
        {"Last program to run is X on 12/4/98 at 7:05:00 PM", "Last program to run is X on 12/4/98 at 7:05:00 PM"},
        {"LAST program", "LAST program"},          {"Last message to run is X", "Vantro 1.6"},
        {"Last progra", "Vantro 1.6"},             {"", "Vantro 1.6"},
        {"Last ran was NEVER", "Vantro 1.6"}};
    for (const auto& [before, after] : cases) {
        controls.txtStatus.SetText(before);
        scheduler.Timer2_Timer();
        EXPECT_EQ(controls.txtStatus.Text(), after) << before;
    }
}

TEST_F(TickTest, ABoxLeftOpenAcrossThreeMinutesHoldsUpNoLaunchAndTheRestFollowInOrder) {
    launcher.shellResult = SE_ERR_FNF;
    const DWORD errors[] = {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_BAD_EXE_FORMAT};
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(5 + i), time = "07:0" + n + " PM";
        AddTask({.name = "Fail " + n, .location = "C:\\fail" + n + ".exe", .startTime = time, .days = "Fri"});
        AddTask({.name = "Run " + n, .location = "C:\\run" + n + ".exe", .startTime = time, .days = "Fri"});
        launcher.failingStarts["C:\\fail" + n + ".exe"] = errors[i];
    }
    tasks.LoadTaskGrid();
    Lines startedWhileOpen;
    size_t boxesWhileOpen = 0;
    prompts.whileOpen = [&] {
        if (prompts.asked.size() > 1) return;
        // The first box stays open for three minutes; the tick comes in its loop.
        for (int minute : {6, 7, 8}) {
            TickAt({1998, 12, 4, 19, minute, 0, 0});
            RunMessageLoop(20);
        }
        startedWhileOpen = Started();
        boxesWhileOpen = prompts.asked.size();
    };
    TickAt(kFriday);
    EXPECT_TRUE(prompts.asked.empty());
    RunMessageLoop();
    EXPECT_EQ(boxesWhileOpen, 1u) << "one box at a time";
    for (const char* run : {"C:\\run6.exe", "C:\\run7.exe", "C:\\run8.exe"})
        EXPECT_EQ(std::count(startedWhileOpen.begin(), startedWhileOpen.end(), run), 1) << run;
    EXPECT_EQ(Started(), startedWhileOpen);
    Lines captions;
    for (const PromptRecord& box : prompts.MessageBoxes()) captions.push_back(box.title);
    EXPECT_EQ(captions, (Lines{"Error: 2", "Error: 3", "Error: 5", "Error: 193"}));
}

}  // namespace
