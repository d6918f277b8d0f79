#pragma once
// Sends HKEY_LOCAL_MACHINE to a fresh scratch key for the life of the object, so a
// test sees an empty store and leaves the real one alone. The code under test still
// passes HKEY_LOCAL_MACHINE.
#include <windows.h>

#include <string>

#include "platform/UniqueHandle.h"

class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    // Path of the scratch key under HKEY_CURRENT_USER.
    const std::string& ScratchPath() const { return path_; }

private:
    std::string path_;
    UniqueHKey scratch_;
};

// A fresh empty folder under %TEMP%, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }  // no trailing backslash

private:
    std::string path_;
};

std::string ReadWholeFile(const std::string& fileName);
void WriteWholeFile(const std::string& fileName, const std::string& bytes);
bool FileExists(const std::string& fileName);
