#include "scheduler/scheduler_fixture.h"

namespace {

class ClockTest : public SchedulerTest {
protected:
    void RaiseUpdate(bool raised) {
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate, RegValue::Boolean(raised), REG_DWORD);
    }
};

TEST_F(ClockTest, ShowsMonthDayAndTimeAndRearmsForTheNextMinute) {
    clock.Set({1998, 12, 4, 19, 5, 0, 0});
    scheduler.Timer1_Timer();
    EXPECT_EQ(controls.txtTime.Text(), "Dec 04 - 07:05 PM");
    EXPECT_EQ(controls.Timer1.Interval(), 60000);
    clock.Set({1999, 1, 1, 0, 0, 59, 0});
    scheduler.Timer1_Timer();
    EXPECT_EQ(controls.txtTime.Text(), "Jan 01 - 12:00 AM");
    EXPECT_EQ(controls.Timer1.Interval(), 1000);
}

TEST_F(ClockTest, RebuildsTheGridOnEveryTickWhileUpdateIsRaised) {
    int rebuilds = 0;
    controls.grdProgram.Rebuilt = [&] { ++rebuilds; };
    scheduler.Timer1_Timer();
    RaiseUpdate(false);
    scheduler.Timer1_Timer();
    EXPECT_EQ(rebuilds, 0);

    RaiseUpdate(true);
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    scheduler.Timer1_Timer();
    scheduler.Timer1_Timer();
    EXPECT_EQ(rebuilds, 2);
    EXPECT_NE(RowOf("Backup"), 0);
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate).IsTrue())
        << "the flag belongs to whoever raised it";
}

TEST_F(ClockTest, HaltAndResumeAtTenFifteenFortyTicksAtTenSixteen) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    tasks.LoadTaskGrid();
    clock.Set({1998, 12, 4, 10, 15, 40, 0});

    scheduler.mnuPVantro_Click();
    EXPECT_TRUE(controls.mnuPVantro.Checked());
    EXPECT_FALSE(controls.Timer2.Enabled());
    EXPECT_TRUE(controls.Timer1.Enabled()) << "the clock keeps running while halted";
    clock.Set({1998, 12, 4, 10, 16, 0, 0});
    scheduler.Timer1_Timer();
    EXPECT_EQ(controls.txtTime.Text(), "Dec 04 - 10:16 AM");

    clock.Set({1998, 12, 4, 10, 15, 40, 0});
    scheduler.mnuPVantro_Click();
    EXPECT_FALSE(controls.mnuPVantro.Checked());
    EXPECT_TRUE(controls.Timer2.Enabled());
    EXPECT_EQ(controls.Timer2.Interval(), 20000);
}

TEST_F(ClockTest, ResumeRestartsATickStoppedByAnEmptyList) {
    tasks.LoadTaskGrid();
    scheduler.Timer2_Timer();
    ASSERT_FALSE(controls.Timer2.Enabled());
    scheduler.mnuPVantro_Click();
    scheduler.mnuPVantro_Click();
    EXPECT_TRUE(controls.Timer2.Enabled());
}

class PauseTest : public SchedulerTest {
protected:
    PauseTest() {
        WriteTask({.name = "Backup", .location = "C:\\backup.exe", .days = "Fri"});
        WriteTask({.name = "Clean", .location = "C:\\clean.exe", .days = "Fri"});
        tasks.LoadTaskGrid();
        controls.grdProgram.Rebuilt = [this] { ++rebuilds; };
        controls.grdProgram.CellChanged = [this](int row, int col) { changed.emplace_back(row, col); };
    }
    int rebuilds = 0;
    std::vector<std::pair<int, int>> changed;
};

TEST_F(PauseTest, PausedTaskShowsAtOnceAndIsNotLaunched) {
    int row = RowOf("Backup");
    controls.grdProgram.SetRow(row);
    scheduler.mnuPause_Click();
    EXPECT_EQ(controls.grdProgram.TextMatrix(row, 0), "Paused");
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{row, 0}}));
    EXPECT_EQ(ReadTaskValue("Backup", store::kPaused), RegValue::Integer(-1));
    EXPECT_TRUE(controls.mnuUnPause.Visible());
    EXPECT_FALSE(controls.mnuPause.Visible());
    EXPECT_EQ(rebuilds, 0);

    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\clean.exe"}));

    // A later start reads the mark back from the store.
    tasks.LoadTaskGrid();
    EXPECT_EQ(controls.grdProgram.TextMatrix(RowOf("Backup"), 0), "Paused");
}

TEST_F(PauseTest, UnPauseLetsTheNextTickLaunch) {
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::TaskKey("Backup"), store::kPaused, RegValue::Boolean(true), REG_DWORD);
    tasks.LoadTaskGrid();
    int row = RowOf("Backup");
    controls.grdProgram.SetRow(row);
    scheduler.mnuUnPause_Click();
    EXPECT_EQ(controls.grdProgram.TextMatrix(row, 0), "");
    EXPECT_EQ(ReadTaskValue("Backup", store::kPaused), RegValue::Integer(0));
    EXPECT_TRUE(controls.mnuPause.Visible());
    EXPECT_FALSE(controls.mnuUnPause.Visible());

    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\backup.exe", "C:\\clean.exe"}));
}

TEST_F(PauseTest, PauseWithoutATaskRowChangesNothing) {
    controls.grdProgram.SetRow(0);
    scheduler.mnuPause_Click();
    scheduler.mnuUnPause_Click();
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(controls.grdProgram.TextMatrix(0, 0), "Paused") << "the heading stays";
    EXPECT_TRUE(ReadTaskValue("Backup", store::kPaused).IsEmpty());
    EXPECT_TRUE(controls.mnuPause.Visible());
}

}  // namespace
