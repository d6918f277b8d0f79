#include <functional>
#include <memory>

#include <windows.h>
#include <commctrl.h>

#include "editor/frmNew.h"
#include "integration/RunEntry.h"
#include "mainwindow/DriveProbe.h"
#include "mainwindow/frmMain.h"
#include "support/VantroTest.h"
#include "support/WhenShown.h"

namespace {

const std::string kTitle = "Vantro 1.6";

class StartupTest : public VantroTest {
protected:

    // One start of the program; the previous window object goes as a killed process
    // would, writing nothing.
    frmMain& Start() {
        window.reset();
        window = std::make_unique<frmMain>(context);
        window->Load();
        return *window;
    }
    void Command(const ui::MenuItem& item) { SendMessageA(window->hwnd(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0); }
    RegValue Setting(const char* name) const { return ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, name); }
    // The drive box is the start's one plain box under the program's title.
    int DriveBoxes() const {
        int count = 0;
        for (const auto& box : prompts.MessageBoxes())
            count += box.style == static_cast<UINT>(MB_OK) && box.title == kTitle;
        return count;
    }

    std::unique_ptr<frmMain> window;
    // Every orderly exit shows the close notice: answer it as a user would.
    WhenShown notices{"VantroCloseMessage", [](HWND notice) { Click(notice, "OK"); }, false};
};

TEST_F(StartupTest, FirstStartCreatesTheStoreAndProbesTheDrivesOnceUnlessTheStoredListHasOneCharacter) {
    ASSERT_FALSE(KeyExists(store::kProgramKey));
    frmMain& main = Start();
    EXPECT_TRUE(KeyExists(store::kTasksKey));
    EXPECT_EQ(folder.Path(), Setting(store::kPath).AsText());
    ASSERT_EQ(1, DriveBoxes());
    // Wine always has drive C; the list is shown without its trailing blank.
    EXPECT_EQ("C: ", Setting(store::kDrives).AsText().substr(0, 3));
    EXPECT_EQ(main.DriveList() + " ", Setting(store::kDrives).AsText());

    auto restartWith = [this](const char* drives) {
        window->mnuExit_Click();
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text(drives), REG_SZ);
        return Start().DriveList();
    };
    EXPECT_EQ("C: D:", restartWith("C: D: "));
    EXPECT_EQ(1, DriveBoxes()) << "a stored list is not probed again";
    restartWith("C");
    EXPECT_EQ(2, DriveBoxes());
}

TEST_F(StartupTest, SecondCopyPromptCancelLeavesTheStoreUntouchedAndRetryStarts) {
    Application firstCopy;
    ASSERT_FALSE(firstCopy.PrevInstance());  // holds the single-instance token
    prompts.messageAnswers = {IDCANCEL, IDRETRY};
    frmMain& main = Start();
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL | MB_ICONINFORMATION), prompts.asked[0].style);
    EXPECT_TRUE(programEnd.Ended() && main.Ended());
    EXPECT_FALSE(KeyExists(store::kProgramKey));

    programEnd.ends.clear();
    Start();
    EXPECT_EQ(prompts.asked[0].text, prompts.asked.at(1).text);
    EXPECT_FALSE(programEnd.Ended());
    EXPECT_TRUE(KeyExists(store::kTasksKey));
}

TEST_F(StartupTest, FileCloseWmCloseAndSessionEndWriteRunningZeroWithTheNoticeButAtSessionEnd) {
    const std::vector<std::function<void(frmMain&)>> ways = {
        [this](frmMain& main) { Command(main.Controls().menu.Item("mnuExit")); },
        [](frmMain& main) {
            PostMessageA(main.hwnd(), WM_CLOSE, 0, 0);  // arrives while the notice is open
            SendMessageA(main.hwnd(), WM_CLOSE, 0, 0);
        },
        [this](frmMain& main) {
            EXPECT_TRUE(SendMessageA(main.hwnd(), WM_QUERYENDSESSION, 0, 0));
            SendMessageA(main.hwnd(), WM_ENDSESSION, FALSE, 0);  // cancelled: runs on
            EXPECT_FALSE(programEnd.Ended());
            EXPECT_EQ(RegValue::Integer(-1), Setting(store::kRunning));
            SendMessageA(main.hwnd(), WM_ENDSESSION, TRUE, 0);
        }};
    for (size_t way = 0; way < ways.size(); ++way) {
        SCOPED_TRACE(way);
        programEnd.ends.clear();
        int noticesBefore = notices.Times();
        frmMain& main = Start();
        main.Show();
        ways[way](main);
        EXPECT_TRUE(programEnd.Ended());
        EXPECT_FALSE(main.IsVisible());
        EXPECT_EQ(RegValue::Integer(0), Setting(store::kRunning));
        // A log-off is not held up by a dialog.
        EXPECT_EQ(way < 2 ? 1 : 0, notices.Times() - noticesBefore);
    }
}

TEST_F(StartupTest, AStartAfterAKilledRunShowsTheCrashDisplayAndKeepsTheFlag) {
    frmMain& first = Start();
    first.Show();
    SendMessageA(first.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);  // to the tray: still running
    EXPECT_FALSE(programEnd.Ended());
    CreateKey(HKEY_LOCAL_MACHINE, store::TaskKey("Backup"));
    // The display runs its own loop during the start: look for it from a timer.
    int rowsUnderDisplay = 0;
    WhenShown display("VantroFixRegistry", [&](HWND) { rowsUnderDisplay = window->Controls().grdProgram.Rows(); });
    Start();  // the first was killed: "Running" is still -1
    EXPECT_EQ(1, display.Times()) << "the crash display appeared";
    EXPECT_EQ(2, rowsUnderDisplay) << "over the task list it holds up nothing of";
    EXPECT_EQ(nullptr, FindWindowA("VantroFixRegistry", nullptr)) << "and closed itself";
    EXPECT_EQ(RegValue::Integer(-1), Setting(store::kRunning));
    EXPECT_EQ(std::vector<std::string>{"Backup"}, ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey));
}

TEST_F(StartupTest, TheRunEntryTicksTheMenuAndTheMenuSwitchesIt) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kRunKey);
    auto entry = [] { return ReadKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry); };
    const ui::MenuItem& item = Start().Controls().mnuRunOnStart;
    Command(item);
    EXPECT_TRUE(item.Checked());
    EXPECT_EQ(folder.Path() + "\\Vantro.exe", entry().AsText());
    Command(item);
    EXPECT_FALSE(item.Checked());
    EXPECT_EQ("", entry().AsText());

    // Installed under a folder with a blank: written quoted, and an unquoted entry of
    // ours (as older versions wrote it) is recognised and quoted at the next start. The
    // exit notice brings the entry in line with the unticked menu, so it is written after.
    window->mnuExit_Click();
    app.SetPath("C:\\Program Files\\Vantro");
    EXPECT_FALSE(IsOurRunEntry("C:\\Program Files\\Other\\Vantro.exe", app));
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry,
                  RegValue::Text("c:\\program files\\vantro\\VANTRO.EXE"), REG_SZ);
    EXPECT_TRUE(Start().Controls().mnuRunOnStart.Checked());
    EXPECT_EQ("\"C:\\Program Files\\Vantro\\Vantro.exe\"", entry().AsText());
}

TEST_F(StartupTest, AMachineStoreThisUserMayOnlyReadRaisesNoBoxAndTheScheduleRunsDuringStartUpBoxes) {
    AddTask({"Backup", "C:\\tools\\backup.exe", "12/04/1998", "07:05 PM", "Sat,Fri,Thu,Wed,Tue,Mon,Sun"});
    CreateKey(HKEY_LOCAL_MACHINE, store::kRunKey);
    ReadOnlyKeys readOnly({store::kProgramKey, store::kTasksKey, store::TaskKey("Backup"), store::kRunKey});
    // The drive list is still to be probed: its box is the one start-up box here, and
    // while it stands the task is listed and its minute launches it.
    std::string whileBox;
    prompts.whileOpen = [&] {
        if (!window || whileBox.size()) return;
        window->Schedule().Timer2_Timer();
        whileBox = std::to_string(window->Controls().grdProgram.Rows()) + " rows, " +
                   std::to_string(launcher.launches.size()) + " launched";
    };

    frmMain& main = Start();
    EXPECT_EQ(1, DriveBoxes());
    for (const auto& box : prompts.MessageBoxes())
        EXPECT_EQ(std::string::npos, box.text.find("Halvern\\Vantro")) << "a notice about the store";
    EXPECT_EQ("2 rows, 1 launched", whileBox);
    EXPECT_EQ(folder.Path(), ReadKeyValue(HKEY_CURRENT_USER, store::kProgramKey, store::kPath).AsText());
    ASSERT_FALSE(ReadKeyValue(HKEY_CURRENT_USER, store::kProgramKey, store::kDrives).IsEmpty());
    EXPECT_TRUE(Setting(store::kDrives).IsEmpty());

    // Start with Windows goes to this user's own Run key, and the mark follows it.
    Command(main.Controls().mnuRunOnStart);
    EXPECT_TRUE(main.Controls().mnuRunOnStart.Checked());
    EXPECT_EQ(RunEntryData(app), ReadKeyValue(HKEY_CURRENT_USER, store::kRunKey, store::kRunEntry).AsText());
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry).IsEmpty());
    window->mnuExit_Click();
    EXPECT_TRUE(Start().Controls().mnuRunOnStart.Checked());
}

}  // namespace

TEST_F(StartupTest, ARowChosenByKeyOrClickOffersItsCommandsAndAClickOnEmptySpaceNone) {
    AddTask({.name = "Backup", .location = "C:\\backup.exe", .days = "Mon"});
    AddTask({.name = "Resting", .location = "C:\\rest.exe", .days = "Mon", .paused = true});
    const std::string lastRan = "On 12/4/98 at 7:05:23 PM";
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::TaskKey("Resting"), store::kLastRan, RegValue::Text(lastRan), REG_SZ);
    frmMain& main = Start();
    main.Show();
    HWND list = GetWindow(main.hwnd(), GW_CHILD);
    MainControls& c = main.Controls();
    EXPECT_FALSE(c.mnuEdit.Enabled() || c.mnuDelete.Enabled() || c.mnuRun.Enabled()) << "nothing is chosen at the start";
    ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(2, c.grdProgram.Row());
    EXPECT_TRUE(c.mnuUnPause.Visible() && !c.mnuPause.Visible());
    EXPECT_NE(std::string::npos, c.txtStatus.Text().find(lastRan));
    auto click = [&](POINT at) {
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    };
    RECT item{}, client{};
    ListView_GetItemRect(list, 0, &item, LVIR_LABEL);
    GetClientRect(list, &client);
    click({item.left + 2, (item.top + item.bottom) / 2});
    ASSERT_EQ(1, c.grdProgram.Row());
    EXPECT_TRUE(c.mnuEdit.Enabled() && c.mnuDelete.Enabled() && c.mnuRun.Enabled() && c.mnuPause.Visible());
    // Enter edits the task.
    std::string edited;
    ui::Timer closer(50, true);
    closer.OnTimer = [&] {
        closer.SetEnabled(false);
        if (frmNew* editor = main.Editor().Editor()) {
            edited = editor->txtProgramName.Text();
            editor->Unload();
        }
    };
    SendMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ("Backup", edited);
    // Delete asks first; Escape answers Cancel and keeps the task.
    click({item.left + 2, (item.top + item.bottom) / 2});  // the rebuild after the editor chose nothing
    size_t asked = prompts.asked.size();
    prompts.messageAnswers = {IDCANCEL};
    SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(asked + 1, prompts.asked.size());
    EXPECT_TRUE(TaskExists("Backup"));

    c.txtStatus.SetText("Vantro");
    click({item.left + 2, client.bottom - 2});  // below the last row
    EXPECT_EQ(0, c.grdProgram.Row());
    EXPECT_EQ("Vantro", c.txtStatus.Text()) << "no task, no last run";
    EXPECT_FALSE(c.mnuEdit.Enabled() || c.mnuDelete.Enabled() || c.mnuRun.Enabled() || c.mnuPause.Visible());
    main.Schedule().mnuRun_Click();
    EXPECT_TRUE(launcher.launches.empty()) << "Run Task acted on a row no longer chosen";
}

TEST(DriveProbe, ADriveThatCannotBeReadIsSkippedAndTheLaterOnesStillProbed) {
    // E is a CD drive without a disc; D does not exist.
    EXPECT_EQ("C: F: G: ", ProbeDrives([](char letter) { return letter != 'D' && letter != 'E'; }));
    EXPECT_EQ("", InMemoryDriveList(ProbeDrives([](char) { return false; })));
}
