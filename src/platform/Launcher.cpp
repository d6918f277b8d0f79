#include "platform/Launcher.h"

#include <vector>

#include "platform/UniqueHandle.h"

ProcessStart WindowsLauncher::StartProcess(const std::string& commandLine, int showCommand) {
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
        return {GetLastError()};
    UniqueKernelHandle thread(started.hThread);
    return {ERROR_SUCCESS, UniqueKernelHandle(started.hProcess)};
}

intptr_t WindowsLauncher::ShellExecute(HWND owner, const std::string& file, const std::string& parameters,
                                       const std::string& directory, int showCommand,
                                       UniqueKernelHandle* process) {
    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof request;
    // No dialog of the shell's own ("not found", "Open with"): it would hold up the
    // caller, the scheduler tick among them. A failure shows in the result alone.
    request.fMask = SEE_MASK_FLAG_NO_UI | (process ? SEE_MASK_NOCLOSEPROCESS : 0);
    request.hwnd = owner;
    request.lpFile = file.c_str();
    request.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    request.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    request.nShow = showCommand;
    if (!ShellExecuteExA(&request) && reinterpret_cast<intptr_t>(request.hInstApp) > 32)
        return SE_ERR_NOASSOC;  // failed without saying how
    if (process) process->reset(request.hProcess);
    return reinterpret_cast<intptr_t>(request.hInstApp);
}
