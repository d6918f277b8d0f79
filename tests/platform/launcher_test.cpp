#include <gtest/gtest.h>

#include "platform/Launcher.h"
#include "support/ScratchRegistry.h"

TEST(WindowsLauncher, StartsARealProcessOrShellsAFileOrSaysWhyNot) {
    const std::string cmd = "C:\\windows\\system32\\cmd.exe";
    TempFolder folder;
    WindowsLauncher launcher;
    EXPECT_EQ(0u, launcher.StartProcess(cmd + " /c echo started> \"" + folder.Path() + "\\started.txt\"", SW_HIDE).error);
    EXPECT_TRUE(WaitForFile(folder.Path() + "\\started.txt"));
    EXPECT_EQ(DWORD{ERROR_FILE_NOT_FOUND}, launcher.StartProcess("C:\\windows\\no-such-program.exe /x", SW_SHOW).error);
    // The shell runs in the given folder, with the parameters.
    EXPECT_GT(launcher.ShellExecute(nullptr, cmd, "/c echo shell> here.txt", folder.Path(), SW_HIDE), 32);
    EXPECT_TRUE(WaitForFile(folder.Path() + "\\here.txt"));
    EXPECT_LE(launcher.ShellExecute(nullptr, "C:\\windows\\no-such-document.txt", "", "", SW_SHOW), 32);
}
