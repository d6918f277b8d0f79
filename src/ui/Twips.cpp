#include "ui/Twips.h"

namespace ui {
namespace {

constexpr int kTwipsPerInch = 1440;

int ScreenDpi(int axis) {
    HDC dc = GetDC(nullptr);
    int dpi = dc ? GetDeviceCaps(dc, axis) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int Screen::TwipsPerPixelX() { return kTwipsPerInch / ScreenDpi(LOGPIXELSX); }
int Screen::TwipsPerPixelY() { return kTwipsPerInch / ScreenDpi(LOGPIXELSY); }
int Screen::Width() { return PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)); }
int Screen::Height() { return PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN)); }

int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSX), kTwipsPerInch); }
int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSY), kTwipsPerInch); }
int PixelsToTwipsX(int pixels) { return MulDiv(pixels, kTwipsPerInch, ScreenDpi(LOGPIXELSX)); }
int PixelsToTwipsY(int pixels) { return MulDiv(pixels, kTwipsPerInch, ScreenDpi(LOGPIXELSY)); }

RECT ToPixels(const TwipsRect& r) {
    int left = TwipsToPixelsX(r.left);
    int top = TwipsToPixelsY(r.top);
    return {left, top, left + TwipsToPixelsX(r.width), top + TwipsToPixelsY(r.height)};
}

}  // namespace ui
