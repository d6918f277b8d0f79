#include "platform/ProgramEnd.h"

#include <windows.h>

void ProcessEnd::End(int exitCode) {
    if (auto release = std::exchange(releaseHeld_, nullptr)) release();
    ExitProcess(static_cast<UINT>(exitCode));
}
