#pragma once
// Resource ids shared by the .rc file and the code.
#define IDI_VANTRO 1

#ifndef RC_INVOKED
#include <windows.h>
// The wrench icon at the given square size in pixels, scaled by the system if needed.
HICON LoadAppIcon(HINSTANCE instance, int size);
#endif
