#include "ui/Resources.h"

HICON LoadAppIcon(HINSTANCE instance, int size) {
    if (!instance) instance = GetModuleHandleA(nullptr);
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_VANTRO), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

HBITMAP LoadPopupStrip(HINSTANCE instance) {
    if (!instance) instance = GetModuleHandleA(nullptr);
    return static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_POPUP_STRIP), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}
