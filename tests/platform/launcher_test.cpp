#include <gtest/gtest.h>

#include "platform/Launcher.h"
#include "support/ScratchRegistry.h"

namespace {

const std::string kCmd = "C:\\windows\\system32\\cmd.exe";

// A started process runs on its own: wait a while for its trace.
bool WaitForFile(const std::string& fileName) {
    for (int i = 0; i < 200 && !FileExists(fileName); ++i) Sleep(50);
    return FileExists(fileName);
}

TEST(WindowsLauncher, StartsARealProcessOrSaysWhyNot) {
    TempFolder folder;
    const std::string out = folder.Path() + "\\started.txt";
    WindowsLauncher launcher;
    EXPECT_EQ(0u, launcher.StartProcess(kCmd + " /c echo started> \"" + out + "\"", SW_HIDE));
    EXPECT_TRUE(WaitForFile(out));
    EXPECT_EQ(DWORD{ERROR_FILE_NOT_FOUND}, launcher.StartProcess("C:\\windows\\no-such-program.exe /x", SW_SHOW));
}

TEST(WindowsLauncher, ShellRunsInTheGivenFolderWithParameters) {
    TempFolder folder;
    WindowsLauncher launcher;
    EXPECT_GT(launcher.ShellExecute(nullptr, kCmd, "/c echo shell> here.txt", folder.Path(), SW_HIDE), 32);
    EXPECT_TRUE(WaitForFile(folder.Path() + "\\here.txt"));
    EXPECT_LE(launcher.ShellExecute(nullptr, "C:\\windows\\no-such-document.txt", "", "", SW_SHOW), 32);
}

}  // namespace
