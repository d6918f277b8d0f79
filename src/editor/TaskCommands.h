#pragma once
// File > New Task, Edit Task and Delete Task: fill the editor, show it modally and
// rebuild the task list when it closes; delete the chosen task after asking.
#include <windows.h>

#include <functional>
#include <string>

#include "editor/DiskUtilities.h"
#include "platform/AppContext.h"
#include "scheduler/GridModel.h"
#include "store/Stores.h"

class frmNew;

// What the commands see of the main window.
struct EditorHost {
    GridModel& grid;  // the chosen task is its current row
    UtilityPaths& utilities;
    const std::string& driveList;
    const HWND& window;  // owner of the editor and the boxes
    std::function<void()> LoadTaskGrid;
    std::function<void(store::Store store, const std::string& name)> DeleteTask;
};

class TaskCommands {
public:
    TaskCommands(EditorHost host, AppContext& context) : host_(std::move(host)), ctx_(context) {}

    void mnuNew_Click();
    // Nothing while no task row is chosen.
    void mnuEdit_Click();
    void mnuDelete_Click();

    // The editor while it is shown, else null.
    frmNew* Editor() const { return editor_; }
    // The message task Edit opened last; a new message is offered its name.

    // Where the editor looks for files (utilities, message editors); tests replace it.
    FileTest fileExists = IsFile;

private:
    bool EditorAlreadyOpen() const;
    void ShowEditor(frmNew& form);
    std::string ChosenTaskName() const;  // empty while no task row is chosen

    EditorHost host_;
    AppContext& ctx_;
    std::string strMessageName_;
    frmNew* editor_ = nullptr;
};
