#include "mainwindow/MainControls.h"

#include "mainwindow/MenuIds.h"

namespace {

const std::vector<ui::MenuSpec>& MainMenuTable() {
    using namespace menu_ids;
    static const std::vector<ui::MenuSpec> table = {
        {"mnuFile", nullptr, "&File", 0},
        {"mnuNew", "mnuFile", "&New Task", kNew},
        {"mnuEdit", "mnuFile", "&Edit Task", kEdit},
        {"mnuDelete", "mnuFile", "&Delete Task", kDelete},
        {"mnuLine1", "mnuFile", "-", 0},
        {"mnuUnPause", "mnuFile", "Un&Pause Task", kUnPause},
        {"mnuPause", "mnuFile", "&Pause Task", kPause},
        {"mnuRun", "mnuFile", "&Run Task", kRun},
        {"mnuHistory", "mnuFile", "Launch Hi&story", kHistory},
        {"mnuLine2", "mnuFile", "-", 0},
        {"mnuPVantro", "mnuFile", "&Halt Vantro", kPVantro},
        {"mnuLine4", "mnuFile", "-", 0},
        {"mnuExit", "mnuFile", "&Close Vantro", kExit},
        {"mnuOptions", nullptr, "&Options", 0},
        {"mnuRunOnStart", "mnuOptions", "Run Vantro on Startup of Windows", kRunOnStart},
        {"mnuRemoteConnection", "mnuOptions", "Remote Connection", kRemoteConnection},
        {"mnuRunMissed", "mnuOptions", "Run Missed Tasks", kRunMissed},
        {"mnuSystemTray", nullptr, "mnuSystemTray", 0},
        {"mnuRestore", "mnuSystemTray", "Restore", kRestore},
        {"mnuHellp", "mnuSystemTray", "Help", kHellp},
        {"mnuClose", "mnuSystemTray", "Close Vantro", kClose},
        {"mnuHelp", nullptr, "Help", 0},
        {"mnuHelpHelp", "mnuHelp", "Help", kHelpHelp},
        {"mnuLine3", "mnuHelp", "-", 0},
        {"mnuAbout", "mnuHelp", "About", kAbout},
    };
    return table;
}

}  // namespace

MainControls::MainControls()
    : Timer1(1000, false),
      Timer2(1000, false),
      menu(MainMenuTable()),
      mnuFile(menu.Item("mnuFile")),
      mnuNew(menu.Item("mnuNew")),
      mnuEdit(menu.Item("mnuEdit")),
      mnuDelete(menu.Item("mnuDelete")),
      mnuUnPause(menu.Item("mnuUnPause")),
      mnuPause(menu.Item("mnuPause")),
      mnuRun(menu.Item("mnuRun")),
      mnuPVantro(menu.Item("mnuPVantro")),
      mnuExit(menu.Item("mnuExit")),
      mnuOptions(menu.Item("mnuOptions")),
      mnuRunOnStart(menu.Item("mnuRunOnStart")),
      mnuRemoteConnection(menu.Item("mnuRemoteConnection")),
      mnuRunMissed(menu.Item("mnuRunMissed")),
      mnuSystemTray(menu.Item("mnuSystemTray")),
      mnuRestore(menu.Item("mnuRestore")),
      mnuHellp(menu.Item("mnuHellp")),
      mnuClose(menu.Item("mnuClose")),
      mnuHelp(menu.Item("mnuHelp")),
      mnuHelpHelp(menu.Item("mnuHelpHelp")),
      mnuAbout(menu.Item("mnuAbout")) {
    // Light grey boxes for the clock and the status line: the program writes them.
    for (ui::TextBox* box : {&txtTime, &txtStatus}) {
        box->SetBackColor(RGB(0xC0, 0xC0, 0xC0));
        box->SetLocked(true);
    }
}
