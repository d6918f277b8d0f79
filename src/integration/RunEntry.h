#pragma once
// Starting with Windows (the program's value in the machine's Run key, or in the user's
// where the machine's may not be changed) and the copy of the companion launcher into
// the Windows directory.
#include <windows.h>

#include <string>

#include "ui/Menu.h"

class Application;
struct AppContext;

// The Run entry's data when Vantro is to start with Windows: the full path of
// Vantro.exe, in quotes when it holds a blank (Windows would otherwise try each
// blank-separated start of it as a program of its own).
std::string RunEntryData(const Application& app);
// True when the data names this program's Vantro.exe, quoted or not.
bool IsOurRunEntry(const std::string& data, const Application& app);
// Sets the Run entry: in the machine's Run key where this Vantro may change it (the
// user's own entry goes then: one start, not two), else in the user's. Empty data says
// "off"; an entry in the machine's key that this user may not change stays, and its
// status is returned.
LONG WriteRunEntry(const std::string& data);
// Removes the entry from both keys where the user may; true when one was removed.
bool DeleteRunEntry();
// Ticks the menu item when either Run entry holds anything; an unquoted entry of ours
// is written again quoted where the user may.
void ReflectRunEntry(ui::MenuItem& mnuRunOnStart, const Application& app);
// Options > Run Vantro on Startup of Windows: switches the entry on or off. When the
// write fails the check mark stays and the user is told why.
void mnuRunOnStart_Click(ui::MenuItem& mnuRunOnStart, AppContext& ctx, HWND owner);

// Copies "task.exe" from the program folder into the Windows directory unless one is
// there already; an existing launcher is never overwritten.
void InstallLauncher(const Application& app);
std::string QueryWindowsDir();
std::string StripNulls(const std::string& text);
void EnsureTrailingBackslash(std::string& text);
