#pragma once
// The one notification-area icon of the main window.
#include <windows.h>

#include <string>

// The icon's mouse events come back to the owner window as this message, with the
// mouse message (WM_LBUTTONDBLCLK, WM_RBUTTONUP, ...) in the low word of lParam.
inline constexpr UINT WM_TRAYICON = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;
// The main window's class: task.exe finds a running Vantro by it.
inline constexpr const char* kMainWindowClass = "VantroMain";
// The tip holds at most this many characters and always its terminating NUL.
inline constexpr size_t kTrayTipLength = 63;

// The tip is cut to kTrayTipLength characters.
void AddTrayIcon(HWND owner, HICON icon, const std::string& tip);
// Changes the tip of the icon that is there.
void SetTrayTip(HWND owner, const std::string& tip);
void RemoveTrayIcon(HWND owner);

// Registered message that Explorer broadcasts when the taskbar is created again
// (after Explorer restarts): the icon must be added again then.
UINT TaskbarCreatedMessage();
