#pragma once
#include <windows.h>

struct AppContext;
namespace ui {
class MenuItem;
}

// The notice shown on every orderly exit: it takes the tray icon of mainWindow away,
// reminds the user of TASK.EXE, offers to start with Windows (following the menu's
// check mark at first) and to stop showing itself. Only its OK closes it, and that
// ends the program; switched off ("Show Close Windows" = "F"), it ends the program
// without being shown.
void ShowCloseMessage(AppContext& context, HWND mainWindow, const ui::MenuItem& mnuRunOnStart);
