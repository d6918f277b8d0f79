#include "support/VantroTest.h"

namespace {

using TaskListTest = SchedulerTest;

TEST_F(TaskListTest, RowsShowTheStoredRecordsAndEmptyCellsForMissingValues) {
    // Tasks of the user's own store, whose pause cell shows nothing but the pause.
    const store::Store user = store::Store::User;
    AddTask({.name = "Backup", .location = "C:\\bin\\backup.exe /all", .days = "Fri,Mon"}, user);
    AddTask({.name = "Call", .location = "MSG:Hi", .startDate = "01/02/2003", .startTime = "09:30 AM",
               .runOnce = true, .paused = true}, user);
    CreateKey(HKEY_CURRENT_USER, store::TaskKey("Bare"));
    // reg add writes true as 1.
    WriteKeyValue(HKEY_CURRENT_USER, store::TaskKey("Bare"), store::kPaused, RegValue::Integer(1), REG_DWORD);
    tasks.LoadTaskGrid();

    auto row = [&](const char* name) {
        std::string texts;
        for (int col = 0; col < 5; ++col) texts += controls.grdProgram.TextMatrix(RowOf(name), col) + "|";
        return texts;
    };
    ASSERT_EQ(controls.grdProgram.Rows(), 4);
    EXPECT_EQ(row("Backup"), "|Backup|12/04/1998 at 07:05 PM|C:\\bin\\backup.exe /all|Fri,Mon|");
    EXPECT_EQ(row("Call"), "Paused|Call|01/02/2003 at 09:30 AM|MSG:Hi||");
    EXPECT_EQ(row("Bare"), "Paused|Bare| at |||");
}

}  // namespace
