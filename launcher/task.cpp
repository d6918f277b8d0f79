// task.exe: the short name for Vantro in the Run box. A Vantro that runs already is
// brought back from the tray, as a double click on its icon does; otherwise Vantro is
// started from the folder it recorded at its last start ("Path"), or from task.exe's
// own folder.
#include <windows.h>

#include <string>

#include "platform/UniqueHandle.h"
#include "store/StoreLayout.h"
#include "tray/SysTray32.h"

namespace {

std::string RecordedProgramFolder() {
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, store::kProgramKey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
        return {};
    char folder[MAX_PATH + 1] = "";
    DWORD size = MAX_PATH;
    DWORD type = 0;
    if (RegQueryValueExA(key.get(), store::kPath, nullptr, &type, reinterpret_cast<BYTE*>(folder), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    folder[MAX_PATH] = '\0';
    return folder;
}

std::string OwnFolder() {
    char name[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, name, MAX_PATH);
    std::string folder = name;
    return folder.substr(0, folder.find_last_of('\\'));
}

bool Start(const std::string& folder) {
    if (folder.empty()) return false;
    std::string exe = folder + (folder.back() == '\\' ? "" : "\\") + "Vantro.exe";
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return false;
    UniqueKernelHandle thread(process.hThread);
    UniqueKernelHandle child(process.hProcess);
    return true;
}

// Hands the running main window the tray icon's double click. We were just started
// by the user, so we may let it come to the front.
bool BringBackRunningVantro() {
    HWND main = FindWindowA(kMainWindowClass, nullptr);
    if (!main) return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    AllowSetForegroundWindow(processId);
    return PostMessageA(main, WM_TRAYICON, kTrayIconId, WM_LBUTTONDBLCLK) != FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (BringBackRunningVantro()) return 0;
    if (Start(RecordedProgramFolder()) || Start(OwnFolder())) return 0;
    MessageBoxA(nullptr, "Vantro could not be found. Please start it once from its own folder.",
                "Vantro", MB_OK | MB_ICONEXCLAMATION);
    return 1;
}
