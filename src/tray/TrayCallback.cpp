#include "tray/TrayCallback.h"

void TrayCallback::OnMouseMessage(UINT mouseMessage) {
    trayMessage_ = mouseMessage;
    if (busy_) return;
    busy_ = true;
    // Cleared however the handler leaves.
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{busy_};
    if (mouseMessage == WM_LBUTTONDBLCLK) {
        if (Restore) Restore();
    } else if (mouseMessage == WM_RBUTTONUP) {
        if (OpenPopup) OpenPopup();
    }
}
