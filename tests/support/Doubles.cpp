#include "support/Doubles.h"

#include <algorithm>
#include <iterator>

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(int year, int month, int day) {
    long long y = year - (month <= 2);
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yearOfEra = y - era * 400;
    long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
    days += 719468;
    long long era = (days >= 0 ? days : days - 146096) / 146097;
    long long dayOfEra = days - era * 146097;
    long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Moves a time by any number of seconds, either way, carrying through the calendar.
void Advance(DateTime& t, long long seconds) {
    long long total = t.hour * 3600LL + t.minute * 60LL + t.second + seconds;
    long long days = FloorDiv(total, 86400);
    long long secondOfDay = total - days * 86400;
    CivilFromDays(DaysFromCivil(t.year, t.month, t.day) + days, t.year, t.month, t.day);
    t.hour = static_cast<int>(secondOfDay / 3600);
    t.minute = static_cast<int>(secondOfDay / 60 % 60);
    t.second = static_cast<int>(secondOfDay % 60);
}

// What a message box answers when nobody scripted it: its first button.
int FirstButton(UINT style) {
    switch (style & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    case MB_CANCELTRYCONTINUE: return IDCANCEL;
    default: return IDOK;
    }
}

template <typename T>
T TakeFront(std::deque<T>& queue, T whenEmpty) {
    if (queue.empty()) return whenEmpty;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

template <typename Record, typename Kind>
std::vector<Record> OfKind(const std::vector<Record>& records, Kind kind) {
    std::vector<Record> result;
    std::copy_if(records.begin(), records.end(), std::back_inserter(result),
                 [kind](const Record& r) { return r.kind == kind; });
    return result;
}

ComponentResult MemberNotFound(const std::string& member) {
    return {{}, {static_cast<DWORD>(DISP_E_MEMBERNOTFOUND), "Unknown name: " + member}};
}

}  // namespace

void FakeClock::AddSeconds(int seconds) { Advance(now, seconds); }
void FakeClock::AddMinutes(int minutes) { Advance(now, minutes * 60LL); }

int ScriptedPrompts::MessageBox(HWND, const std::string& text, const std::string& title, UINT style) {
    asked.push_back({PromptRecord::Kind::MessageBox, title, text, style, {}});
    if (whileOpen) whileOpen();
    return TakeFront(messageAnswers, FirstButton(style));
}

std::string ScriptedPrompts::InputBox(HWND, const std::string& prompt, const std::string& title,
                                      const std::string& defaultAnswer) {
    asked.push_back({PromptRecord::Kind::InputBox, title, prompt, 0, defaultAnswer});
    return TakeFront(inputAnswers, std::string());
}

std::optional<std::string> ScriptedPrompts::OpenFile(HWND, const OpenFileRequest& request) {
    asked.push_back({PromptRecord::Kind::OpenFile, request.title, request.filter, 0, request.fileName});
    return TakeFront(fileAnswers, std::optional<std::string>());
}

std::vector<PromptRecord> ScriptedPrompts::MessageBoxes() const {
    return OfKind(asked, PromptRecord::Kind::MessageBox);
}

DWORD RecordingLauncher::StartProcess(const std::string& commandLine, int showCommand) {
    launches.push_back({LaunchRecord::Kind::Process, commandLine, showCommand, {}, nullptr, {}});
    auto failing = failingStarts.find(commandLine);
    return failing != failingStarts.end() ? failing->second : defaultStartResult;
}

intptr_t RecordingLauncher::ShellExecute(HWND owner, const std::string& file, const std::string& parameters,
                                         const std::string& directory, int showCommand) {
    launches.push_back({LaunchRecord::Kind::Shell, file, showCommand, directory, owner, parameters});
    return shellResult;
}

std::vector<LaunchRecord> RecordingLauncher::Processes() const {
    return OfKind(launches, LaunchRecord::Kind::Process);
}

ComponentResult ScriptedObject::Get(const std::string& member) {
    calls.push_back("Get:" + member);
    auto found = properties.find(member);
    return found != properties.end() ? found->second : MemberNotFound(member);
}

ErrorInfo ScriptedObject::Put(const std::string& member, const ComponentValue& value) {
    calls.push_back("Put:" + member);
    properties[member] = {value, {}};
    return {};
}

ComponentResult ScriptedObject::Call(const std::string& member, const std::vector<ComponentValue>& args) {
    calls.push_back("Call:" + member);
    callArgs.push_back(args);
    auto found = methods.find(member);
    return found != methods.end() ? found->second : MemberNotFound(member);
}

ComponentCreation ScriptedComponents::Create(const std::string& progId, const std::string& machine) {
    std::string key = machine.empty() ? progId : progId + "@" + machine;
    created.push_back(key);
    auto found = objects.find(key);
    if (found == objects.end()) return {nullptr, MakeError(static_cast<DWORD>(CO_E_CLASSSTRING))};
    return {found->second, {}};
}
