#pragma once
// Sizes and positions are kept in twips (1/1440 inch) and turned into pixels through
// the screen's DPI, so layouts scale with the display.
#include <windows.h>

namespace ui {

class Screen {
public:
    static int Width();   // twips
    static int Height();  // twips
};

// dpi 0: the screen's. A window on a monitor of its own DPI passes that.
int TwipsToPixelsX(int twips, int dpi = 0);
int TwipsToPixelsY(int twips, int dpi = 0);
int PixelsToTwipsX(int pixels, int dpi = 0);
int PixelsToTwipsY(int pixels, int dpi = 0);
// The DPI a window is shown at (per monitor), or the screen's.
int WindowDpi(HWND hwnd);

// A rectangle in twips, as the control tables give it.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
RECT ToPixels(const TwipsRect& r, int dpi = 0);

}  // namespace ui
