#include "tray/frmPopup.h"

#include <utility>
#include <vector>

#include "about/HelpLinks.h"
#include "about/Links.h"
#include "about/frmAbout.h"
#include "about/frmBetaTeam.h"
#include "platform/ShellOpen.h"
#include "ui/Resources.h"
#include "ui/Twips.h"

namespace {

enum : UINT { kRestore = 201, kMinimize, kAbout, kHelp, kBetaTesters, kWebSite, kErrorReport, kClose };

const std::vector<ui::MenuSpec> kMenu = {
    {"mnuMenu", nullptr, "mnuMenu", 0},
    {"mnuRestore", "mnuMenu", "Restore", kRestore},
    {"mnuMinimize", "mnuMenu", "Minimize", kMinimize},
    {"mnuLine1", "mnuMenu", "-", 0},
    {"mnuAbout", "mnuMenu", "About Vantro", kAbout},
    {"mnuHelp", "mnuMenu", "Help", kHelp},
    {"mnuLine2", "mnuMenu", "-", 0},
    {"mnuBetaTesters", "mnuMenu", "Our BetaTesters", kBetaTesters},
    {"mnuLine3", "mnuMenu", "-", 0},
    {"mnuWebSite", "mnuMenu", "Vantro Web", kWebSite},
    {"mnuErrorReport", "mnuMenu", "Vantro Error Report", kErrorReport},
    {"mnuLine4", "mnuMenu", "-", 0},
    {"mnuClose", "mnuMenu", "Close Vantro", kClose},
};

// The strip is 45 x 177 pixels; the window is the strip in a thin border.
const std::vector<ui::ControlSpec> kControls = {
    {"Picture1", ui::ControlKind::Picture, nullptr, "", 0, 0, 675, 2655, 0},
};
constexpr int kWidthTwips = 705;
constexpr int kHeightTwips = 2685;
// From the bottom right corner of the screen to the window's top left corner.
constexpr int kFromRightTwips = 2950;
constexpr int kFromBottomTwips = 3100;
// Where the menu opens (centred on X), in the window's client coordinates.
constexpr int kMenuXTwips = 3200;
constexpr int kMenuYTwips = -10;

// A form made afresh unless it is open already (then it comes to the front).
template <class F, class... Args>
void ShowModeless(std::unique_ptr<F>& form, Args&... args) {
    if (!form || !form->IsCreated()) {
        form = std::make_unique<F>(args...);
        if (!form->Create()) return;
        form->CentreOnMonitorOf(nullptr);
    }
    form->Show();
}

}  // namespace

frmPopup::frmPopup(AppContext& context, PopupOwner owner)
    : Form({"VantroPopup", "Vantro", kWidthTwips, kHeightTwips, WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
            nullptr, false},
           kControls),
      menu_(kMenu),
      ctx_(context),
      owner_(std::move(owner)) {
    strip_.reset(LoadPopupStrip(ctx_.app.Instance()));
    Picture1.SetBitmap(static_cast<HBITMAP>(strip_.get()));
    Timer1.OnTimer = [this] { Timer1_Timer(); };
}

frmPopup::~frmPopup() = default;

void frmPopup::Open(HWND mainWindow) {
    SetForegroundWindow(mainWindow);
    if (!Create(mainWindow)) return;
    SetBounds({ui::Screen::Width() - kFromRightTwips, ui::Screen::Height() - kFromBottomTwips, kWidthTwips,
               kHeightTwips});
    Timer1.SetEnabled(true);
    ShowModal(mainWindow);
}

void frmPopup::Timer1_Timer() {
    // Off first: the menu runs a loop of its own, in which the timer would fire again.
    Timer1.SetEnabled(false);
    bool inTray = owner_.Minimized && owner_.Minimized();
    for (const char* item : {"mnuAbout", "mnuBetaTesters", "mnuRestore"}) menu_.Item(item).SetEnabled(inTray);
    menu_.Item("mnuMinimize").SetEnabled(!inTray);

    POINT at{ui::TwipsToPixelsX(kMenuXTwips, Dpi()), ui::TwipsToPixelsY(kMenuYTwips, Dpi())};
    ClientToScreen(hwnd(), &at);
    UINT chosen = static_cast<UINT>(TrackPopupMenuEx(menu_.Item("mnuMenu").SubMenu(),
                                                     TPM_CENTERALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                                     at.x, at.y, hwnd(), nullptr));
    // Lets the next menu close when the user clicks elsewhere.
    PostMessageA(hwnd(), WM_NULL, 0, 0);
    RunCommand(chosen);
    HideSelf();
}

void frmPopup::RunCommand(UINT id) {
    static const std::pair<UINT, void (frmPopup::*)()> kHandlers[] = {
        {kRestore, &frmPopup::mnuRestore_Click},         {kMinimize, &frmPopup::mnuMinimize_Click},
        {kAbout, &frmPopup::mnuAbout_Click},             {kHelp, &frmPopup::mnuHelp_Click},
        {kBetaTesters, &frmPopup::mnuBetaTesters_Click}, {kWebSite, &frmPopup::mnuWebSite_Click},
        {kErrorReport, &frmPopup::mnuErrorReport_Click}, {kClose, &frmPopup::mnuClose_Click},
    };
    for (const auto& [command, handler] : kHandlers)
        if (command == id) (this->*handler)();
}

// Hidden, the modal show that opened the popup ends: once, whichever handler asks first.
void frmPopup::HideSelf() {
    if (!IsVisible()) return;
    Hide();
    Unload();
}

void frmPopup::mnuRestore_Click() {
    HideSelf();
    if (owner_.RestoreWindow) owner_.RestoreWindow();
}

void frmPopup::mnuMinimize_Click() {
    HideSelf();
    if (owner_.MinimizeWindow) owner_.MinimizeWindow();
}

void frmPopup::mnuAbout_Click() {
    HideSelf();
    ShowModeless(about_, ctx_);
}

void frmPopup::mnuHelp_Click() {
    HideSelf();
    ShowHelpContents(ctx_, hwnd());
}

void frmPopup::mnuBetaTesters_Click() {
    HideSelf();
    ShowModeless(betaTeam_);
}

void frmPopup::mnuWebSite_Click() { ShellOpen(ctx_, hwnd(), links::kProductWebPage); }
void frmPopup::mnuErrorReport_Click() { ShellOpen(ctx_, hwnd(), links::kErrorReportPage); }

void frmPopup::mnuClose_Click() {
    HideSelf();
    if (owner_.CloseProgram) owner_.CloseProgram();
}
