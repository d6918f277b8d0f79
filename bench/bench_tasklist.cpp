// Times the task grid rebuild and a scheduler tick with nothing due against the bare
// registry reads the rebuild cannot avoid, for 1,000 and 10,000 tasks in a scratch
// store. Prints the figures; not a test.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "mainwindow/MainControls.h"
#include "mainwindow/TaskList.h"
#include "platform/UniqueHandle.h"
#include "scheduler/Scheduler.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"

namespace {

constexpr int kRepeats = 5;

// The main window's parts without the window, wired as the window wires them.
struct MainParts {
    explicit MainParts(AppContext& context)
        : scheduler(SchedulerViewOf(controls, tasks), context), tasks(TaskListViewOf(controls), scheduler) {}
    MainControls controls;
    Scheduler scheduler;
    TaskList tasks;
};

// Best of a few runs, in milliseconds: the least disturbed by the rest of the machine.
double BestMs(const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < kRepeats; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void FillStore(int count) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    for (int i = 0; i < count; ++i) {
        const std::string name = "Task " + std::to_string(i);
        store::WriteTask(store::Store::Machine, {.name = name, .location = "C:\\bin\\job.exe /n " + std::to_string(i),
                          .startDate = "12/04/1998", .startTime = "07:05 PM", .days = "Fri,Wed,Mon"});
        store::WriteTaskPaused(store::Store::Machine, name, i % 10 == 0);
    }
}

// The least the rebuild must do: for each of the five values a row shows, open the
// task's key, query the value, close the key.
void BareReads(const std::vector<std::string>& names) {
    const char* values[] = {store::kPaused, store::kStartDate, store::kStartTime, store::kLocation,
                            store::kDaysOfTheWeek};
    char data[512];
    for (const std::string& name : names) {
        const std::string key = store::TaskKey(name);
        for (const char* value : values) {
            UniqueHKey open;
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, open.put());
            DWORD size = sizeof data;
            RegQueryValueExA(open.get(), value, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        }
    }
}

void Measure(int count) {
    ScratchRegistry registry;
    FillStore(count);
    TempFolder folder;
    Application app;
    app.SetPath(folder.Path());
    FakeClock clock;
    clock.Set({1998, 12, 4, 3, 17, 0, 0});  // no task is due in the minutes after 3:17 AM
    ScriptedPrompts prompts;
    RecordingLauncher launcher;
    RecordingProgramEnd programEnd;
    ScriptedComponents components;
    AppContext context{app, clock, prompts, launcher, programEnd, components};
    MainParts main(context);
    MainControls& controls = main.controls;
    TaskList& tasks = main.tasks;
    Scheduler& scheduler = main.scheduler;

    const std::vector<std::string> names = ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey);
    double listing = BestMs([] { ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey); });
    double floor = BestMs([&] { BareReads(names); });
    double rebuild = BestMs([&] { tasks.LoadTaskGrid(); });
    // A minute is scanned once: each timed tick is the next minute's.
    double tick = BestMs([&] {
        clock.AddMinutes(1);
        scheduler.Timer2_Timer();
    });

    std::printf("%6d tasks: LoadTaskGrid %8.1f ms | floor: 5 x open/query/close %8.1f ms, listing %6.1f ms"
                " | rebuild / (floor + listing) %.2f | tick, nothing due %6.2f ms | rows %d, launches %zu\n",
                count, rebuild, floor, listing, rebuild / (floor + listing), tick, controls.grdProgram.Rows() - 1,
                launcher.launches.size());
}

}  // namespace

int main() {
    Measure(1000);
    Measure(10000);
    return 0;
}
