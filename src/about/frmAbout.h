#pragma once
// The about box: title, version, what the program is for, and the ways to the web
// page, the support mail, the system information tool and the beta testers.
#include "platform/AppContext.h"
#include "ui/Form.h"

class frmAbout final : public ui::Form {
public:
    explicit frmAbout(AppContext& context);

    void cmdOK_Click() { Unload(); }
    void cmdSysInfo_Click();
    void btnTip_Click();
    void btnEmail_Click();
    void btnWebSite_Click();
    void Command1_Click();

protected:
    void Form_Load() override;

private:
    AppContext& ctx_;
    ui::Bound<ui::Picture> picIcon{*this, "picIcon"};
    ui::Bound<ui::Label> lblTitle{*this, "lblTitle"};
    ui::Bound<ui::Label> lblVersion{*this, "lblVersion"};
    ui::Bound<ui::Button> cmdOK{*this, "cmdOK"};
    ui::Bound<ui::Button> cmdSysInfo{*this, "cmdSysInfo"};
    ui::Bound<ui::Button> btnTip{*this, "btnTip"};
    ui::Bound<ui::Button> btnEmail{*this, "btnEmail"};
    ui::Bound<ui::Button> btnWebSite{*this, "btnWebSite"};
    ui::Bound<ui::Button> Command1{*this, "Command1"};
};
