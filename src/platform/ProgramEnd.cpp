#include "platform/ProgramEnd.h"

#include <windows.h>

void ProcessEnd::End(int exitCode) {
    ExitProcess(static_cast<UINT>(exitCode));
}
