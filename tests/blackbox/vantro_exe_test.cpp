// Vantro.exe started as a user starts it, looked at from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "VantroProcess.h"
#include "platform/DateTimeText.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"

namespace {

const std::string kTitle = "Vantro 1.6";

class VantroExeTest : public ::testing::Test {
protected:
    VantroExeTest() { ClearStore(); }
    ~VantroExeTest() override { ClearStore(); }

    // A store that has been used before: drives known, last exit clean, the close
    // notice switched off.
    static void UsedStore() {
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning, RegValue::Boolean(false), REG_DWORD);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text("F"), REG_SZ);
    }

    VantroProcess vantro;
};

// A task due on `date` at `time` every day, or once; its command writes `out`.
void AddTask(store::Store where, const std::string& name, const std::string& out, const std::string& date,
             const std::string& time, bool once) {
    const std::string command = "C:\\windows\\system32\\cmd.exe /c echo " + name + ">" + out;
    ASSERT_TRUE(store::WriteTask(where, {name, command, date, time, once ? "" : "Sat,Fri,Thu,Wed,Tue,Mon,Sun", once}));
}

}  // namespace

// One real minute serves every task that must launch from outside: a user who is not an
// administrator (the machine store may only be read), tasks written from outside in both
// stores, and "Update" raised so the clock tick rebuilds the grid at the minute's start.
// While it comes, the Vantro that task.exe started is used as a user would.
TEST_F(VantroExeTest, StartedByTaskExeWithAReadOnlyMachineStoreItRunsBothStoresTasksAtTheirMinute) {
    UsedStore();
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kPath, RegValue::Text(vantro.Folder()), REG_SZ);
    std::optional<DateTime> next = NextMinuteWithRoom();
    if (!next) GTEST_SKIP() << "too close to midnight for a one-minute wait";
    const std::string date = datetext::DateMMDDYYYY(next->date()), time = datetext::TimeHHMMAmPm(*next);
    const std::string machineOut = vantro.Folder() + "\\machine.txt", userOut = vantro.Folder() + "\\user.txt";
    AddTask(store::Store::Machine, "Everyone", machineOut, date, time, false);
    AddTask(store::Store::User, "Mine", userOut, date, time, true);
    WriteKeyValue(HKEY_CURRENT_USER, store::kTasksKey, store::kUpdate, RegValue::Boolean(true), REG_DWORD);
    ReadOnlyKeys readOnly({store::kProgramKey, store::kTasksKey, store::TaskKey("Everyone")});

    const std::string task = "\"" + vantro.Folder() + "\\task.exe\"";
    ASSERT_EQ(0u, RunToEnd(task));
    HWND main = WaitForWindow("VantroMain", kTitle, 20000);
    ASSERT_NE(nullptr, main) << "task.exe did not start Vantro";
    vantro.Adopt(main);
    EXPECT_EQ(nullptr, WaitForWindow("#32770", kTitle, 3000)) << "a box came up at start-up";

    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);  // into the tray
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }, 5000));
    ASSERT_EQ(0u, RunToEnd(task));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }, 10000)) << "the window came back";
    EXPECT_EQ(nullptr, WaitForWindow("#32770", kTitle, 3000)) << "a second copy asks whether to go on";

    // File > New opens the task editor; what it saves is the editor test's business.
    PostMessageA(main, WM_COMMAND, MainMenuCommand("mnuNew"), 0);
    HWND editor = WaitForWindow("VantroTaskEditor", kTitle, 10000);
    ASSERT_NE(nullptr, editor);
    PostMessageA(editor, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }, 5000));

    // Its about box shows the version from the program's version resource.
    PostMessageA(main, WM_COMMAND, MainMenuCommand("mnuAbout"), 0);
    HWND about = WaitForWindow("VantroAbout", "About Vantro", 10000);
    ASSERT_NE(nullptr, about);
    EXPECT_NE(nullptr, FindWindowExA(about, nullptr, "Static", "Version 1.6.0"));
    PostMessageA(about, WM_CLOSE, 0, 0);

    // Up to the minute, then time for the tick, the launches, and the stamps and deletion after them.
    EXPECT_TRUE(WaitUntil([&] { return FileExists(machineOut) && FileExists(userOut); }, 90000)) << "both ran";
    Sleep(1500);
    EXPECT_TRUE(ListSubKeys(HKEY_CURRENT_USER, store::kTasksKey).empty()) << "the user's run-once task is gone";
    EXPECT_EQ(std::vector<std::string>{"Everyone"}, ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey));
    EXPECT_FALSE(ReadKeyValue(HKEY_CURRENT_USER, store::MachineTaskRunKey("Everyone"), store::kLastRan).IsEmpty());

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(vantro.WaitForExit(20000));
}
