#include "EditorTest.h"

namespace {

using CommandsTest = EditorTest;

TEST_F(CommandsTest, EditShowsTheStoredTaskOkWritesTheSameValuesKeepingTheRestAndCancelWritesNothing) {
    AddTask({.name = "Backup", .location = "C:\\bin\\backup.exe /all", .days = "Fri,Wed,Mon", .paused = true});
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::TaskKey("Backup"), store::kLastRan, RegValue::Text("On 1/2/03 at 1:00:00 AM"),
                  REG_SZ);
    AddTask({.name = "Once", .location = "C:\\once.exe", .startDate = "31/31/1998", .startTime = "soon",
             .runOnce = true});
    tasks.LoadTaskGrid();
    Choose("Backup");
    clock.now = {2001, 6, 7, 8, 9, 0};  // the stored date and time, not today's, go into the pickers
    WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew& form) {
        EXPECT_TRUE(form.optSP.Value());
        EXPECT_EQ("Backup", form.txtProgramName.Text());
        EXPECT_EQ("C:\\bin\\backup.exe /all", form.txtLocation.Text());
        EXPECT_TRUE(form.chkRunOnlyOnce[1].Value());
        std::string checked;
        for (int day = 0; day < 7; ++day) checked += form.chkWeekDay[day].Value() ? "x" : ".";
        EXPECT_EQ(".x.x.x.", checked);
        EXPECT_FALSE(form.SchedulingPanelOpen());
        Click(form.btnOK);
    });
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ("C:\\bin\\backup.exe /all|Fri,Wed,Mon|12/04/1998|07:05 PM|0", Record("Backup"));
    EXPECT_EQ(RegValue::Integer(-1), ReadTaskValue("Backup", store::kPaused));
    EXPECT_EQ("On 1/2/03 at 1:00:00 AM", ReadTaskValue("Backup", store::kLastRan).AsText());

    // Unreadable stored times open as now; Cancel rebuilds the list all the same.
    Choose("Once");
    int rebuilds = 0;
    controls.grdProgram.Rebuilt = [&] { ++rebuilds; };
    WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew& form) {
        EXPECT_TRUE(form.chkRunOnlyOnce[0].Value());
        for (auto& day : form.chkWeekDay) EXPECT_EQ(0, day.Value());
        DateTime date = form.txtDate.Value(), time = form.txtTime.Value();
        EXPECT_EQ((Date{2001, 6, 7}), date.date());
        EXPECT_EQ(809, time.hour * 100 + time.minute);
        Type(form.txtLocation, "C:\\other.exe");
        Click(form.btnCancel);
    });
    EXPECT_EQ(1, rebuilds);
    EXPECT_EQ("C:\\once.exe||31/31/1998|soon|-1", Record("Once"));
}

TEST_F(CommandsTest, EditKeepsTheExactKeyNameReadsAMessageAsTheListDoesAndEscapeCancels) {
    AddTask({.name = " Backup ", .location = "C:\\spaced.exe", .days = "Mon"});
    AddTask({.name = "Backup", .location = "C:\\plain.exe", .days = "Tue"});
    AddTask({.name = " Note ", .location = "  MSG:Hello\r\n", .days = "Wed"});
    SetMessageApp("c:\\pad.exe");
    prompts.inputAnswers = {" Note "};  // the proposed name, accepted
    for (const char* name : {" Backup ", " Note "}) {
        tasks.LoadTaskGrid();
        Choose(name);
        WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew& form) { Click(form.btnOK); });
    }
    EXPECT_EQ(std::vector<std::string>{kNameQuestion}, Texts()) << "nothing else is asked";
    std::vector<std::string> names = ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey);
    EXPECT_EQ((std::set<std::string>{" Backup ", " Note ", "Backup"}), std::set<std::string>(names.begin(), names.end()));
    EXPECT_EQ("MSG:Hello\r\n|Wed|12/04/1998|07:05 PM|0", Record(" Note "));

    // Escape in the (multi-line) message box closes the editor as Cancel does.
    Choose("Backup");
    ui::Timer escape(30, true), rescue(5000, true);
    escape.OnTimer = [&] {
        escape.SetEnabled(false), Click(commands.Editor()->optSM);
        PostMessageA(commands.Editor()->txtMessage.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    rescue.OnTimer = [&] { ADD_FAILURE() << "the editor stays open"; commands.Editor()->Unload(); };
    commands.mnuEdit_Click();
}

// Escape and the close box answer IDCANCEL: like No, it must lose nothing.
TEST_F(CommandsTest, OnlyYesReplacesATaskOrSavesOneThatCanNeverRun) {
    for (int answer : {IDYES, IDNO, IDCANCEL}) {
        const bool yes = answer == IDYES;
        AddTask({.name = "Backup", .location = "C:\\old.exe", .days = "Sun", .paused = true});
        DeleteKeyTree(HKEY_LOCAL_MACHINE, store::TaskKey("Late"));
        prompts.asked.clear();
        prompts.messageAnswers = {answer, answer};
        clock.now = {1998, 12, 4, 19, 5, 30};
        // Run once: under a taken name in this very minute, then at a minute just gone.
        for (const char* name : {"BACKUP", "Late"}) {
            WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
                FillProgram(form, name, "C:\\new.exe", {});
                Click(form.btnOnce);
                Click(form.btnOK2);
                if (name[0] == 'L') clock.AddMinutes(1);
                Click(form.btnOK);
                if (!yes) EXPECT_EQ("C:\\new.exe", form.txtLocation.Text() + (form.Saved() ? "saved" : ""));
            });
        }
        EXPECT_EQ(yes ? "C:\\new.exe||12/04/1998|07:05 PM|-1" : "C:\\old.exe|Sun|12/04/1998|07:05 PM|0", Record("Backup"));
        EXPECT_EQ(!yes, ReadTaskValue("Backup", store::kPaused).IsTrue()) << "a replaced task starts afresh";
        EXPECT_EQ(yes, TaskExists("Late"));
        ASSERT_EQ(2u, prompts.asked.size()) << "the current minute is not asked about";
        for (int i : {0, 1}) EXPECT_EQ(static_cast<UINT>(MB_DEFBUTTON2), prompts.asked[i].style & MB_DEFMASK);
    }
}

TEST_F(CommandsTest, DeleteAsksAndKeepsTheTaskOnNoAndNothingActsWithoutAChosenRow) {
    AddTask({.name = "Backup", .location = "C:\\backup.exe"});
    tasks.LoadTaskGrid();
    controls.grdProgram.SetRow(0);
    commands.mnuDelete_Click();
    WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew&) { ADD_FAILURE() << "Edit opened with no task chosen"; });
    EXPECT_TRUE(prompts.asked.empty());

    Choose("Backup");
    prompts.messageAnswers = {IDNO, IDCANCEL};  // Escape and the close box answer Cancel
    commands.mnuDelete_Click();
    commands.mnuDelete_Click();
    ASSERT_EQ(2u, prompts.asked.size());
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), prompts.asked[0].style);
    EXPECT_TRUE(TaskExists("Backup"));
    // Another writer's name with blanks at its ends is its own task, not Backup.
    AddTask({.name = " Backup ", .location = "C:\\other.exe"});
    tasks.LoadTaskGrid();
    Choose(" Backup ");
    commands.mnuDelete_Click();
    EXPECT_FALSE(TaskExists(" Backup "));
    EXPECT_TRUE(TaskExists("Backup"));
    Choose("Backup");
    commands.mnuDelete_Click();
    EXPECT_FALSE(TaskExists("Backup"));
    EXPECT_EQ(1, controls.grdProgram.Rows());
    EXPECT_FALSE(controls.mnuEdit.Enabled() || controls.mnuDelete.Enabled()) << "no task is chosen after a rebuild";
}

}  // namespace
