#pragma once
// The beta testers' thank-you window, opened from the about box and the tray menu.
#include "ui/Form.h"

class frmBetaTeam final : public ui::Form {
public:
    frmBetaTeam();

private:
    void Command1_Click() { Unload(); }

    ui::Bound<ui::Button> Command1{*this, "Command1"};
};
