#include "support/StoreFuzz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "platform/DateTimeText.h"
#include "platform/UniqueHandle.h"
#include "store/RegistrySets.h"
#include "store/StoreLayout.h"

namespace {

constexpr int kMaxKeyName = 255;
constexpr const char* kTaskValues[] = {store::kLocation, store::kDaysOfTheWeek, store::kStartDate,
                                       store::kStartTime, store::kRunOnce,      store::kPaused,
                                       store::kLastRan};
constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool Chance(int percent) { return Between(0, 99) < percent; }

private:
    std::mt19937 engine_;
};

// Mostly small, many around the 256 bytes the registry read takes in its first call,
// some up to 64 KB.
size_t RandomSize(Random& r) {
    int c = r.Between(0, 99);
    if (c < 55) return static_cast<size_t>(r.Between(0, 32));
    if (c < 80) return static_cast<size_t>(r.Between(250, 262));
    if (c < 96) return static_cast<size_t>(r.Between(263, 4096));
    return static_cast<size_t>(r.Between(4097, 65536));
}

// Any byte: control characters, bytes above 127, NULs; usually no terminator.
std::string RandomBytes(Random& r, size_t size) {
    std::string bytes(size, '\0');
    for (char& ch : bytes) ch = static_cast<char>(r.Between(0, 255));
    return bytes;
}

FuzzValue JunkValue(Random& r) {
    static constexpr DWORD kKinds[] = {REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY, REG_MULTI_SZ, REG_NONE};
    DWORD kind = kKinds[r.Between(0, 5)];
    size_t size = kind == REG_DWORD && r.Chance(70) ? sizeof(DWORD) : RandomSize(r);
    return {kind, RandomBytes(r, size)};
}

FuzzValue Text(const std::string& text) { return {REG_SZ, text + '\0'}; }

FuzzValue Number(int32_t number) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number)};
}

// A printable name character or one above 127; never the key separator, the comma the
// listing splits at, or the '#' that frames the record's number.
char NameChar(Random& r) {
    for (;;) {
        char ch = static_cast<char>(r.Chance(20) ? r.Between(128, 255) : r.Between(32, 126));
        if (ch != '\\' && ch != ',' && ch != '#') return ch;
    }
}

// "#index#" somewhere inside keeps names unique whatever the case folding does.
std::string RandomName(Random& r, int index) {
    std::string tag(1, '#');
    tag += std::to_string(index);
    tag += '#';
    int c = r.Between(0, 99);
    int length = c < 10 ? kMaxKeyName : c < 20 ? r.Between(200, kMaxKeyName) : r.Between(0, 20) + static_cast<int>(tag.size());
    std::string name;
    for (int i = static_cast<int>(tag.size()); i < length; ++i) name += NameChar(r);
    name.insert(static_cast<size_t>(r.Between(0, static_cast<int>(name.size()))), tag);
    if (r.Chance(15) && name.size() >= tag.size() + 2) {
        // Blanks at both ends, where they do not cut into the tag.
        if (name.front() != '#') name.front() = ' ';
        if (name.back() != '#') name.back() = ' ';
    }
    if (r.Chance(2)) {
        name.insert(name.find('#') + tag.size(), 1, ',');
        name.resize(std::min(name.size(), static_cast<size_t>(kMaxKeyName)));
    }
    return name;
}

Date AddDays(Date d, int days) {
    // Through the calendar one day at a time: short spans only.
    for (; days > 0; --days) {
        ++d.day;
        if (!datetext::IsValidDate(d)) {
            d.day = 1;
            if (++d.month > 12) d = {d.year + 1, 1, 1};
        }
    }
    for (; days < 0; ++days) {
        if (--d.day < 1) {
            if (--d.month < 1) d = {d.year - 1, 12, 31};
            for (d.day = 31; !datetext::IsValidDate(d); --d.day) {}
        }
    }
    return d;
}

// A task the program could have written, or another writer (reg add, a script) could:
// true as -1, 1 or "True", texts with or without their terminator.
void MakeWellFormed(Random& r, FuzzRecord& record, int index, const Date& today) {
    int c = r.Between(0, 99);
    record.intent = c < 55 ? FuzzIntent::Program : c < 85 ? FuzzIntent::Message : FuzzIntent::NotLaunchable;
    const std::string id = std::to_string(index);
    std::string location = record.intent == FuzzIntent::Message    ? "MSG:fuzz " + id
                           : record.intent == FuzzIntent::NotLaunchable ? "fuzz" + id + ".txt"
                           : r.Chance(50)                          ? "C:\\fuzz\\" + id + ".exe /n"
                                                                   : "\"C:\\fuzz dir\\" + id + ".exe\" /q";
    if (r.Chance(20)) location += "   ";
    record.values[store::kLocation] = r.Chance(20) ? FuzzValue{REG_SZ, location} : Text(location);

    int minute = r.Between(0, 24 * 60 - 1);
    DateTime at{today.year, today.month, today.day, minute / 60, minute % 60, 0, 0};
    int when = r.Between(0, 99);
    Date start = when < 15 ? AddDays(today, r.Between(1, 400)) : when < 35 ? today : AddDays(today, -r.Between(1, 1000));
    std::string date = r.Chance(30) && start.year >= 1930 && start.year <= 2029 ? datetext::DateMMDDYY(start)
                                                                                 : datetext::DateMMDDYYYY(start);
    record.values[store::kStartDate] = Text(date);
    // Anything after the eight characters of the time is not looked at.
    std::string time = datetext::TimeHHMMAmPm(at);
    record.values[store::kStartTime] = r.Chance(15) ? FuzzValue{REG_SZ, time + std::string("\0junk", 5) + RandomBytes(r, 8)} : Text(time);

    record.runOnce = r.Chance(35);
    const FuzzValue runOnceForms[] = {Number(-1), Number(1), Text("True"), Text("1")};
    const FuzzValue weeklyForms[] = {Number(0), Text("False"), Text("0")};
    if (record.runOnce) record.values[store::kRunOnce] = runOnceForms[r.Between(0, 3)];
    else if (r.Chance(75)) record.values[store::kRunOnce] = weeklyForms[r.Between(0, 2)];

    record.paused = r.Chance(15);
    const FuzzValue pausedForms[] = {Number(-1), Number(1), Text("True")};
    if (record.paused) record.values[store::kPaused] = pausedForms[r.Between(0, 2)];
    else if (r.Chance(50)) record.values[store::kPaused] = Number(0);

    // Saturday first, as the editor writes them; today is in the list half of the time.
    int weekday = datetext::Weekday(today);
    bool includesToday = r.Chance(50);
    std::string days;
    for (int d = 6; d >= 0; --d) {
        if (d == weekday ? !includesToday : r.Chance(60)) continue;
        if (!days.empty()) days += ',';
        days += kWeekdays[d];
    }
    record.values[store::kDaysOfTheWeek] = Text(days);
    if (r.Chance(50)) record.values[store::kLastRan] = JunkValue(r);

    // Not-launchable locations show their box without looking at the weekdays.
    bool dayOk = record.intent == FuzzIntent::NotLaunchable || record.runOnce || includesToday;
    if (!record.paused && start <= today && dayOk) record.dueMinute = minute;
}

}  // namespace

bool operator==(const FuzzValue& a, const FuzzValue& b) { return a.kind == b.kind && a.bytes == b.bytes; }

FuzzStore MakeFuzzStore(uint32_t seed, int recordCount) {
    Random r(seed);
    FuzzStore fuzz;
    Date today{r.Between(2000, 2028), r.Between(1, 12), 1};
    today.day = r.Between(1, 31);
    while (!datetext::IsValidDate(today)) --today.day;
    fuzz.day = {today.year, today.month, today.day, 0, 0, 0, 0};
    fuzz.messageApp = "C:\\fuzz\\editor.exe";
    for (int i = 0; i < recordCount; ++i) {
        FuzzRecord record;
        record.name = RandomName(r, i);
        // Well-formed tasks must not depend on names the listing splits.
        if (r.Chance(12) && record.name.find(',') == std::string::npos) {
            MakeWellFormed(r, record, i, today);
        } else {
            for (const char* value : kTaskValues)
                if (r.Chance(80)) record.values[value] = JunkValue(r);
        }
        fuzz.records.push_back(std::move(record));
    }
    return fuzz;
}

void WriteFuzzStore(const FuzzStore& fuzz) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kMessageApp, RegValue::Text(fuzz.messageApp), REG_SZ);
    // Through the tasks key, as a writer with a short path can: the whole path of a
    // long name is longer than the ANSI calls take.
    UniqueHKey tasks;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, store::kTasksKey, 0, KEY_ALL_ACCESS, tasks.put());
    for (const FuzzRecord& record : fuzz.records) {
        UniqueHKey key;
        if (RegCreateKeyExA(tasks.get(), record.name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                            nullptr) != ERROR_SUCCESS)
            ADD_FAILURE() << "cannot create the task key " << record.name;
        for (const auto& [name, value] : record.values)
            RegSetValueExA(key.get(), name.c_str(), 0, value.kind, reinterpret_cast<const BYTE*>(value.bytes.data()),
                           static_cast<DWORD>(value.bytes.size()));
    }
}

StoreSnapshot TakeSnapshot() {
    StoreSnapshot snapshot;
    UniqueHKey tasks;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, store::kTasksKey, 0, KEY_READ, tasks.put()) != ERROR_SUCCESS) return snapshot;
    std::string data(70000, '\0');
    for (DWORD i = 0;; ++i) {
        char name[kMaxKeyName + 2];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(tasks.get(), i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        auto& values = snapshot[std::string(name, nameSize)];
        UniqueHKey task;
        RegOpenKeyExA(tasks.get(), name, 0, KEY_READ, task.put());
        for (DWORD v = 0;; ++v) {
            char valueName[256];
            DWORD valueNameSize = sizeof valueName, kind = 0, size = static_cast<DWORD>(data.size());
            if (RegEnumValueA(task.get(), v, valueName, &valueNameSize, nullptr, &kind,
                              reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
                break;
            values[std::string(valueName, valueNameSize)] = {kind, data.substr(0, size)};
        }
    }
    return snapshot;
}

std::string ShownText(const FuzzRecord& record, const char* valueName) {
    auto found = record.values.find(valueName);
    if (found == record.values.end()) return {};
    const std::string& bytes = found->second.bytes;
    if (found->second.kind == REG_DWORD && bytes.size() == sizeof(int32_t)) {
        int32_t number;
        std::memcpy(&number, bytes.data(), sizeof number);
        return std::to_string(number);
    }
    if (found->second.kind != REG_SZ) return {};
    return bytes.substr(0, bytes.find('\0'));
}
