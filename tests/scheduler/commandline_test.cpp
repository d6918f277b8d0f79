#include <gtest/gtest.h>

#include <set>

#include "scheduler/CommandLine.h"

namespace {

TEST(CommandLineTest, QuotesTheLongestExistingFileWithBlanksAndNothingElse) {
    const std::set<std::string> files = {"C:\\Program", "C:\\Program Files\\Editor\\edit.exe", "C:\\tools\\run.exe",
                                         "C:\\My Docs\\a b.txt", "C:\\a ", "C:\\a"};
    auto exists = [&](const std::string& path) { return files.count(path) > 0; };
    const std::string edit = "\"C:\\Program Files\\Editor\\edit.exe\"";
    EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\Editor\\edit.exe /x", exists), edit + " /x");
    EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\Editor\\edit.exe", exists), edit);
    EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\Editor\\edit.exe  a b", exists), edit + "  a b");
    // Already quoted, no blank in the program, no such file, or a part ending in a blank.
    for (const char* line : {"", "\"C:\\My Docs\\a b.txt\" /p", "C:\\tools\\run.exe C:\\My Docs\\a b.txt",
                             "C:\\tools\\run.exe", "C:\\nowhere\\x y.exe /q", " Message.txt", "C:\\a  /x"})
        EXPECT_EQ(QuoteProgramPath(line, exists), line);
}

}  // namespace
