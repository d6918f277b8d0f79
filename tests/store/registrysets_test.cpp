#include <gtest/gtest.h>

#include <set>

#include "platform/UniqueHandle.h"
#include "store/RegistrySets.h"
#include "support/ScratchRegistry.h"

namespace {

constexpr const char* kKey = "SOFTWARE\\Halvern\\Vantro";

class RegistrySetsTest : public ::testing::Test {
protected:
    void SetUp() override { CreateKey(HKEY_LOCAL_MACHINE, kKey); }

    // Writes a value as another program might, bypassing the layer under test.
    void WriteRaw(const std::string& name, DWORD kind, const void* data, DWORD size) {
        UniqueHKey key;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, key.put()));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.get(), name.c_str(), 0, kind,
                                                static_cast<const BYTE*>(data), size));
    }

    // The stored kind and bytes of a value.
    std::pair<DWORD, std::string> ReadRaw(const std::string& name) {
        char data[64] = {};
        DWORD kind = 0, size = sizeof data;
        LONG status = RegGetValueA(HKEY_LOCAL_MACHINE, kKey, name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                                   &kind, data, &size);
        if (status != ERROR_SUCCESS) return {REG_NONE, {}};
        return {kind, std::string(data, size)};
    }

    bool KeyExists(const std::string& path) {
        UniqueHKey key;
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
    }

    ScratchRegistry scratch_;
};

TEST_F(RegistrySetsTest, MissingValueOrKeyReadsEmpty) {
    RegValue v = ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Nothing");
    EXPECT_TRUE(v.IsEmpty());
    EXPECT_TRUE(v == "");
    EXPECT_FALSE(v.IsTrue());
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\NoSuchKey", "Path").IsEmpty());
}

TEST_F(RegistrySetsTest, TextIsStoredWithOneNulAndReadsBackWithout) {
    WriteKeyValue(HKEY_LOCAL_MACHINE, kKey, "Path", RegValue::Text("abc"), REG_SZ);
    EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, std::string("abc\0", 4)), ReadRaw("Path"));
    RegValue v = ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Path");
    EXPECT_EQ(RegValue::Kind::Text, v.kind());
    EXPECT_EQ("abc", v.AsText());

    WriteKeyValue(HKEY_LOCAL_MACHINE, kKey, "Path", RegValue(), REG_SZ);
    EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, std::string("\0", 1)), ReadRaw("Path"));
    EXPECT_EQ("", ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Path").AsText());
}

TEST_F(RegistrySetsTest, ForeignTextIsCutAtItsFirstNul) {
    WriteRaw("Embedded", REG_SZ, "ab\0cd", 6);
    EXPECT_EQ("ab", ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Embedded").AsText());
    WriteRaw("Unterminated", REG_SZ, "xyz", 3);
    EXPECT_EQ("xyz", ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Unterminated").AsText());
    WriteRaw("LeadingNul", REG_SZ, "\0zz", 4);
    RegValue leading = ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "LeadingNul");
    EXPECT_EQ(RegValue::Kind::Text, leading.kind());
    EXPECT_EQ("", leading.AsText());
}

TEST_F(RegistrySetsTest, BooleansAreStoredAsMinusOneAndZero) {
    WriteKeyValue(HKEY_LOCAL_MACHINE, kKey, "Running", RegValue::Boolean(true), REG_DWORD);
    EXPECT_EQ(std::make_pair(DWORD{REG_DWORD}, std::string("\xFF\xFF\xFF\xFF", 4)), ReadRaw("Running"));
    RegValue on = ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Running");
    EXPECT_EQ(RegValue::Kind::Integer, on.kind());
    EXPECT_EQ(-1, on.AsInt32());
    EXPECT_TRUE(on.IsTrue());

    WriteKeyValue(HKEY_LOCAL_MACHINE, kKey, "Running", RegValue::Boolean(false), REG_DWORD);
    RegValue off = ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Running");
    EXPECT_EQ(0, off.AsInt32());
    EXPECT_FALSE(off.IsTrue());
}

TEST_F(RegistrySetsTest, NumbersWrittenAsDwordKeepTheirValue) {
    WriteKeyValue(HKEY_LOCAL_MACHINE, kKey, "DUNNum", RegValue::Integer(-1), REG_DWORD);
    EXPECT_EQ(-1, ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "DUNNum").AsInt32());
    WriteKeyValue(HKEY_LOCAL_MACHINE, kKey, "DUNNum", RegValue::Text(" 2.5 "), REG_DWORD);
    EXPECT_EQ(2, ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "DUNNum").AsInt32());
    WriteKeyValue(HKEY_LOCAL_MACHINE, kKey, "DUNNum", RegValue::Integer(123456789), REG_SZ);
    EXPECT_EQ(RegValue::Text("123456789"), ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "DUNNum"));
}

TEST_F(RegistrySetsTest, PutValueRefusesWhatItCannotStore) {
    UniqueHKey key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, key.put()));
    EXPECT_EQ(ERROR_INVALID_DATA, PutValue(key.get(), "AutoDial", REG_DWORD, RegValue::Text("yes")));
    EXPECT_EQ(ERROR_INVALID_DATA, PutValue(key.get(), "AutoDial", REG_DWORD, RegValue::Text("4294967296")));
    EXPECT_EQ(ERROR_SUCCESS, PutValue(key.get(), "AutoDial", REG_BINARY, RegValue::Text("x")));
    EXPECT_EQ(REG_NONE, ReadRaw("AutoDial").first);

    RegValue v = RegValue::Text("kept");
    EXPECT_NE(ERROR_SUCCESS, FetchValue(key.get(), "AutoDial", v));
    EXPECT_EQ("kept", v.AsText());
}

TEST_F(RegistrySetsTest, OtherKindsReadEmpty) {
    const unsigned char bytes[] = {1, 2, 3};
    WriteRaw("Binary", REG_BINARY, bytes, sizeof bytes);
    WriteRaw("Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Binary").IsEmpty());
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Expand").IsEmpty());

    UniqueHKey key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, key.put()));
    RegValue v;
    EXPECT_EQ(-1, FetchValue(key.get(), "Binary", v));
    EXPECT_TRUE(v.IsEmpty());
}

TEST_F(RegistrySetsTest, WriteNeverCreatesTheKey) {
    const std::string task = std::string(kKey) + "\\tasks\\Backup";
    WriteKeyValue(HKEY_LOCAL_MACHINE, task, "Location", RegValue::Text("x.exe"), REG_SZ);
    EXPECT_FALSE(KeyExists(task));
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, task, "Location").IsEmpty());

    CreateKey(HKEY_LOCAL_MACHINE, task);
    WriteKeyValue(HKEY_LOCAL_MACHINE, task, "Location", RegValue::Text("x.exe"), REG_SZ);
    // Key names ignore case.
    EXPECT_EQ("x.exe", ReadKeyValue(HKEY_LOCAL_MACHINE, "software\\halvern\\vantro\\TASKS\\backup",
                                    "Location").AsText());
}

TEST_F(RegistrySetsTest, DeleteKeyValueSaysWhetherSomethingWentAway) {
    WriteKeyValue(HKEY_LOCAL_MACHINE, kKey, "Paused", RegValue::Boolean(true), REG_DWORD);
    EXPECT_TRUE(DeleteKeyValue(HKEY_LOCAL_MACHINE, kKey, "Paused"));
    EXPECT_TRUE(ReadKeyValue(HKEY_LOCAL_MACHINE, kKey, "Paused").IsEmpty());
    EXPECT_FALSE(DeleteKeyValue(HKEY_LOCAL_MACHINE, kKey, "Paused"));
    EXPECT_FALSE(DeleteKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\NoSuchKey", "Paused"));
}

TEST_F(RegistrySetsTest, ListSubKeysInEnumerationOrderSplitAtCommas) {
    const std::string tasks = std::string(kKey) + "\\Tasks";
    EXPECT_TRUE(ListSubKeys(HKEY_LOCAL_MACHINE, tasks).empty());  // missing key
    CreateKey(HKEY_LOCAL_MACHINE, tasks);
    EXPECT_TRUE(ListSubKeys(HKEY_LOCAL_MACHINE, tasks).empty());  // no subkeys

    CreateKey(HKEY_LOCAL_MACHINE, tasks + "\\A");
    EXPECT_EQ(std::vector<std::string>{"A"}, ListSubKeys(HKEY_LOCAL_MACHINE, tasks));

    CreateKey(HKEY_LOCAL_MACHINE, tasks + "\\b,c");
    CreateKey(HKEY_LOCAL_MACHINE, tasks + "\\d,");
    std::vector<std::string> names = ListSubKeys(HKEY_LOCAL_MACHINE, tasks);
    std::vector<std::string> enumerated;
    UniqueHKey key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, tasks.c_str(), 0, KEY_READ, key.put()));
    char name[300];
    for (DWORD i = 0; RegEnumKeyA(key.get(), i, name, sizeof name) == ERROR_SUCCESS; ++i) enumerated.push_back(name);
    ASSERT_EQ(3u, enumerated.size());

    std::vector<std::string> expected;
    for (const std::string& e : enumerated) {
        if (e == "A") expected.insert(expected.end(), {"A"});
        if (e == "b,c") expected.insert(expected.end(), {"b", "c"});
        if (e == "d,") expected.insert(expected.end(), {"d", ""});
    }
    EXPECT_EQ(expected, names);
}

TEST_F(RegistrySetsTest, ListSubKeysHasNoLengthLimit) {
    // 300 names of 200 characters: far beyond what a 16-bit text position can address.
    const std::string tasks = std::string(kKey) + "\\Tasks";
    std::set<std::string> created;
    for (int i = 0; i < 300; ++i) {
        std::string name = std::to_string(1000 + i) + std::string(196, 'x');
        CreateKey(HKEY_LOCAL_MACHINE, tasks + "\\" + name);
        created.insert(name);
    }
    std::vector<std::string> names = ListSubKeys(HKEY_LOCAL_MACHINE, tasks);
    EXPECT_EQ(300u, names.size());
    EXPECT_EQ(created, std::set<std::string>(names.begin(), names.end()));
}

TEST_F(RegistrySetsTest, DeleteKeyTreeRemovesValuesAndSubkeys) {
    const std::string task = std::string(kKey) + "\\Tasks\\Backup";
    CreateKey(HKEY_LOCAL_MACHINE, task + "\\Inner\\Deeper");
    WriteKeyValue(HKEY_LOCAL_MACHINE, task, "Location", RegValue::Text("x.exe"), REG_SZ);
    CreateKey(HKEY_LOCAL_MACHINE, std::string(kKey) + "\\Tasks\\Other");

    EXPECT_TRUE(DeleteKeyTree(HKEY_LOCAL_MACHINE, task));
    EXPECT_FALSE(KeyExists(task));
    EXPECT_TRUE(KeyExists(std::string(kKey) + "\\Tasks\\Other"));
    EXPECT_FALSE(DeleteKeyTree(HKEY_LOCAL_MACHINE, task));
    EXPECT_FALSE(DeleteKeyTree(HKEY_LOCAL_MACHINE, ""));
    EXPECT_TRUE(KeyExists(kKey));
}

TEST(ScratchRegistry, RedirectsTheMachineRootAndCleansUp) {
    std::string path;
    {
        ScratchRegistry scratch;
        path = scratch.ScratchPath();
        CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern\\Probe");
        UniqueHKey key;
        EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, (path + "\\SOFTWARE\\Halvern\\Probe").c_str(),
                                               0, KEY_READ, key.put()));
    }
    UniqueHKey gone;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, gone.put()));
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern\\Probe", 0, KEY_READ, gone.put()));
}

}  // namespace
