#include "support/VantroTest.h"

namespace {

using ClockTest = SchedulerTest;

TEST_F(ClockTest, RebuildsTheGridOnEveryTickWhileUpdateIsRaised) {
    // As reg add raises it: true is 1 there, not -1.
    auto raiseUpdate = [](bool raised) {
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate, RegValue::Integer(raised), REG_DWORD);
    };
    int rebuilds = 0;
    controls.grdProgram.Rebuilt = [&] { ++rebuilds; };
    scheduler.Timer1_Timer();
    raiseUpdate(false);
    scheduler.Timer1_Timer();
    EXPECT_EQ(rebuilds, 0);
    raiseUpdate(true);
    AddTask({.name = "Backup", .location = "C:\\backup.exe"});
    scheduler.Timer1_Timer();
    scheduler.Timer1_Timer();
    EXPECT_EQ(rebuilds, 2);
    EXPECT_NE(RowOf("Backup"), 0);
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate).IsTrue())
        << "the flag belongs to whoever raised it";
}

TEST_F(ClockTest, HaltKeepsTheClockAndResumeTicksAtTheNextMinuteOrAtOnceInItsFirstSecond) {
    AddTask({.name = "Backup", .location = "C:\\backup.exe", .days = "Fri"});
    tasks.LoadTaskGrid();
    controls.Timer1.SetEnabled(true);
    clock.Set({1998, 12, 4, 10, 15, 40, 0});
    scheduler.mnuPVantro_Click();
    EXPECT_TRUE(controls.mnuPVantro.Checked());
    EXPECT_FALSE(controls.Timer2.Enabled());
    EXPECT_TRUE(controls.Timer1.Enabled()) << "the clock keeps running while halted";
    clock.Set({1998, 12, 4, 10, 16, 0, 250});
    scheduler.Timer1_Timer();
    EXPECT_EQ(controls.txtTime.Text(), "Dec 04 - 10:16 AM");
    EXPECT_EQ(controls.Timer1.Interval(), 59750) << "the clock re-arms for the next minute's start";
    tasks.LoadTaskGrid();
    EXPECT_FALSE(controls.Timer2.Enabled()) << "a rebuild leaves a halted scheduler halted";

    clock.Set({1998, 12, 4, 10, 15, 40, 0});
    scheduler.mnuPVantro_Click();
    EXPECT_FALSE(controls.mnuPVantro.Checked());
    EXPECT_TRUE(controls.Timer2.Enabled());
    EXPECT_EQ(controls.Timer2.Interval(), 20000) << "a minute under way while halted is missed";

    // Resumed in the first milliseconds of a minute, before its tick: not skipped.
    scheduler.mnuPVantro_Click();
    clock.Set({1998, 12, 4, 19, 5, 0, 4});
    scheduler.mnuPVantro_Click();
    EXPECT_LE(controls.Timer2.Interval(), 10);
    clock.Set({1998, 12, 4, 19, 5, 0, 14});
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\backup.exe"}));
}

TEST_F(SchedulerTest, PauseShowsAtOnceStopsLaunchesAndUnPauseUndoesIt) {
    AddTask({.name = "Backup", .location = "C:\\backup.exe", .days = "Fri"});
    AddTask({.name = "Clean", .location = "C:\\clean.exe", .days = "Fri"});
    tasks.LoadTaskGrid();
    int rebuilds = 0;
    std::vector<std::pair<int, int>> changed;
    controls.grdProgram.Rebuilt = [&] { ++rebuilds; };
    controls.grdProgram.CellChanged = [&](int row, int col) { changed.emplace_back(row, col); };

    // Without a task row nothing changes; the heading stays.
    controls.grdProgram.SetRow(0);
    scheduler.mnuPause_Click();
    scheduler.mnuUnPause_Click();
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(controls.grdProgram.TextMatrix(0, 0), "Paused");
    EXPECT_TRUE(ReadTaskValue("Backup", store::kPaused).IsEmpty());

    int row = RowOf("Backup");
    controls.grdProgram.SetRow(row);
    scheduler.mnuPause_Click();
    EXPECT_TRUE(task_grid::IsPausedCell(controls.grdProgram.TrimmedText(row, 0)));
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{row, 0}}));
    EXPECT_EQ(rebuilds, 0);
    EXPECT_EQ(ReadTaskValue("Backup", store::kPaused), RegValue::Integer(-1));
    EXPECT_EQ(PauseOffered(), "UnPause");
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\clean.exe"}));

    tasks.LoadTaskGrid();  // as a later start: the mark is read back from the store
    row = RowOf("Backup");
    EXPECT_TRUE(task_grid::IsPausedCell(controls.grdProgram.TrimmedText(row, 0)));
    launcher.launches.clear();
    clock.AddMinutes(24 * 60 * 7);  // the next Friday
    controls.grdProgram.SetRow(row);
    scheduler.mnuUnPause_Click();
    EXPECT_FALSE(task_grid::IsPausedCell(controls.grdProgram.TrimmedText(row, 0)));
    EXPECT_EQ(ReadTaskValue("Backup", store::kPaused), RegValue::Integer(0));
    EXPECT_EQ(PauseOffered(), "Pause");
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\backup.exe", "C:\\clean.exe"}));
}

}  // namespace
