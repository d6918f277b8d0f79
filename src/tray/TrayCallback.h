#pragma once
// What the main window does with a mouse message of its tray icon: a double click
// brings the window back, releasing the right button opens the tray popup; anything
// else does nothing. While one message is handled (the popup is open) the next ones
// are ignored, so a second right click cannot open a second popup.
#include <windows.h>

#include <functional>

class TrayCallback {
public:
    std::function<void()> Restore;
    // Returns when the popup has closed again.
    std::function<void()> OpenPopup;

    void OnMouseMessage(UINT mouseMessage);

private:
    bool busy_ = false;
};
