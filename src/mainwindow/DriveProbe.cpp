#include "mainwindow/DriveProbe.h"

#include <windows.h>

#include "platform/UniqueHandle.h"

std::string ProbeDrives(const std::function<bool(char letter)>& rootHasEntry) {
    std::string drives;
    for (char letter : std::string("CDEFG")) {
        if (rootHasEntry(letter)) drives += std::string(1, letter) + ": ";
    }
    return drives;
}

bool DriveRootHasEntry(char letter) {
    // An empty removable drive must fail quietly, not raise the system's
    // "no disk in drive" box.
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    std::string pattern = std::string(1, letter) + ":\\*.";
    WIN32_FIND_DATAA data;
    UniqueFindHandle find(FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &data,
                                           FindExSearchLimitToDirectories, nullptr, 0));
    SetErrorMode(previous);
    return static_cast<bool>(find);
}

std::string InMemoryDriveList(const std::string& stored) {
    return stored.empty() ? stored : stored.substr(0, stored.size() - 1);
}
