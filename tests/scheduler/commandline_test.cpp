#include <gtest/gtest.h>

#include <set>

#include "scheduler/CommandLine.h"
#include "support/ScratchRegistry.h"

namespace {

FileTest FilesAre(std::set<std::string> files) {
    return [files = std::move(files)](const std::string& path) { return files.count(path) > 0; };
}

TEST(CommandLineTest, QuotesTheLongestExistingFileWithBlanks) {
    auto files = FilesAre({"C:\\Program", "C:\\Program Files\\Editor\\edit.exe"});
    EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\Editor\\edit.exe /x", files),
              "\"C:\\Program Files\\Editor\\edit.exe\" /x");
    EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\Editor\\edit.exe", files),
              "\"C:\\Program Files\\Editor\\edit.exe\"");
    EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\Editor\\edit.exe  a b", files),
              "\"C:\\Program Files\\Editor\\edit.exe\"  a b");
}

TEST(CommandLineTest, LeavesLinesWithNothingToDisambiguate) {
    auto files = FilesAre({"C:\\tools\\run.exe", "C:\\My Docs\\a b.txt"});
    for (const char* line : {"", "\"C:\\My Docs\\a b.txt\" /p", "C:\\tools\\run.exe C:\\My Docs\\a b.txt",
                             "C:\\tools\\run.exe", "C:\\nowhere\\x y.exe /q", " Message.txt"})
        EXPECT_EQ(QuoteProgramPath(line, files), line);
}

TEST(CommandLineTest, NeverQuotesAPartEndingInABlank) {
    auto files = FilesAre({"C:\\a ", "C:\\a"});
    EXPECT_EQ(QuoteProgramPath("C:\\a  /x", files), "C:\\a  /x");
}

TEST(CommandLineTest, AsksTheFileSystemForFilesNotFolders) {
    TempFolder folder;
    const std::string tools = folder.Path() + "\\My Tools";
    ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
    WriteWholeFile(tools + "\\edit.exe", "x");
    EXPECT_EQ(QuoteProgramPath(tools + "\\edit.exe /x"), "\"" + tools + "\\edit.exe\" /x");
    // A folder with the name is no program.
    EXPECT_EQ(QuoteProgramPath(tools + " /x"), tools + " /x");
}

}  // namespace
