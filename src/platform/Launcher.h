#pragma once
// Starting other programs: a process from a command line with a window style, and the
// shell's default open action. Tests record the calls and script the outcome.
#include <windows.h>
#include <shellapi.h>
// The member below keeps its own name in every file, whichever includes the shell header.
#undef ShellExecute

#include <cstdint>
#include <string>

#include "platform/UniqueHandle.h"

// A start's outcome: the Win32 error of a failed start, or the process, kept so that
// its end can be awaited (null when the shell opened the file in a running program).
struct ProcessStart {
    DWORD error = ERROR_SUCCESS;
    UniqueKernelHandle process{};
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the command line with STARTUPINFO.wShowWindow = showCommand (SW_*).
    virtual ProcessStart StartProcess(const std::string& commandLine, int showCommand) = 0;
    // The shell's default action (no verb), without any dialog of the shell's own.
    // Returns the shell's result (above 32 is success); the started process, if any,
    // goes to *process when asked for.
    virtual intptr_t ShellExecute(HWND owner, const std::string& file,
                                  const std::string& parameters, const std::string& directory,
                                  int showCommand, UniqueKernelHandle* process = nullptr) = 0;
};

class WindowsLauncher final : public Launcher {
public:
    ProcessStart StartProcess(const std::string& commandLine, int showCommand) override;
    intptr_t ShellExecute(HWND owner, const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand,
                          UniqueKernelHandle* process = nullptr) override;
};
