#include "ui/FrameWindow.h"

#include <string>

namespace ui {
namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font WM_SETFONT gave

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    char caption[256] = "";
    GetWindowTextA(hwnd, caption, sizeof caption);
    auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, kFontSlot));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT edge = r;
    // A caption sits on the top edge, as on a group box.
    if (caption[0]) edge.top += metrics.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (caption[0]) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        RECT text{r.left + metrics.tmAveCharWidth, r.top, r.right - metrics.tmAveCharWidth, r.top + metrics.tmHeight};
        std::string padded(1, ' ');
        padded.append(caption).push_back(' ');
        DrawTextA(dc, padded.c_str(), -1, &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (oldFont) SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return SendMessageA(GetParent(hwnd), message, wParam, lParam);
    case WM_CLOSE:
        // A multi-line edit box answers Escape by closing its parent: that is the form, not
        // the frame it sits in.
        return SendMessageA(GetParent(hwnd), WM_CLOSE, 0, 0);
    case WM_SETFONT:
        SetWindowLongPtrA(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(hwnd, kFontSlot);
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

const char* FrameClassName() { return "VantroFrame"; }

void RegisterFrameClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, FrameClassName(), &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &FrameProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = FrameClassName();
    RegisterClassExA(&wc);
}

}  // namespace ui
