#include "EditorTest.h"

namespace {

using QuestionsTest = EditorTest;

// Escape and the close box answer IDCANCEL: like No, it must lose nothing.
TEST_F(QuestionsTest, OnlyYesReplacesATaskSavesOneThatCanNeverRunOrDeletesOne) {
    for (int answer : {IDYES, IDNO, IDCANCEL}) {
        SCOPED_TRACE(answer);
        const bool yes = answer == IDYES;
        DeleteKeyTree(HKEY_LOCAL_MACHINE, store::kTasksKey);
        AddTask({.name = "Backup", .location = "C:\\old.exe", .days = "Sun", .paused = true});
        tasks.LoadTaskGrid();
        prompts.asked.clear();
        clock.now = {1998, 12, 4, 19, 5, 30};

        // New under a taken name (letter case aside), run once in this very minute.
        prompts.messageAnswers = {answer};
        WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
            Type(form.txtProgramName, "BACKUP");
            Type(form.txtLocation, "C:\\new.exe");
            Click(form.btnOnce);
            Click(form.btnOK2);
            Click(form.btnOK);
            EXPECT_EQ(yes, form.Saved());
            if (!yes) EXPECT_EQ("BACKUP C:\\new.exe", form.txtProgramName.Text() + " " + form.txtLocation.Text());
        });
        EXPECT_EQ(yes ? "C:\\new.exe||12/04/1998|07:05 PM|-1" : "C:\\old.exe|Sun|12/04/1998|07:05 PM|0", Record("Backup"));
        EXPECT_EQ(!yes, ReadTaskValue("Backup", store::kPaused).IsTrue()) << "a replaced task starts afresh";

        // Run once at a minute that has just passed.
        prompts.messageAnswers = {answer};
        WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
            Type(form.txtProgramName, "Late");
            Type(form.txtLocation, "C:\\late.exe");
            Click(form.btnOnce);
            Click(form.btnOK2);
            clock.AddMinutes(1);
            Click(form.btnOK);
        });
        EXPECT_EQ(yes, TaskExists("Late"));

        tasks.LoadTaskGrid();
        Choose(yes ? "BACKUP" : "Backup");
        prompts.messageAnswers = {answer};
        commands.mnuDelete_Click();
        EXPECT_EQ(yes, !TaskExists("Backup")) << "deleted";

        ASSERT_EQ(3u, prompts.asked.size()) << "the current minute is not asked about";
        EXPECT_NE(std::string::npos, prompts.asked[0].text.find("\"BACKUP\""));
        EXPECT_NE(std::string::npos, prompts.asked[1].text.find("12/04/1998 at 07:05 PM"));
        for (int i : {0, 1}) EXPECT_EQ(static_cast<UINT>(MB_DEFBUTTON2), prompts.asked[i].style & MB_DEFMASK);
    }
}

}  // namespace
