#pragma once
#include <windows.h>

#include <string>

// An error as the user sees it: the Win32 code and the system's text for it.
struct ErrorInfo {
    DWORD number = 0;
    std::string description;
    explicit operator bool() const { return number != 0; }
};

std::string SystemMessageText(DWORD code);
inline ErrorInfo MakeError(DWORD code) { return {code, SystemMessageText(code)}; }
