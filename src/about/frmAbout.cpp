#include "about/frmAbout.h"

#include <vector>

#include "about/HelpLinks.h"
#include "about/Links.h"
#include "about/SysInfo.h"
#include "about/frmBetaTeam.h"
#include "platform/ProgramName.h"
#include "platform/ShellOpen.h"
#include "ui/Resources.h"

namespace {

using K = ui::ControlKind;
const std::vector<ui::ControlSpec> kControls = {
    {"picIcon", K::Picture, nullptr, "", 240, 240, 540, 540, 10},
    {"lblTitle", K::Label, nullptr, "Application Title", 1050, 240, 4890, 360, 11},
    {"lblVersion", K::Label, nullptr, "Version", 1050, 660, 4890, 285, 12},
    {"lblDescription", K::Label, nullptr,
     "Vantro will help you put your priorities in order.   Have a meeting at 10:00 am then set this to the date "
     "and time and it will remind you about it.  You can add program to run automatically all within minutes.",
     1050, 1020, 4890, 1260, 13},
    {"lblDisclaimer", K::Label, nullptr,
     "Vantro is free software under the MIT licence (LICENSE.txt beside the program). It comes without "
     "warranty of any kind.",
     240, 2400, 5700, 540, 14},
    {"btnTip", K::Button, nullptr, "Tip", 240, 3060, 1300, 360, 2},
    {"btnEmail", K::Button, nullptr, "&Email Us", 1640, 3060, 1300, 360, 3},
    {"btnWebSite", K::Button, nullptr, "&Web Site", 3040, 3060, 1300, 360, 4},
    {"cmdSysInfo", K::Button, nullptr, "&System Info...", 4440, 3060, 1500, 360, 1},
    {"Command1", K::Button, nullptr, "We thank our Beta Testers", 240, 3540, 2700, 360, 5},
    {"cmdOK", K::Button, nullptr, "OK", 4440, 3540, 1500, 360, 0, 0, ui::Role::Default},
};

constexpr const char* kTip =
    "At the windows RUN Command Box type 'TASK' at anytime to launch Vantro if it isn't already running.";

}  // namespace

frmAbout::frmAbout(AppContext& context)
    : Form({"VantroAbout", "About MyApp", 6300, 4560, ui::kDialogStyle, ui::kDialogExStyle},
           kControls),
      ctx_(context) {
    picIcon.SetIcon(KeepIcon(LoadAppIcon(ctx_.app.Instance(), 32)));
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
    btnTip.Click = [this] { btnTip_Click(); };
    btnEmail.Click = [this] { btnEmail_Click(); };
    btnWebSite.Click = [this] { btnWebSite_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void frmAbout::Form_Load() {
    const Application& app = ctx_.app;
    SetCaption("About " + app.Title());
    lblVersion.SetText("Version " + std::to_string(app.Major()) + "." + std::to_string(app.Minor()) + "." +
                       std::to_string(app.Revision()));
    lblTitle.SetText(app.Title());
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(ctx_, hwnd()); }

void frmAbout::btnTip_Click() {
    ctx_.prompts.MessageBox(hwnd(), kTip, ProgramName(ctx_.app), MB_ICONINFORMATION | MB_OK);
}

void frmAbout::btnEmail_Click() { OpenMailTo(ctx_, hwnd(), links::kSupportMail); }
void frmAbout::btnWebSite_Click() { ShellOpen(ctx_, hwnd(), links::kProductWebPage); }

void frmAbout::Command1_Click() {
    frmBetaTeam team;
    team.ShowModal(hwnd());
}
