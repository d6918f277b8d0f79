#include "mainwindow/frmMain.h"

#include <windowsx.h>

#include <algorithm>

#include "about/HelpLinks.h"
#include "about/frmAbout.h"
#include "integration/CloseMessage.h"
#include "integration/RunEntry.h"
#include "mainwindow/DriveProbe.h"
#include "mainwindow/FixRegistry.h"
#include "platform/ProgramName.h"
#include "remote/RemoteConnection.h"
#include "remote/RemoteLink.h"
#include "remote/RemoteNews.h"
#include "store/CrashFlag.h"
#include "store/MissedRunSettings.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/Stores.h"
#include "tray/SysTray32.h"
#include "ui/Resources.h"

namespace {

constexpr int kWidthTwips = 7815;
constexpr int kHeightTwips = 2910;
constexpr const char* kDesignCaption = "Halvern's Vantro";
constexpr int kLineHeightTwips = 285;
constexpr int kClockWidthTwips = 1590;
constexpr int kGapTwips = 15;

const std::vector<ui::ControlSpec> kControls = {
    {"grdProgram", ui::ControlKind::ListView, nullptr, "", 0, 0, 7695, 1965, 0},
    {"txtStatus", ui::ControlKind::TextBox, nullptr, "", 0, 1965, 6105, 285, 1},
    {"txtTime", ui::ControlKind::TextBox, nullptr, "", 6120, 1965, 1590, 285, 2},
};

constexpr const char* kAlreadyRunning =
    "Vantro is already running.  Please look in the bottom right hand corner to see what looks "
    "like a wrench.  If this is not the case then click retry to override.";
constexpr const char* kRemoveDiscs = "Please remove all CD's or Floppy diskettes.  Then click OK!";

bool IsResume(WPARAM powerEvent) {
    return powerEvent == PBT_APMRESUMEAUTOMATIC || powerEvent == PBT_APMRESUMESUSPEND ||
           powerEvent == PBT_APMRESUMECRITICAL;
}

}  // namespace

frmMain::frmMain(AppContext& context)
    : Form({kMainWindowClass, kDesignCaption, kWidthTwips, kHeightTwips, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
            nullptr, false},
           kControls, &c_.menu),
      ctx_(context),
      c_(this),
      scheduler_(SchedulerViewOf(c_, tasks_), context),
      tasks_(TaskListViewOf(c_), scheduler_),
      grid_(c_.grdProgram, *this),
      editor_({c_.grdProgram, utilities_, driveList_, c_.window, [this] { tasks_.LoadTaskGrid(); },
               [this](store::Store store, const std::string& name) { tasks_.DeleteTask(store, name); }},
              context),
      popup_(context, {[this] { return Minimized(); }, [this] { mnuRestore_Click(); }, [this] { Minimize(); },
                       [this] { OrderlyExit(); }}) {
    c_.Timer1.OnTimer = [this] { scheduler_.Timer1_Timer(); };
    c_.Timer2.OnTimer = [this] { scheduler_.Timer2_Timer(); };
    c_.MinimizeWindow = [this] { Minimize(); };
    grid_.Control().LeftClick = [this](int) { FollowListSelection(); };
    // A row chosen with the keyboard must offer the right Pause or Un-pause too.
    grid_.RowChosen = [this] { tasks_.grdProgram_MouseDown(); };
    grid_.Control().RightClick = [this](int, POINT at) {
        FollowListSelection();
        c_.menu.PopUp("mnuFile", hwnd(), at);
    };
    grid_.Control().DoubleClick = [this](int index) {
        if (index >= 0) editor_.mnuEdit_Click();
    };
    grid_.Control().EnterPressed = [this] { editor_.mnuEdit_Click(); };
    grid_.Control().DeletePressed = [this] { editor_.mnuDelete_Click(); };
    icon_ = KeepIcon(LoadAppIcon(ctx_.app.Instance(), 32));
    FormOptions().icon = icon_;
    BindMenuCommands();
    tray_.Restore = [this] { mnuRestore_Click(); };
    tray_.OpenPopup = [this] { popup_.Open(hwnd()); };
}

std::string frmMain::ProgramTitle() const { return ProgramName(ctx_.app); }

// A click may leave no row chosen (on empty space): then no task is current, so Edit,
// Delete, Pause and Run act on nothing rather than on a row the user no longer sees.
void frmMain::FollowListSelection() {
    c_.grdProgram.SetRow(grid_.Control().SelectedIndex() + 1);
    tasks_.grdProgram_MouseDown();
}

void frmMain::BindMenuCommands() {
    c_.menu.On("mnuNew", [this] { editor_.mnuNew_Click(); });
    c_.menu.On("mnuEdit", [this] { editor_.mnuEdit_Click(); });
    c_.menu.On("mnuDelete", [this] { editor_.mnuDelete_Click(); });
    c_.menu.On("mnuRun", [this] { scheduler_.mnuRun_Click(); });
    c_.menu.On("mnuPause", [this] { scheduler_.mnuPause_Click(); });
    c_.menu.On("mnuUnPause", [this] { scheduler_.mnuUnPause_Click(); });
    c_.menu.On("mnuPVantro", [this] { scheduler_.mnuPVantro_Click(); });
    c_.menu.On("mnuExit", [this] { mnuExit_Click(); });
    c_.menu.On("mnuClose", [this] { mnuClose_Click(); });
    c_.menu.On("mnuRestore", [this] { mnuRestore_Click(); });
    c_.menu.On("mnuHelpHelp", [this] { mnuHelpHelp_Click(); });
    c_.menu.On("mnuHellp", [this] { mnuHelpHelp_Click(); });
    c_.menu.On("mnuAbout", [this] { mnuAbout_Click(); });
    c_.menu.On("mnuHistory", [this] { mnuHistory_Click(); });
    c_.menu.On("mnuRunOnStart", [this] { mnuRunOnStart_Click(c_.mnuRunOnStart, ctx_, hwnd()); });
    c_.menu.On("mnuRemoteConnection", [this] { ShowRemoteSettings(ctx_, remote_, hwnd()); });
    c_.menu.On("mnuRunMissed", [this] { mnuRunMissed_Click(); });
}

bool frmMain::Load() { return Create() && !ended_; }

void frmMain::Form_Load() {
    StartTimers();
    SetSize(kWidthTwips, kHeightTwips);
    // Command lines with a bare file name find it in the program folder.
    SetCurrentDirectoryA(ctx_.app.Path().c_str());
    if (!SecondCopyGoesOn()) {
        EndProgram();
        return;
    }
    OpenStores();
    // The schedule runs from here on: every box below is shown with the grid loaded and
    // both timers armed, so none of them holds a launch up.
    StartSchedule();
    CheckStoreAccess();
    CheckLastEnd();
    ShowInTray();
    InstallLauncher(ctx_.app);
    CheckDriveList();
    AttachRemote();
}

// Both timers run from the moment the window exists, as designed.
void frmMain::StartTimers() {
    c_.window = hwnd();
    c_.Timer1.SetInterval(1000);
    c_.Timer1.SetEnabled(true);
    c_.Timer2.SetInterval(1000);
    c_.Timer2.SetEnabled(true);
}

// False when another copy runs and the user cancels at the prompt.
bool frmMain::SecondCopyGoesOn() {
    if (!ctx_.app.PrevInstance()) return true;
    int answer =
        ctx_.prompts.MessageBox(hwnd(), kAlreadyRunning, ProgramTitle(), MB_RETRYCANCEL | MB_ICONINFORMATION);
    return answer != IDCANCEL;
}

// An administrator's first start makes the machine store; everyone has their own.
void frmMain::OpenStores() {
    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    CreateKey(HKEY_CURRENT_USER, store::kTasksKey);
    store::WriteSetting(store::kPath, RegValue::Text(ctx_.app.Path()), REG_SZ);
}

void frmMain::StartSchedule() {
    tasks_.LoadTaskGrid();
    c_.mnuRunMissed.SetChecked(store::ReadRunMissed());
    scheduler_.CatchUp();
}

// A program that did not end in order last time offers the crash display.
void frmMain::CheckLastEnd() {
    if (store::ReadRunningFlag()) {
        ShowFixRegistry(hwnd());
    } else {
        store::WriteRunningFlag(true);
    }
}

void frmMain::ShowInTray() {
    AddTrayIcon(hwnd(), icon_, Caption());
    c_.mnuSystemTray.SetVisible(false);
    ReflectRunEntry(c_.mnuRunOnStart, ctx_.app);
    SetCaption(ProgramTitle());
}

void frmMain::AttachRemote() {
    UseDialUpEngine(ctx_, remote_);
    ConnectRemote(ctx_, remote_, hwnd());
}

void frmMain::CheckStoreAccess() {
    LONG status = store::UserStoreWriteStatus();
    storeReadOnly_ = status != ERROR_SUCCESS;
    // Said once, here: the program goes on reading and launching.
    if (storeReadOnly_)
        ctx_.prompts.MessageBox(hwnd(), store::UnwritableStoreNotice(status), ProgramTitle(), MB_OK | MB_ICONWARNING);
}

void frmMain::CheckDriveList() {
    std::string stored = store::ReadSetting(store::kDrives).AsText();
    if (stored.size() < 2) {
        ctx_.prompts.MessageBox(hwnd(), kRemoveDiscs, ProgramTitle(), MB_OK);
        stored = ProbeDrives(DriveRootHasEntry);
        store::WriteSetting(store::kDrives, RegValue::Text(stored), REG_SZ);
    }
    driveList_ = InMemoryDriveList(stored);
}

void frmMain::Form_Activate() {
    if (Minimized() || IsZoomed(hwnd())) return;
    CentreOnMonitorOf(nullptr);
}

void frmMain::Form_Resize() {
    if (Minimized()) {
        HideToTray();
        return;
    }
    // The grid takes what the window gives; the clock keeps to the right-hand corner.
    ui::TwipsRect client = ClientTwips();
    int width = client.width, height = client.height;
    int boxTop = std::max(0, height - kLineHeightTwips);
    grid_.Control().Move({0, 0, width, boxTop});
    c_.txtStatus.Move({0, boxTop, std::max(0, width - kClockWidthTwips - kGapTwips), kLineHeightTwips});
    c_.txtTime.Move({std::max(0, width - kClockWidthTwips), boxTop, kClockWidthTwips, kLineHeightTwips});
    // Edit boxes moved into a newly uncovered part of the window do not always
    // repaint themselves (seen under Wine): ask for it.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void frmMain::HideToTray() {
    AddTrayIcon(hwnd(), icon_, Caption());
    Hide();
}

void frmMain::mnuRestore_Click() {
    Restore();
    Show();
}

void frmMain::mnuHelpHelp_Click() { ShowHelpContents(ctx_, hwnd()); }

void frmMain::mnuAbout_Click() {
    frmAbout about(ctx_);
    about.ShowModal(hwnd());
}

void frmMain::mnuRunMissed_Click() {
    bool on = !c_.mnuRunMissed.Checked();
    if (store::WriteRunMissed(on) == ERROR_SUCCESS) c_.mnuRunMissed.SetChecked(on);
}

// Read when asked for, never at a tick: a window already open is read afresh.
void frmMain::mnuHistory_Click() {
    if (!history_) history_ = std::make_unique<frmHistory>(scheduler_.Records().HistoryPath());
    if (history_->IsCreated()) history_->Reload();
    history_->Show();
}

bool frmMain::QueryUnload(ui::UnloadMode mode) {
    if (mode == ui::UnloadMode::ControlMenu) {
        // The close box only puts the program away into the tray.
        Minimize();
        return true;
    }
    OrderlyExit(mode != ui::UnloadMode::AppWindows);
    return true;
}

void frmMain::mnuExit_Click() { OrderlyExit(); }
void frmMain::mnuClose_Click() { OrderlyExit(); }

void frmMain::OrderlyExit(bool showNotice) {
    // A second close while the notice is open (WM_CLOSE posted twice) opens no second one.
    if (ended_ || (exiting_ && showNotice)) return;
    exiting_ = true;
    Hide();
    store::WriteRunningFlag(false);
    scheduler_.RecordUnfinished();
    // Everything held is let go here: the notice ends the program itself, so the
    // attachment is withdrawn before it.
    ReleaseRemote(remote_);
    remote_ = {};
    if (showNotice) ShowCloseMessage(ctx_, hwnd(), c_.mnuRunOnStart);
    EndProgram();
}

void frmMain::EndProgram() {
    ended_ = true;
    c_.Timer1.SetEnabled(false);
    c_.Timer2.SetEnabled(false);
    if (hwnd()) RemoveTrayIcon(hwnd());
    remote_ = {};
    ctx_.programEnd.End(0);
}

void frmMain::OnTrayMessage(UINT mouseMessage) {
    if (!exiting_) tray_.OnMouseMessage(mouseMessage);
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TRAYICON) {
        OnTrayMessage(LOWORD(lParam));
        return 0;
    }
    // A timer armed before a sleep or a clock change would fire at the wrong moment.
    if (message == WM_TIMECHANGE || (message == WM_POWERBROADCAST && IsResume(wParam))) scheduler_.ClockMoved();
    if (message == kRemoteStatusMessage) {
        std::string news = RemoteNews(ctx_, hwnd(), wParam, lParam);
        if (!news.empty()) {
            c_.txtStatus.SetText(news);
            SetTrayTip(hwnd(), news);
        }
        return 0;
    }
    if (message == TaskbarCreatedMessage() && message != 0) {
        AddTrayIcon(hwnd(), icon_, Caption());
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
