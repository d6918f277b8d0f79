#include "about/SysInfo.h"

#include "platform/AppContext.h"
#include "platform/IsFile.h"
#include "platform/UniqueHandle.h"
#include "store/StoreLayout.h"

namespace {

constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

// The tool's full file name from the registry; empty when it is not registered.
std::string SysInfoProgram() {
    std::string path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, store::kMsInfoKey, "PATH", path)) return path;
    std::string folder;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, store::kSharedToolsLocationKey, "MSINFO", folder)) {
        std::string program = folder + "\\MSINFO32.EXE";
        if (IsFile(program)) return program;
    }
    return {};
}

}  // namespace

bool GetKeyValue(HKEY root, const std::string& keyName, const std::string& valueName, std::string& value) {
    value.clear();
    UniqueHKey key;
    // Reading is all it needs; asking for more is refused to users who are no
    // administrators, and the tool would then never be found.
    if (RegOpenKeyExA(root, keyName.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
    char buffer[1024] = "";
    DWORD size = sizeof buffer;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        return false;
    if (type == REG_SZ) {
        size_t length = size;
        if (length > 0 && buffer[length - 1] == '\0') --length;
        value.assign(buffer, length);
    }
    return true;
}

void StartSysInfo(AppContext& context, HWND owner) {
    std::string program = SysInfoProgram();
    // Quoted: a path with blanks must not be taken for a shorter program name.
    if (!program.empty() && context.launcher.StartProcess("\"" + program + "\"", SW_SHOWNORMAL).error == ERROR_SUCCESS)
        return;
    context.prompts.MessageBox(owner, kUnavailable, context.app.Title(), MB_OK);
}
