#include <filesystem>

#include "support/VantroTest.h"
#include "support/WhenShown.h"

namespace {

class LaunchTest : public SchedulerTest {
protected:
    void RunTaskOn(const std::string& name) {
        tasks.LoadTaskGrid();
        controls.grdProgram.SetRow(RowOf(name));
        scheduler.mnuRun_Click();
    }
};

// A program path with blanks is quoted when the file it names exists, so Windows
// does not start "<folder>\My.exe" instead.
TEST_F(LaunchTest, AnUnquotedPathWithBlanksIsStartedAsTheFileItNames) {
    const std::string tool = folder.Path() + "\\My Tools\\tool.exe";
    std::filesystem::create_directory(folder.Path() + "\\My Tools");
    WriteWholeFile(tool, "");
    scheduler.RunProgramTask(store::Store::Machine, "Tool", tool + " /q", false);
    EXPECT_EQ(Started(), std::vector<std::string>{'"' + tool + "\" /q"});
}

TEST_F(LaunchTest, RunTaskStartsTheRowAsAProgramAndReportsOneThatCannotStart) {
    AddTask({.name = "Note", .location = "MSG:Hi", .runOnce = true});
    // A message's location is no command and no file: neither can start it.
    launcher.failingStarts["MSG:Hi"] = ERROR_FILE_NOT_FOUND;
    launcher.shellResult = SE_ERR_FNF;
    RunTaskOn("Note");
    EXPECT_EQ(Started(), (std::vector<std::string>{"MSG:Hi", "MSG:Hi"}));
    EXPECT_TRUE(ReadTaskValue("Note", store::kLastRan).IsEmpty());
    EXPECT_EQ(controls.txtStatus.Text().find("Note"), std::string::npos);
    EXPECT_EQ(minimized, 0);

    // What only the shell could open has run; it starts in the program folder.
    launcher.shellResult = 42;
    RunTaskOn("Note");
    EXPECT_EQ(launcher.launches.back().directory, folder.Path());
    EXPECT_EQ(ReadTaskValue("Note", store::kLastRan).AsText(), "On 12/4/98 at 7:05:00 PM");
    EXPECT_NE(controls.txtStatus.Text().find("Note"), std::string::npos);
    EXPECT_EQ(minimized, 1);
    EXPECT_TRUE(TaskExists("Note")) << "Run Task never deletes";
}

// The same with a real process and the real shell under Wine.
class RealLaunchTest : public LaunchTest {
protected:
    WindowsLauncher realLauncher;
    AppContext realContext{app, clock, prompts, realLauncher, programEnd, components};
    Scheduler realScheduler{SchedulerViewOf(controls, tasks), realContext};
};

TEST_F(RealLaunchTest, AMissingProgramShowsOneBoxOfOurOwnAndNoneOfTheShells) {
    AddTask({.name = "Missing", .location = folder.Path() + "\\missing.exe", .runOnce = true});
    tasks.LoadTaskGrid();
    WhenShown shellDialog("#32770", [](HWND dialog) { EndDialog(dialog, IDOK); }, false);
    realScheduler.Timer2_Timer();
    EXPECT_EQ(shellDialog.Times(), 0) << "the shell showed a dialog of its own inside the tick";
    RunMessageLoop();
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].title, "Error: 2");
    EXPECT_TRUE(TaskExists("Missing"));
}

}  // namespace
