#include "support/LongRun.h"

#include "mainwindow/frmMain.h"
#include "platform/DateTimeText.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"

namespace {

constexpr const char* kEveryMinute = "Every minute";
constexpr const char* kEveryDay = "Sat,Fri,Thu,Wed,Tue,Mon,Sun";

// Counts starts instead of recording them: a month of records would look like a leak.
class CountingLauncher final : public Launcher {
public:
    int starts = 0;
    ProcessStart StartProcess(const std::string&, int) override {
        ++starts;
        return {};
    }
    intptr_t ShellExecute(HWND, const std::string&, const std::string&, const std::string&, int,
                          UniqueKernelHandle*) override {
        return 42;
    }
};

void WriteText(const std::string& key, const char* name, const std::string& text) {
    WriteKeyValue(HKEY_LOCAL_MACHINE, key, name, RegValue::Text(text), REG_SZ);
}

// A weekly task, or a run-once one every tenth minute; a message every other minute.
void SetTaskTo(int minute, const DateTime& now) {
    const std::string key = store::TaskKey(kEveryMinute);
    CreateKey(HKEY_LOCAL_MACHINE, key);
    WriteText(key, store::kLocation, minute % 2 ? "MSG:Minute " + std::to_string(minute) : "C:\\bin\\job.exe /n");
    WriteText(key, store::kStartDate, "12/01/1998");
    WriteText(key, store::kStartTime, datetext::TimeHHMMAmPm(now));
    WriteText(key, store::kDaysOfTheWeek, kEveryDay);
    WriteKeyValue(HKEY_LOCAL_MACHINE, key, store::kRunOnce, RegValue::Boolean(minute % 10 == 0), REG_DWORD);
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
    TempFolder folder;
    ScratchRegistry registry;
    Application app;
    app.SetPath(folder.Path());
    app.SetDataFolder(folder.Path());
    FakeClock clock;
    ScriptedPrompts prompts;
    CountingLauncher launcher;
    RecordingProgramEnd programEnd;
    ScriptedComponents components;
    AppContext context{app, clock, prompts, launcher, programEnd, components};

    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
    WriteText(store::kProgramKey, store::kMessageApp, "C:\\windows\\notepad.exe");
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate, RegValue::Boolean(true), REG_DWORD);
    clock.Set({1998, 12, 4, 0, 0, 0, 0});
    frmMain main(context);
    main.Load();
    main.Show();
    for (int minute = 0; minute < minutes; ++minute) {
        if (minute == warmUpMinutes) report.start = CountResources();
        clock.now.millisecond = (minute * 37) % 1000;  // ticks come at odd milliseconds
        SetTaskTo(minute, clock.Now());
        main.Schedule().Timer1_Timer();
        main.Schedule().Timer2_Timer();
        PumpMessagesButTimers();
        clock.now.millisecond = 0;
        clock.AddMinutes(1);
    }
    report.end = CountResources();
    report.launches = launcher.starts;
    return report;
}
