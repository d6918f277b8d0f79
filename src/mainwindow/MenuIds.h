#pragma once
#include <windows.h>

// Command ids of the main window's menu items.
namespace menu_ids {
inline constexpr UINT kNew = 101;
inline constexpr UINT kEdit = 102;
inline constexpr UINT kDelete = 103;
inline constexpr UINT kUnPause = 104;
inline constexpr UINT kPause = 105;
inline constexpr UINT kRun = 106;
inline constexpr UINT kPVantro = 107;
inline constexpr UINT kExit = 108;
inline constexpr UINT kRunOnStart = 109;
inline constexpr UINT kRemoteConnection = 110;
inline constexpr UINT kRestore = 111;
inline constexpr UINT kHellp = 112;
inline constexpr UINT kClose = 113;
inline constexpr UINT kHelpHelp = 114;
inline constexpr UINT kAbout = 115;
inline constexpr UINT kRunMissed = 116;
inline constexpr UINT kHistory = 117;
}  // namespace menu_ids
