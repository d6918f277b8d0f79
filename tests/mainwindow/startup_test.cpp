#include <gtest/gtest.h>

#include "mainwindow/frmMain.h"
#include "store/RegistrySets.h"
#include "store/StoreLayout.h"
#include "support/MainWindowFixture.h"

namespace {

const std::string kDriveBox = "Please remove all CD's or Floppy diskettes.  Then click OK!";
const std::string kSecondCopy =
    "Vantro is already running.  Please look in the bottom right hand corner to see what looks "
    "like a wrench.  If this is not the case then click retry to override.";

bool KeyExists(const char* path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

TEST_F(MainWindowTest, FirstStartCreatesTheStoreAndProbesTheDrivesOnce) {
    ASSERT_FALSE(KeyExists(store::kProgramKey));
    frmMain& main = Start();
    EXPECT_TRUE(KeyExists(store::kTasksKey));
    EXPECT_EQ(folder.Path(), ReadProgramValue(store::kPath));
    EXPECT_EQ(RegValue::Integer(-1), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));

    ASSERT_EQ(1, MessageBoxesWithText(kDriveBox));
    auto box = prompts.MessageBoxes().front();
    EXPECT_EQ("Vantro 1.5", box.title);
    EXPECT_EQ(static_cast<UINT>(MB_OK), box.style);
    // Wine always has drive C.
    std::string drives = ReadProgramValue(store::kDrives);
    EXPECT_EQ("C: ", drives.substr(0, 3));
    EXPECT_EQ(' ', drives.back());
    EXPECT_EQ(drives.substr(0, drives.size() - 1), main.DriveList());

    EXPECT_EQ("Vantro 1.5", main.Caption());
    EXPECT_FALSE(main.Controls().mnuSystemTray.Visible());
    EXPECT_FALSE(programEnd.Ended());

    // An orderly exit, then the next start: no second drive box.
    main.mnuExit_Click();
    Kill();
    Start();
    EXPECT_EQ(1, MessageBoxesWithText(kDriveBox));
}

TEST_F(MainWindowTest, AOneCharacterDriveListIsProbedAgain) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kProgramKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C"), REG_SZ);
    Start();
    EXPECT_EQ(1, MessageBoxesWithText(kDriveBox));
    EXPECT_GE(ReadProgramValue(store::kDrives).size(), 3u);
}

TEST_F(MainWindowTest, AStoredDriveListIsKeptWithoutItsTrailingBlank) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kProgramKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: D: "), REG_SZ);
    frmMain& main = Start();
    EXPECT_EQ(0, MessageBoxesWithText(kDriveBox));
    EXPECT_EQ("C: D:", main.DriveList());
}

TEST_F(MainWindowTest, CancelAtTheSecondCopyPromptLeavesTheStoreUntouched) {
    Application firstCopy;
    ASSERT_FALSE(firstCopy.PrevInstance());  // holds the single-instance token
    prompts.messageAnswers.push_back(IDCANCEL);
    frmMain& main = Start();
    ASSERT_FALSE(prompts.asked.empty());
    const auto& box = prompts.asked.front();
    EXPECT_EQ(kSecondCopy, box.text);
    EXPECT_EQ("Vantro 1.5", box.title);
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL | MB_ICONINFORMATION), box.style);
    EXPECT_TRUE(programEnd.Ended());
    EXPECT_TRUE(main.Ended());
    EXPECT_FALSE(KeyExists(store::kProgramKey));
    EXPECT_EQ(1u, prompts.asked.size());
}

TEST_F(MainWindowTest, RetryAtTheSecondCopyPromptStartsBesideTheFirst) {
    Application firstCopy;
    ASSERT_FALSE(firstCopy.PrevInstance());
    prompts.messageAnswers.push_back(IDRETRY);
    Start();
    EXPECT_FALSE(programEnd.Ended());
    EXPECT_TRUE(KeyExists(store::kTasksKey));
}

TEST_F(MainWindowTest, CloseVantroFromTheFileMenuWritesRunningZeroAndEnds) {
    frmMain& main = Start();
    main.Show();
    SendMessageA(main.hwnd(), WM_COMMAND, MAKEWPARAM(main.Controls().mnuExit.Id(), 0), 0);
    EXPECT_EQ(RegValue::Integer(0), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));
    EXPECT_TRUE(programEnd.Ended());
    EXPECT_FALSE(main.IsVisible());
}

TEST_F(MainWindowTest, TheCloseBoxOnlyHidesTheWindow) {
    frmMain& main = Start();
    main.Show();
    SendMessageA(main.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(programEnd.Ended());
    EXPECT_TRUE(main.IsCreated());
    EXPECT_FALSE(main.IsVisible());
    EXPECT_EQ(RegValue::Integer(-1), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));
    // Back from the tray, the program still runs.
    main.mnuRestore_Click();
    EXPECT_TRUE(main.IsVisible());
}

TEST_F(MainWindowTest, CloseSentByAnotherProgramTakesTheOrderlyPath) {
    frmMain& main = Start();
    SendMessageA(main.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(programEnd.Ended());
    EXPECT_EQ(RegValue::Integer(0), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));
}

TEST_F(MainWindowTest, WindowsEndingTheSessionWritesRunningZero) {
    frmMain& main = Start();
    EXPECT_TRUE(SendMessageA(main.hwnd(), WM_QUERYENDSESSION, 0, 0));
    EXPECT_FALSE(programEnd.Ended());
    SendMessageA(main.hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(programEnd.Ended());
    EXPECT_EQ(RegValue::Integer(0), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));
}

TEST_F(MainWindowTest, ASessionEndThatIsCancelledKeepsTheProgramRunning) {
    frmMain& main = Start();
    SendMessageA(main.hwnd(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(programEnd.Ended());
    EXPECT_EQ(RegValue::Integer(-1), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));
}

TEST_F(MainWindowTest, AStartAfterAKilledRunShowsTheCrashDisplayAndKeepsTheFlag) {
    Start();
    Kill();  // no orderly exit: "Running" stays -1
    CreateKey(HKEY_LOCAL_MACHINE, (std::string(store::kTasksKey) + "\\Backup").c_str());
    DWORD started = GetTickCount();
    Start();
    // The display sweeps its bar once per task before the start goes on.
    EXPECT_GT(GetTickCount() - started, 200u);
    EXPECT_EQ(RegValue::Integer(-1), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));
    EXPECT_EQ(std::vector<std::string>{"Backup"}, ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey));
}

TEST_F(MainWindowTest, TheRunEntryTicksTheMenuAndTheMenuSwitchesIt) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kRunKey);
    frmMain& main = Start();
    EXPECT_FALSE(main.Controls().mnuRunOnStart.Checked());
    SendMessageA(main.hwnd(), WM_COMMAND, MAKEWPARAM(main.Controls().mnuRunOnStart.Id(), 0), 0);
    EXPECT_TRUE(main.Controls().mnuRunOnStart.Checked());
    EXPECT_EQ(folder.Path() + "\\Vantro.exe",
              ReadKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry).AsText());
    SendMessageA(main.hwnd(), WM_COMMAND, MAKEWPARAM(main.Controls().mnuRunOnStart.Id(), 0), 0);
    RegValue off = ReadKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry);
    EXPECT_EQ(RegValue::Kind::Text, off.kind());
    EXPECT_EQ("", off.AsText());

    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry, RegValue::Text("x"), REG_SZ);
    main.mnuExit_Click();
    Kill();
    EXPECT_TRUE(Start().Controls().mnuRunOnStart.Checked());
}
