#include <gtest/gtest.h>

#include "platform/Launcher.h"
#include "support/ScratchRegistry.h"

// Real starts and failed ones are the scheduler's launch and result tests'; here, the
// folder the shell is told to run in.
TEST(WindowsLauncher, TheShellRunsInTheGivenFolderWithTheParameters) {
    TempFolder folder;
    const std::string cmd = "C:\\windows\\system32\\cmd.exe";
    EXPECT_GT(WindowsLauncher().ShellExecute(nullptr, cmd, "/c echo shell> here.txt", folder.Path(), SW_HIDE), 32);
    EXPECT_TRUE(WaitForFile(folder.Path() + "\\here.txt"));
}
