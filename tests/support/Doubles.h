#pragma once
// Test doubles of the five seams: a settable clock, scripted prompts, a recording
// launcher, a recording program end and scripted components.
#include <deque>
#include <functional>
#include <map>
#include <optional>
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
    void AddMinutes(int minutes);  // carries into hours, days, months and years
    void AddSeconds(int seconds);
};

struct PromptRecord {
    enum class Kind { MessageBox, InputBox, OpenFile } kind;
    std::string title;
    std::string text;  // the message, or the input box's prompt
    UINT style = 0;    // MB_* flags of a message box
    std::string defaultAnswer;
};

class ScriptedPrompts final : public Prompts {
public:
    std::vector<PromptRecord> asked;
    // Answers, used in order; when a queue runs dry: message boxes answer the first
    // button of their style (IDOK, IDRETRY, IDYES, ...), input boxes answer "", and
    // the file dialog is cancelled.
    std::deque<int> messageAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    // Runs while a message box is "open", like the timers that keep firing in a modal loop.
    std::function<void()> whileOpen;

    int MessageBox(HWND owner, const std::string& text, const std::string& title, UINT style) override;
    std::string InputBox(HWND owner, const std::string& prompt, const std::string& title,
                         const std::string& defaultAnswer) override;
    std::optional<std::string> OpenFile(HWND owner, const OpenFileRequest& request) override;

    std::vector<PromptRecord> MessageBoxes() const;
};

struct LaunchRecord {
    enum class Kind { Process, Shell } kind;
    std::string commandLine;  // the process's command line, or the shell's file
    int showCommand = 0;
    std::string directory;    // the shell's working folder
    HWND owner = nullptr;
    std::string parameters;   // the shell's parameters
};

class RecordingLauncher final : public Launcher {
public:
    std::vector<LaunchRecord> launches;
    // A process start fails with this code when the command line is listed here.
    std::map<std::string, DWORD> failingStarts;
    DWORD defaultStartResult = 0;  // 0 = every other start succeeds
    intptr_t shellResult = 42;     // above 32: the shell succeeded

    DWORD StartProcess(const std::string& commandLine, int showCommand) override;
    intptr_t ShellExecute(HWND owner, const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand) override;
    std::vector<LaunchRecord> Processes() const;
};

class RecordingProgramEnd final : public ProgramEnd {
public:
    std::vector<int> ends;
    void End(int exitCode) override { ends.push_back(exitCode); }
    bool Ended() const { return !ends.empty(); }
};

// An object whose members answer from tables; calls are recorded by name.
class ScriptedObject final : public ComponentObject {
public:
    std::map<std::string, ComponentResult> properties;  // "" is the default member
    std::map<std::string, ComponentResult> methods;
    std::vector<std::string> calls;                     // "Get:X", "Put:X", "Call:X"
    std::vector<std::vector<ComponentValue>> callArgs;  // arguments of each "Call:"

    ComponentResult Get(const std::string& member) override;
    ErrorInfo Put(const std::string& member, const ComponentValue& value) override;
    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override;
};

class ScriptedComponents final : public Components {
public:
    // Key: ProgID, or ProgID + "@" + machine for a remote creation.
    std::map<std::string, ComponentRef> objects;
    std::vector<std::string> created;  // every request, in the same key form

    ComponentCreation Create(const std::string& progId, const std::string& machine) override;
};
