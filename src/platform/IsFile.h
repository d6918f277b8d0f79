#pragma once
#include <windows.h>

#include <string>

// A file (not a folder) of that name exists.
inline bool IsFile(const std::string& name) {
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
