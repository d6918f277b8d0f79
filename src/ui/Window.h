#pragma once
// One window procedure for every window of the program: `this` is stored at
// WM_NCCREATE, cleared when the window goes, and no exception leaves a handler.
#include <windows.h>

#include <string>

namespace ui {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The object behind one of our windows; null for any other window.
    static Window* FromHandle(HWND hwnd);

    HWND hwnd() const { return hwnd_; }
    bool IsCreated() const { return hwnd_ != nullptr; }
    void Destroy();

protected:
    // Registers the class on first use and creates the window.
    bool CreateWindowOfClass(const char* className, const std::string& caption, DWORD style,
                             DWORD exStyle, const RECT& pixels, HWND parent, HMENU menu,
                             HICON icon = nullptr);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace ui
