#include "support/StoreFuzz.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "mainwindow/frmMain.h"
#include "platform/DateTimeText.h"
#include "platform/UniqueHandle.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"

namespace {

constexpr int kMaxKeyName = 255;
constexpr size_t kMaxFaults = 20;
constexpr const char* kTaskValues[] = {store::kLocation, store::kDaysOfTheWeek, store::kStartDate, store::kStartTime,
                                       store::kRunOnce,  store::kPaused,        store::kLastRan};
constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

struct Value {
    DWORD kind;
    std::string bytes;
    bool operator==(const Value&) const = default;
};
using Values = std::map<std::string, Value>;  // value name -> what is stored
using Snapshot = std::map<std::string, Values>;  // task key -> its values

enum class Intent { Junk, Program, Message, NotLaunchable };

struct Record {
    std::string name;  // unique, also without regard to case
    Values values;
    Intent intent = Intent::Junk;
    std::optional<int> dueMinute;  // of the fuzz day; a not-launchable task shows its box then
    bool runOnce = false, paused = false;
};

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool Chance(int percent) { return Between(0, 99) < percent; }

private:
    std::mt19937 engine_;
};

// Any byte, NULs included, usually no terminator. Mostly small, many around the 256
// bytes the registry read takes in its first call, some up to 64 KB.
std::string RandomBytes(Random& r, size_t size = 0) {
    int c = r.Between(0, 99);
    if (!size) size = c < 55 ? r.Between(0, 32) : c < 80 ? r.Between(250, 262) : c < 96 ? r.Between(263, 4096)
                                                                                      : r.Between(4097, 65536);
    std::string bytes(size, '\0');
    for (char& ch : bytes) ch = static_cast<char>(r.Between(0, 255));
    return bytes;
}

Value JunkValue(Random& r) {
    static constexpr DWORD kKinds[] = {REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY, REG_MULTI_SZ, REG_NONE};
    DWORD kind = kKinds[r.Between(0, 5)];
    return {kind, RandomBytes(r, kind == REG_DWORD && r.Chance(70) ? sizeof(DWORD) : 0)};
}

Value Text(const std::string& text) { return {REG_SZ, text + '\0'}; }
Value Number(int32_t number) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)}; }

std::string Tag(size_t index) {
    std::string tag(1, '#');
    tag += std::to_string(index);
    return tag += '#';
}

// Printable characters and ones above 127, never the key separator, the comma the
// listing splits at or the '#' of the tag; "#index#" inside keeps names unique.
std::string RandomName(Random& r, size_t index) {
    const std::string tag = Tag(index);
    int c = r.Between(0, 99);
    int length = c < 10 ? kMaxKeyName : c < 20 ? r.Between(200, kMaxKeyName) : r.Between(0, 20) + int(tag.size());
    std::string name;
    while (name.size() + tag.size() < size_t(length)) {
        char ch = static_cast<char>(r.Chance(20) ? r.Between(128, 255) : r.Between(32, 126));
        if (ch != '\\' && ch != ',' && ch != '#') name += ch;
    }
    name.insert(size_t(r.Between(0, int(name.size()))), tag);
    if (r.Chance(15) && name.size() >= tag.size() + 2) {  // blanks at both ends, outside the tag
        if (name.front() != '#') name.front() = ' ';
        if (name.back() != '#') name.back() = ' ';
    }
    if (r.Chance(2)) {
        name.insert(name.find('#') + tag.size(), 1, ',');
        name.resize(std::min(name.size(), size_t(kMaxKeyName)));
    }
    return name;
}

Date AddDays(const Date& d, int days) {
    SYSTEMTIME st{WORD(d.year), WORD(d.month), 0, WORD(d.day), 0, 0, 0, 0};
    ULARGE_INTEGER t;
    SystemTimeToFileTime(&st, reinterpret_cast<FILETIME*>(&t));
    t.QuadPart += days * 864000000000LL;
    FileTimeToSystemTime(reinterpret_cast<FILETIME*>(&t), &st);
    return {st.wYear, st.wMonth, st.wDay};
}

// A task the program could have written, or another writer (reg add, a script) could:
// true as -1, 1 or "True", texts with or without their terminator.
void MakeWellFormed(Random& r, Record& record, size_t index, const Date& today) {
    int c = r.Between(0, 99);
    record.intent = c < 55 ? Intent::Program : c < 85 ? Intent::Message : Intent::NotLaunchable;
    const std::string id = std::to_string(index);
    std::string location = record.intent == Intent::Message         ? "MSG:fuzz " + id
                           : record.intent == Intent::NotLaunchable ? "fuzz" + id + ".txt"
                           : r.Chance(50)                           ? "C:\\fuzz\\" + id + ".exe /n"
                                                                    : "\"C:\\fuzz dir\\" + id + ".exe\" /q";
    if (r.Chance(20)) location += "   ";
    record.values[store::kLocation] = r.Chance(20) ? Value{REG_SZ, location} : Text(location);

    int minute = r.Between(0, 24 * 60 - 1);
    int when = r.Between(0, 99);
    Date start = AddDays(today, when < 15 ? r.Between(1, 400) : when < 35 ? 0 : -r.Between(1, 1000));
    bool shortYear = r.Chance(30) && start.year >= 1930 && start.year <= 2029;
    record.values[store::kStartDate] = Text(shortYear ? datetext::DateMMDDYY(start) : datetext::DateMMDDYYYY(start));
    // Anything after the eight characters of the time is not looked at.
    std::string time = datetext::TimeHHMMAmPm({today.year, today.month, today.day, minute / 60, minute % 60, 0, 0});
    record.values[store::kStartTime] = r.Chance(15) ? Value{REG_SZ, time + std::string("\0junk", 5) + RandomBytes(r, 8)}
                                                    : Text(time);

    const Value runOnceForms[] = {Number(-1), Number(1), Text("True"), Text("1")};
    const Value weeklyForms[] = {Number(0), Text("False"), Text("0")};
    record.runOnce = r.Chance(35);
    record.paused = r.Chance(15);
    if (record.runOnce) record.values[store::kRunOnce] = runOnceForms[r.Between(0, 3)];
    else if (r.Chance(75)) record.values[store::kRunOnce] = weeklyForms[r.Between(0, 2)];
    const Value pausedForms[] = {Number(-1), Number(1), Text("True")};
    if (record.paused) record.values[store::kPaused] = pausedForms[r.Between(0, 2)];
    else if (r.Chance(50)) record.values[store::kPaused] = Number(0);

    // Saturday first, as the editor writes them; today is in the list half of the time.
    int weekday = datetext::Weekday(today);
    bool includesToday = r.Chance(50);
    std::string days;
    for (int d = 6; d >= 0; --d)
        if (d == weekday ? includesToday : r.Chance(40)) days += std::string(days.empty() ? "" : ",") + kWeekdays[d];
    record.values[store::kDaysOfTheWeek] = Text(days);
    if (r.Chance(50)) record.values[store::kLastRan] = JunkValue(r);

    // Not-launchable locations show their box without looking at the weekdays.
    bool dayOk = record.intent == Intent::NotLaunchable || record.runOnce || includesToday;
    if (!record.paused && start <= today && dayOk) record.dueMinute = minute;
}

// Writes through the tasks key, as a writer with a short path can: the whole path of a
// long name is longer than the ANSI calls take.
void WriteRecords(const std::vector<Record>& records) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    UniqueHKey tasks;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, store::kTasksKey, 0, KEY_ALL_ACCESS, tasks.put());
    for (const Record& record : records) {
        UniqueHKey key;
        RegCreateKeyExA(tasks.get(), record.name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
        for (const auto& [name, value] : record.values)
            RegSetValueExA(key.get(), name.c_str(), 0, value.kind, reinterpret_cast<const BYTE*>(value.bytes.data()),
                           DWORD(value.bytes.size()));
    }
}

Snapshot TakeSnapshot() {
    Snapshot snapshot;
    UniqueHKey tasks;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, store::kTasksKey, 0, KEY_READ, tasks.put());
    std::string data(70000, '\0');
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

// What the grid shows of a stored value: a text up to its first NUL, a number in
// decimal; any other kind, nothing.
std::string ShownText(const Record& record, const char* valueName) {
    auto found = record.values.find(valueName);
    if (found == record.values.end()) return {};
    const auto& [kind, bytes] = found->second;
    int32_t number;
    if (kind == REG_DWORD && bytes.size() == sizeof number) {
        std::memcpy(&number, bytes.data(), sizeof number);
        return std::to_string(number);
    }
    return kind == REG_SZ ? bytes.substr(0, bytes.find('\0')) : std::string();
}

// Records what was started; a message task is known by the text it left in message.txt.
class FuzzLauncher final : public Launcher {
public:
    FuzzLauncher(std::string folder, std::string editor) : folder_(std::move(folder)), editor_(std::move(editor)) {}
    std::vector<std::string> started;

    ProcessStart StartProcess(const std::string& commandLine, int) override {
        if (!commandLine.starts_with(editor_ + " ")) started.push_back(commandLine);
        else started.push_back(store::kMessagePrefix + ReadWholeFile(folder_ + "\\message.txt"));
        return {};
    }
    intptr_t ShellExecute(HWND, const std::string& file, const std::string&, const std::string&, int,
                          UniqueKernelHandle*) override {
        started.push_back("shell " + file);
        return 42;
    }

private:
    std::string folder_, editor_;
};

// The record number a launch line, a message or a box names: the digits after the marker.
int NumberAfter(const std::string& text, const std::string& marker) {
    size_t at = text.find(marker);
    if (at == std::string::npos) return -1;
    size_t digits = at + marker.size(), end = text.find_first_not_of("0123456789", digits);
    return (end == std::string::npos ? text.size() : end) == digits ? -1 : std::stoi(text.substr(digits));
}

int RecordOfLaunch(const std::string& line) {
    for (const char* marker : {"C:\\fuzz\\", "C:\\fuzz dir\\", "MSG:fuzz "})
        if (line.starts_with(marker) || line.starts_with(std::string("\"") + marker)) return NumberAfter(line, marker);
    return -1;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

class FuzzRun {
public:
    FuzzRun(uint32_t seed, int recordCount) {
        Random r(seed);
        Date today{r.Between(2000, 2028), r.Between(1, 12), r.Between(1, 31)};
        while (!datetext::IsValidDate(today)) --today.day;
        day_ = {today.year, today.month, today.day, 0, 0, 0, 0};
        for (size_t i = 0; i < size_t(recordCount); ++i) {
            Record& record = records_.emplace_back();
            record.name = RandomName(r, i);
            // Well-formed tasks must not depend on names the listing splits.
            if (r.Chance(12) && record.name.find(',') == std::string::npos) MakeWellFormed(r, record, i, today);
            else
                for (const char* value : kTaskValues)
                    if (r.Chance(80)) record.values[value] = JunkValue(r);
        }
        app_.SetPath(folder_.Path());
        app_.SetDataFolder(folder_.Path());
        clock_.Set(day_);
    }

    FuzzReport Run() {
        WriteRecords(records_);
        // A clean previous exit and a known drive list: start-up asks nothing.
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kMessageApp, RegValue::Text(kEditor), REG_SZ);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning, RegValue::Boolean(false), REG_DWORD);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
        before_ = TakeSnapshot();

        frmMain main(context_);
        main.Load();
        report_.rows = main.Controls().grdProgram.Rows() - 1;
        CheckEveryRecordListed(main.Controls().grdProgram);
        CheckStore("start-up", [](const Record&, const std::string&) { return false; });
        SimulateDay(main);
        RunAndPauseEveryRow(main);
        return report_;
    }

private:
    static constexpr const char* kEditor = "C:\\fuzz\\editor.exe";

    void Fault(const std::string& what) {
        if (report_.faults.size() < kMaxFaults) report_.faults.push_back(what);
    }

    void CheckEveryRecordListed(const GridModel& grid) {
        std::map<std::string, std::vector<int>> rowsOf;
        for (int row = 1; row < grid.Rows(); ++row) rowsOf[grid.TextMatrix(row, 1)].push_back(row);
        for (size_t i = 0; i < records_.size(); ++i) {
            const Record& record = records_[i];
            if (record.name.find(',') != std::string::npos) continue;  // the listing splits such names
            const std::vector<int>& rows = rowsOf[record.name];
            if (rows.size() != 1) {
                Fault("record " + Tag(i) + " has " + std::to_string(rows.size()) + " rows");
                continue;
            }
            // The fuzzed records are the machine's: their pause cell also says so.
            bool paused = record.intent != Intent::Junk && record.paused;
            std::string expected[] = {task_grid::PauseCellText(paused, store::Store::Machine), record.name,
                                      ShownText(record, store::kStartDate) + " at " + ShownText(record, store::kStartTime),
                                      ShownText(record, store::kLocation), ShownText(record, store::kDaysOfTheWeek)};
            for (int col = record.intent == Intent::Junk ? 1 : 0; col < 5; ++col)
                if (grid.TextMatrix(rows.front(), col) != expected[col])
                    Fault("record " + Tag(i) + " column " + std::to_string(col) + " shows \"" +
                          grid.TextMatrix(rows.front(), col).substr(0, 40) + "\"");
        }
    }

    // Every minute of the day, at an odd millisecond of its first second.
    void SimulateDay(frmMain& main) {
        std::mt19937 ms(uint32_t(day_.day));
        std::map<int, std::vector<int>> launchedAt, boxedAt;  // record -> minutes
        const size_t startUpBoxes = prompts_.asked.size();  // the remote connection's, say
        for (int minute = 0; minute < 24 * 60; ++minute) {
            clock_.Set({day_.year, day_.month, day_.day, minute / 60, minute % 60, 0, int(ms() % 1000)});
            size_t launches = launcher_.started.size();
            main.Schedule().Timer2_Timer();
            for (; launches < launcher_.started.size(); ++launches) {
                int record = RecordOfLaunch(launcher_.started[launches]);
                if (record < 0) Fault("launched what no task asked for: " + launcher_.started[launches].substr(0, 80));
                else launchedAt[record].push_back(minute);
            }
            PumpMessages();
        }
        // Launch boxes come from the message loop after their tick; run it until none
        // has come for a moment. A box names its task, whose due minute is known.
        size_t seen = prompts_.asked.size();
        for (DWORD quietSince = GetTickCount(); GetTickCount() - quietSince < 200; Sleep(1)) {
            PumpMessages();
            if (prompts_.asked.size() != seen) {
                seen = prompts_.asked.size();
                quietSince = GetTickCount();
            }
        }
        for (size_t b = startUpBoxes; b < prompts_.asked.size(); ++b) {
            int record = NumberAfter(prompts_.asked[b].text, "#");
            if (record >= 0 && record < int(records_.size()) && records_[record].dueMinute)
                boxedAt[record].push_back(*records_[record].dueMinute);
            else
                Fault("a box no due task asked for: " + prompts_.asked[b].text.substr(0, 80));
        }
        for (size_t i = 0; i < records_.size(); ++i) {
            const Record& record = records_[i];
            bool launchable = record.intent == Intent::Program || record.intent == Intent::Message;
            std::vector<int> expected;
            if (record.dueMinute && record.intent != Intent::Junk) expected.push_back(*record.dueMinute);
            if ((launchable ? launchedAt : boxedAt)[int(i)] != expected)
                Fault("record " + Tag(i) + " launched " + std::to_string(launchedAt[int(i)].size()) + " times, due " +
                      std::to_string(expected.size()));
            if (launchable && record.runOnce && record.dueMinute) before_.erase(record.name);
        }
        report_.launches = int(launcher_.started.size());
        CheckStore("the day of ticks", [](const Record& record, const std::string& value) {
            return value == store::kLastRan && record.dueMinute;
        });
    }

    void RunAndPauseEveryRow(frmMain& main) {
        GridModel& grid = main.Controls().grdProgram;
        clock_.Set({day_.year, day_.month, day_.day, 23, 59, 30, 0});
        for (int row = 1; row < grid.Rows(); ++row) {
            grid.SetRow(row);
            main.Schedule().mnuRun_Click();
        }
        CheckEveryListedRecord(store::kLastRan, Text(datetext::LaunchStamp(clock_.Now())));
        for (bool pause : {true, false}) {
            for (int row = 1; row < grid.Rows(); ++row) {
                grid.SetRow(row);
                pause ? main.Schedule().mnuPause_Click() : main.Schedule().mnuUnPause_Click();
                if (task_grid::IsPausedCell(grid.TrimmedText(row, 0)) != pause) Fault("row " + std::to_string(row) + " shows no pause change");
            }
            CheckEveryListedRecord(store::kPaused, Number(pause ? -1 : 0));
        }
        CheckStore("Run Task, Pause and Un-pause", [](const Record&, const std::string& value) {
            return value == store::kLastRan || value == store::kPaused;
        });
    }

    // The value every comma-free record that is still in the store must now hold.
    void CheckEveryListedRecord(const char* valueName, const Value& expected) {
        Snapshot now = TakeSnapshot();
        for (size_t i = 0; i < records_.size(); ++i) {
            auto found = now.find(records_[i].name);
            if (records_[i].name.find(',') != std::string::npos || found == now.end()) continue;
            auto value = found->second.find(valueName);
            if (value == found->second.end() || !(value->second == expected))
                Fault("record " + Tag(i) + " has no new \"" + valueName + "\"");
        }
    }

    // Nothing deleted but what before_ no longer holds; no value changed but those allowed.
    template <typename Allowed>
    void CheckStore(const std::string& after, Allowed allowed) {
        Snapshot now = TakeSnapshot();
        std::map<std::string, const Record*> byName;
        for (const Record& record : records_) byName[record.name] = &record;
        for (const auto& [name, values] : before_) {
            auto found = now.find(name);
            if (found == now.end()) {
                Fault(after + " deleted " + name.substr(0, 40));
                continue;
            }
            for (const auto& [value, data] : values) {
                auto kept = found->second.find(value);
                if ((kept == found->second.end() || !(kept->second == data)) &&
                    !(byName.count(name) && allowed(*byName[name], value)))
                    Fault(after + " changed \"" + value + "\" of " + name.substr(0, 40));
            }
        }
        for (const auto& [name, values] : now)
            if (!before_.count(name)) Fault(after + " kept the task " + name.substr(0, 40));
        before_ = std::move(now);
    }

    TempFolder folder_;
    ScratchRegistry registry_;
    DateTime day_;  // midnight of the simulated day
    std::vector<Record> records_;
    Application app_;
    FakeClock clock_;
    ScriptedPrompts prompts_;
    FuzzLauncher launcher_{folder_.Path(), kEditor};
    RecordingProgramEnd programEnd_;
    ScriptedComponents components_;
    AppContext context_{app_, clock_, prompts_, launcher_, programEnd_, components_};
    Snapshot before_;
    FuzzReport report_;
};

}  // namespace

FuzzReport RunStoreFuzz(uint32_t seed, int recordCount) { return FuzzRun(seed, recordCount).Run(); }
