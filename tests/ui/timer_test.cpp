#include <gtest/gtest.h>

#include "ui/Form.h"
#include "ui/Timer.h"

namespace {

// Pumps messages for about the given time.
void Pump(DWORD ms) {
    for (DWORD until = GetTickCount() + ms; static_cast<LONG>(until - GetTickCount()) > 0; Sleep(5)) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
}

class ModalForm : public ui::Form {
public:
    ModalForm() : Form({"VantroModalTest", "Modal", 3000, 2000}, {}) {}
};

TEST(Timer, FiresOnlyWhileEnabled) {
    int ticks = 0;
    ui::Timer timer(20, false);
    timer.OnTimer = [&] { ++ticks; };
    Pump(120);
    EXPECT_EQ(0, ticks);
    timer.SetEnabled(true);
    Pump(200);
    EXPECT_GT(ticks, 1);
    timer.SetEnabled(false);
    const int stopped = ticks;
    Pump(120);
    EXPECT_EQ(stopped, ticks);
}

TEST(Timer, SettingTheIntervalRestartsTheCountdown) {
    int ticks = 0;
    ui::Timer timer(150, true);
    timer.OnTimer = [&] { ++ticks; };
    // Re-arming every 50 ms keeps a 150 ms timer from ever firing.
    for (int i = 0; i < 6; ++i) {
        Pump(50);
        timer.SetInterval(150);
    }
    EXPECT_EQ(0, ticks);
    Pump(300);
    EXPECT_GT(ticks, 0) << "re-armed, not stopped";
}

TEST(Timer, KeepsFiringWhileAModalFormRunsItsOwnLoop) {
    ModalForm modal;
    ASSERT_TRUE(modal.Create());
    int ticks = 0;
    ui::Timer background(20, true);
    background.OnTimer = [&] { ++ticks; };
    ui::Timer closer(300, true);
    closer.OnTimer = [&] {
        closer.SetEnabled(false);
        modal.Unload();
    };
    modal.ShowModal(nullptr);  // returns when the closer unloads it
    EXPECT_FALSE(modal.IsCreated());
    EXPECT_GT(ticks, 3);
}

}  // namespace
