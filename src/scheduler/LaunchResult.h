#pragma once
// What became of a launch, as the task's "Last Result" and the history show it, and
// how the launch came about. No <windows.h>.
#include <cstdint>
#include <string>
#include <string_view>

enum class LaunchCause { Minute, RunTask, MissedRun };
// "Scheduled", "Run Task", "Missed run".
const char* CauseText(LaunchCause cause);

struct LaunchResult {
    enum class Kind {
        Running,     // started; its end is awaited
        Exited,      // ended with code
        NotStarted,  // neither the start nor the shell could open it: code is the Windows error
        Started,     // started, with no end to await (a message's editor, a shell's open)
    };
    Kind kind = Kind::Running;
    uint32_t code = 0;
    std::string error{};  // the Windows error's text, for NotStarted
};

std::string ResultText(const LaunchResult& result);
// A start that failed, or a non-zero exit code, in a text ResultText made.
bool IsFailedResult(std::string_view text);
// h:mm:ss, rounded down to the second.
std::string RunningTimeText(uint32_t milliseconds);
