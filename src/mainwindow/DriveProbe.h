#pragma once
#include <functional>
#include <string>

// The first-start drive list: for each of the drives C to G whose root can be listed,
// its letter, ":" and a blank ("C: D: "). A drive that cannot be read (no disc, no
// such drive) is skipped and the probe goes on.
std::string ProbeDrives(const std::function<bool(char letter)>& rootHasEntry);

// True when listing the drive's root ("C:\*.") yields a first name. Never asks the
// user to insert a disc.
bool DriveRootHasEntry(char letter);

// The stored list without its trailing blank, as the rest of the program uses it.
std::string InMemoryDriveList(const std::string& stored);
