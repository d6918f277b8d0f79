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

int Screen::Width() { return PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)); }
int Screen::Height() { return PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN)); }

int TwipsToPixelsX(int twips, int dpi) { return MulDiv(twips, dpi ? dpi : ScreenDpi(LOGPIXELSX), kTwipsPerInch); }
int TwipsToPixelsY(int twips, int dpi) { return MulDiv(twips, dpi ? dpi : ScreenDpi(LOGPIXELSY), kTwipsPerInch); }
int PixelsToTwipsX(int pixels, int dpi) { return MulDiv(pixels, kTwipsPerInch, dpi ? dpi : ScreenDpi(LOGPIXELSX)); }
int PixelsToTwipsY(int pixels, int dpi) { return MulDiv(pixels, kTwipsPerInch, dpi ? dpi : ScreenDpi(LOGPIXELSY)); }

int WindowDpi(HWND hwnd) {
    UINT dpi = hwnd ? GetDpiForWindow(hwnd) : 0;
    return dpi ? static_cast<int>(dpi) : ScreenDpi(LOGPIXELSX);
}

RECT ToPixels(const TwipsRect& r, int dpi) {
    int left = TwipsToPixelsX(r.left, dpi);
    int top = TwipsToPixelsY(r.top, dpi);
    return {left, top, left + TwipsToPixelsX(r.width, dpi), top + TwipsToPixelsY(r.height, dpi)};
}

}  // namespace ui
