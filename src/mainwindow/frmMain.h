#pragma once
// The main window: start-up, the menu tree, the task grid, hiding to the tray and
// the orderly end of the program.
#include <memory>
#include <string>

#include "editor/DiskUtilities.h"
#include "editor/TaskCommands.h"
#include "mainwindow/GridView.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/TaskList.h"
#include "mainwindow/frmHistory.h"
#include "platform/AppContext.h"
#include "remote/RemoteConnection.h"
#include "scheduler/Scheduler.h"
#include "tray/TrayCallback.h"
#include "tray/frmPopup.h"
#include "ui/Form.h"

class frmMain final : public ui::Form {
public:
    explicit frmMain(AppContext& context);

    // Creates the window (hidden) and runs the load step. False when the program
    // ended during the load (the user cancelled at the second-copy prompt).
    bool Load();

    MainControls& Controls() { return c_; }
    TaskList& Tasks() { return tasks_; }
    Scheduler& Schedule() { return scheduler_; }
    TaskCommands& Editor() { return editor_; }
    // The drive list kept in memory, without its trailing blank ("C: D:").
    const std::string& DriveList() const { return driveList_; }
    const RemoteObjects& Remote() const { return remote_; }
    bool Ended() const { return ended_; }
    // True when start-up found that this user may not change even their own store.
    bool StoreReadOnly() const { return storeReadOnly_; }
    frmPopup& Popup() { return popup_; }

    void mnuExit_Click();
    void mnuClose_Click();
    void mnuRestore_Click();
    void mnuHelpHelp_Click();
    void mnuAbout_Click();
    // Options > Run Missed Tasks: switches running missed tasks late on or off for this user.
    void mnuRunMissed_Click();
    void mnuHistory_Click();
    // The history window once opened; null before.
    frmHistory* History() { return history_.get(); }
    void HideToTray();

protected:
    void Form_Load() override;
    bool QueryUnload(ui::UnloadMode mode) override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_DpiChanged() override { grid_.Refresh(); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BindMenuCommands();

    // The load step's parts, in their order.
    void StartTimers();
    bool SecondCopyGoesOn();
    void OpenStores();
    void StartSchedule();
    void CheckStoreAccess();
    void CheckLastEnd();
    void ShowInTray();
    void CheckDriveList();
    void AttachRemote();

    void FollowListSelection();
    // Windows ending the session gets no notice: a dialog would hold the log-off up.
    void OrderlyExit(bool showNotice = true);
    void EndProgram();
    void OnTrayMessage(UINT mouseMessage);
    std::string ProgramTitle() const;

    AppContext& ctx_;
    MainControls c_;
    Scheduler scheduler_;
    TaskList tasks_;
    GridView grid_;
    UtilityPaths utilities_;  // the disk utilities the editor found
    TaskCommands editor_;
    HICON icon_ = nullptr;  // kept by the form
    std::string driveList_;
    RemoteObjects remote_;
    bool ended_ = false;
    bool storeReadOnly_ = false;
    bool exiting_ = false;
    TrayCallback tray_;
    frmPopup popup_;
    std::unique_ptr<frmHistory> history_;
};
