#pragma once
// Resource ids shared by the .rc file and the code.
#define IDI_VANTRO 1
#define IDB_POPUP_STRIP 2

#ifndef RC_INVOKED
#include <windows.h>
// The wrench icon at the given square size in pixels, scaled by the system if needed.
HICON LoadAppIcon(HINSTANCE instance, int size);
// The tray popup's picture strip; null where the program has no resources (tests).
HBITMAP LoadPopupStrip(HINSTANCE instance);
#endif
