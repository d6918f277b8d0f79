#include "EditorTest.h"

namespace {

using CommandsTest = EditorTest;

// OK writes back what Edit showed: a fault in the showing or in the reading shows here.
TEST_F(CommandsTest, EditThenOkWritesBackTheStoredTaskUnderItsExactKeyName) {
    AddTask({.name = "Backup", .location = "C:\\bin\\backup.exe /all", .days = "Fri,Wed,Mon", .paused = true});
    AddTask({.name = " Backup ", .location = "C:\\spaced.exe", .days = "Mon"});
    AddTask({.name = " Note ", .location = "  MSG:Hello\r\n", .days = "Wed"});  // a message, as the list reads it
    SetMessageApp("c:\\pad.exe");
    prompts.inputAnswers = {" Note "};
    clock.now = {2001, 6, 7, 8, 9, 0};  // the stored date and time, not today's, go into the pickers
    for (const char* name : {"Backup", " Backup ", " Note "}) {
        tasks.LoadTaskGrid();
        Choose(name);
        WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew& form) { Click(form.btnOK); });
    }
    EXPECT_EQ("C:\\bin\\backup.exe /all|Fri,Wed,Mon|12/04/1998|07:05 PM|0", Record("Backup"));
    EXPECT_EQ("C:\\spaced.exe|Mon|12/04/1998|07:05 PM|0", Record(" Backup "));
    EXPECT_EQ("MSG:Hello\r\n|Wed|12/04/1998|07:05 PM|0", Record(" Note "));
    EXPECT_TRUE(ReadTaskValue("Backup", store::kPaused).IsTrue()) << "what the editor does not show is kept";
    EXPECT_EQ(3u, ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey).size());
    ASSERT_EQ(1u, prompts.asked.size()) << "only the message's name is asked for";
    EXPECT_EQ(" Note ", prompts.asked[0].initial);
}

TEST_F(CommandsTest, UnreadableStoredTimesOpenAsNowAndCancelOrEscapeInTheMessageBoxWritesNothing) {
    AddTask({.name = "Once", .location = "C:\\once.exe", .startDate = "31/31/1998", .startTime = "soon",
             .runOnce = true});
    tasks.LoadTaskGrid();
    Choose("Once");
    clock.now = {2001, 6, 7, 8, 9, 0};
    WithEditor(&TaskCommands::mnuEdit_Click, [&](frmNew& form) {
        DateTime date = form.txtDate.Value(), time = form.txtTime.Value();
        EXPECT_EQ((Date{2001, 6, 7}), date.date());
        EXPECT_EQ(809, time.hour * 100 + time.minute);
        Type(form.txtLocation, "C:\\other.exe");
    });

    // The multi-line message box takes Escape for its parent's close.
    Choose("Once");
    ui::Timer escape(30, true), rescue(5000, true);
    escape.OnTimer = [&] {
        escape.SetEnabled(false);
        Click(commands.Editor()->optSM);
        PostMessageA(commands.Editor()->txtMessage.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    rescue.OnTimer = [&] {
        ADD_FAILURE() << "the editor stays open";
        commands.Editor()->Unload();
    };
    commands.mnuEdit_Click();
    EXPECT_EQ("C:\\once.exe||31/31/1998|soon|-1", Record("Once"));
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
                EXPECT_TRUE(yes || (!form.Saved() && form.txtLocation.Text() == "C:\\new.exe")) << "kept as typed";
            });
        }
        const char* backup = yes ? "C:\\new.exe||12/04/1998|07:05 PM|-1" : "C:\\old.exe|Sun|12/04/1998|07:05 PM|0";
        EXPECT_EQ(backup, Record("Backup"));
        EXPECT_EQ(!yes, ReadTaskValue("Backup", store::kPaused).IsTrue()) << "a replaced task starts afresh";
        EXPECT_EQ(yes, TaskExists("Late"));
        ASSERT_EQ(2u, prompts.asked.size()) << "the current minute is not asked about";
        for (int i : {0, 1}) EXPECT_EQ(static_cast<UINT>(MB_DEFBUTTON2), prompts.asked[i].style & MB_DEFMASK);
    }
}

// Another writer's name with blanks at its ends is its own task: Delete takes the row's own key.
TEST_F(CommandsTest, OnlyYesDeletesTheChosenRowsOwnTask) {
    AddTask({.name = "Backup", .location = "C:\\backup.exe"});
    AddTask({.name = " Backup ", .location = "C:\\other.exe"});
    tasks.LoadTaskGrid();
    controls.grdProgram.SetRow(0);
    commands.mnuDelete_Click();
    EXPECT_TRUE(prompts.asked.empty()) << "no task is chosen";

    Choose(" Backup ");
    prompts.messageAnswers = {IDNO, IDCANCEL, IDYES};  // Escape and the close box answer Cancel
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(TaskExists(" Backup "));
        commands.mnuDelete_Click();
    }
    EXPECT_EQ(3u, prompts.asked.size());
    EXPECT_FALSE(TaskExists(" Backup "));
    EXPECT_TRUE(TaskExists("Backup"));
    EXPECT_EQ(2, controls.grdProgram.Rows()) << "the list is rebuilt";
}

}  // namespace
