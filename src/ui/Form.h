#pragma once
// A top-level window whose controls come from a table in twips; the commands of its
// menu bar run the handlers bound to the menu's items.
//
// The table row is a control's declaration. Rows that code never touches (labels,
// frames, pictures) are created and owned by the form; code binds the controls it
// reads or handles, by name, as members:
//     ui::Bound<ui::TextBox> txtName{*this, "txtName"};
// A bound name without a row, a row in a container that is no frame of the table, a
// kind that differs from its row, or a role on anything but a button, fails loudly
// (std::logic_error) when the window is created.
//
// Lifecycle: Create() makes the window hidden and runs Form_Load; Show() and
// ShowModal() create it first when needed; Unload() runs Form_Unload and destroys the
// window. Bound controls keep their state when the window goes.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/Controls.h"
#include "ui/DialogKeys.h"
#include "ui/Menu.h"
#include "ui/Window.h"

namespace ui {

// Why a form is asked to close.
enum class UnloadMode {
    ControlMenu,  // the close box or the system menu's Close
    Code,         // the program, or WM_CLOSE sent by another program
    AppWindows,   // Windows is ending the session
};

// A fixed-size dialog: a caption with a close box in a dialog frame.
inline constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
inline constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME;

class Form : public Window, public DialogKeys {
public:
    struct Options {
        const char* className;
        std::string caption;
        int widthTwips = 0;
        int heightTwips = 0;
        DWORD style = WS_OVERLAPPEDWINDOW;
        DWORD exStyle = 0;
        HICON icon = nullptr;
        // Tab, arrows, Enter and Escape move and press as in a dialog.
        bool dialogKeys = true;
        // Tab follows the rows' tab indexes across frames. Windows' own tab order is the
        // stacking order, which overlapping frames may have to break.
        bool tabByIndex = false;
    };

    Form(Options options, std::vector<ControlSpec> table, Menu* menu = nullptr);
    ~Form() override;

    // Creates the window (hidden) with its controls and menu, then runs Form_Load.
    // Does nothing when the window exists already. False when Windows refuses it.
    bool Create(HWND owner = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Outer size and position in twips.
    TwipsRect Bounds() const;
    void SetBounds(const TwipsRect& r);
    void SetSize(int widthTwips, int heightTwips);
    // The client area in twips at the window's DPI, from 0, 0.
    TwipsRect ClientTwips() const;
    // Centres the window on the work area of the monitor that `reference` is on (the
    // primary monitor when it is null).
    void CentreOnMonitorOf(HWND reference);
    // Shows it modeless, creating it first when needed.
    void Show();
    void Hide();
    bool Minimized() const;
    bool IsVisible() const;
    void Minimize();
    void Restore();

    // Creates the form when needed, centres it over its owner's monitor and shows it;
    // returns when it unloads. Meanwhile the owner takes no input and other windows'
    // timers keep firing. The owner is enabled again before the window is destroyed,
    // so activation returns to it.
    void ShowModal(HWND owner);
    // Runs Form_Unload and destroys the window (at the end of a modal show).
    void Unload();

    // The button Enter presses; the editor moves it between panels.
    void SetDefaultButton(Button& button);

    // The DPI of the monitor the window is on; twips of this form convert through it.
    int Dpi() const { return dpi_; }

    // The window's controls ordered by their rows' tab index (frames and labels too).
    std::vector<Control*> ControlsInTabOrder() const;

    // For Bound<>; a control bound twice or under a name not in the table fails at Create.
    void Bind(const std::string& name, Control& control);

protected:
    Options& FormOptions() { return options_; }
    // The form keeps the icon (for its window or its pictures) until it goes itself.
    HICON KeepIcon(HICON icon);

    // Events. QueryUnload returns true to cancel the unload.
    virtual void Form_Load() {}
    virtual bool QueryUnload(UnloadMode mode) { return false; }
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_DpiChanged() {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The message loop's questions. With tabByIndex, Tab goes to the next control by
    // tab index that is shown, enabled and a tab stop.
    bool WantsDialogKeys() const override { return options_.dialogKeys; }
    bool TabByIndex(bool backwards) override;
    void ChooseFocusedOption() override;

    struct Entry {
        const ControlSpec* spec;
        Control* control;
    };

    std::vector<Entry> CheckedEntries();
    void CreateControls(std::vector<Entry> entries);
    void GroupOptionButtons(const std::vector<Entry>& created);
    void DestroyWindowNow();
    void RequestUnload(UnloadMode mode);
    static bool IsAvailable(const Button* button);
    void PressIfAvailable(Button* button);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnDpiChanged(int dpi, const RECT& suggested);
    HBRUSH BrushFor(COLORREF color);
    LRESULT OnControlColor(HDC dc, HWND control);

    Options options_;
    std::vector<ControlSpec> table_;
    Menu* menu_;
    std::map<std::string, Control*> bound_;
    std::vector<std::unique_ptr<Control>> owned_;  // rows no code binds
    std::vector<Entry> entries_;                   // every created control, in creation order
    std::map<UINT, Control*> byId_;
    std::map<COLORREF, UniqueGdiObject> brushes_;
    UniqueGdiObject font_;
    std::vector<UniqueHIcon> icons_;
    Button* defaultButton_ = nullptr;
    Button* cancelButton_ = nullptr;
    HWND savedFocus_ = nullptr;
    bool modal_ = false;      // the modal show goes on
    bool modalLoop_ = false;  // inside the modal show's loop, until the owner is enabled
    int dpi_ = 0;
};

// A member control bound to its table row by name.
template <class C>
class Bound : public C {
public:
    template <class... Args>
    Bound(Form& form, const char* name, Args&&... args) : C(std::forward<Args>(args)...) {
        form.Bind(name, *this);
    }
    // For a control that works without any window too (the main window's boxes, which
    // the scheduler's tests use alone): bound only when there is a form.
    template <class... Args>
    Bound(Form* form, const char* name, Args&&... args) : C(std::forward<Args>(args)...) {
        if (form) form->Bind(name, *this);
    }
};

}  // namespace ui
