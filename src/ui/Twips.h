#pragma once
// Sizes and positions are kept in twips (1/1440 inch) and turned into pixels through
// the screen's DPI, so layouts scale with the display.
#include <windows.h>

namespace ui {

class Screen {
public:
    static int TwipsPerPixelX();
    static int TwipsPerPixelY();
    static int Width();   // twips
    static int Height();  // twips
};

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

// A rectangle in twips, as the control tables give it.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
RECT ToPixels(const TwipsRect& r);

}  // namespace ui
