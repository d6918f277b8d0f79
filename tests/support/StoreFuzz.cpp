#include "support/StoreFuzz.h"

#include <map>
#include <optional>
#include <random>
#include <regex>

#include "mainwindow/frmMain.h"
#include "platform/DateTimeText.h"
#include "platform/UniqueHandle.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "support/TestWorld.h"

namespace {

constexpr int kMaxKeyName = 255;
constexpr size_t kMaxFaults = 20;
constexpr const char* kTaskValues[] = {store::kLocation, store::kDaysOfTheWeek, store::kStartDate, store::kStartTime,
                                       store::kRunOnce,  store::kPaused,        store::kLastRan};
constexpr const char* kEditor = "C:\\fuzz\\editor.exe";

struct Value {
    DWORD kind;
    std::string bytes;
    bool operator==(const Value&) const = default;
};
using Values = std::map<std::string, Value>;     // value name -> what is stored
using Snapshot = std::map<std::string, Values>;  // task key -> its values

struct Record {
    std::string name;  // unique, also without regard to case
    Values values;
    bool runOnce = false;
    std::optional<int> dueMinute;  // of the fuzz day; only well-formed tasks are ever due
    bool Split() const { return name.find(',') != std::string::npos; }
};

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool Chance(int percent) { return Between(0, 99) < percent; }

private:
    std::mt19937 engine_;
};

// Any kind, any bytes, NULs included: mostly small, some beyond the registry read's first buffer.
Value JunkValue(Random& r) {
    static constexpr DWORD kKinds[] = {REG_SZ, REG_DWORD, REG_BINARY, REG_MULTI_SZ};
    std::string bytes(r.Chance(70) ? r.Between(0, 8) : r.Between(250, 4096), '\0');
    for (char& ch : bytes) ch = static_cast<char>(r.Between(0, 255));
    return {kKinds[r.Between(0, 3)], bytes};
}

Value Text(const std::string& text) { return {REG_SZ, text + '\0'}; }
Value Number(int32_t number) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)}; }

std::string Tag(size_t index) { return "#" + std::to_string(index) + "#"; }

// Printable characters and ones above 127, never the key separator or the '#' of the
// tag, which keeps names unique; some at the registry's limit, some with blanks at both
// ends, a few with a comma the listing splits at.
std::string RandomName(Random& r, size_t index) {
    std::string name = Tag(index);
    size_t length = r.Chance(10) ? kMaxKeyName : name.size() + r.Between(0, 20);
    while (name.size() < length) {
        char ch = static_cast<char>(r.Chance(20) ? r.Between(128, 255) : r.Between(32, 126));
        if (ch != '\\' && ch != '#') name.insert(r.Chance(50) ? 0 : name.size(), 1, ch);
    }
    if (r.Chance(15) && name.front() != '#' && name.back() != '#') name.front() = name.back() = ' ';
    if (r.Chance(2)) name.insert(name.find('#') + 1, 1, ',');
    return name;
}

// A task the program could have written, or another writer could: true as -1 or
// "True", a program path in quotes, blanks after the location.
void MakeWellFormed(Random& r, Record& record, size_t index, const DateTime& today) {
    const std::string id = std::to_string(index);
    std::string location = r.Chance(35) ? "MSG:fuzz " + id
                           : r.Chance(50) ? "C:\\fuzz\\" + id + ".exe /n"
                                          : "\"C:\\fuzz dir\\" + id + ".exe\" /q";
    record.values[store::kLocation] = Text(location + (r.Chance(20) ? "   " : ""));

    int minute = r.Between(0, 24 * 60 - 1), when = r.Between(0, 99);
    FakeClock start;
    start.Set(today);
    start.AddMinutes(24 * 60 * (when < 15 ? r.Between(1, 400) : when < 35 ? 0 : -r.Between(1, 1000)));
    record.values[store::kStartDate] = Text(datetext::DateMMDDYYYY(start.now.date()));
    record.values[store::kStartTime] = Text(datetext::TimeHHMMAmPm({2000, 1, 1, minute / 60, minute % 60, 0, 0}));

    record.runOnce = r.Chance(35);
    const bool paused = r.Chance(15);
    if (record.runOnce) record.values[store::kRunOnce] = r.Chance(50) ? Number(-1) : Text("True");
    else if (r.Chance(75)) record.values[store::kRunOnce] = Number(0);
    if (paused) record.values[store::kPaused] = r.Chance(50) ? Number(-1) : Text("True");
    else if (r.Chance(50)) record.values[store::kPaused] = Number(0);

    // Saturday first, as the editor writes them; today is in the list half of the time.
    const int weekday = datetext::Weekday(today.date());
    const bool includesToday = r.Chance(50);
    std::string days;
    for (int d = 6; d >= 0; --d)
        if (d == weekday ? includesToday : r.Chance(40))
            days += std::string(days.empty() ? "" : ",") + datetext::WeekdayAbbrev(d);
    record.values[store::kDaysOfTheWeek] = Text(days);
    if (r.Chance(50)) record.values[store::kLastRan] = JunkValue(r);

    if (!paused && start.now.date() <= today.date() && (record.runOnce || includesToday)) record.dueMinute = minute;
}

// Writes through the tasks key, as a writer with a short path can: the whole path of a
// long name is longer than the ANSI calls take.
void WriteRecords(const std::vector<Record>& records) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    UniqueHKey tasks;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, store::kTasksKey, 0, KEY_ALL_ACCESS, tasks.put());
    for (const Record& record : records)
        for (const auto& [name, value] : record.values)
            RegSetKeyValueA(tasks.get(), record.name.c_str(), name.c_str(), value.kind, value.bytes.data(),
                            DWORD(value.bytes.size()));
}

Snapshot TakeSnapshot() {
    Snapshot snapshot;
    UniqueHKey tasks;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, store::kTasksKey, 0, KEY_READ, tasks.put());
    std::string data(8192, '\0');
    for (DWORD i = 0;; ++i) {
        char name[kMaxKeyName + 2];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(tasks.get(), i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        Values& values = snapshot[std::string(name, nameSize)];
        UniqueHKey task;
        RegOpenKeyExA(tasks.get(), name, 0, KEY_READ, task.put());
        for (DWORD v = 0;; ++v) {
            char valueName[256];
            DWORD valueNameSize = sizeof valueName, kind = 0, size = DWORD(data.size());
            if (RegEnumValueA(task.get(), v, valueName, &valueNameSize, nullptr, &kind,
                              reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
                break;
            values[std::string(valueName, valueNameSize)] = {kind, data.substr(0, size)};
        }
    }
    return snapshot;
}

// Records what was started; a message task is known by the text it left in message.txt.
class FuzzLauncher final : public Launcher {
public:
    std::string folder;  // where message.txt is written
    std::vector<std::string> started;

    ProcessStart StartProcess(const std::string& commandLine, int) override {
        if (!commandLine.starts_with(kEditor + std::string(" "))) started.push_back(commandLine);
        else started.push_back(store::kMessagePrefix + ReadWholeFile(folder + "\\message.txt"));
        return {};
    }
    intptr_t ShellExecute(HWND, const std::string&, const std::string&, const std::string&, int,
                          UniqueKernelHandle*) override {
        return 42;  // never asked for: every start succeeds
    }
};

// The record a launch line names: the digits after its program folder or message text.
int RecordOfLaunch(const std::string& line) {
    static const std::regex launch(R"(^"?(C:\\fuzz\\|C:\\fuzz dir\\|MSG:fuzz )(\d+))");
    std::smatch match;
    return std::regex_search(line, match, launch) ? std::stoi(match[2]) : -1;
}

class FuzzRun {
public:
    FuzzRun(uint32_t seed, int recordCount) {
        Random r(seed);
        day_ = {r.Between(2000, 2028), r.Between(1, 12), r.Between(1, 28), 0, 0, 0, 0};
        for (size_t i = 0; i < size_t(recordCount); ++i) {
            Record& record = records_.emplace_back();
            record.name = RandomName(r, i);
            // Well-formed tasks must not depend on names the listing splits.
            if (r.Chance(12) && !record.Split()) MakeWellFormed(r, record, i, day_);
            else
                for (const char* value : kTaskValues)
                    if (r.Chance(80)) record.values[value] = JunkValue(r);
        }
        world_.launcher.folder = world_.folder.Path();
        world_.clock.Set(day_);
    }

    FuzzReport Run() {
        WriteRecords(records_);
        // A clean previous exit and a known drive list: start-up asks nothing.
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kMessageApp, RegValue::Text(kEditor), REG_SZ);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning, RegValue::Boolean(false), REG_DWORD);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
        before_ = TakeSnapshot();

        frmMain main(world_.context);
        main.Load();
        report_.rows = main.Controls().grdProgram.Rows() - 1;
        CheckStore("start-up", {});
        SimulateDay(main);
        RunAndPauseEveryRow(main);
        return report_;
    }

private:
    void Fault(const std::string& what) {
        if (report_.faults.size() < kMaxFaults) report_.faults.push_back(what);
    }

    // Every minute of the day, at an odd millisecond of its first second.
    void SimulateDay(frmMain& main) {
        std::map<int, std::vector<int>> launchedAt;  // record -> minutes
        const size_t startUpBoxes = world_.prompts.asked.size();  // the remote connection's, say
        for (int minute = 0; minute < 24 * 60; ++minute) {
            world_.clock.Set({day_.year, day_.month, day_.day, minute / 60, minute % 60, 0, minute * 37 % 1000});
            size_t launches = world_.launcher.started.size();
            main.Schedule().Timer2_Timer();
            for (; launches < world_.launcher.started.size(); ++launches) {
                int record = RecordOfLaunch(world_.launcher.started[launches]);
                if (record < 0) Fault("launched what no task asked for: " + world_.launcher.started[launches]);
                else launchedAt[record].push_back(minute);
            }
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        }
        // Every launch starts: a box would be a launch that failed.
        if (world_.prompts.asked.size() != startUpBoxes)
            Fault("a box in the day: " + world_.prompts.asked.back().text.substr(0, 80));
        for (size_t i = 0; i < records_.size(); ++i) {
            const Record& record = records_[i];
            std::vector<int> expected;
            if (record.dueMinute) expected.push_back(*record.dueMinute);
            if (launchedAt[int(i)] != expected)
                Fault("record " + Tag(i) + " launched " + std::to_string(launchedAt[int(i)].size()) + " times, due " +
                      std::to_string(expected.size()));
            if (record.runOnce && record.dueMinute) before_.erase(record.name);
        }
        report_.launches = int(world_.launcher.started.size());
        CheckStore("the day of ticks", {store::kLastRan, store::kLastResult});
    }

    // A record the listing hides is found here: it gets no stamp and no pause mark.
    void RunAndPauseEveryRow(frmMain& main) {
        GridModel& grid = main.Controls().grdProgram;
        world_.clock.Set({day_.year, day_.month, day_.day, 23, 59, 30, 0});
        for (int row = 1; row < grid.Rows(); ++row) {
            grid.SetRow(row);
            main.Schedule().mnuRun_Click();
        }
        const Value stamp = Text(datetext::LaunchStamp(world_.clock.Now()));
        CheckStore("Run Task", {store::kLastResult}, {{store::kLastRan, stamp}});
        for (bool pause : {true, false}) {
            for (int row = 1; row < grid.Rows(); ++row) {
                grid.SetRow(row);
                pause ? main.Schedule().mnuPause_Click() : main.Schedule().mnuUnPause_Click();
                if (task_grid::IsPausedCell(grid.TrimmedText(row, 0)) != pause)
                    Fault("row " + std::to_string(row) + " shows no pause change");
            }
            CheckStore(pause ? "Pause" : "Un-pause", {}, {{store::kPaused, Number(pause ? -1 : 0)}});
        }
    }

    // The store as before_ holds it, but for the values this step may change, and with
    // `expected` now in every record whose name the listing does not split.
    void CheckStore(const std::string& step, std::initializer_list<const char*> mayChange,
                    const Values& expected = {}) {
        Snapshot now = TakeSnapshot(), was = before_, is = now;
        for (const Record& record : records_)
            if (!record.Split() && was.count(record.name))
                for (const auto& [name, value] : expected) was[record.name][name] = value;
        for (Snapshot* snapshot : {&was, &is})
            for (auto& [name, values] : *snapshot)
                for (const char* value : mayChange) values.erase(value);
        for (const auto& [name, values] : was)
            if (!is.count(name) || is[name] != values) Fault(step + " changed or deleted " + name.substr(0, 40));
        for (const auto& [name, values] : is)
            if (!was.count(name)) Fault(step + " kept or added the task " + name.substr(0, 40));
        before_ = std::move(now);
    }

    TestWorld<FuzzLauncher> world_;
    DateTime day_;  // midnight of the simulated day
    std::vector<Record> records_;
    Snapshot before_;
    FuzzReport report_;
};

}  // namespace

FuzzReport RunStoreFuzz(uint32_t seed, int recordCount) { return FuzzRun(seed, recordCount).Run(); }
