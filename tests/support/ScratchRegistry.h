#pragma once
// Test helpers on the real registry and file system of the Wine prefix.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/UniqueHandle.h"

// Sends HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER to two fresh scratch keys under the
// real HKEY_CURRENT_USER for the life of the object; the code under test still passes
// the predefined keys, and never sees the prefix's own stores.
class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

private:
    std::string path_;
    UniqueHKey scratch_;
    UniqueHKey user_;  // the stand-in for HKEY_CURRENT_USER, at path_ + "-user"
};

// Keys under HKEY_LOCAL_MACHINE that every user, administrators included, may only
// read for the life of the object: a store as a user without rights sees it.
class ReadOnlyKeys {
public:
    explicit ReadOnlyKeys(std::vector<std::string> paths);
    ~ReadOnlyKeys();  // full access again, so that the scratch store can be removed
    ReadOnlyKeys(const ReadOnlyKeys&) = delete;
    ReadOnlyKeys& operator=(const ReadOnlyKeys&) = delete;

private:
    std::vector<std::string> paths_;
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

bool KeyExists(const std::string& path);  // under HKEY_LOCAL_MACHINE
// The kind and bytes stored under HKEY_LOCAL_MACHINE (up to 64); nothing when absent.
std::pair<DWORD, std::string> RawValue(const std::string& path, const char* name);
std::string ReadWholeFile(const std::string& fileName);
void WriteWholeFile(const std::string& fileName, const std::string& bytes);
bool FileExists(const std::string& fileName);
// Waits up to 20 s for a file that a started process writes.
bool WaitForFile(const std::string& fileName);
