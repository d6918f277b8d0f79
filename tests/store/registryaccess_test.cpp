#include <gtest/gtest.h>

#include "store/RegistryAccess.h"
#include "support/ScratchRegistry.h"

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;
const std::string kKey = "SOFTWARE\\Halvern\\Vantro";
const std::string kTasks = kKey + "\\Tasks";

class RegistryAccessTest : public ::testing::Test {
protected:
    void SetUp() override { CreateKey(kRoot, kKey); }
    RegValue Read(const char* name) { return ReadKeyValue(kRoot, kKey, name); }

    ScratchRegistry scratch_;
};

TEST_F(RegistryAccessTest, TextIsStoredWithOneNulAndReadBackWithout) {
    EXPECT_TRUE(Read("Path").IsEmpty());
    EXPECT_TRUE(ReadKeyValue(kRoot, "SOFTWARE\\NoSuchKey", "Path").IsEmpty());
    WriteKeyValue(kRoot, kKey, "Path", RegValue::Text("abc"), REG_SZ);
    EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, std::string("abc\0", 4)), RawValue(kKey, "Path"));
    EXPECT_EQ(RegValue::Text("abc"), Read("Path"));
    WriteKeyValue(kRoot, kKey, "Path", RegValue::Integer(12), REG_SZ);
    EXPECT_EQ(RegValue::Text("12"), Read("Path"));
}

TEST_F(RegistryAccessTest, AValueThatIsNoneOfItsKindIsNotWritten) {
    WriteKeyValue(kRoot, kKey, "AutoDial", RegValue::Text("yes"), REG_DWORD);
    WriteKeyValue(kRoot, kKey, "AutoDial", RegValue::Text("x"), REG_BINARY);
    EXPECT_EQ(DWORD{REG_NONE}, RawValue(kKey, "AutoDial").first);
}

TEST_F(RegistryAccessTest, ListSubKeysSplitsNamesAtCommas) {
    EXPECT_TRUE(ListSubKeys(kRoot, kTasks).empty());
    CreateKey(kRoot, kTasks + "\\A");
    CreateKey(kRoot, kTasks + "\\b,c");
    EXPECT_EQ((std::vector<std::string>{"A", "b", "c"}), ListSubKeys(kRoot, kTasks));
}

TEST_F(RegistryAccessTest, TaskNamesOfTheRegistrysFullLengthCanBeWrittenReadAndDeleted) {
    // With the tasks key's path in front, the whole path is longer than MAX_PATH; the
    // text is longer than the read's first buffer.
    const std::string name = " " + std::string(253, '\xE9') + " ";
    const std::string task = kTasks + "\\" + name;
    const RegValue location = RegValue::Text("C:\\" + std::string(300, 'x') + ".exe");
    CreateKey(kRoot, task);
    WriteKeyValue(kRoot, task, "Location", location, REG_SZ);
    EXPECT_EQ(location.AsText(), ReadKeyValue(kRoot, task, "Location").AsText());
    EXPECT_EQ(std::vector<std::string>{name}, ListSubKeys(kRoot, kTasks));
    // Each delete says whether something went away.
    EXPECT_TRUE(DeleteKeyValue(kRoot, task, "Location"));
    EXPECT_TRUE(ReadKeyValue(kRoot, task, "Location").IsEmpty());
    EXPECT_FALSE(DeleteKeyValue(kRoot, task, "Location"));
    EXPECT_TRUE(DeleteKeyTree(kRoot, task));
    EXPECT_FALSE(DeleteKeyValue(kRoot, task, "Location"));
    EXPECT_TRUE(ListSubKeys(kRoot, kTasks).empty());
    EXPECT_TRUE(KeyExists(kTasks));
}

}  // namespace
