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

const std::vector<ui::MenuSpec> kMenu = {
    {"mnuMenu", nullptr, "mnuMenu"},
    {"mnuRestore", "mnuMenu", "Restore"},
    {"mnuMinimize", "mnuMenu", "Minimize"},
    {"mnuLine1", "mnuMenu", "-"},
    {"mnuAbout", "mnuMenu", "About Vantro"},
    {"mnuHelp", "mnuMenu", "Help"},
    {"mnuLine2", "mnuMenu", "-"},
    {"mnuBetaTesters", "mnuMenu", "Our BetaTesters"},
    {"mnuLine3", "mnuMenu", "-"},
    {"mnuWebSite", "mnuMenu", "Vantro Web"},
    {"mnuErrorReport", "mnuMenu", "Vantro Error Report"},
    {"mnuLine4", "mnuMenu", "-"},
    {"mnuClose", "mnuMenu", "Close Vantro"},
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
    BindMenuCommands();
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
    menu_.PopUpAndRun("mnuMenu", hwnd(), at, TPM_CENTERALIGN);
    HideSelf();
}

void frmPopup::BindMenuCommands() {
    menu_.On("mnuRestore", [this] { mnuRestore_Click(); });
    menu_.On("mnuMinimize", [this] { mnuMinimize_Click(); });
    menu_.On("mnuAbout", [this] { mnuAbout_Click(); });
    menu_.On("mnuHelp", [this] { mnuHelp_Click(); });
    menu_.On("mnuBetaTesters", [this] { mnuBetaTesters_Click(); });
    menu_.On("mnuWebSite", [this] { mnuWebSite_Click(); });
    menu_.On("mnuErrorReport", [this] { mnuErrorReport_Click(); });
    menu_.On("mnuClose", [this] { mnuClose_Click(); });
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
