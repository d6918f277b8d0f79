#include "platform/Application.h"

#include <shlobj.h>

#include <vector>

namespace {

constexpr const char* kInstanceMutexName = "Local\\Vantro.SingleInstance";

std::string ModuleFileName() {
    std::string name(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);  // truncated: try a larger buffer
    }
}

// The file version of the executable as major, minor and revision (its fourth part).
bool ReadFileVersion(const std::string& exe, int& major, int& minor, int& revision) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    if (size == 0) return false;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(exe.c_str(), 0, size, block.data())) return false;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &infoSize) || !info ||
        infoSize < sizeof *info)
        return false;
    major = HIWORD(info->dwFileVersionMS);
    minor = LOWORD(info->dwFileVersionMS);
    revision = LOWORD(info->dwFileVersionLS);
    return true;
}

}  // namespace

Application Application::FromRunningProgram() {
    Application app;
    app.instance_ = GetModuleHandleA(nullptr);
    std::string exe = ModuleFileName();
    app.path_ = FolderOf(exe);
    char localData[MAX_PATH] = "";
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, localData)))
        app.dataFolder_ = std::string(localData) + "\\Vantro";
    int major = 0, minor = 0, revision = 0;
    if (ReadFileVersion(exe, major, minor, revision)) app.SetVersion(major, minor, revision);
    return app;
}

void Application::SetVersion(int major, int minor, int revision) {
    major_ = major;
    minor_ = minor;
    revision_ = revision;
}

std::string Application::FileInFolder(const std::string& name) const {
    bool hasSlash = !path_.empty() && (path_.back() == '\\' || path_.back() == '/');
    return path_ + (hasSlash ? "" : "\\") + name;
}

bool Application::PrevInstance() {
    if (!instanceMutex_) {
        HANDLE mutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
        DWORD created = GetLastError();  // tells whether another copy made it first
        instanceMutex_.reset(mutex);
        prevInstance_ = mutex && created == ERROR_ALREADY_EXISTS;
    }
    return prevInstance_;
}

std::string FolderOf(const std::string& fullName) {
    size_t slash = fullName.find_last_of("\\/");
    if (slash == std::string::npos) return {};
    // A drive root keeps its backslash: "C:\".
    if (slash == 2 && fullName[1] == ':') return fullName.substr(0, 3);
    return fullName.substr(0, slash);
}
