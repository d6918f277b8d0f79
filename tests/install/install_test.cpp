// What the setup leaves on a fresh machine, and what its uninstaller takes away.
// Run by run.sh around a silent install and a silent uninstall in a prefix of its own.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "platform/UniqueHandle.h"
#include "store/RegistrySets.h"
#include "store/StoreAccess.h"
#include "store/StoreLayout.h"
#include "support/ScratchRegistry.h"

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;
const std::string kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantro";
const char* const kInstalledFiles[] = {"Vantro.exe", "task.exe", "Vantro.htm", "LICENSE.txt", "Uninstall.exe"};

std::string Folder(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}
std::string InstallDir() { return Folder(CSIDL_PROGRAM_FILES) + "\\Vantro"; }
std::string Shortcut() { return Folder(CSIDL_COMMON_PROGRAMS) + "\\Vantro.lnk"; }
std::string LauncherCopy() { return Folder(CSIDL_WINDOWS) + "\\task.exe"; }
RegValue Uninstall(const char* name) { return ReadKeyValue(kRoot, kUninstallKey, name); }
RegValue RunValue() { return ReadKeyValue(kRoot, store::kRunKey, store::kRunEntry); }

// The shortcut's target and working folder, read through the shell as Explorer does.
std::pair<std::string, std::string> ShortcutTarget(const std::string& lnk) {
    std::pair<std::string, std::string> target;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        std::wstring wide(lnk.begin(), lnk.end());
        char path[MAX_PATH] = "", dir[MAX_PATH] = "";
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) && SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)) &&
            SUCCEEDED(link->GetWorkingDirectory(dir, MAX_PATH)))
            target = {path, dir};
        if (file) file->Release();
        link->Release();
    }
    CoUninitialize();
    return target;
}

// A visible top-level window of the process with this class, waited for up to 20 s.
HWND WaitForWindow(DWORD processId, const char* className) {
    struct Search {
        DWORD processId;
        const char* className;
        HWND found;
    } search{processId, className, nullptr};
    for (int i = 0; i < 200 && !search.found; ++i) {
        EnumWindows([](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            char name[64] = "";
            GetWindowThreadProcessId(hwnd, &pid);
            GetClassNameA(hwnd, name, sizeof name);
            if (pid == s->processId && IsWindowVisible(hwnd) && std::string(name) == s->className) s->found = hwnd;
            return !s->found;
        }, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(100);
    }
    return search.found;
}

}  // namespace

TEST(Installed, FilesShortcutUninstallEntryRunValueAndLauncherCopy) {
    for (const char* file : kInstalledFiles) EXPECT_TRUE(FileExists(InstallDir() + "\\" + file)) << file;
    EXPECT_EQ(std::make_pair(InstallDir() + "\\Vantro.exe", InstallDir()), ShortcutTarget(Shortcut()));

    EXPECT_EQ("Vantro", Uninstall("DisplayName").AsText());
    EXPECT_EQ("1.5.0", Uninstall("DisplayVersion").AsText());
    EXPECT_EQ("Halvern", Uninstall("Publisher").AsText());
    EXPECT_EQ("\"" + InstallDir() + "\\Uninstall.exe\"", Uninstall("UninstallString").AsText());
    // In KB: the program and its launcher alone are over 1 MB.
    EXPECT_GT(Uninstall("EstimatedSize").AsInt32().value_or(0), 1024);

    // Installed under a folder with a blank: the Run value is quoted.
    EXPECT_EQ("\"" + InstallDir() + "\\Vantro.exe\"", RunValue().AsText());
    EXPECT_EQ(ReadWholeFile(InstallDir() + "\\task.exe"), ReadWholeFile(LauncherCopy()));
}

TEST(Installed, TheStoreIsThereAndTheUsersGroupMayWriteIt) {
    EXPECT_TRUE(KeyExists(store::kTasksKey));
    EXPECT_TRUE(store::UsersMayWrite(store::kProgramKey));
    EXPECT_TRUE(store::UsersMayWrite(store::kTasksKey));
}

TEST(Installed, VantroStartedFromTheShortcutShowsItsMainWindow) {
    auto [exe, dir] = ShortcutTarget(Shortcut());
    ASSERT_FALSE(exe.empty());
    // A task list the uninstaller is to keep.
    CreateKey(kRoot, store::TaskKey("Backup"));
    WriteKeyValue(kRoot, store::TaskKey("Backup"), store::kLocation, RegValue::Text("C:\\b.exe"), REG_SZ);

    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                               &startup, &info));
    UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    // The first start asks for discs out of the drives before it shows the window.
    HWND box = WaitForWindow(info.dwProcessId, "#32770");
    ASSERT_NE(nullptr, box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_NE(nullptr, WaitForWindow(info.dwProcessId, "VantroMain"));
    EXPECT_EQ(InstallDir(), ReadKeyValue(kRoot, store::kProgramKey, store::kPath).AsText());
    // Left running: the uninstaller has to end it.
}

TEST(Uninstalled, EverythingIsGoneButTheTaskList) {
    EXPECT_EQ(nullptr, FindWindowA("VantroMain", nullptr));
    for (const char* file : kInstalledFiles) EXPECT_FALSE(FileExists(InstallDir() + "\\" + file)) << file;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(InstallDir().c_str()));
    EXPECT_FALSE(FileExists(Shortcut()));
    EXPECT_FALSE(KeyExists(kUninstallKey));
    EXPECT_TRUE(RunValue().IsEmpty());
    EXPECT_FALSE(FileExists(LauncherCopy()));

    EXPECT_EQ(std::vector<std::string>{"Backup"}, ListSubKeys(kRoot, store::kTasksKey));
    // Ended through its orderly exit, not killed; the close notice's setting is as it was.
    EXPECT_EQ(RegValue::Integer(0), ReadKeyValue(kRoot, store::kProgramKey, store::kRunning));
    EXPECT_TRUE(ReadKeyValue(kRoot, store::kProgramKey, store::kShowCloseWindows).IsEmpty());
}
