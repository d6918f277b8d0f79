// The file system's answer for QuoteProgramPath; the decision itself needs no Windows.
#include <windows.h>

#include "scheduler/CommandLine.h"

namespace {

bool IsExistingFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string QuoteProgramPath(const std::string& commandLine) {
    return QuoteProgramPath(commandLine, IsExistingFile);
}
