#pragma once
// Test doubles of the five seams: a settable clock, scripted prompts, a recording
// launcher, a recording program end and scripted components.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Components.h"
#include "platform/Launcher.h"
#include "platform/ProgramEnd.h"
#include "platform/Prompts.h"

class FakeClock final : public Clock {
public:
    DateTime now{1998, 12, 4, 19, 5, 0, 0};
    DateTime Now() const override { return now; }
    void Set(const DateTime& t) { now = t; }
    void AddMilliseconds(long long ms);  // through the calendar
    void AddMinutes(int minutes) { AddMilliseconds(minutes * 60000LL); }
};

struct PromptRecord {
    bool messageBox;
    std::string title, text;  // text: the message, or the input box's prompt
    UINT style;               // MB_* flags of a message box
    bool masked = false;      // an input box that hides what is typed
    std::string initial{};    // the input box's default answer, or the file dialog's file name
};

class ScriptedPrompts final : public Prompts {
public:
    std::vector<PromptRecord> asked;
    // Message box answers, in order; then the first button of the style (IDOK, IDRETRY,
    // IDYES, ...). Input boxes and file dialogs take their answers in order (nothing:
    // cancelled); once they run out, they are cancelled.
    std::deque<int> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::function<void()> whileOpen;  // runs while a message box is "open"

    int MessageBox(HWND owner, const std::string& text, const std::string& title, UINT style) override;
    std::optional<std::string> AskInput(HWND, const std::string& prompt, const std::string& title,
                                        const std::string& defaultAnswer) override {
        return Answer({false, title, prompt, 0, false, defaultAnswer}, inputAnswers);
    }
    std::string PasswordBox(HWND, const std::string& prompt, const std::string& title) override {
        return Answer({false, title, prompt, 0, true}, inputAnswers).value_or("");
    }
    std::optional<std::string> OpenFile(HWND, const OpenFileRequest& request) override {
        return Answer({false, request.title, request.filter, 0, false, request.fileName}, fileAnswers);
    }
    std::optional<std::string> Answer(PromptRecord record, std::deque<std::optional<std::string>>& answers) {
        asked.push_back(std::move(record));
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<PromptRecord> MessageBoxes() const {
        std::vector<PromptRecord> boxes;
        for (const auto& prompt : asked)
            if (prompt.messageBox) boxes.push_back(prompt);
        return boxes;
    }
};

struct LaunchRecord {
    bool shell;               // ShellExecute rather than a process start
    std::string commandLine;  // the process's command line, or the shell's file
    int showCommand;
    std::string directory;  // the shell's
};

class RecordingLauncher final : public Launcher {
public:
    std::vector<LaunchRecord> launches;
    std::map<std::string, DWORD> failingStarts;  // command line -> error; others start
    intptr_t shellResult = 42;                   // above 32: the shell succeeded
    bool startForReal = false;                   // starts the processes that do not fail, and keeps them

    ProcessStart StartProcess(const std::string& commandLine, int showCommand) override {
        launches.push_back({false, commandLine, showCommand, {}});
        if (failingStarts.count(commandLine)) return {failingStarts[commandLine]};
        return startForReal ? WindowsLauncher().StartProcess(commandLine, SW_HIDE) : ProcessStart{};
    }
    intptr_t ShellExecute(HWND, const std::string& file, const std::string&, const std::string& directory,
                          int showCommand, UniqueKernelHandle*) override {
        launches.push_back({true, file, showCommand, directory});
        return shellResult;
    }
};

class RecordingProgramEnd final : public ProgramEnd {
public:
    std::vector<int> ends;
    void End(int exitCode) override { ends.push_back(exitCode); }
    bool Ended() const { return !ends.empty(); }
};

// Hands out the objects listed by ProgID; any other ProgID is not registered, and a
// machine listed as unreachable cannot be reached. Records every creation asked for.
class ScriptedComponents final : public Components {
public:
    std::map<std::string, ComponentRef> objects;
    std::set<std::string> unreachable;
    std::vector<std::pair<std::string, std::string>> created;  // ProgID, machine; failed ones too
    ComponentCreation Create(const std::string& progId, const std::string& machine) override {
        created.push_back({progId, machine});
        if (!objects.count(progId)) return {nullptr, MakeError(static_cast<DWORD>(CO_E_CLASSSTRING))};
        if (unreachable.count(machine)) return {nullptr, MakeError(static_cast<DWORD>(RPC_S_SERVER_UNAVAILABLE))};
        return {objects[progId], {}};
    }
};
