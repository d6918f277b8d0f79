#pragma once
// The main window's controls, timers and menu as the rest of the program sees them.
// They work without the window, so the scheduler and the task list can be tested
// alone; frmMain creates the window around them.
#include <windows.h>

#include <functional>

#include "scheduler/GridModel.h"
#include "ui/Controls.h"
#include "ui/Menu.h"
#include "ui/Timer.h"

struct MainControls {
    MainControls();

    GridModel grdProgram;
    ui::TextBox txtTime;
    ui::TextBox txtStatus;
    ui::Timer Timer1;  // clock and refresh tick
    ui::Timer Timer2;  // scheduler tick
    ui::Menu menu;

    ui::MenuItem& mnuFile;
    ui::MenuItem& mnuNew;
    ui::MenuItem& mnuEdit;
    ui::MenuItem& mnuDelete;
    ui::MenuItem& mnuUnPause;
    ui::MenuItem& mnuPause;
    ui::MenuItem& mnuRun;
    ui::MenuItem& mnuPVantro;
    ui::MenuItem& mnuExit;
    ui::MenuItem& mnuOptions;
    ui::MenuItem& mnuRunOnStart;
    ui::MenuItem& mnuRemoteConnection;
    ui::MenuItem& mnuRunMissed;
    ui::MenuItem& mnuSystemTray;
    ui::MenuItem& mnuRestore;
    ui::MenuItem& mnuHellp;
    ui::MenuItem& mnuClose;
    ui::MenuItem& mnuHelp;
    ui::MenuItem& mnuHelpHelp;
    ui::MenuItem& mnuAbout;

    // The main window once it exists (owner of message boxes and shell calls).
    HWND window = nullptr;
    // Minimises the main window (the window hides itself into the tray then).
    std::function<void()> MinimizeWindow;
};
