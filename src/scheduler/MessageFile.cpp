#include "scheduler/MessageFile.h"

#include <windows.h>

#include "platform/UniqueHandle.h"

std::string MessageFilePath(const std::string& folder) {
    // A drive root keeps its backslash ("C:\").
    bool hasSeparator = !folder.empty() && folder.back() == '\\';
    return folder + (hasSeparator ? "" : "\\") + "message.txt";
}

std::string MessageFileArgument(const std::string& folder) {
    std::string quoted = MessageFilePath(folder);
    quoted.insert(quoted.begin(), '"');
    quoted.push_back('"');
    return quoted;
}

ErrorInfo WriteMessageFile(const std::string& folder, const std::string& text) {
    // The user's own data folder does not exist before their first message.
    CreateDirectoryA(folder.c_str(), nullptr);
    UniqueFileHandle file(CreateFileA(MessageFilePath(folder).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return MakeError(GetLastError());
    const std::string line = text + "\r\n";
    DWORD written = 0;
    if (!WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr))
        return MakeError(GetLastError());
    if (written != line.size()) return MakeError(ERROR_WRITE_FAULT);
    return {};
}
