#pragma once
// What the message loop asks of a top-level window before it hands a key to Windows'
// dialog handling. A form answers; the loop needs to know nothing more of it.

namespace ui {

class DialogKeys {
public:
    // Tab, arrows, Enter and Escape move and press as in a dialog.
    virtual bool WantsDialogKeys() const = 0;
    // Tab in a window that orders it itself: the focus moves to the next control by that
    // order. False when the window leaves Tab to Windows.
    virtual bool TabByIndex(bool backwards) = 0;
    // After an arrow key moved the focus within an option group: the focused button
    // is chosen, as in any dialog.
    virtual void ChooseFocusedOption() = 0;

protected:
    ~DialogKeys() = default;
};

}  // namespace ui
