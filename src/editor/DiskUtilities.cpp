#include "editor/DiskUtilities.h"

#include <windows.h>

#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"

namespace {

struct Utility {
    const char* entry;
    const char* appPathsKey;  // found by its registered path, or
    const char* file;         // by this file's presence
    const char* keptPath;     // the path kept for a file found
    std::string UtilityPaths::*kept;
};

constexpr Utility kUtilities[] = {
    {"Norton Speed Disk", store::kAppPathsSpeedDisk, nullptr, nullptr, &UtilityPaths::strNSD},
    {"Norton Disk Doctor", store::kAppPathsDiskDoctor, nullptr, nullptr, &UtilityPaths::strNDD},
    {"ScanDisk for Windows", nullptr, "c:\\windows\\ScanDskw.exe", "C:\\Windows\\ScanDskw.exe", &UtilityPaths::strMSD},
    {"Disk Defragmenter", nullptr, "c:\\windows\\Defrag.exe", "C:\\Windows\\Defrag.exe", &UtilityPaths::strMDD},
};

}  // namespace

std::vector<std::string> DetectUtilities(UtilityPaths& paths, const FileTest& fileExists) {
    std::vector<std::string> found;
    for (const Utility& u : kUtilities) {
        std::string path = u.appPathsKey ? ReadKeyValue(HKEY_LOCAL_MACHINE, u.appPathsKey, "").AsText()
                                         : (fileExists(u.file) ? u.keptPath : "");
        if (path.empty()) continue;
        paths.*u.kept = path;
        found.push_back(u.entry);
    }
    return found;
}

std::string UtilityPathFor(const UtilityPaths& paths, const std::string& entry) {
    for (const Utility& u : kUtilities)
        if (entry == u.entry) return paths.*u.kept;
    return {};
}

const std::vector<UtilitySwitch>& UtilitySwitches() {
    static const std::vector<UtilitySwitch> table = {
        {"NDD32.EXE",
         "Norton Disk Doctor has been detected.  Do you want Vantro to autorun NDD and close it when finished?",
         " /Q "},
        {"SD32.EXE",
         "Norton Speed Disk has been detected.  Do you want Vantro to autorun NSD and close it when finished?",
         " /Q "},
        {"DEFRAG.EXE", "Disk Defragmenter has been detected.  Do you want Vantro to autorun MSDefrag?", " /ALL "},
        {"SCANDSKW.EXE", "MS Scandisk has been detected.  Do you want Vantro to autorun MSDefrag?", " /ALL "},
    };
    return table;
}
