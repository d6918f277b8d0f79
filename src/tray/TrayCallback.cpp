#include "tray/TrayCallback.h"

#include "platform/FlagScope.h"

void TrayCallback::OnMouseMessage(UINT mouseMessage) {
    if (busy_) return;
    FlagScope busy(busy_);
    if (mouseMessage == WM_LBUTTONDBLCLK) {
        if (Restore) Restore();
    } else if (mouseMessage == WM_RBUTTONUP) {
        if (OpenPopup) OpenPopup();
    }
}
