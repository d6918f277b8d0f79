#include <vector>

#include "mainwindow/tasklist_fixture.h"

namespace {

TEST(GridModelTest, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    GridModel grid(3, 5);
    grid.SetTextMatrix(1, 2, "x");
    grid.SetTextMatrix(3, 0, "outside");
    grid.SetTextMatrix(-1, 0, "outside");
    grid.SetTextMatrix(0, 5, "outside");
    EXPECT_EQ(grid.TextMatrix(1, 2), "x");
    EXPECT_EQ(grid.TextMatrix(3, 0), "");
    EXPECT_EQ(grid.TextMatrix(0, 5), "");
    EXPECT_EQ(grid.TextMatrix(-1, -1), "");
}

TEST(GridModelTest, ShrinkingKeepsTheCurrentRowInsideAndTheHeadingRow) {
    GridModel grid(5, 5);
    grid.SetRow(4);
    grid.SetRows(3);
    EXPECT_EQ(grid.Row(), 2);
    grid.SetRows(0);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Row(), 0);
    grid.SetRow(7);
    EXPECT_EQ(grid.Row(), 0);
}

TEST(GridModelTest, OnlySingleCellWritesReportAChangedCell) {
    GridModel grid(3, 5);
    std::vector<std::pair<int, int>> changed;
    grid.CellChanged = [&](int row, int col) { changed.emplace_back(row, col); };
    grid.SetRowTexts(1, {"a", "b", "c", "d", "e", "dropped"});
    grid.SetTextMatrix(2, 0, "Paused");
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{2, 0}}));
    EXPECT_EQ(grid.TextMatrix(1, 4), "e");
}

TEST(GridModelTest, TrimsBlanksOnly) {
    GridModel grid(2, 5);
    grid.SetTextMatrix(1, 1, "  Backup \t ");
    grid.SetTextMatrix(1, 2, "   ");
    EXPECT_EQ(grid.TrimmedText(1, 1), "Backup \t");
    EXPECT_EQ(grid.TrimmedText(1, 2), "");
}

TEST_F(TaskListTest, EmptyStoreLeavesTheHeadingsAndRetimesTheTick) {
    clock.now.second = 45;
    tasks.LoadTaskGrid();
    const GridModel& grid = controls.grdProgram;
    ASSERT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.TextMatrix(0, 0), "Paused");
    EXPECT_EQ(grid.TextMatrix(0, 1), "Name of Program");
    EXPECT_EQ(grid.TextMatrix(0, 2), "Start Time");
    EXPECT_EQ(grid.TextMatrix(0, 3), "Path of Program");
    EXPECT_EQ(grid.TextMatrix(0, 4), "");
    EXPECT_EQ((std::vector<int>{grid.ColWidth(0), grid.ColWidth(1), grid.ColWidth(2), grid.ColWidth(3)}),
              (std::vector<int>{200, 2000, 2000, 6000}));
    EXPECT_TRUE(controls.mnuPause.Visible());
    EXPECT_FALSE(controls.mnuUnPause.Visible());
    EXPECT_EQ(controls.Timer2.Interval(), 15000);
    EXPECT_FALSE(controls.Timer2.Enabled()) << "an empty list must not restart a stopped tick";
}

TEST_F(TaskListTest, RowsShowTheStoredRecords) {
    WriteTask({.name = "Backup", .location = "C:\\bin\\backup.exe /all", .days = "Fri,Mon"});
    WriteTask({.name = "Call", .location = "MSG:Call home", .startDate = "01/02/2003",
               .startTime = "09:30 AM", .runOnce = true, .paused = true});
    int calls = 0;
    controls.grdProgram.Rebuilt = [&] { ++calls; };
    tasks.LoadTaskGrid();

    const GridModel& grid = controls.grdProgram;
    ASSERT_EQ(grid.Rows(), 3);
    int backup = RowOf("Backup");
    int call = RowOf("Call");
    ASSERT_NE(backup, 0);
    ASSERT_NE(call, 0);
    EXPECT_EQ(grid.TextMatrix(backup, 0), "");
    EXPECT_EQ(grid.TextMatrix(backup, 2), "12/04/1998 at 07:05 PM");
    EXPECT_EQ(grid.TextMatrix(backup, 3), "C:\\bin\\backup.exe /all");
    EXPECT_EQ(grid.TextMatrix(backup, 4), "Fri,Mon");
    EXPECT_EQ(grid.TextMatrix(call, 0), "Paused");
    EXPECT_EQ(grid.TextMatrix(call, 2), "01/02/2003 at 09:30 AM");
    EXPECT_EQ(grid.TextMatrix(call, 3), "MSG:Call home");
    EXPECT_EQ(calls, 1) << "the view hears of the rebuild once, at its end";
}

TEST_F(TaskListTest, MissingValuesShowAsEmptyCellsAndCommaNamesAsNoRow) {
    CreateKey(HKEY_LOCAL_MACHINE, store::TaskKey("Bare"));
    CreateKey(HKEY_LOCAL_MACHINE, store::TaskKey("a,b"));
    tasks.LoadTaskRow("");
    tasks.LoadTaskRow("x,y");
    EXPECT_EQ(controls.grdProgram.Rows(), 1);

    tasks.LoadTaskGrid();
    int bare = RowOf("Bare");
    ASSERT_NE(bare, 0);
    EXPECT_EQ(controls.grdProgram.TextMatrix(bare, 0), "");
    EXPECT_EQ(controls.grdProgram.TextMatrix(bare, 2), " at ");
    EXPECT_EQ(controls.grdProgram.TextMatrix(bare, 3), "");
    // The listing splits "a,b" into two names; each is a task name of its own.
    EXPECT_NE(RowOf("a"), 0);
    EXPECT_NE(RowOf("b"), 0);
    EXPECT_EQ(RowOf("a,b"), 0);
}

TEST_F(TaskListTest, RebuildFindingTasksRestartsTimersStoppedOnAnEmptyList) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    clock.now.second = 20;
    tasks.LoadTaskGrid();
    EXPECT_TRUE(controls.Timer1.Enabled());
    EXPECT_TRUE(controls.Timer2.Enabled());
    EXPECT_EQ(controls.Timer1.Interval(), 40000);
    EXPECT_EQ(controls.Timer2.Interval(), 40000);
}

TEST_F(TaskListTest, RebuildLeavesAHaltedSchedulerHalted) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    controls.mnuPVantro.SetChecked(true);
    tasks.LoadTaskGrid();
    EXPECT_TRUE(controls.Timer1.Enabled());
    EXPECT_FALSE(controls.Timer2.Enabled());
}

TEST_F(TaskListTest, DeleteTaskRemovesTheRecordAndItsRow) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    WriteTask({.name = "Clean", .location = "C:\\clean.exe"});
    tasks.LoadTaskGrid();
    tasks.DeleteTask("Backup");
    EXPECT_FALSE(TaskExists("Backup"));
    EXPECT_EQ(RowOf("Backup"), 0);
    EXPECT_NE(RowOf("Clean"), 0);
    EXPECT_EQ(controls.grdProgram.Rows(), 2);
}

TEST_F(TaskListTest, DeleteTaskWithoutANameOnlyRebuilds) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    tasks.DeleteTask("");
    tasks.DeleteTask("Nobody");
    EXPECT_TRUE(TaskExists("Backup"));
    EXPECT_EQ(controls.grdProgram.Rows(), 2);
}

TEST_F(TaskListTest, LeftPressOnATaskOffersItsCommandsAndLastRun) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    WriteTask({.name = "Call", .location = "MSG:Hi", .paused = true});
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::TaskKey("Call"), store::kLastRan,
                  RegValue::Text("On 12/4/98 at 7:05:23 PM"), REG_SZ);
    tasks.LoadTaskGrid();
    controls.mnuEdit.SetEnabled(false);
    controls.mnuDelete.SetEnabled(false);

    controls.grdProgram.SetRow(RowOf("Backup"));
    tasks.grdProgram_MouseDown();
    EXPECT_TRUE(controls.mnuEdit.Enabled());
    EXPECT_TRUE(controls.mnuDelete.Enabled());
    EXPECT_TRUE(controls.mnuPause.Visible());
    EXPECT_FALSE(controls.mnuUnPause.Visible());
    EXPECT_EQ(controls.txtStatus.Text(), "Last ran was NEVER");

    controls.grdProgram.SetRow(RowOf("Call"));
    tasks.grdProgram_MouseDown();
    EXPECT_FALSE(controls.mnuPause.Visible());
    EXPECT_TRUE(controls.mnuUnPause.Visible());
    EXPECT_EQ(controls.txtStatus.Text(), "Last ran On 12/4/98 at 7:05:23 PM");
}

TEST_F(TaskListTest, LeftPressWithNoTaskRowWithdrawsTheTaskCommands) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    tasks.LoadTaskGrid();
    controls.txtStatus.SetText("Vantro 1.5");
    controls.grdProgram.SetRow(0);
    tasks.grdProgram_MouseDown();
    EXPECT_FALSE(controls.mnuEdit.Enabled());
    EXPECT_FALSE(controls.mnuDelete.Enabled());
    EXPECT_FALSE(controls.mnuPause.Visible());
    EXPECT_FALSE(controls.mnuUnPause.Visible());
    EXPECT_EQ(controls.txtStatus.Text(), "Vantro 1.5");
}

}  // namespace
