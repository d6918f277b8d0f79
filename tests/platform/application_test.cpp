#include <gtest/gtest.h>

#include "platform/Application.h"
#include "support/ScratchRegistry.h"

TEST(Application, FolderOfKeepsOnlyADriveRootsBackslash) {
    EXPECT_EQ("C:\\Program Files\\Vantro", FolderOf("C:\\Program Files\\Vantro\\Vantro.exe"));
    EXPECT_EQ("C:\\", FolderOf("C:\\Vantro.exe"));
    EXPECT_EQ("", FolderOf("Vantro.exe"));
}

TEST(Application, DescribesTheRunningProgramAndSeesAPreviousInstance) {
    {
        Application first = Application::FromRunningProgram();
        Application second = Application::FromRunningProgram();
        EXPECT_TRUE(FileExists(first.Path() + "\\test_platform.exe")) << first.Path();
        EXPECT_FALSE(first.PrevInstance());
        EXPECT_TRUE(second.PrevInstance());
        EXPECT_TRUE(second.PrevInstance());
    }
    EXPECT_FALSE(Application::FromRunningProgram().PrevInstance());
}
