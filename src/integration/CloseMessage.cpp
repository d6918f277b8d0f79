#include "integration/CloseMessage.h"

#include <vector>

#include "integration/RunEntry.h"
#include "platform/AppContext.h"
#include "platform/ProgramName.h"
#include "store/StoreLayout.h"
#include "store/Stores.h"
#include "tray/SysTray32.h"
#include "ui/Form.h"
#include "ui/Resources.h"

namespace {

using K = ui::ControlKind;
const std::vector<ui::ControlSpec> kControls = {
    {"Picture1", K::Picture, nullptr, "", 240, 240, 540, 540, 10},
    {"Label1", K::Label, nullptr, "Run 'TASK.EXE' at the RUN COMMAND BOX to launch Vantro at any time.", 1020, 240,
     3540, 600, 11},
    {"chkShowAgain", K::CheckBox, nullptr, "Show this message again later", 240, 1020, 4320, 300, 1},
    {"chkStartWithWindows", K::CheckBox, nullptr, "Start Vantro when Windows Starts", 240, 1380, 4320, 300, 2},
    {"btnOK", K::Button, nullptr, "OK", 1800, 1860, 1200, 375, 0, 0, ui::Role::Default},
};

class frmCloseMessage final : public ui::Form {
public:
    frmCloseMessage(AppContext& context, HWND mainWindow, const ui::MenuItem& mnuRunOnStart)
        : Form({"VantroCloseMessage", "", 4920, 2880, ui::kDialogStyle, ui::kDialogExStyle},
               kControls),
          ctx_(context),
          mainWindow_(mainWindow),
          mnuRunOnStart_(mnuRunOnStart) {
        Picture1.SetIcon(KeepIcon(LoadAppIcon(ctx_.app.Instance(), 32)));
        // Both boxes are ticked until the load step says otherwise.
        chkShowAgain.SetValue(1);
        chkStartWithWindows.SetValue(1);
        chkShowAgain.Click = [this] { chkShowAgain_Click(); };
        chkStartWithWindows.Click = [this] { chkStartWithWindows_Click(); };
        btnOK.Click = [this] { EndProgram(); };
    }

protected:
    void Form_Load() override {
        RemoveTrayIcon(mainWindow_);
        std::string show = store::ReadSetting(store::kShowCloseWindows).AsText();
        if (show == "F" || show == "f") {
            EndProgram();
            return;
        }
        chkStartWithWindows.SetValue(mnuRunOnStart_.Checked() ? 1 : 0);
        SetCaption(ProgramName(ctx_.app));
    }

    // The OK button is the only way out; a log-off is not held up, though.
    bool QueryUnload(ui::UnloadMode mode) override {
        if (mode == ui::UnloadMode::AppWindows) EndProgram();
        return true;
    }

private:
    void chkShowAgain_Click() {
        store::WriteSetting(store::kShowCloseWindows, RegValue::Text(chkShowAgain.Value() ? "T" : "F"), REG_SZ);
    }

    // Off removes the Run value; when there is none to remove, an empty one says "off".
    void chkStartWithWindows_Click() {
        if (chkStartWithWindows.Value()) {
            WriteRunEntry(RunEntryData(ctx_.app));
        } else if (!DeleteRunEntry()) {
            WriteRunEntry("");
        }
    }

    void EndProgram() {
        ctx_.programEnd.End(0);
        Unload();  // reached only where the end returns (tests)
    }

    AppContext& ctx_;
    HWND mainWindow_;
    const ui::MenuItem& mnuRunOnStart_;
    ui::Bound<ui::Picture> Picture1{*this, "Picture1"};
    ui::Bound<ui::CheckBox> chkShowAgain{*this, "chkShowAgain"};
    ui::Bound<ui::CheckBox> chkStartWithWindows{*this, "chkStartWithWindows"};
    ui::Bound<ui::Button> btnOK{*this, "btnOK"};
};

}  // namespace

void ShowCloseMessage(AppContext& context, HWND mainWindow, const ui::MenuItem& mnuRunOnStart) {
    frmCloseMessage notice(context, mainWindow, mnuRunOnStart);
    // Owned by nobody: the main window may be hidden in the tray, and the notice
    // must be seen (and found on the taskbar) all the same.
    notice.ShowModal(nullptr);
}
