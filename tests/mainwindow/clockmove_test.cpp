#include <memory>

#include <windows.h>

#include "mainwindow/frmMain.h"
#include "support/VantroTest.h"

namespace {

using Lines = std::vector<std::string>;

// The real main window with its real timers, while the clock double jumps.
class ClockMoveTest : public SchedulerTest {
protected:
    ClockMoveTest() {
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
    }
    frmMain& Start() {
        window = std::make_unique<frmMain>(context);
        window->Load();
        return *window;
    }
    // The clock is set, the system tells the window, and its message loop runs a moment.
    void Jump(const DateTime& to, UINT message, WPARAM wParam) {
        clock.Set(to);
        SendMessageA(window->hwnd(), message, wParam, 0);
        RunMessageLoop(300);
    }
    int TickInterval() { return window->Controls().Timer2.Interval(); }

    std::unique_ptr<frmMain> window;
};

TEST_F(ClockMoveTest, WithRunMissedOnResumeAndClockChangesRearmForTheNextMinuteAndNeverLaunchTwice) {
    for (const char* time : {"10:00 AM", "12:00 PM"})
        AddTask({.name = time, .location = std::string("C:\\") + time[1] + ".exe", .startTime = time, .days = "Fri"});
    clock.Set({1998, 12, 4, 9, 0, 20, 0});
    // Run Missed Tasks is switched on from the menu, and kept for this user.
    const ui::MenuItem& runMissed = Start().Controls().mnuRunMissed;
    SendMessageA(window->hwnd(), WM_COMMAND, MAKEWPARAM(runMissed.Id(), 0), 0);
    EXPECT_TRUE(runMissed.Checked());
    EXPECT_TRUE(ReadKeyValue(HKEY_CURRENT_USER, store::kProgramKey, store::kRunMissed).IsTrue());
    EXPECT_EQ(TickInterval(), 40000);

    // Asleep from 09:00 to 11:00: the 10:00 task runs late at once.
    Jump({1998, 12, 4, 11, 0, 30, 0}, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
    EXPECT_EQ(Started(), Lines{"C:\\0.exe"});
    EXPECT_EQ(TickInterval(), 30000);

    // Set back an hour: 10:00 comes round again, and its task stays launched once.
    Jump({1998, 12, 4, 10, 0, 10, 0}, WM_TIMECHANGE, 0);
    EXPECT_EQ(TickInterval(), 50000);
    clock.Set({1998, 12, 4, 10, 1, 0, 0});
    window->Controls().Timer2.OnTimer();
    EXPECT_EQ(Started(), Lines{"C:\\0.exe"});

    // Set forward past noon: a gap like a sleep.
    Jump({1998, 12, 4, 12, 30, 5, 250}, WM_TIMECHANGE, 0);
    EXPECT_EQ(Started(), (Lines{"C:\\0.exe", "C:\\2.exe"}));
    EXPECT_EQ(TickInterval(), 54750);
    window.reset();
    EXPECT_TRUE(Start().Controls().mnuRunMissed.Checked()) << "read back at the next start";
}

}  // namespace
