#pragma once
// The main window's controls, timers and menu as the rest of the program sees them.
// They work without the window, so the scheduler and the task list can be tested
// alone; frmMain creates the window around them.
#include <windows.h>

#include <functional>

#include "scheduler/GridModel.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/Timer.h"

// The main menu: the menu bar, the grid's context menu and the items the tray shows.
const std::vector<ui::MenuSpec>& MainMenuTable();

struct MainControls {
    // Bound to the rows of `window`'s table when given.
    explicit MainControls(ui::Form* window = nullptr);

    GridModel grdProgram;
    ui::Bound<ui::TextBox> txtTime;
    ui::Bound<ui::TextBox> txtStatus;
    ui::Timer Timer1;  // clock and refresh tick
    ui::Timer Timer2;  // scheduler tick
    ui::Menu menu;
    // The items that code reads or changes; handlers bind through menu.On.
    ui::MenuItem& mnuEdit;
    ui::MenuItem& mnuDelete;
    ui::MenuItem& mnuUnPause;
    ui::MenuItem& mnuPause;
    ui::MenuItem& mnuRun;
    ui::MenuItem& mnuPVantro;
    ui::MenuItem& mnuRunOnStart;
    ui::MenuItem& mnuRunMissed;
    ui::MenuItem& mnuSystemTray;

    // The main window once it exists (owner of message boxes and shell calls).
    HWND window = nullptr;
    // Minimises the main window (the window hides itself into the tray then).
    std::function<void()> MinimizeWindow;
};
