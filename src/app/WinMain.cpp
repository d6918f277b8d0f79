// Vantro: the program starts as its main window.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "mainwindow/frmMain.h"
#include "platform/AppContext.h"
#include "remote/OwnComponents.h"
#include "ui/MessageLoop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES |
                                                       ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Components are created by ProgID; COM lives as long as the program.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    Application app = Application::FromRunningProgram();
    SystemClock clock;
    WindowsPrompts prompts;
    WindowsLauncher launcher;
    ProcessEnd programEnd;
    ComComponents components{OwnComponents()};
    AppContext context{app, clock, prompts, launcher, programEnd, components};

    frmMain main(context);
    if (!main.Load()) return 0;
    main.Show();

    return ui::RunMessageLoop();
}
