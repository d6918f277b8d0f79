#pragma once
// The tray popup: a small window near the bottom right corner of the screen that
// carries a picture strip and pops up the tray menu beside it, then hides again.
#include <functional>
#include <memory>

#include "platform/AppContext.h"
#include "platform/UniqueHandle.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/Timer.h"

class frmAbout;
class frmBetaTeam;

// What the popup needs of the main window.
struct PopupOwner {
    std::function<bool()> Minimized;  // hidden in the tray
    std::function<void()> RestoreWindow;
    std::function<void()> MinimizeWindow;
    std::function<void()> CloseProgram;  // the orderly exit
};

class frmPopup final : public ui::Form {
public:
    frmPopup(AppContext& context, PopupOwner owner);
    ~frmPopup() override;

    // Shows the window and its menu; returns when the menu has closed (after the
    // chosen item's handler ran) and the window is hidden again.
    void Open(HWND mainWindow);

    void mnuRestore_Click();
    void mnuMinimize_Click();
    void mnuAbout_Click();
    void mnuHelp_Click();
    void mnuBetaTesters_Click();
    void mnuWebSite_Click();
    void mnuErrorReport_Click();
    void mnuClose_Click();

protected:
    void Form_Unload() override { Timer1.SetEnabled(false); }

private:
    void Timer1_Timer();
    void BindMenuCommands();
    void HideSelf();

    ui::Menu menu_;
    AppContext& ctx_;
    PopupOwner owner_;
    ui::Timer Timer1{1, false};
    UniqueGdiObject strip_;
    ui::Bound<ui::Picture> Picture1{*this, "Picture1"};
    std::unique_ptr<frmAbout> about_;
    std::unique_ptr<frmBetaTeam> betaTeam_;
};
