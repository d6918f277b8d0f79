// The file system's answer for QuoteProgramPath; the decision itself needs no Windows.
#include <windows.h>

#include "platform/IsFile.h"
#include "scheduler/CommandLine.h"

std::string QuoteProgramPath(const std::string& commandLine) {
    return QuoteProgramPath(commandLine, IsFile);
}
