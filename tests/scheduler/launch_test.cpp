#include <filesystem>

#include "scheduler/MessageFile.h"
#include "support/VantroTest.h"

namespace {

const std::string kNotepad = "C:\\windows\\notepad.exe";

class LaunchTest : public SchedulerTest {
protected:
    LaunchTest() { SetMessageApp(kNotepad); }
    std::string MessageFile() const { return MessageFilePath(folder.Path()); }
    void RunTaskOn(const std::string& name) {
        tasks.LoadTaskGrid();
        controls.grdProgram.SetRow(RowOf(name));
        scheduler.mnuRun_Click();
    }
};

// What the message file holds is the week test's; here, no editor is set.
TEST_F(LaunchTest, WithNoEditorSetTheMessageFileIsStillNamed) {
    scheduler.RunMessageTask(store::Store::Machine, "Call", "MSG:", "", false);
    EXPECT_EQ(ReadWholeFile(MessageFile()), "\r\n");
    EXPECT_EQ(Started(), std::vector<std::string>{" \"" + MessageFile() + "\""});
}

TEST_F(LaunchTest, MessageFileFailuresAreReportedAndTheMessageRunsOn) {
    AddTask({.name = "Note", .location = "MSG:Hi", .runOnce = true});
    std::filesystem::create_directory(MessageFile());  // a folder where the file should go
    scheduler.RunMessageTask(store::Store::Machine, "Note", "MSG:Hi", kNotepad, true);
    RunMessageLoop();
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].title, std::to_string(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Started().size(), 1u) << "the editor is started all the same";
    EXPECT_FALSE(TaskExists("Note")) << "a run-once message goes, error or not";
    EXPECT_EQ(controls.txtStatus.Text(), "Last message to run is Note on 12/4/98 at 7:05:00 PM");

    // An editor that can be neither started nor opened is reported the same way.
    AddTask({.name = "Weekly", .location = "MSG:Hi", .days = "Fri"});
    std::filesystem::remove(MessageFile());
    launcher.failingStarts[kNotepad + " " + MessageFileArgument(folder.Path())] = ERROR_FILE_NOT_FOUND;
    launcher.shellResult = SE_ERR_FNF;
    scheduler.RunMessageTask(store::Store::Machine, "Weekly", "MSG:Hi", kNotepad, false);
    RunMessageLoop();
    ASSERT_EQ(prompts.MessageBoxes().size(), 2u);
    EXPECT_EQ(prompts.MessageBoxes()[1].title, std::to_string(ERROR_FILE_NOT_FOUND));
}

TEST_F(LaunchTest, RunTaskStartsTheRowAsAProgramAndReportsOneThatCannotStart) {
    AddTask({.name = "Note", .location = "MSG:Hi", .runOnce = true});
    RunTaskOn("nobody");
    EXPECT_TRUE(launcher.launches.empty());

    // A message's location is no command and no file: neither can start it.
    launcher.failingStarts["MSG:Hi"] = ERROR_FILE_NOT_FOUND;
    launcher.shellResult = SE_ERR_FNF;
    RunTaskOn("Note");
    EXPECT_EQ(Started(), (std::vector<std::string>{"MSG:Hi", "MSG:Hi"}));
    EXPECT_TRUE(ReadTaskValue("Note", store::kLastRan).IsEmpty());
    EXPECT_EQ(minimized, 0);

    // What only the shell could open has run; it starts in the program folder.
    launcher.shellResult = 42;
    RunTaskOn("Note");
    EXPECT_EQ(launcher.launches.back().directory, folder.Path());
    EXPECT_EQ(ReadTaskValue("Note", store::kLastRan).AsText(), "On 12/4/98 at 7:05:00 PM");
    EXPECT_EQ(controls.txtStatus.Text(), "Last program to run is Note on 12/4/98 at 7:05:00 PM");
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

// Ends, and counts, every dialog of this thread that a message loop shows meanwhile.
class DialogWatch {
public:
    DialogWatch() {
        timer_.OnTimer = [this] { EnumThreadWindows(GetCurrentThreadId(), &DialogWatch::End, reinterpret_cast<LPARAM>(this)); };
        timer_.SetEnabled(true);
    }
    int ended = 0;

private:
    static BOOL CALLBACK End(HWND hwnd, LPARAM self) {
        char kind[16] = "";
        GetClassNameA(hwnd, kind, sizeof kind);
        if (std::string(kind) == "#32770" && IsWindowVisible(hwnd)) {
            ++reinterpret_cast<DialogWatch*>(self)->ended;
            EndDialog(hwnd, IDOK);
        }
        return TRUE;
    }
    ui::Timer timer_{200, false};
};

TEST_F(RealLaunchTest, AMissingProgramShowsOneBoxOfOurOwnAndKeepsItsRecord) {
    const std::string missing = folder.Path() + "\\missing.exe";
    AddTask({.name = "Missing", .location = missing, .runOnce = true});
    tasks.LoadTaskGrid();
    DialogWatch watch;
    realScheduler.Timer2_Timer();
    EXPECT_EQ(watch.ended, 0) << "the shell showed a dialog of its own inside the tick";
    RunMessageLoop();
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].title, "Error: 2");
    EXPECT_TRUE(ReadTaskValue("Missing", store::kLastRan).IsEmpty());
    EXPECT_TRUE(TaskExists("Missing"));
}

TEST_F(RealLaunchTest, UnquotedPathWithBlanksStartsTheRealFileItNames) {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    // Both "<folder>\My.exe" and "<folder>\My Tools\tool.exe" exist; the line names the second.
    const std::string tools = folder.Path() + "\\My Tools", out = folder.Path() + "\\tool.txt";
    ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\cmd.exe").c_str(), (tools + "\\tool.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\hostname.exe").c_str(), (folder.Path() + "\\My.exe").c_str(), FALSE));
    realScheduler.RunProgramTask(store::Store::Machine, "Tool", tools + "\\tool.exe /c echo tool> " + out, false);
    EXPECT_TRUE(WaitForFile(out));
}

}  // namespace
