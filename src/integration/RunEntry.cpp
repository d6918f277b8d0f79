#include "integration/RunEntry.h"

#include <windows.h>

#include "platform/AppContext.h"
#include "platform/Application.h"
#include "platform/ErrorText.h"
#include "platform/ProgramName.h"
#include "platform/Trim.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"

namespace {

// A plain file: not a directory, not hidden, not a system file.
bool PlainFileExists(const std::string& name) {
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

}  // namespace

std::string RunEntryData(const Application& app) {
    std::string program = app.FileInFolder("Vantro.exe");
    return program.find(' ') == std::string::npos ? program : '"' + program + '"';
}

bool IsOurRunEntry(const std::string& data, const Application& app) {
    std::string path = Trimmed(data);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    return !path.empty() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, path.c_str(), -1,
                                           app.FileInFolder("Vantro.exe").c_str(), -1) == CSTR_EQUAL;
}

LONG WriteRunEntry(const std::string& data) {
    LONG status = WriteKeyValueStatus(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry, RegValue::Text(data), REG_SZ);
    if (status == ERROR_SUCCESS) {
        DeleteKeyValue(HKEY_CURRENT_USER, store::kRunKey, store::kRunEntry);
        return status;
    }
    if (data.empty() && !ReadKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry).AsText().empty())
        return status;
    UniqueHKey key;
    status = CreateRegistryKey(HKEY_CURRENT_USER, store::kRunKey, KEY_SET_VALUE, key);
    return status == ERROR_SUCCESS ? PutValue(key.get(), store::kRunEntry, REG_SZ, RegValue::Text(data)) : status;
}

bool DeleteRunEntry() {
    bool machine = DeleteKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry);
    return DeleteKeyValue(HKEY_CURRENT_USER, store::kRunKey, store::kRunEntry) || machine;
}

void ReflectRunEntry(ui::MenuItem& mnuRunOnStart, const Application& app) {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::string data = ReadKeyValue(root, store::kRunKey, store::kRunEntry).AsText();
    if (data.empty()) {
        root = HKEY_CURRENT_USER;
        data = ReadKeyValue(root, store::kRunKey, store::kRunEntry).AsText();
    }
    if (data.empty()) return;
    mnuRunOnStart.SetChecked(true);
    if (IsOurRunEntry(data, app) && data != RunEntryData(app))
        WriteKeyValue(root, store::kRunKey, store::kRunEntry, RegValue::Text(RunEntryData(app)), REG_SZ);
}

void mnuRunOnStart_Click(ui::MenuItem& mnuRunOnStart, AppContext& ctx, HWND owner) {
    bool on = !mnuRunOnStart.Checked();
    LONG status = WriteRunEntry(on ? RunEntryData(ctx.app) : std::string());
    if (status == ERROR_SUCCESS) {
        mnuRunOnStart.SetChecked(on);
        return;
    }
    ctx.prompts.MessageBox(owner,
                           std::string("Vantro could not ") + (on ? "switch on" : "switch off") +
                               " starting with Windows: " + SystemMessageText(static_cast<DWORD>(status)) +
                               " (error " + std::to_string(status) + ")\r\n\r\nAn administrator switched it on for "
                               "every user in HKEY_LOCAL_MACHINE\\" + store::kRunKey + ", which only an "
                               "administrator may change.",
                           ProgramName(ctx.app), MB_OK | MB_ICONWARNING);
}

std::string StripNulls(const std::string& text) {
    size_t nul = text.find('\0');
    return nul == std::string::npos ? text : text.substr(0, nul);
}

void EnsureTrailingBackslash(std::string& text) {
    std::string trimmed = Trimmed(text);
    if (trimmed.empty() || (trimmed.back() != '/' && trimmed.back() != '\\')) {
        size_t end = text.find_last_not_of(' ');
        text = (end == std::string::npos ? std::string() : text.substr(0, end + 1)) + "\\";
    }
}

std::string QueryWindowsDir() {
    std::string buffer(255, ' ');
    UINT length = GetWindowsDirectoryA(buffer.data(), 255);
    if (length == 0 || length > 255) return {};
    std::string dir = StripNulls(buffer.substr(0, length));
    EnsureTrailingBackslash(dir);
    return dir;
}

void InstallLauncher(const Application& app) {
    std::string windowsDir = QueryWindowsDir();
    if (Trimmed(windowsDir).empty()) return;
    std::string target = windowsDir + "task.exe";
    if (PlainFileExists(target)) return;
    std::string source = app.FileInFolder("task.exe");
    if (!PlainFileExists(source)) return;
    // A failed copy only means no short name in the Run box; start-up goes on.
    CopyFileA(source.c_str(), target.c_str(), TRUE);
}
