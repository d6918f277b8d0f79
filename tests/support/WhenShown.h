#pragma once
// Drives a window that runs a loop of its own (a modal form, a menu) the way a user
// would: a timer looks for a visible window of the class and hands it to `act`, once
// or every time it finds one.
#include <windows.h>

#include <functional>
#include <utility>

#include "ui/Timer.h"

class WhenShown {
public:
    WhenShown(const char* className, std::function<void(HWND)> act, bool once = true)
        : className_(className), act_(std::move(act)), once_(once) {
        timer_.OnTimer = [this] {
            HWND window = FindWindowA(className_, nullptr);
            if (!window || !IsWindowVisible(window)) return;
            ++times_;
            if (once_) timer_.SetEnabled(false);
            if (act_) act_(window);
        };
    }
    int Times() const { return times_; }

private:
    const char* className_;
    std::function<void(HWND)> act_;
    bool once_;
    int times_ = 0;
    ui::Timer timer_{10, true};
};

// Presses the button with this caption.
inline void Click(HWND window, const char* caption) {
    SendMessageA(FindWindowExA(window, nullptr, "Button", caption), BM_CLICK, 0, 0);
}
