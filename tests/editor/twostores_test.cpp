// A user who is not an administrator: the machine store may only be read, and the
// user's own store takes what they make.
#include <memory>

#include "EditorTest.h"
#include "scheduler/SchedulerView.h"

namespace {

constexpr DateTime kFriday{1998, 12, 4, 19, 5, 0, 0};  // 7:05 PM

class TwoStoresTest : public EditorTest {
protected:
    TwoStoresTest() {
        CreateKey(HKEY_CURRENT_USER, store::kTasksKey);
        AddTask({.name = "Shared", .location = "C:\\shared.exe", .days = "Fri"});
        readOnly = std::make_unique<ReadOnlyKeys>(
            std::vector<std::string>{store::kProgramKey, store::kTasksKey, store::TaskKey("Shared")});
        clock.Set(kFriday);
    }
    static RegValue UserTaskValue(const std::string& name, const char* value) {
        return ReadKeyValue(HKEY_CURRENT_USER, store::TaskKey(name), value);
    }
    // The row of the task with this name in that store; 0 when the grid has none.
    int RowIn(store::Store where, const std::string& name) const {
        for (int row = 1; row < controls.grdProgram.Rows(); ++row)
            if (task_grid::TaskNameAt(controls.grdProgram, row) == name &&
                task_grid::StoreAt(controls.grdProgram, row) == where)
                return row;
        return 0;
    }
    void ChooseIn(store::Store where, const std::string& name) {
        controls.grdProgram.SetRow(RowIn(where, name));
        tasks.grdProgram_MouseDown();
    }

    std::unique_ptr<ReadOnlyKeys> readOnly;
};

// Made under the machine task's name: a task of the same name in both stores is two tasks.
TEST_F(TwoStoresTest, ANewTaskIsTheUsersOwnAndRunsPausesEditsAndDeletesOnItsOwnKey) {
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        FillProgram(form, "Shared", "C:\\mine.exe", {5});
        Click(form.btnOK);
    });
    EXPECT_EQ("C:\\mine.exe", UserTaskValue("Shared", store::kLocation).AsText());
    EXPECT_EQ("C:\\shared.exe", ReadTaskValue("Shared", store::kLocation).AsText());
    ASSERT_NE(0, RowIn(store::Store::User, "Shared"));
    ASSERT_NE(0, RowIn(store::Store::Machine, "Shared"));
    EXPECT_NE(controls.grdProgram.TextMatrix(RowIn(store::Store::User, "Shared"), task_grid::kPausedCol),
              controls.grdProgram.TextMatrix(RowIn(store::Store::Machine, "Shared"), task_grid::kPausedCol))
        << "a task for every user looks different at a glance";

    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (std::vector<std::string>{"C:\\shared.exe", "C:\\mine.exe"}));
    EXPECT_EQ("On 12/4/98 at 7:05:00 PM", UserTaskValue("Shared", store::kLastRan).AsText());

    ChooseIn(store::Store::User, "Shared");
    scheduler.mnuPause_Click();
    EXPECT_TRUE(UserTaskValue("Shared", store::kPaused).IsTrue());
    WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew& form) {
        Type(form.txtLocation, "C:\\mine2.exe");
        Click(form.btnOK);
    });
    EXPECT_EQ("C:\\mine2.exe", UserTaskValue("Shared", store::kLocation).AsText());
    ChooseIn(store::Store::User, "Shared");
    commands.mnuDelete_Click();
    EXPECT_TRUE(UserTaskValue("Shared", store::kLocation).IsEmpty());
    EXPECT_EQ(0, RowIn(store::Store::User, "Shared"));
    EXPECT_NE(0, RowIn(store::Store::Machine, "Shared"));
    EXPECT_EQ(1u, prompts.asked.size()) << "Delete's question alone: no refusal, no replace question";
}

TEST_F(TwoStoresTest, AMachineTaskRunsShowsThisUsersLastRunAndRefusesChanges) {
    tasks.LoadTaskGrid();
    scheduler.Timer2_Timer();
    ChooseIn(store::Store::Machine, "Shared");
    EXPECT_EQ("Last ran On 12/4/98 at 7:05:00 PM", controls.txtStatus.Text());

    const int row = RowIn(store::Store::Machine, "Shared");
    const std::string cell = controls.grdProgram.TextMatrix(row, task_grid::kPausedCol);
    scheduler.mnuPause_Click();
    WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew&) { ADD_FAILURE() << "the editor opened"; });
    commands.mnuDelete_Click();
    ASSERT_EQ(3u, prompts.asked.size()) << "Delete asks nothing more once refused";
    for (const auto& box : prompts.asked) EXPECT_EQ(prompts.asked[0].text, box.text) << "the same refusal each time";
    EXPECT_TRUE(ReadTaskValue("Shared", store::kPaused).IsEmpty());
    EXPECT_EQ(cell, controls.grdProgram.TextMatrix(row, task_grid::kPausedCol));
    EXPECT_EQ("C:\\shared.exe", ReadTaskValue("Shared", store::kLocation).AsText());
    EXPECT_TRUE(ListSubKeys(HKEY_CURRENT_USER, store::kTasksKey).empty()) << "no user task appears in its place";
}

}  // namespace
