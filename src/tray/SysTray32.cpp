#include "tray/SysTray32.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace {

NOTIFYICONDATAA IconData(HWND owner, const std::string& tip) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_TIP;
    size_t length = std::min(tip.size(), kTrayTipLength);
    std::memcpy(data.szTip, tip.data(), length);
    data.szTip[length] = '\0';
    return data;
}

}  // namespace

void AddTrayIcon(HWND owner, HICON icon, const std::string& tip) {
    NOTIFYICONDATAA data = IconData(owner, tip);
    data.uFlags |= NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = WM_TRAYICON;
    data.hIcon = icon;
    // A second add of an icon that is there already is refused; that is fine.
    Shell_NotifyIconA(NIM_ADD, &data);
}

void SetTrayTip(HWND owner, const std::string& tip) {
    NOTIFYICONDATAA data = IconData(owner, tip);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void RemoveTrayIcon(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}
