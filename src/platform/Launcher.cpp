#include "platform/Launcher.h"

#include <vector>

#include "platform/UniqueHandle.h"

DWORD WindowsLauncher::StartProcess(const std::string& commandLine, int showCommand) {
    // CreateProcessA may write into the command line.
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return GetLastError();
    UniqueKernelHandle process(started.hProcess);
    UniqueKernelHandle thread(started.hThread);
    return ERROR_SUCCESS;
}

intptr_t WindowsLauncher::ShellExecute(HWND owner, const std::string& file, const std::string& parameters,
                                       const std::string& directory, int showCommand) {
    HINSTANCE result = ShellExecuteA(owner, nullptr, file.c_str(),
                                     parameters.empty() ? nullptr : parameters.c_str(),
                                     directory.empty() ? nullptr : directory.c_str(), showCommand);
    return reinterpret_cast<intptr_t>(result);
}
