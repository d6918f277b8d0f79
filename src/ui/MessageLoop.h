#pragma once
// The program's message loops: the main one and the modal forms' nested ones give
// the forms their dialog keys (Tab, arrows, Enter, Escape) the same way.
#include <windows.h>

namespace ui {

// Translates and dispatches one message, handing keys to the form they are meant for.
void DispatchWithDialogKeys(MSG& msg);
// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace ui
