#include <gtest/gtest.h>

#include "platform/Application.h"
#include "support/ScratchRegistry.h"

namespace {

TEST(Application, FolderOfKeepsOnlyADriveRootsBackslash) {
    EXPECT_EQ("C:\\Program Files\\Vantro", FolderOf("C:\\Program Files\\Vantro\\Vantro.exe"));
    EXPECT_EQ("C:\\", FolderOf("C:\\Vantro.exe"));
    EXPECT_EQ("\\\\server\\share", FolderOf("\\\\server\\share\\Vantro.exe"));
    EXPECT_EQ("", FolderOf("Vantro.exe"));
}

TEST(Application, DescribesTheRunningProgram) {
    Application app = Application::FromRunningProgram();
    EXPECT_TRUE(FileExists(app.Path() + "\\test_platform.exe")) << app.Path();
    EXPECT_EQ("Vantro", app.Title());
    // The test program carries no version resource: the program's own version stands in.
    EXPECT_EQ(1, app.Major());
    EXPECT_EQ(5, app.Minor());
    EXPECT_EQ(0, app.Revision());
    EXPECT_EQ(app.Path() + "\\Vantro.hlp", app.HelpFile());
    EXPECT_EQ(GetModuleHandleA(nullptr), app.Instance());
}

TEST(Application, SecondHolderSeesThePreviousInstance) {
    {
        Application first = Application::FromRunningProgram();
        Application second = Application::FromRunningProgram();
        EXPECT_FALSE(first.PrevInstance());
        EXPECT_TRUE(second.PrevInstance());
        EXPECT_TRUE(second.PrevInstance());  // asking again does not change the answer
    }
    Application later = Application::FromRunningProgram();
    EXPECT_FALSE(later.PrevInstance());
}

}  // namespace
