#include "editor/TaskSave.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "editor/DiskUtilities.h"
#include "platform/DateTimeText.h"
#include "platform/ErrorText.h"
#include "platform/Trim.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"
#include "store/TaskRecord.h"

namespace {

constexpr const char* kNoDays = "You picked this to be scheduled, but you didn't pick what days.";
constexpr const char* kNoLocation =
    "Location of the if has not been filled.  There for there cannot be a save of this information.";
constexpr const char* kNoName = "The program needs a name before it can be saved.";
constexpr const char* kBadName =
    "A task name cannot hold a comma (,) or a backslash (\\).  Please choose another name.";
constexpr const char* kPickEditor =
    "Vantro needs you to pick out a Word Editor of your choice for this message to popup in.  NotePad, "
    "Wordpad, Word, ect..";
constexpr const char* kNoMessage = "There must be a message before a message can be displayed.";
constexpr const char* kNameQuestion = "What would you like to call this message?";
constexpr const char* kNotSaved = "The task could not be saved.";

constexpr const char* kEditorCandidates[] = {"c:\\windows\\notepad.exe", "c:\\windows\\wordpad.exe",
                                             "c:\\program files\\Accessories\\Wordpad.exe"};

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

bool SameName(const std::string& a, const std::string& b) {
    return Upper(std::string(TrimBlanks(a))) == Upper(std::string(TrimBlanks(b)));
}

bool TaskExists(store::Store store, const std::string& name) {
    UniqueHKey key;
    return OpenRegistryKey(store::RootOf(store), store::TaskKey(name), KEY_READ, key) == ERROR_SUCCESS;
}

bool HasBadNameCharacter(const std::string& name) { return name.find_first_of(",\\") != std::string::npos; }

bool IsProgramFile(const std::string& fileName) {
    std::string upper = Upper(fileName);
    return upper.ends_with(".EXE") || upper.ends_with(".COM");
}

class Save {
public:
    Save(const TaskEntries& entries, const SaveSetting& setting)
        : entries_(entries), setting_(setting), location_(entries.location) {}

    SaveOutcome Run() {
        bool saved = Complete() && Write();
        return {saved, location_};
    }

private:
    bool Complete() {
        if (!entries_.runOnce) {
            record_.days = DayList(entries_.days);
            if (record_.days.empty()) return Stop(kNoDays);
        } else if (!ConfirmPastRunOnce()) {
            return false;
        }
        return entries_.program ? CompleteProgram() : CompleteMessage();
    }

    bool ConfirmPastRunOnce() {
        const DateTime& date = entries_.date;
        DateTime at{date.year, date.month, date.day, entries_.time.hour, entries_.time.minute};
        if (at >= StartOfMinute(setting_.now)) return true;
        std::string question = "This task runs only once, on " + datetext::DateMMDDYYYY(at.date()) + " at " +
                               datetext::TimeHHMMAmPm(at) +
                               ", and that time has passed, so it will never run.  Save it anyway?";
        return Ask(question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
    }

    // Edit that keeps the name writes the task's own key, blanks and all; another
    // task of that name is replaced only when the user says so.
    bool SetName(const std::string& name) {
        bool own = !setting_.editedName.empty() && SameName(name, setting_.editedName);
        record_.name = own ? setting_.editedName : name;
        if (own || !TaskExists(setting_.store, record_.name)) return true;
        std::string question = "There is already a task named \"" + record_.name +
                               "\".  Replace it with this one?  Its program or message, days and time are lost.";
        if (Ask(question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) return false;
        replacing_ = true;
        return true;
    }

    bool CompleteProgram() {
        if (Trimmed(location_).empty()) return Stop(kNoLocation);
        std::string name = Trimmed(entries_.programName);
        if (name.empty()) return Stop(kNoName);
        if (HasBadNameCharacter(name)) return Stop(kBadName);
        if (!SetName(name)) return false;
        for (const UtilitySwitch& utility : UtilitySwitches()) {
            std::string upper = Upper(location_);
            if (upper.find(utility.fileName) == std::string::npos || upper.find('/') != std::string::npos) continue;
            if (Ask(utility.question, MB_YESNO | MB_ICONQUESTION) == IDYES)
                location_ = Trimmed(location_) + utility.option + setting_.driveList;
        }
        record_.location = Trimmed(location_);
        return true;
    }

    bool CompleteMessage() {
        std::string app = store::ReadSetting(store::kMessageApp).AsText();
        if (app.size() < 2) {
            std::optional<std::string> chosen = ChooseEditor();
            if (!chosen) return false;
            store::WriteSetting(store::kMessageApp, RegValue::Text(*chosen), REG_SZ);
        }
        std::string message = Trimmed(entries_.message);
        if (message.empty()) return Stop(kNoMessage);
        std::optional<std::string> name = AskName();
        if (!name || !SetName(*name)) return false;
        record_.location = store::kMessagePrefix + message;
        return true;
    }

    // The first editor found, or one the user picks; nothing when the user gives up.
    std::optional<std::string> ChooseEditor() {
        for (const char* candidate : kEditorCandidates)
            if (setting_.fileExists(candidate)) return candidate;
        for (;;) {
            setting_.cmd.fileName.clear();
            Ask(kPickEditor, MB_OK);
            if (!setting_.cmd.Show(setting_.prompts, setting_.owner)) return std::nullopt;
            if (IsProgramFile(setting_.cmd.fileName)) return setting_.cmd.fileName;
        }
    }

    // Asked until a usable name comes, without blanks around it; nothing on Cancel. A
    // refused name comes back as typed, for the user to correct.
    std::optional<std::string> AskName() {
        std::string proposed = setting_.messageName;
        for (;;) {
            std::optional<std::string> answer =
                setting_.prompts.AskInput(setting_.owner, kNameQuestion, setting_.title, proposed);
            if (!answer) return std::nullopt;
            std::string name = Trimmed(*answer);
            if (name.empty()) continue;
            if (!HasBadNameCharacter(name)) return name;
            Ask(kBadName, MB_OK);
            proposed = *answer;
        }
    }

    bool Write() {
        record_.startDate = datetext::DateMMDDYYYY(entries_.date.date());
        record_.startTime = datetext::TimeHHMMAmPm(entries_.time);
        record_.runOnce = entries_.runOnce;
        // A replaced task starts afresh: no pause mark or last run of the one before.
        if (replacing_) store::DeleteTaskRecord(setting_.store, record_.name);
        long status = 0;
        if (store::WriteTask(setting_.store, record_, &status)) return true;
        ErrorInfo error = MakeError(static_cast<DWORD>(status));
        return Stop(std::string(kNotSaved) + "\r\n\r\nError " + std::to_string(error.number) + ": " +
                    error.description);
    }

    int Ask(const std::string& text, UINT style) {
        return setting_.prompts.MessageBox(setting_.owner, text, setting_.title, style);
    }
    bool Stop(const std::string& text) {
        Ask(text, MB_OK);
        return false;
    }

    const TaskEntries& entries_;
    const SaveSetting& setting_;
    std::string location_;
    store::TaskRecord record_;
    bool replacing_ = false;
};

}  // namespace

SaveOutcome SaveTask(const TaskEntries& entries, const SaveSetting& setting) { return Save(entries, setting).Run(); }
