#include "support/VantroTest.h"

namespace {

using ClockTest = SchedulerTest;

// A minute under way at a resume is missed (the tick test's empty list shows that);
// in its first second its tick may still be due.
TEST_F(ClockTest, HaltKeepsTheClockAndAResumeInAMinutesFirstSecondStillLaunchesIt) {
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
