#include "platform/ProcessWatch.h"

namespace {

constexpr const char* kWindowClass = "VantroProcessWatch";
constexpr UINT kEndedMessage = WM_APP + 20;

}  // namespace

struct ProcessWatch::Watched {
    HWND window;
    uint32_t id;
    DWORD startTick;
    UniqueKernelHandle process;
    HANDLE wait = nullptr;
};

ProcessWatch::ProcessWatch() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);  // fails harmlessly when a watch registered it already
    window_ = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                              nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ProcessWatch::~ProcessWatch() {
    // INVALID_HANDLE_VALUE: returns once no callback runs any more, so none can post
    // to the window after it is gone.
    for (auto& [id, watched] : watched_) UnregisterWaitEx(watched->wait, INVALID_HANDLE_VALUE);
    if (window_) DestroyWindow(window_);
}

uint32_t ProcessWatch::Watch(UniqueKernelHandle process) {
    if (!process || !window_) return 0;
    auto watched = std::make_unique<Watched>(Watched{window_, ++lastId_, GetTickCount(), std::move(process)});
    if (!RegisterWaitForSingleObject(&watched->wait, watched->process.get(), Signalled, watched.get(), INFINITE,
                                     WT_EXECUTEONLYONCE))
        return 0;
    return watched_.emplace(lastId_, std::move(watched)).first->first;
}

DWORD ProcessWatch::RunningMs(uint32_t id) const {
    auto found = watched_.find(id);
    return found == watched_.end() ? 0 : GetTickCount() - found->second->startTick;
}

// On a thread of the pool: only posts.
void CALLBACK ProcessWatch::Signalled(void* context, BOOLEAN) {
    auto* watched = static_cast<Watched*>(context);
    PostMessageA(watched->window, kEndedMessage, watched->id, static_cast<LPARAM>(GetTickCount()));
}

LRESULT CALLBACK ProcessWatch::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ProcessWatch*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != kEndedMessage || !self) return DefWindowProcA(window, message, wParam, lParam);
    self->OnEnded(static_cast<uint32_t>(wParam), static_cast<DWORD>(lParam));
    return 0;
}

void ProcessWatch::OnEnded(uint32_t id, DWORD endTick) {
    auto found = watched_.find(id);
    if (found == watched_.end()) return;
    std::unique_ptr<Watched> watched = std::move(found->second);
    watched_.erase(found);
    UnregisterWaitEx(watched->wait, INVALID_HANDLE_VALUE);
    DWORD exitCode = 0;
    GetExitCodeProcess(watched->process.get(), &exitCode);
    if (Ended) Ended({id, exitCode, endTick - watched->startTick});
}
