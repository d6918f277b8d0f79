#include "store/FixRegistry.h"

#include <vector>

#include "store/RegistrySets.h"
#include "store/StoreLayout.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace {

class FixRegistry final : public ui::Form {
public:
    FixRegistry() {
        Bind("Label1", Label1);
        Bind("Label2", Label2);
        Bind("ProgressBar1", ProgressBar1);
        Timer1.OnTimer = [this] { Timer1_Timer(); };
    }
    ~FixRegistry() override { Unload(); }

    void Form_Load() {
        size_t tasks = ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey).size();
        sweepsToDo_ = tasks > 0 ? static_cast<int>(tasks) - 1 : 0;
        sweepsDone_ = 0;
        ProgressBar1.SetRange(0, 100);
        ProgressBar1.SetValue(0);
        Timer1.SetEnabled(true);
    }

private:
    void Timer1_Timer() {
        if (ProgressBar1.Value() == 99) {
            ++sweepsDone_;
            if (sweepsDone_ > sweepsToDo_) {
                Timer1.SetEnabled(false);
                Unload();
                return;
            }
            ProgressBar1.SetValue(0);
        }
        ProgressBar1.SetValue(ProgressBar1.Value() + 3);
    }

    ui::Label Label1;
    ui::Label Label2;
    ui::ProgressBar ProgressBar1;
    ui::Timer Timer1{1, false};
    int sweepsToDo_ = 0;
    int sweepsDone_ = 0;
};

const std::vector<ui::ControlSpec> kControls = {
    {"Label1", ui::ControlKind::Label, nullptr, "Crash Detected !", 240, 240, 4200, 285, 0},
    {"Label2", ui::ControlKind::Label, nullptr, "Fixing Vantro Registry Entries", 240, 600, 4200, 285, 1},
    {"ProgressBar1", ui::ControlKind::ProgressBar, nullptr, "", 240, 1020, 4200, 300, 2},
};

}  // namespace

void ShowFixRegistry(HWND owner) {
    FixRegistry form;
    ui::Form::Options options{"VantroFixRegistry", "Vantro", 4800, 1900,
                              WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};
    if (!form.CreateForm(options, kControls, nullptr, owner)) return;
    // Centred on the screen, like the main window.
    ui::TwipsRect r = form.Bounds();
    form.SetBounds({(ui::Screen::Width() - r.width) / 2, (ui::Screen::Height() - r.height) / 2,
                    r.width, r.height});
    form.Form_Load();
    form.ShowModal(owner);
}
