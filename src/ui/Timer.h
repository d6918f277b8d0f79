#pragma once
// A timer with Enabled and Interval. It needs no window: it is a thread timer, so it
// fires in whatever message loop runs, modal loops of dialogs and message boxes
// included. Setting Interval while enabled restarts the countdown.
#include <windows.h>

#include <functional>

namespace ui {

class Timer {
public:
    explicit Timer(int intervalMs = 0, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int ms);

    std::function<void()> OnTimer;

private:
    void Restart();
    void Stop();
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

    bool enabled_ = false;
    int interval_ = 0;
    UINT_PTR id_ = 0;
};

}  // namespace ui
