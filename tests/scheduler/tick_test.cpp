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

TEST_F(TickTest, RearmsForTheStartOfTheNextMinute) {
    AddTask({.name = "Backup", .location = "C:\\backup.exe"});
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
    EXPECT_FALSE(controls.Timer1.Enabled() || controls.Timer2.Enabled());
    scheduler.mnuPVantro_Click();  // halting and resuming restarts the tick
    scheduler.mnuPVantro_Click();
    EXPECT_TRUE(controls.Timer2.Enabled());
    controls.Timer1.SetEnabled(false);
    controls.Timer2.SetEnabled(false);

    // The editor's save rebuilds the grid; the new task must still run at its minute.
    AddTask({.name = "Backup", .location = "C:\\backup.exe", .startTime = "07:06 PM", .days = "Fri"});
    tasks.LoadTaskGrid();
    EXPECT_TRUE(controls.Timer1.Enabled() && controls.Timer2.Enabled());
    TickAt({1998, 12, 4, 19, 6, 0, 0});
    EXPECT_EQ(Started(), Lines{"C:\\backup.exe"});
}

TEST_F(TickTest, DateWeekdayPauseAndRunOnceDecideWhatLaunches) {
    const store::TaskRecord rows[] = {
        {"Long", "C:\\long.exe", "12/04/1998", "07:05 PM", "Fri"},
        {"MonWed", "C:\\mw.exe", "11/01/1998", "07:05 PM", "Wed,Mon"},
        {"Past once", "C:\\once.exe", "12/01/1998", "07:05 PM", "", true},
        {"Paused", "C:\\p.exe", "11/01/1998", "07:05 PM", "Fri", false, true},
        {"Short", "C:\\short.exe", "12/04/98", "07:05 PM", "Fri"},
        {"Short future", "C:\\f.exe", "12/05/98", "07:05 PM", "Fri"},
        {"Tomorrow", "C:\\t.exe", "12/05/1998", "07:05 PM", "Fri"},
    };
    for (const store::TaskRecord& row : rows) AddTask(row);
    tasks.LoadTaskGrid();
    TickAt({1998, 11, 24, 19, 5, 0, 0});  // a Tuesday
    EXPECT_TRUE(Started().empty());
    TickAt({1998, 11, 25, 19, 5, 0, 0});  // a Wednesday
    EXPECT_EQ(Started(), Lines{"C:\\mw.exe"});
    launcher.launches.clear();

    // Three days after "Past once" started: launched although no weekday is asked, then deleted.
    TickAt(kFriday);
    EXPECT_EQ(Started(), (Lines{"C:\\long.exe", "C:\\once.exe", "C:\\short.exe"}));
    EXPECT_FALSE(TaskExists("Past once"));
    EXPECT_EQ(RowOf("Past once"), 0);
    EXPECT_TRUE(TaskExists("Tomorrow"));
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
        {"LAST program", "LAST program"},          {"Last message to run is X", "Vantro 1.5"},
        {"Last progra", "Vantro 1.5"},             {"", "Vantro 1.5"},
        {"Last ran was NEVER", "Vantro 1.5"}};
    for (const auto& [before, after] : cases) {
        controls.txtStatus.SetText(before);
        scheduler.Timer2_Timer();
        EXPECT_EQ(controls.txtStatus.Text(), after) << before;
    }
}

TEST_F(TickTest, LocationWithoutDriveShowsTheErrorBoxEveryDay) {
    AddTask({.name = "Notes", .location = "notes.txt", .days = "Mon", .runOnce = true});
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
    AddTask({.name = "A bad", .location = "bad", .days = "Fri"});
    AddTask({.name = "B", .location = "C:\\b.exe", .days = "Fri"});
    AddTask({.name = "C", .location = "C:\\c.exe", .startTime = "07:06 PM", .days = "Fri"});
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
    EXPECT_EQ(Started(), Lines{"C:\\b.exe"});
    prompts.whileOpen = nullptr;
    TickAt({1998, 12, 4, 19, 6, 0, 0});
    EXPECT_EQ(Started(), (Lines{"C:\\b.exe", "C:\\c.exe"}));
}

}  // namespace
