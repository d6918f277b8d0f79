#pragma once
// The four disk utilities the editor offers by name: how each is found, where its
// path is kept, and the switch that runs it unattended.
#include <string>
#include <vector>

#include "platform/FileTest.h"
#include "platform/IsFile.h"

// The utilities' command paths as the last editor found them; the main window keeps
// them for the program's life. A utility not found leaves its path as it was.
struct UtilityPaths {
    std::string strNDD, strNSD, strMDD, strMSD;
};

// Looks for the utilities in list order; keeps the path of each one found and returns
// the list entries of those found.
std::vector<std::string> DetectUtilities(UtilityPaths& paths, const FileTest& fileExists = IsFile);
// The kept path of the utility whose list entry is exactly this text; empty for any
// other text.
std::string UtilityPathFor(const UtilityPaths& paths, const std::string& entry);

// A utility found in a location gets this switch and the drive list, if the user wants.
struct UtilitySwitch {
    const char* fileName;  // searched in the upper-cased location
    const char* question;
    const char* option;
};
const std::vector<UtilitySwitch>& UtilitySwitches();
