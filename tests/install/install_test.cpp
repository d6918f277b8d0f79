// What the setup leaves on a fresh machine, and what its uninstaller takes away.
// Run by run.sh around a silent install and a silent uninstall in a prefix of its own.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <sddl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "support/ScratchRegistry.h"
#include "support/Waits.h"

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

// Whether an access list lets Everyone, Authenticated Users or Users change anything.
bool OthersMayWrite(PSECURITY_DESCRIPTOR security, ACCESS_MASK writeRights) {
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    if (!GetSecurityDescriptorDacl(security, &present, &dacl, &defaulted) || !present || !dacl) return true;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(dacl, i, &ace) || static_cast<ACE_HEADER*>(ace)->AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        PSID sid = &allowed->SidStart;
        bool others = IsWellKnownSid(sid, WinWorldSid) || IsWellKnownSid(sid, WinAuthenticatedUserSid) ||
                      IsWellKnownSid(sid, WinBuiltinUsersSid);
        if (others && (allowed->Mask & writeRights)) return true;
    }
    return false;
}

constexpr ACCESS_MASK kKeyWrite =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
// The store's keys, with a task key that was there before the install.
const std::string kStoreKeys[] = {store::kProgramKey, store::kTasksKey, store::TaskKey("Old")};

bool OthersMayWriteKey(const std::string& path) {
    UniqueHKey key;
    if (RegOpenKeyExA(kRoot, path.c_str(), 0, READ_CONTROL, key.put()) != ERROR_SUCCESS) return true;
    DWORD size = 0;
    RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
    std::vector<BYTE> security(size ? size : 1);
    return RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security.data(), &size) != ERROR_SUCCESS ||
           OthersMayWrite(security.data(), kKeyWrite);
}

void ExpectStoreOnlyAdministratorsMayChange() {
    for (const std::string& key : kStoreKeys) EXPECT_FALSE(OthersMayWriteKey(key)) << key;
}

}  // namespace

// Before the install: the store as 1.5.0's installer left it, open to the Users group.
TEST(Before, AStoreOpenedToUsers) {
    CreateKey(kRoot, store::TaskKey("Old"));
    PSECURITY_DESCRIPTOR raw = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;CI;KRKWSD;;;BU)",
                                                                     SDDL_REVISION_1, &raw, nullptr));
    for (const std::string& path : kStoreKeys) {
        UniqueHKey key;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(kRoot, path.c_str(), 0, WRITE_DAC, key.put()));
        EXPECT_EQ(ERROR_SUCCESS, RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, raw));
        EXPECT_TRUE(OthersMayWriteKey(path)) << path;
    }
    LocalFree(raw);
}

TEST(Installed, FilesShortcutUninstallEntryRunValueLauncherCopyAndAStoreOnlyAdministratorsMayChange) {
    for (const char* file : kInstalledFiles) EXPECT_TRUE(FileExists(InstallDir() + "\\" + file)) << file;
    EXPECT_TRUE(FileExists(Shortcut()));

    EXPECT_EQ("\"" + InstallDir() + "\\Uninstall.exe\"", Uninstall("UninstallString").AsText());

    // Installed under a folder with a blank: the Run value is quoted.
    EXPECT_EQ("\"" + InstallDir() + "\\Vantro.exe\"", RunValue().AsText());
    EXPECT_EQ(ReadWholeFile(InstallDir() + "\\task.exe"), ReadWholeFile(LauncherCopy()));
    EXPECT_TRUE(KeyExists(store::kTasksKey));
    ExpectStoreOnlyAdministratorsMayChange();
}

TEST(Installed, VantroStartedFromTheShortcutShowsItsMainWindow) {
    // A task list the uninstaller is to keep.
    CreateKey(kRoot, store::TaskKey("Backup"));
    WriteKeyValue(kRoot, store::TaskKey("Backup"), store::kLocation, RegValue::Text("C:\\b.exe"), REG_SZ);

    // Opened as a user opens it from the Start menu: the shell follows the link.
    ASSERT_GT(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, nullptr, Shortcut().c_str(), nullptr, nullptr, SW_SHOWNORMAL)), 32);
    // The first start asks for discs out of the drives before it shows the window.
    HWND box = WaitForWindow("#32770", "Vantro 1.6", 20000);
    ASSERT_NE(nullptr, box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND main = WaitForWindow("VantroMain", "Vantro 1.6", 20000);
    ASSERT_NE(nullptr, main);
    WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 10000);
    EXPECT_TRUE(IsWindowVisible(main));
    // The program that runs is the installed one.
    EXPECT_EQ(InstallDir(), ReadKeyValue(kRoot, store::kProgramKey, store::kPath).AsText());
    // Started as administrator, it leaves the store's access as it found it.
    ExpectStoreOnlyAdministratorsMayChange();
    // A task list of this user's own, which the uninstaller keeps too.
    CreateKey(HKEY_CURRENT_USER, store::TaskKey("Mine"));
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

    EXPECT_EQ((std::vector<std::string>{"Backup", "Old"}), ListSubKeys(kRoot, store::kTasksKey));
    EXPECT_EQ(std::vector<std::string>{"Mine"}, ListSubKeys(HKEY_CURRENT_USER, store::kTasksKey));
    // Ended through its orderly exit, not killed; the close notice's setting is as it was.
    EXPECT_EQ(RegValue::Integer(0), ReadKeyValue(kRoot, store::kProgramKey, store::kRunning));
    EXPECT_TRUE(ReadKeyValue(kRoot, store::kProgramKey, store::kShowCloseWindows).IsEmpty());
}
