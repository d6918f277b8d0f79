#include "mainwindow/FixRegistry.h"

#include <vector>

#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace {

const std::vector<ui::ControlSpec> kControls = {
    {"Label1", ui::ControlKind::Label, nullptr, "Crash Detected !", 240, 240, 4200, 285, 0},
    {"Label2", ui::ControlKind::Label, nullptr, "Fixing Vantro Registry Entries", 240, 600, 4200, 285, 1},
    {"ProgressBar1", ui::ControlKind::ProgressBar, nullptr, "", 240, 1020, 4200, 300, 2},
};

class FixRegistry final : public ui::Form {
public:
    FixRegistry()
        : Form({"VantroFixRegistry", "Vantro", 4800, 1900, ui::kDialogStyle, ui::kDialogExStyle},
               kControls) {
        Timer1.OnTimer = [this] { Timer1_Timer(); };
    }

protected:
    void Form_Load() override {
        size_t tasks = ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey).size() +
                       ListSubKeys(HKEY_CURRENT_USER, store::kTasksKey).size();
        sweepsToDo_ = tasks > 0 ? static_cast<int>(tasks) - 1 : 0;
        sweepsDone_ = 0;
        ProgressBar1.SetRange(0, 100);
        ProgressBar1.SetValue(0);
        Timer1.SetEnabled(true);
    }
    void Form_Unload() override { Timer1.SetEnabled(false); }

private:
    void Timer1_Timer() {
        if (ProgressBar1.Value() == 99) {
            ++sweepsDone_;
            if (sweepsDone_ > sweepsToDo_) {
                Unload();
                return;
            }
            ProgressBar1.SetValue(0);
        }
        ProgressBar1.SetValue(ProgressBar1.Value() + 3);
    }

    ui::Bound<ui::ProgressBar> ProgressBar1{*this, "ProgressBar1"};
    ui::Timer Timer1{1, false};
    int sweepsToDo_ = 0;
    int sweepsDone_ = 0;
};

}  // namespace

void ShowFixRegistry(HWND owner) {
    FixRegistry form;
    form.ShowModal(owner);
}
