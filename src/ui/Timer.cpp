#include "ui/Timer.h"

#include <map>

#include "ui/StoppedException.h"

namespace ui {
namespace {

// Thread timers carry only an id: this maps it back to its Timer. One UI thread.
std::map<UINT_PTR, Timer*>& LiveTimers() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

}  // namespace

Timer::Timer(int intervalMs, bool enabled) : interval_(intervalMs) { SetEnabled(enabled); }

Timer::~Timer() { Stop(); }

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::SetInterval(int ms) {
    interval_ = ms;
    Restart();
}

void Timer::Restart() {
    Stop();
    if (!enabled_ || interval_ <= 0) return;
    id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), &Timer::TimerProc);
    if (id_) LiveTimers()[id_] = this;
}

void Timer::Stop() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    LiveTimers().erase(id_);
    id_ = 0;
}

void CALLBACK Timer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto& timers = LiveTimers();
    auto it = timers.find(id);
    if (it == timers.end()) return;
    Timer& timer = *it->second;
    if (!timer.OnTimer) return;
    try {
        timer.OnTimer();
    } catch (...) {
        ReportStoppedException("timer");
    }
}

}  // namespace ui
