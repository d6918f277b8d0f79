#include "support/VantroTest.h"

namespace {

using ClockTest = SchedulerTest;

TEST_F(ClockTest, RebuildsTheGridOnEveryTickWhileUpdateIsRaisedInEitherStore) {
    int rebuilds = 0;
    controls.grdProgram.Rebuilt = [&] { ++rebuilds; };
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate, RegValue::Integer(0), REG_DWORD);
    scheduler.Timer1_Timer();
    EXPECT_EQ(rebuilds, 0);
    // As reg add raises it: true is 1 there, not -1.
    CreateKey(HKEY_CURRENT_USER, store::kTasksKey);
    WriteKeyValue(HKEY_CURRENT_USER, store::kTasksKey, store::kUpdate, RegValue::Integer(1), REG_DWORD);
    scheduler.Timer1_Timer();
    scheduler.Timer1_Timer();
    EXPECT_EQ(rebuilds, 2);
    EXPECT_TRUE(ReadKeyValue(HKEY_CURRENT_USER, store::kTasksKey, store::kUpdate).IsTrue())
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
    clock.Set({1998, 12, 4, 10, 16, 0, 250});
    scheduler.Timer1_Timer();
    EXPECT_TRUE(controls.Timer1.Enabled()) << "the clock keeps running while halted";
    EXPECT_EQ(controls.Timer1.Interval(), 59750) << "the clock re-arms for the next minute's start";
    tasks.LoadTaskGrid();
    EXPECT_FALSE(controls.Timer2.Enabled()) << "a rebuild leaves a halted scheduler halted";

    clock.Set({1998, 12, 4, 10, 15, 40, 0});
    scheduler.mnuPVantro_Click();
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
    // Blanks another writer left at the ends of a name stay in its key's name.
    AddTask({.name = " Backup ", .location = "C:\\backup.exe", .days = "Fri"});
    AddTask({.name = "Clean", .location = "C:\\clean.exe", .days = "Fri"});
    tasks.LoadTaskGrid();
    auto pausedShown = [this] {
        return task_grid::IsPausedCell(controls.grdProgram.TrimmedText(RowOf(" Backup "), 0));
    };

    // Without a task row nothing changes; the heading stays.
    const std::string heading = controls.grdProgram.TextMatrix(0, 0);
    controls.grdProgram.SetRow(0);
    scheduler.mnuPause_Click();
    scheduler.mnuUnPause_Click();
    EXPECT_EQ(controls.grdProgram.TextMatrix(0, 0), heading);
    EXPECT_TRUE(ReadTaskValue(" Backup ", store::kPaused).IsEmpty());

    controls.grdProgram.SetRow(RowOf(" Backup "));
    scheduler.mnuPause_Click();
    EXPECT_TRUE(pausedShown());
    EXPECT_EQ(PauseOffered(), "UnPause");
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\clean.exe"}));

    tasks.LoadTaskGrid();  // as a later start: the mark is read back from the store
    EXPECT_TRUE(pausedShown());
    launcher.launches.clear();
    clock.AddMinutes(24 * 60 * 7);  // the next Friday
    controls.grdProgram.SetRow(RowOf(" Backup "));
    scheduler.mnuUnPause_Click();
    EXPECT_FALSE(pausedShown());
    EXPECT_EQ(PauseOffered(), "Pause");
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\backup.exe", "C:\\clean.exe"}));
    tasks.LoadTaskGrid();
    EXPECT_FALSE(pausedShown()) << "the store was told";
}

}  // namespace
