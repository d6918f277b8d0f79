#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/ErrorText.h"
#include "scheduler/MessageFile.h"
#include "scheduler/scheduler_fixture.h"

namespace {

class LaunchTest : public SchedulerTest {
protected:
    LaunchTest() { SetMessageApp("C:\\windows\\notepad.exe"); }
    std::string MessageFile() const { return MessageFilePath(folder.Path()); }
    void SelectRowOf(const std::string& name) {
        tasks.LoadTaskGrid();
        controls.grdProgram.SetRow(RowOf(name));
    }
};

TEST_F(LaunchTest, MessageFileHoldsExactlyTheLatestMessage) {
    WriteWholeFile(MessageFile(), "an older message\r\nand a second line\r\n");
    scheduler.RunMessageTask("Call", "MSG:Hello", "C:\\windows\\notepad.exe", false);
    EXPECT_EQ(ReadWholeFile(MessageFile()), "Hello\r\n");
    scheduler.RunMessageTask("Call", "MSG:", "C:\\windows\\notepad.exe", false);
    EXPECT_EQ(ReadWholeFile(MessageFile()), "\r\n");
}

TEST_F(LaunchTest, EachLaunchUsesItsWindowStyle) {
    WriteTask({.name = "Weekly", .location = "MSG:w", .days = "Fri"});
    WriteTask({.name = "Once", .location = "MSG:o", .runOnce = true});
    WriteTask({.name = "Prog", .location = "C:\\prog.exe"});
    scheduler.RunMessageTask("Weekly", "MSG:w", "C:\\windows\\notepad.exe", false);
    scheduler.RunMessageTask("Once", "MSG:o", "C:\\windows\\notepad.exe", true);
    scheduler.RunProgramTask("Prog", "C:\\prog.exe", false);
    SelectRowOf("Prog");
    scheduler.mnuRun_Click();

    auto started = launcher.Processes();
    ASSERT_EQ(started.size(), 4u);
    EXPECT_EQ(started[0].commandLine, "C:\\windows\\notepad.exe Message.txt");
    EXPECT_EQ(started[0].showCommand, SW_SHOWMINIMIZED);
    EXPECT_EQ(started[1].showCommand, SW_SHOWMAXIMIZED);
    EXPECT_EQ(started[2].showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(started[3].commandLine, "C:\\prog.exe");
    EXPECT_EQ(started[3].showCommand, SW_SHOWNORMAL);
}

TEST_F(LaunchTest, EmptyMessageAppStillNamesTheFile) {
    scheduler.RunMessageTask("Call", "MSG:Hi", "", false);
    EXPECT_EQ(Started(), (std::vector<std::string>{" Message.txt"}));
}

TEST_F(LaunchTest, ProgramThatCannotStartGoesToTheShellAndIsStillStamped) {
    WriteTask({.name = "Missing", .location = "C:\\missing.exe /x", .runOnce = true});
    launcher.failingStarts["C:\\missing.exe /x"] = ERROR_FILE_NOT_FOUND;
    launcher.shellResult = SE_ERR_FNF;
    controls.window = reinterpret_cast<HWND>(0x1234);
    clock.Set({1998, 12, 4, 19, 5, 23, 0});
    scheduler.RunProgramTask("Missing", "C:\\missing.exe /x", true);

    ASSERT_EQ(launcher.launches.size(), 2u);
    const LaunchRecord& shell = launcher.launches[1];
    EXPECT_EQ(shell.kind, LaunchRecord::Kind::Shell);
    EXPECT_EQ(shell.commandLine, "C:\\missing.exe /x");
    EXPECT_EQ(shell.showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(shell.directory, folder.Path());
    EXPECT_EQ(shell.parameters, "");
    EXPECT_EQ(shell.owner, controls.window);
    EXPECT_EQ(controls.txtStatus.Text(), "Last program to run is Missing on 12/4/98 at 7:05:23 PM");
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(TaskExists("Missing")) << "nothing was reported, so the run-once task is done";
}

TEST_F(LaunchTest, ProgramLaunchStampsAndKeepsWeeklyTasks) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe", .days = "Fri"});
    tasks.LoadTaskGrid();
    scheduler.RunProgramTask("Backup", "C:\\backup.exe", false);
    EXPECT_EQ(ReadTaskValue("Backup", store::kLastRan).AsText(), "On 12/4/98 at 7:05:00 PM");
    EXPECT_TRUE(TaskExists("Backup"));
    EXPECT_EQ(launcher.launches.size(), 1u) << "a clean start needs no shell";
}

TEST_F(LaunchTest, MessageFileFailureIsReportedAndRunOnceMessageStillDeleted) {
    WriteTask({.name = "Note", .location = "MSG:Hi", .runOnce = true});
    tasks.LoadTaskGrid();
    std::filesystem::create_directory(MessageFile());  // a folder where the file should go
    scheduler.RunMessageTask("Note", "MSG:Hi", "C:\\windows\\notepad.exe", true);

    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    PromptRecord box = prompts.MessageBoxes()[0];
    EXPECT_EQ(box.title, std::to_string(ERROR_ACCESS_DENIED));
    EXPECT_EQ(box.text, SystemMessageText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Started().size(), 1u) << "the editor is started all the same";
    EXPECT_FALSE(TaskExists("Note"));
    EXPECT_EQ(RowOf("Note"), 0);
    EXPECT_EQ(controls.txtStatus.Text(), "Last message to run is Note on 12/4/98 at 7:05:00 PM");
}

TEST_F(LaunchTest, MissingProgramFolderIsReportedForAWeeklyMessage) {
    app.SetPath(folder.Path() + "\\gone");
    WriteTask({.name = "Note", .location = "MSG:Hi", .days = "Fri"});
    scheduler.RunMessageTask("Note", "MSG:Hi", "C:\\windows\\notepad.exe", false);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].title, std::to_string(ERROR_PATH_NOT_FOUND));
    EXPECT_TRUE(TaskExists("Note"));
}

TEST_F(LaunchTest, RunTaskStartsAMessageTaskAsAProgram) {
    WriteTask({.name = "Note", .location = "MSG:Hi", .runOnce = true});
    launcher.failingStarts["MSG:Hi"] = ERROR_FILE_NOT_FOUND;
    launcher.shellResult = SE_ERR_FNF;
    SelectRowOf("Note");
    scheduler.mnuRun_Click();

    EXPECT_EQ(Started(), (std::vector<std::string>{"MSG:Hi", "MSG:Hi"}));
    EXPECT_EQ(ReadTaskValue("Note", store::kLastRan).AsText(), "On 12/4/98 at 7:05:00 PM");
    EXPECT_EQ(controls.txtStatus.Text(), "Last program to run is Note on 12/4/98 at 7:05:00 PM");
    EXPECT_EQ(minimized, 1);
    EXPECT_TRUE(TaskExists("Note"));
    EXPECT_FALSE(FileExists(MessageFile()));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(LaunchTest, RunTaskWithoutATaskRowDoesNothing) {
    WriteTask({.name = "Backup", .location = "C:\\backup.exe"});
    SelectRowOf("nobody");
    controls.txtStatus.SetText("Vantro 1.5");
    scheduler.mnuRun_Click();
    EXPECT_TRUE(launcher.launches.empty());
    EXPECT_EQ(controls.txtStatus.Text(), "Vantro 1.5");
    EXPECT_EQ(minimized, 0);
}

// The real launcher and a real process under Wine.
class RealLaunchTest : public SchedulerTest {
protected:
    // Waits for a file the started process writes; processes start asynchronously.
    bool AppearsWithin(const std::string& file, std::chrono::seconds limit) {
        auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (FileExists(file)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }
    std::string SystemProgram(const char* name) const {
        char folderName[MAX_PATH] = {};
        GetSystemDirectoryA(folderName, MAX_PATH);
        return std::string(folderName) + "\\" + name;
    }

    WindowsLauncher realLauncher;
    AppContext realContext{app, clock, prompts, realLauncher, programEnd, components};
    Scheduler realScheduler{controls, tasks, realContext};
};

TEST_F(RealLaunchTest, ProgramTaskStartsARealProcess) {
    const std::string out = folder.Path() + "\\started.txt";
    WriteTask({.name = "Echo", .location = "x"});
    realScheduler.RunProgramTask("Echo", SystemProgram("cmd.exe") + " /c echo started> " + out, false);
    EXPECT_TRUE(AppearsWithin(out, std::chrono::seconds(20)));
    EXPECT_FALSE(ReadTaskValue("Echo", store::kLastRan).IsEmpty());
}

TEST_F(RealLaunchTest, UnquotedPathWithBlanksStartsTheFileItNames) {
    // Both "<folder>\My.exe" and "<folder>\My Tools\tool.exe" exist; the line names the second.
    const std::string tools = folder.Path() + "\\My Tools";
    ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(SystemProgram("cmd.exe").c_str(), (tools + "\\tool.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(SystemProgram("hostname.exe").c_str(), (folder.Path() + "\\My.exe").c_str(), FALSE));
    const std::string out = folder.Path() + "\\tool.txt";
    realScheduler.RunProgramTask("Tool", tools + "\\tool.exe /c echo tool> " + out, false);
    EXPECT_TRUE(AppearsWithin(out, std::chrono::seconds(20)));
}

}  // namespace
