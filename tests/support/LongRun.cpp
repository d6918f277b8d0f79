#include "support/LongRun.h"

#include "mainwindow/frmMain.h"
#include "platform/DateTimeText.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"
#include "support/TestWorld.h"

namespace {

// A weekly task, or a run-once one every tenth minute; a message every other minute.
void SetTaskTo(int minute, const DateTime& now) {
    store::WriteTask(store::Store::Machine,
                     {.name = "Every minute",
                      .location = minute % 2 ? "MSG:Minute " + std::to_string(minute) : "C:\\bin\\job.exe /n",
                      .startDate = "12/01/1998",
                      .startTime = datetext::TimeHHMMAmPm(now),
                      .days = "Sat,Fri,Thu,Wed,Tue,Mon,Sun",
                      .runOnce = minute % 10 == 0});
}

// Lets the window paint and the list view answer; timer messages stay queued, so only
// the simulated minutes tick.
void PumpMessagesButTimers() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
           PeekMessageA(&msg, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

LongRunReport RunMainWindow(int minutes, int warmUpMinutes) {
    LongRunReport report;
    TestWorld<> world;
    FakeClock& clock = world.clock;
    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kMessageApp, RegValue::Text("notepad"), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate, RegValue::Boolean(true), REG_DWORD);
    clock.Set({1998, 12, 4, 0, 0, 0, 0});
    frmMain main(world.context);
    main.Load();
    main.Show();
    for (int minute = 0; minute < minutes; ++minute) {
        if (minute == warmUpMinutes) report.start = CountResources();
        clock.now.millisecond = (minute * 37) % 1000;  // ticks come at odd milliseconds
        SetTaskTo(minute, clock.Now());
        main.Schedule().Timer1_Timer();
        main.Schedule().Timer2_Timer();
        PumpMessagesButTimers();
        // Writes the history, as its timer (held back here) would; nothing is left running.
        main.Schedule().RecordUnfinished();
        // Counted, not kept: a month of records would look like a leak.
        report.launches += int(world.launcher.launches.size());
        world.launcher.launches.clear();
        clock.now.millisecond = 0;
        clock.AddMinutes(1);
    }
    report.end = CountResources();
    return report;
}
