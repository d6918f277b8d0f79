#pragma once
// Awaits the end of started processes without a thread of its own per process and
// without blocking the window's thread: the system's thread pool waits on the
// handles, and each end comes back as a message to a hidden window of the thread
// that made the watch, where Ended runs.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/UniqueHandle.h"

struct ProcessExit {
    uint32_t id;
    DWORD exitCode;
    DWORD runningMs;  // from Watch to the end
};

class ProcessWatch {
public:
    ProcessWatch();
    // Stops every wait; processes still running are let go, not ended.
    ~ProcessWatch();
    ProcessWatch(const ProcessWatch&) = delete;
    ProcessWatch& operator=(const ProcessWatch&) = delete;

    // Keeps the process until it ends. Returns the id its end will carry; 0 when it
    // cannot be awaited (no end will come).
    uint32_t Watch(UniqueKernelHandle process);
    size_t Running() const { return watched_.size(); }
    // The milliseconds the watched process has run so far.
    DWORD RunningMs(uint32_t id) const;

    std::function<void(const ProcessExit&)> Ended;

private:
    struct Watched;
    static void CALLBACK Signalled(void* context, BOOLEAN timedOut);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnEnded(uint32_t id, DWORD endTick);

    HWND window_ = nullptr;
    uint32_t lastId_ = 0;
    std::map<uint32_t, std::unique_ptr<Watched>> watched_;
};
