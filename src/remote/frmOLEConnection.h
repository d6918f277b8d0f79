#pragma once
// "Remote Server Connection": whether the server is reached over the network or after
// dialling up, which dial-up entry, and the server's address. Loaded unseen, it is also
// where the connection routine reads the settings.
#include <windows.h>

#include "platform/ErrorText.h"
#include "ui/Form.h"

struct AppContext;
struct RemoteObjects;

class frmOLEConnection final : public ui::Form {
public:
    frmOLEConnection(AppContext& context, RemoteObjects& objects, HWND mainWindow);

    void btnOK_Click();

    ui::Bound<ui::CheckBox> chkAutoDial{*this, "chkAutoDial"};
    ui::Bound<ui::CheckBox> chkNetworked{*this, "chkNetworked"};
    ui::Bound<ui::ComboBox> cbAccountNames{*this, "cbAccountNames"};
    ui::Bound<ui::TextBox> txtIPAddress{*this, "txtIPAddress"};
    ui::Bound<ui::Button> btnOK{*this, "btnOK"};

protected:
    void Form_Load() override;

private:
    void chkAutoDial_Click();
    void chkNetworked_Click();
    bool ListAccounts();
    ErrorInfo AddAccounts();

    AppContext& ctx_;
    RemoteObjects& objects_;
    HWND mainWindow_;
};
