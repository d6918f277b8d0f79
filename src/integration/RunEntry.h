#pragma once
// Starting with Windows (the program's value in the machine's Run key) and the copy
// of the companion launcher into the Windows directory.
#include <string>

#include "ui/Menu.h"

class Application;

// The Run entry's data when Vantro is to start with Windows.
std::string RunEntryData(const Application& app);
// Ticks the menu item when the Run entry holds anything.
void ReflectRunEntry(ui::MenuItem& mnuRunOnStart);
// Options > Run Vantro on Startup of Windows: switches the entry on or off.
void mnuRunOnStart_Click(ui::MenuItem& mnuRunOnStart, const Application& app);

// Copies "task.exe" from the program folder into the Windows directory unless one is
// there already; an existing launcher is never overwritten.
void InstallLauncher(const Application& app);
std::string QueryWindowsDir();
std::string StripNulls(const std::string& text);
void EnsureTrailingBackslash(std::string& text);
