#pragma once
// A top-level window whose controls come from a table in twips and whose menu
// commands are dispatched through a table of handlers, one line each.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/Controls.h"
#include "ui/Menu.h"
#include "ui/Window.h"

namespace ui {

// Why a form is asked to close.
enum class UnloadMode {
    ControlMenu,  // the close box or the system menu's Close
    Code,         // the program, or WM_CLOSE sent by another program
    AppWindows,   // Windows is ending the session
};

class Form : public Window {
public:
    struct Options {
        const char* className;
        std::string caption;
        int widthTwips = 0;
        int heightTwips = 0;
        DWORD style = WS_OVERLAPPEDWINDOW;
        DWORD exStyle = 0;
        HICON icon = nullptr;
    };

    ~Form() override;

    // Creates the window (hidden) with its controls and menu.
    bool CreateForm(const Options& options, const std::vector<ControlSpec>& controls,
                    Menu* menu = nullptr, HWND owner = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Outer size and position in twips.
    TwipsRect Bounds() const;
    void SetBounds(const TwipsRect& r);
    void SetSize(int widthTwips, int heightTwips);
    void Show();
    void Hide();
    bool Minimized() const;
    bool IsVisible() const;
    void Minimize();
    void Restore();

    // Shows the form and runs a nested message loop until it unloads. Other
    // windows' timers keep firing meanwhile; the owner takes no input.
    void ShowModal(HWND owner);
    // Ends a modal show and destroys the window.
    void Unload();

    // The DPI of the monitor the window is on; twips of this form convert through it.
    int Dpi() const { return dpi_; }

protected:
    // Controls are members of the derived form, bound to their table names.
    void Bind(const std::string& name, Control& control);
    void OnMenu(const std::string& itemName, std::function<void()> handler);

    // Events. QueryUnload returns true to cancel the unload.
    virtual bool QueryUnload(UnloadMode mode) { return false; }
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_DpiChanged() {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Menu* FormMenu() const { return menu_; }

private:
    void RequestUnload(UnloadMode mode);
    TwipsRect PlacementOf(const ControlSpec& spec) const;
    void OnDpiChanged(int dpi, const RECT& suggested);
    HBRUSH BrushFor(COLORREF color);
    LRESULT OnControlColor(HDC dc, HWND control);

    std::map<std::string, Control*> bound_;
    std::map<UINT, Control*> byId_;
    std::map<UINT, std::function<void()>> menuHandlers_;
    std::map<COLORREF, UniqueGdiObject> brushes_;
    UniqueGdiObject font_;
    Menu* menu_ = nullptr;
    bool modal_ = false;
    int dpi_ = 0;
    std::vector<ControlSpec> table_;
};

}  // namespace ui
