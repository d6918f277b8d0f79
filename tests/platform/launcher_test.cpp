#include <gtest/gtest.h>

#include "platform/Launcher.h"
#include "support/ScratchRegistry.h"

namespace {

// A started process runs on its own: wait a while for its trace.
bool WaitForFile(const std::string& fileName) {
    for (int i = 0; i < 200 && !FileExists(fileName); ++i) Sleep(50);
    return FileExists(fileName);
}

TEST(WindowsLauncher, StartsARealProcess) {
    TempFolder folder;
    const std::string out = folder.Path() + "\\started.txt";
    WindowsLauncher launcher;
    EXPECT_EQ(0u, launcher.StartProcess("C:\\windows\\system32\\cmd.exe /c echo started> \"" + out + "\"",
                                        SW_HIDE));
    ASSERT_TRUE(WaitForFile(out));
    Sleep(200);  // the redirection may still be writing
    EXPECT_EQ("started\r\n", ReadWholeFile(out));
}

TEST(WindowsLauncher, AMissingProgramGivesTheSystemError) {
    WindowsLauncher launcher;
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND),
              launcher.StartProcess("C:\\windows\\no-such-program-here.exe /x", SW_SHOWNORMAL));
    EXPECT_NE(0u, launcher.StartProcess("", SW_SHOWNORMAL));
}

TEST(WindowsLauncher, ShellRunsInTheGivenFolderWithParameters) {
    TempFolder folder;
    WindowsLauncher launcher;
    intptr_t result = launcher.ShellExecute(nullptr, "C:\\windows\\system32\\cmd.exe",
                                            "/c echo shell> here.txt", folder.Path(), SW_HIDE);
    EXPECT_GT(result, 32);
    EXPECT_TRUE(WaitForFile(folder.Path() + "\\here.txt"));
}

TEST(WindowsLauncher, ShellReportsAMissingFile) {
    WindowsLauncher launcher;
    intptr_t result = launcher.ShellExecute(nullptr, "C:\\windows\\no-such-document.txt", "", "", SW_SHOWNORMAL);
    EXPECT_LE(result, 32);
}

}  // namespace
