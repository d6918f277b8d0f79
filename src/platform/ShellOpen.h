#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/UniqueHandle.h"

struct AppContext;

// Opens a file, command or web address with the shell's default action, in a normal
// window and with the program folder as working folder. Returns the shell's result
// (above 32 is success); a failure is never an error of the caller's. The started
// process, when there is one, goes to *process when asked for.
intptr_t ShellOpen(AppContext& context, HWND owner, const std::string& file, UniqueKernelHandle* process = nullptr);
