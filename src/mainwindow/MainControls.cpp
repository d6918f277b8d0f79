#include "mainwindow/MainControls.h"

const std::vector<ui::MenuSpec>& MainMenuTable() {
    static const std::vector<ui::MenuSpec> table = {
        {"mnuFile", nullptr, "&File"},
        {"mnuNew", "mnuFile", "&New Task"},
        {"mnuEdit", "mnuFile", "&Edit Task"},
        {"mnuDelete", "mnuFile", "&Delete Task"},
        {"mnuLine1", "mnuFile", "-"},
        {"mnuUnPause", "mnuFile", "Un&Pause Task"},
        {"mnuPause", "mnuFile", "&Pause Task"},
        {"mnuRun", "mnuFile", "&Run Task"},
        {"mnuHistory", "mnuFile", "Launch Hi&story"},
        {"mnuLine2", "mnuFile", "-"},
        {"mnuPVantro", "mnuFile", "&Halt Vantro"},
        {"mnuLine4", "mnuFile", "-"},
        {"mnuExit", "mnuFile", "&Close Vantro"},
        {"mnuOptions", nullptr, "&Options"},
        {"mnuRunOnStart", "mnuOptions", "Run Vantro on Startup of Windows"},
        {"mnuRemoteConnection", "mnuOptions", "Remote Connection"},
        {"mnuRunMissed", "mnuOptions", "Run Missed Tasks"},
        {"mnuSystemTray", nullptr, "mnuSystemTray"},
        {"mnuRestore", "mnuSystemTray", "Restore"},
        {"mnuHellp", "mnuSystemTray", "Help"},
        {"mnuClose", "mnuSystemTray", "Close Vantro"},
        {"mnuHelp", nullptr, "Help"},
        {"mnuHelpHelp", "mnuHelp", "Help"},
        {"mnuLine3", "mnuHelp", "-"},
        {"mnuAbout", "mnuHelp", "About"},
    };
    return table;
}

MainControls::MainControls(ui::Form* window)
    : txtTime(window, "txtTime"),
      txtStatus(window, "txtStatus"),
      Timer1(1000, false),
      Timer2(1000, false),
      menu(MainMenuTable()),
      mnuEdit(menu.Item("mnuEdit")),
      mnuDelete(menu.Item("mnuDelete")),
      mnuUnPause(menu.Item("mnuUnPause")),
      mnuPause(menu.Item("mnuPause")),
      mnuRun(menu.Item("mnuRun")),
      mnuPVantro(menu.Item("mnuPVantro")),
      mnuRunOnStart(menu.Item("mnuRunOnStart")),
      mnuRunMissed(menu.Item("mnuRunMissed")),
      mnuSystemTray(menu.Item("mnuSystemTray")) {
    // Light grey boxes for the clock and the status line: the program writes them.
    for (ui::TextBox* box : {&txtTime, &txtStatus}) {
        box->SetBackColor(RGB(0xC0, 0xC0, 0xC0));
        box->SetLocked(true);
    }
}
