#include "scheduler/CommandLine.h"

std::string QuoteProgramPath(const std::string& commandLine, const FileTest& isFile) {
    if (commandLine.empty() || commandLine.front() == '"') return commandLine;
    // Candidates from the longest: the whole line, then the part before each blank.
    for (size_t end = commandLine.size(); end != std::string::npos && end > 0;
         end = commandLine.rfind(' ', end - 1)) {
        std::string candidate = commandLine.substr(0, end);
        if (candidate.back() == ' ' || !isFile(candidate)) continue;
        if (candidate.find(' ') == std::string::npos) return commandLine;
        return '"' + candidate + '"' + commandLine.substr(end);
    }
    return commandLine;
}
