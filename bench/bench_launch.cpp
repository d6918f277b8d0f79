// How soon after its minute a task starts: the real main window with its real timers
// and the system clock, one task due at each of the next N minutes (N = 5, or the first
// argument), each starting bench_probe.exe, which notes when it began. Prints the
// median and the largest delay after the minute of the probe's start and of the
// program's call to start it. With --update the store's "Update" flag is raised, so
// the clock tick rebuilds the grid at every minute's start as well. Not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "mainwindow/frmMain.h"
#include "platform/DateTimeText.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"

namespace {

constexpr long long kTicksPerMs = 10000;  // FILETIME counts 100 ns
constexpr long long kTicksPerMinute = 60000 * kTicksPerMs;

long long PreciseNow() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return ULARGE_INTEGER{{now.dwLowDateTime, now.dwHighDateTime}}.QuadPart;
}

// Milliseconds after the start of the minute the moment falls in (or, when it came
// early, before the next one's: negative). Zones keep whole minutes, so UTC will do.
double MsAfterMinute(long long ticks) {
    long long into = ticks % kTicksPerMinute;
    if (into > kTicksPerMinute / 2) into -= kTicksPerMinute;
    return static_cast<double>(into) / kTicksPerMs;
}

// The real launcher, noting when each start was asked for.
class TimedLauncher final : public Launcher {
public:
    std::vector<long long> calls;
    ProcessStart StartProcess(const std::string& commandLine, int showCommand) override {
        calls.push_back(PreciseNow());
        return real_.StartProcess(commandLine, showCommand);
    }
    intptr_t ShellExecute(HWND owner, const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand, UniqueKernelHandle* process) override {
        return real_.ShellExecute(owner, file, parameters, directory, showCommand, process);
    }

private:
    WindowsLauncher real_;
};

std::string BinFolder() {
    char path[MAX_PATH] = "";
    std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return exe.substr(0, exe.rfind('\\'));
}

// One weekly task due at each of the next count minutes; returns the probes' files.
std::vector<std::string> ScheduleProbes(const std::string& folder, int count) {
    FakeClock due;  // only for its calendar
    due.Set(StartOfMinute(SystemClock().Now()));
    due.AddMinutes(SystemClock().Now().second < 50 ? 1 : 2);  // leave the window time to start
    const std::string probe = '"' + BinFolder() + "\\bench_probe.exe\"";
    std::vector<std::string> files;
    for (int i = 1; i <= count; ++i, due.AddMinutes(1)) {
        files.push_back(folder + "\\probe" + std::to_string(i) + ".txt");
        store::WriteTask(store::Store::Machine, {.name = "Probe " + std::to_string(i),
                          .location = probe + " \"" + files.back() + '"',
                          .startDate = datetext::DateMMDDYYYY(due.now.date()),
                          .startTime = datetext::TimeHHMMAmPm(due.now),
                          .days = "Sat,Fri,Thu,Wed,Tue,Mon,Sun"});
    }
    return files;
}

// Runs the message loop until every file exists or the time is up.
void RunUntilWritten(const std::vector<std::string>& files, DWORD ms) {
    DWORD until = GetTickCount() + ms;
    auto written = [&] { return std::all_of(files.begin(), files.end(), FileExists); };
    while (!written() && static_cast<LONG>(until - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    Sleep(500);  // the last probe closes its file
}

void Report(const char* what, std::vector<double> delays) {
    if (delays.empty()) {
        std::printf("%-26s none\n", what);
        return;
    }
    std::sort(delays.begin(), delays.end());
    size_t n = delays.size();
    double median = n % 2 ? delays[n / 2] : (delays[n / 2 - 1] + delays[n / 2]) / 2;
    std::printf("%-26s median %7.1f ms, largest %7.1f ms (%zu)\n", what, median, delays.back(), n);
}

}  // namespace

int main(int argc, char** argv) {
    int count = 5;
    bool update = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--update") update = true;
        else count = std::max(1, std::atoi(argv[i]));
    }

    ScratchRegistry registry;
    TempFolder folder;
    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    // A store used before: no drive prompt, no crash display.
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning, RegValue::Boolean(false), REG_DWORD);
    if (update) WriteKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate, RegValue::Boolean(true), REG_DWORD);
    std::vector<std::string> files = ScheduleProbes(folder.Path(), count);
    std::printf("%d tasks, one a minute%s; waiting...\n", count, update ? ", \"Update\" raised" : "");
    std::fflush(stdout);

    Application app;
    app.SetPath(folder.Path());
    SystemClock clock;
    ScriptedPrompts prompts;
    TimedLauncher launcher;
    RecordingProgramEnd programEnd;
    ScriptedComponents components;
    AppContext context{app, clock, prompts, launcher, programEnd, components};
    frmMain main(context);
    if (!main.Load()) return 1;
    main.Show();
    RunUntilWritten(files, (count + 2) * 60000);

    std::vector<double> probes, calls;
    for (const std::string& file : files) {
        long long began = 0;
        if (std::ifstream(file) >> began) probes.push_back(MsAfterMinute(began));
    }
    for (long long call : launcher.calls) calls.push_back(MsAfterMinute(call));
    Report("start called after minute", calls);
    Report("probe began after minute", probes);
    for (const PromptRecord& box : prompts.asked) std::printf("box: %s\n", box.text.c_str());
    return probes.size() == files.size() ? 0 : 1;
}
