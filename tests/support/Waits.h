#pragma once
// Waiting in tests: for a condition while time passes, or while this thread's messages
// are dispatched, and for a window to come up.
#include <windows.h>

#include <functional>
#include <string>

// Polls until done() holds or ms have passed; false on the timeout.
inline bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
    for (DWORD until = GetTickCount() + ms; !done(); Sleep(100))
        if (static_cast<LONG>(until - GetTickCount()) <= 0) return false;
    return true;
}

// Dispatches this thread's messages until done() holds or ms have passed; done() at the end.
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    for (ULONGLONG end = GetTickCount64() + ms; !done() && GetTickCount64() < end; Sleep(5)) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    return done();
}

inline void Pump(DWORD ms) { PumpUntil([] { return false; }, ms); }

// A visible top-level window of the given class ("#32770" for a message box) and
// caption, waited for up to ms.
inline HWND WaitForWindow(const char* className, const std::string& caption, DWORD ms) {
    HWND found = nullptr;
    auto shown = [&] { return (found = FindWindowA(className, caption.c_str())) && IsWindowVisible(found); };
    return WaitUntil(shown, ms) ? found : nullptr;
}
