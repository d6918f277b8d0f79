#include "support/FuzzRun.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <set>

#include "mainwindow/frmMain.h"
#include "platform/DateTimeText.h"
#include "store/RegistrySets.h"
#include "store/StoreLayout.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"
#include "support/StoreFuzz.h"

namespace {

constexpr size_t kMaxFaults = 20;

// Records what was started; a message task is known by the text it left in message.txt.
class FuzzLauncher final : public Launcher {
public:
    FuzzLauncher(std::string folder, std::string editor) : folder_(std::move(folder)), editor_(std::move(editor)) {}
    std::vector<std::string> started;

    ProcessStart StartProcess(const std::string& commandLine, int) override {
        // The message editor is started with the message file after its own path.
        if (!commandLine.starts_with(editor_ + " ")) {
            started.push_back(commandLine);
            return {};
        }
        std::string text = ReadWholeFile(folder_ + "\\message.txt");
        if (text.size() >= 2) text.resize(text.size() - 2);  // its CR LF
        started.push_back(store::kMessagePrefix + text);
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
    size_t digits = at + marker.size(), end = digits;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    return end == digits ? -1 : std::stoi(text.substr(digits, end - digits));
}

int RecordOfLaunch(const std::string& line) {
    for (const char* marker : {"C:\\fuzz\\", "C:\\fuzz dir\\", "MSG:fuzz "})
        if (line.starts_with(marker) || line.starts_with(std::string("\"") + marker)) return NumberAfter(line, marker);
    return -1;
}

std::string Tag(int index) { return "#" + std::to_string(index) + "#"; }

// A short printable picture of any bytes, for fault messages.
std::string Shown(const std::string& bytes) {
    std::string shown;
    for (unsigned char ch : bytes.substr(0, 40)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, ch >= 32 && ch < 127 ? "%c" : "\\x%02X", ch);
        shown += hex;
    }
    return '"' + shown + (bytes.size() > 40 ? "...\" (" + std::to_string(bytes.size()) + ")" : "\"");
}

class FuzzRun {
public:
    FuzzRun(uint32_t seed, int recordCount)
        : fuzz_(MakeFuzzStore(seed, recordCount)), launcher_(folder_.Path(), fuzz_.messageApp) {
        app_.SetPath(folder_.Path());
        clock_.Set(fuzz_.day);
        report_.records = recordCount;
    }

    FuzzReport Run() {
        auto start = std::chrono::steady_clock::now();
        WriteFuzzStore(fuzz_);
        // A clean previous exit and a known drive list: start-up asks nothing.
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning, RegValue::Boolean(false), REG_DWORD);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
        before_ = TakeSnapshot();

        frmMain main(context_);
        main.Load();
        report_.rows = main.Controls().grdProgram.Rows() - 1;
        CheckEveryRecordListed(main.Controls().grdProgram);
        if (TakeSnapshot() != before_) Fault("start-up changed the store");

        SimulateDay(main);
        RunAndPauseEveryRow(main);

        report_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return report_;
    }

private:
    static void PumpMessages() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

    // Runs the message loop until no box has come for a moment.
    void ShowPendingBoxes() {
        constexpr DWORD kQuietMs = 200;
        size_t seen = prompts_.asked.size();
        for (DWORD quietSince = GetTickCount(); GetTickCount() - quietSince < kQuietMs; Sleep(1)) {
            PumpMessages();
            if (prompts_.asked.size() != seen) {
                seen = prompts_.asked.size();
                quietSince = GetTickCount();
            }
        }
    }

    void Fault(const std::string& what) {
        if (report_.faults.size() < kMaxFaults) report_.faults.push_back(what);
    }

    void CheckEveryRecordListed(const GridModel& grid) {
        std::map<std::string, std::vector<int>> rowsOf;
        for (int row = 1; row < grid.Rows(); ++row) rowsOf[grid.TextMatrix(row, 1)].push_back(row);
        for (size_t i = 0; i < fuzz_.records.size(); ++i) {
            const FuzzRecord& record = fuzz_.records[i];
            if (record.name.find(',') != std::string::npos) continue;  // the listing splits such names
            const std::vector<int>& rows = rowsOf[record.name];
            if (rows.size() != 1) {
                Fault("record " + Tag(int(i)) + " has " + std::to_string(rows.size()) + " rows: " + Shown(record.name));
                continue;
            }
            int row = rows.front();
            std::string expected[] = {"", record.name,
                                      ShownText(record, store::kStartDate) + " at " + ShownText(record, store::kStartTime),
                                      ShownText(record, store::kLocation), ShownText(record, store::kDaysOfTheWeek)};
            if (record.intent != FuzzIntent::Junk && record.paused) expected[0] = "Paused";
            for (int col = record.intent == FuzzIntent::Junk ? 1 : 0; col < 5; ++col)
                if (grid.TextMatrix(row, col) != expected[col])
                    Fault("record " + Tag(int(i)) + " column " + std::to_string(col) + " shows " +
                          Shown(grid.TextMatrix(row, col)) + ", stored " + Shown(expected[col]));
        }
    }

    // Every minute of the day, at an odd millisecond of its first second.
    void SimulateDay(frmMain& main) {
        std::mt19937 ms(static_cast<uint32_t>(fuzz_.day.day));
        std::map<int, std::vector<int>> launchedAt;  // record -> minutes
        const size_t startUpBoxes = prompts_.asked.size();  // the remote connection's, say
        for (int minute = 0; minute < 24 * 60; ++minute) {
            clock_.Set({fuzz_.day.year, fuzz_.day.month, fuzz_.day.day, minute / 60, minute % 60, 0,
                        static_cast<int>(ms() % 1000)});
            size_t launches = launcher_.started.size();
            main.Schedule().Timer2_Timer();
            for (; launches < launcher_.started.size(); ++launches) {
                int record = RecordOfLaunch(launcher_.started[launches]);
                if (record < 0) Fault("launched what no task asked for: " + launcher_.started[launches].substr(0, 80));
                else launchedAt[record].push_back(minute);
            }
            PumpMessages();
        }
        // Launch boxes are shown from the message loop once their tick is over; a
        // not-launchable task's box tells its start, so the minute needs no noting.
        ShowPendingBoxes();
        std::map<int, std::vector<int>> boxedAt;
        for (size_t b = startUpBoxes; b < prompts_.asked.size(); ++b) {
            const PromptRecord& box = prompts_.asked[b];
            int record = NumberAfter(box.text, "#");
            if (record >= 0 && record < int(fuzz_.records.size()) && fuzz_.records[record].dueMinute)
                boxedAt[record].push_back(*fuzz_.records[record].dueMinute);
            else
                Fault("a box no due task asked for: " + Shown(box.text));
        }
        std::set<std::string> deleted;
        for (size_t i = 0; i < fuzz_.records.size(); ++i) {
            const FuzzRecord& record = fuzz_.records[i];
            bool launchable = record.intent == FuzzIntent::Program || record.intent == FuzzIntent::Message;
            std::vector<int> expected;
            if (record.dueMinute) expected.push_back(*record.dueMinute);
            const auto& got = launchable ? launchedAt[int(i)] : boxedAt[int(i)];
            if (got != (record.intent == FuzzIntent::Junk ? std::vector<int>{} : expected))
                Fault("record " + Tag(int(i)) + " launched " + std::to_string(got.size()) + " times, due " +
                      std::to_string(expected.size()) + ": " + Shown(record.name));
            if (launchable && record.runOnce && record.dueMinute) deleted.insert(record.name);
        }
        report_.launches = static_cast<int>(launcher_.started.size());
        report_.boxes = static_cast<int>(prompts_.asked.size() - startUpBoxes);
        report_.deleted = static_cast<int>(deleted.size());
        for (const std::string& name : deleted) before_.erase(name);
        CheckStore("the day of ticks", [&](const FuzzRecord& record, const std::string& value) {
            return value == store::kLastRan && record.dueMinute;
        });
    }

    void RunAndPauseEveryRow(frmMain& main) {
        MainControls& c = main.Controls();
        clock_.Set({fuzz_.day.year, fuzz_.day.month, fuzz_.day.day, 23, 59, 30, 0});
        const std::string stamp = datetext::LaunchStamp(clock_.Now());
        for (int row = 1; row < c.grdProgram.Rows(); ++row) {
            c.grdProgram.SetRow(row);
            main.Schedule().mnuRun_Click();
        }
        CheckEveryListedRecord(store::kLastRan, {REG_SZ, stamp + '\0'});
        for (auto [pause, mark] : {std::pair{true, "Paused"}, {false, ""}}) {
            for (int row = 1; row < c.grdProgram.Rows(); ++row) {
                c.grdProgram.SetRow(row);
                pause ? main.Schedule().mnuPause_Click() : main.Schedule().mnuUnPause_Click();
                if (c.grdProgram.TextMatrix(row, 0) != mark) Fault("row " + std::to_string(row) + " shows no pause change");
            }
            int32_t flag = pause ? -1 : 0;
            CheckEveryListedRecord(store::kPaused, {REG_DWORD, std::string(reinterpret_cast<const char*>(&flag), 4)});
        }
        CheckStore("Run Task, Pause and Un-pause", [](const FuzzRecord&, const std::string& value) {
            return value == store::kLastRan || value == store::kPaused;
        });
    }

    // The value every comma-free record that is still in the store must now hold.
    void CheckEveryListedRecord(const char* valueName, const FuzzValue& expected) {
        StoreSnapshot now = TakeSnapshot();
        for (size_t i = 0; i < fuzz_.records.size(); ++i) {
            const FuzzRecord& record = fuzz_.records[i];
            auto found = now.find(record.name);
            if (record.name.find(',') != std::string::npos || found == now.end()) continue;
            auto value = found->second.find(valueName);
            if (value == found->second.end() || !(value->second == expected))
                Fault("record " + Tag(int(i)) + " has no new \"" + valueName + "\"");
        }
    }

    // Nothing deleted but what before_ no longer holds; no value changed but those allowed.
    template <typename Allowed>
    void CheckStore(const std::string& after, Allowed allowed) {
        StoreSnapshot now = TakeSnapshot();
        std::map<std::string, const FuzzRecord*> byName;
        for (const FuzzRecord& record : fuzz_.records) byName[record.name] = &record;
        for (const auto& [name, values] : before_) {
            auto found = now.find(name);
            if (found == now.end()) {
                Fault(after + " deleted " + name.substr(0, 40));
                continue;
            }
            for (const auto& [value, data] : values) {
                auto kept = found->second.find(value);
                bool same = kept != found->second.end() && kept->second == data;
                if (!same && !(byName.count(name) && allowed(*byName[name], value)))
                    Fault(after + " changed \"" + value + "\" of " + name.substr(0, 40));
            }
        }
        for (const auto& [name, values] : now)
            if (!before_.count(name)) Fault(after + " kept the task " + Shown(name));
        before_ = std::move(now);
    }

    TempFolder folder_;
    ScratchRegistry registry_;
    FuzzStore fuzz_;
    Application app_;
    FakeClock clock_;
    ScriptedPrompts prompts_;
    FuzzLauncher launcher_;
    RecordingProgramEnd programEnd_;
    ScriptedComponents components_;
    AppContext context_{app_, clock_, prompts_, launcher_, programEnd_, components_};
    StoreSnapshot before_;
    FuzzReport report_;
};

}  // namespace

FuzzReport RunStoreFuzz(uint32_t seed, int recordCount) { return FuzzRun(seed, recordCount).Run(); }
