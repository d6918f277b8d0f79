#include "scheduler/scheduler_fixture.h"

namespace {

// Friday 4 December 1998, 7:05 PM.
constexpr DateTime kFriday{1998, 12, 4, 19, 5, 0, 0};

class TickTest : public SchedulerTest {
protected:
    TickTest() { clock.Set(kFriday); }
    void TickAt(const DateTime& t) {
        clock.Set(t);
        scheduler.Timer2_Timer();
    }
};

TEST_F(TickTest, RearmsForTheStartOfTheNextMinute) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    tasks.LoadTaskGrid();
    TickAt({1998, 12, 4, 19, 5, 0, 0});
    EXPECT_EQ(controls.Timer2.Interval(), 60000);
    TickAt({1998, 12, 4, 19, 5, 59, 0});
    EXPECT_EQ(controls.Timer2.Interval(), 1000);
}

TEST_F(TickTest, EmptyListStopsBothTimersUntilATaskArrives) {
    tasks.LoadTaskGrid();
    controls.Timer1.SetEnabled(true);
    controls.Timer2.SetEnabled(true);
    scheduler.Timer2_Timer();
    EXPECT_FALSE(controls.Timer1.Enabled());
    EXPECT_FALSE(controls.Timer2.Enabled());

    // The editor's save rebuilds the grid; the new task must still run at its minute.
    WriteTask({.name = "Backup", .location = "C:\\backup.exe", .startTime = "07:06 PM", .days = "Fri"});
    tasks.LoadTaskGrid();
    EXPECT_TRUE(controls.Timer1.Enabled());
    EXPECT_TRUE(controls.Timer2.Enabled());
    TickAt({1998, 12, 4, 19, 6, 0, 0});
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\backup.exe"}));
}

TEST_F(TickTest, DateAndWeekdayDecideWhetherADueMinuteLaunches) {
    WriteTask({.name = "Tomorrow", .location = "C:\\t.exe", .startDate = "12/05/1998", .days = "Fri"});
    WriteTask({.name = "MonWed", .location = "C:\\mw.exe", .startDate = "11/01/1998", .days = "Wed,Mon"});
    WriteTask({.name = "Past once", .location = "C:\\once.exe", .startDate = "12/01/1998", .runOnce = true});
    tasks.LoadTaskGrid();

    TickAt({1998, 11, 24, 19, 5, 0, 0});  // a Tuesday
    EXPECT_TRUE(Started().empty());
    TickAt({1998, 11, 25, 19, 5, 0, 0});  // a Wednesday
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\mw.exe"}));
    launcher.launches.clear();

    TickAt(kFriday);  // three days after "Past once" started; no weekday asked
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\once.exe"}));
    EXPECT_FALSE(TaskExists("Past once"));
    EXPECT_EQ(RowOf("Past once"), 0);
    EXPECT_TRUE(TaskExists("Tomorrow"));
}

TEST_F(TickTest, PausedRowsNeverLaunch) {
    WriteTask({.name = "A", .location = "C:\\a.exe", .days = "Fri", .paused = true});
    WriteTask({.name = "B", .location = "C:\\b.exe", .days = "Fri"});
    WriteTask({.name = "C", .location = "C:\\c.exe", .days = "Fri", .paused = true});
    tasks.LoadTaskGrid();
    TickAt(kFriday);
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\b.exe"}));
}

TEST_F(TickTest, TwoAndFourDigitYearsReadTheTimeAfterTheirOwnLength) {
    WriteTask({.name = "Long", .location = "C:\\long.exe", .startDate = "12/04/1998", .days = "Fri"});
    WriteTask({.name = "Short", .location = "C:\\short.exe", .startDate = "12/04/98", .days = "Fri"});
    WriteTask({.name = "Short future", .location = "C:\\f.exe", .startDate = "12/05/98", .days = "Fri"});
    tasks.LoadTaskGrid();
    TickAt(kFriday);
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\long.exe", "C:\\short.exe"}));
}

TEST_F(TickTest, RunOnceTasksDeletedMidScanLeaveTheFollowingRowsScanned) {
    WriteTask({.name = "A once", .location = "C:\\a.exe", .runOnce = true});
    WriteTask({.name = "B once", .location = "C:\\b.exe", .runOnce = true});
    WriteTask({.name = "C weekly", .location = "C:\\c.exe", .days = "Fri"});
    WriteTask({.name = "D once", .location = "C:\\d.exe", .runOnce = true});
    tasks.LoadTaskGrid();
    ASSERT_EQ(RowOf("A once"), 1);
    TickAt(kFriday);
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\a.exe", "C:\\b.exe", "C:\\c.exe", "C:\\d.exe"}));
    EXPECT_FALSE(TaskExists("A once"));
    EXPECT_FALSE(TaskExists("B once"));
    EXPECT_FALSE(TaskExists("D once"));
    EXPECT_TRUE(TaskExists("C weekly"));
    EXPECT_EQ(controls.grdProgram.Rows(), 2);
}

TEST_F(TickTest, StatusLineKeepsOnlyAProgramLaunch) {
    tasks.LoadTaskGrid();
    const std::string title = "Vantro 1.5";
    for (const char* kept : {"Last program to run is X on 12/4/98 at 7:05:00 PM", "LAST program"}) {
        controls.txtStatus.SetText(kept);
        scheduler.Timer2_Timer();
        EXPECT_EQ(controls.txtStatus.Text(), kept);
    }
    for (const char* replaced : {"Last message to run is X", "Last progra", "", "Last ran was NEVER"}) {
        controls.txtStatus.SetText(replaced);
        scheduler.Timer2_Timer();
        EXPECT_EQ(controls.txtStatus.Text(), title) << replaced;
    }
}

TEST_F(TickTest, LocationWithoutDriveShowsTheErrorBoxEveryDay) {
    WriteTask({.name = "Notes", .location = "notes.txt", .days = "Mon", .runOnce = true});
    tasks.LoadTaskGrid();
    TickAt(kFriday);
    TickAt({1998, 12, 5, 19, 5, 0, 0});
    ASSERT_EQ(prompts.MessageBoxes().size(), 2u);
    PromptRecord box = prompts.MessageBoxes()[0];
    EXPECT_EQ(box.text, "Error trying to launch Notes on 12/04/1998 at 07:05 PM");
    EXPECT_EQ(box.title, "Vantro");
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(Started().empty());
    EXPECT_TRUE(TaskExists("Notes"));
    EXPECT_TRUE(ReadTaskValue("Notes", store::kLastRan).IsEmpty());
}

TEST_F(TickTest, NoTickStartsWhileAnEarlierOneWaitsInABox) {
    WriteTask({.name = "A bad", .location = "bad", .days = "Fri"});
    WriteTask({.name = "B", .location = "C:\\b.exe", .days = "Fri"});
    WriteTask({.name = "C", .location = "C:\\c.exe", .startTime = "07:06 PM", .days = "Fri"});
    tasks.LoadTaskGrid();
    std::string statusInsideBox;
    prompts.whileOpen = [&] {
        // The box stays open into the next minute, when the timer fires again.
        clock.Set({1998, 12, 4, 19, 6, 0, 0});
        controls.txtStatus.SetText("Last message to run is B");
        scheduler.Timer2_Timer();
        statusInsideBox = controls.txtStatus.Text();
    };
    TickAt(kFriday);
    EXPECT_EQ(statusInsideBox, "Last message to run is B");
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\b.exe"}));

    prompts.whileOpen = nullptr;
    TickAt({1998, 12, 4, 19, 6, 0, 0});
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\b.exe", "C:\\c.exe"}));
}

}  // namespace
