#pragma once
// Runs the real Vantro.exe from a scratch program folder and finds its windows, for
// tests that look at the program from outside, as a user would.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/DateTime.h"
#include "platform/UniqueHandle.h"
#include "support/ScratchRegistry.h"
#include "support/Waits.h"

class VantroProcess {
public:
    // Copies Vantro.exe and task.exe into a fresh folder; the end kills what is left.
    VantroProcess();
    ~VantroProcess();

    const std::string& Folder() const { return folder_.Path(); }
    // Takes charge of the Vantro that owns this window (started by task.exe).
    void Adopt(HWND mainWindow);
    bool WaitForExit(DWORD ms);

private:
    TempFolder folder_;
    UniqueKernelHandle process_;
};

// The start of the next minute, after waiting (when needed) until enough of this minute
// is left to prepare a task due then; nothing when that would cross midnight.
std::optional<DateTime> NextMinuteWithRoom();

// Runs a command line to its end (e.g. the Windows reg tool); returns its exit code.
DWORD RunToEnd(const std::string& commandLine, DWORD ms = 30000);
// Removes the program's two stores from the real registry of this Wine prefix.
void ClearStore();
// The command id that the main window's menu item of this name sends.
UINT MainMenuCommand(const char* name);
