#include "scheduler/LaunchResult.h"

#include <cstdio>

namespace {

constexpr std::string_view kExitCode = "Exit code ";
constexpr std::string_view kNotStarted = "Could not start";
// Codes this large are status values (0xC0000005): read in hex, as they are documented.
constexpr uint32_t kFirstHexCode = 0x10000;

}  // namespace

const char* CauseText(LaunchCause cause) {
    switch (cause) {
    case LaunchCause::Minute: return "Scheduled";
    case LaunchCause::RunTask: return "Run Task";
    case LaunchCause::MissedRun: return "Missed run";
    }
    return "";
}

std::string ResultText(const LaunchResult& result) {
    char code[16];
    switch (result.kind) {
    case LaunchResult::Kind::Running: return "Running";
    case LaunchResult::Kind::Started: return "Started";
    case LaunchResult::Kind::Exited:
        std::snprintf(code, sizeof code, result.code < kFirstHexCode ? "%u" : "0x%08X", unsigned(result.code));
        return std::string(kExitCode) + code;
    case LaunchResult::Kind::NotStarted:
        return std::string(kNotStarted) + " (error " + std::to_string(result.code) + ": " + result.error + ")";
    }
    return "";
}

bool IsFailedResult(std::string_view text) {
    if (text.starts_with(kNotStarted)) return true;
    return text.starts_with(kExitCode) && text.substr(kExitCode.size()) != "0";
}

std::string RunningTimeText(uint32_t milliseconds) {
    uint32_t seconds = milliseconds / 1000;
    char text[24];
    std::snprintf(text, sizeof text, "%u:%02u:%02u", unsigned(seconds / 3600), unsigned(seconds / 60 % 60),
                  unsigned(seconds % 60));
    return text;
}
