#include <gtest/gtest.h>

#include "store/RegistryAccess.h"
#include "support/ScratchRegistry.h"

namespace {

const HKEY kRoot = HKEY_LOCAL_MACHINE;
const std::string kKey = "SOFTWARE\\Halvern\\Vantro";
const std::string kTasks = kKey + "\\Tasks";

class RegistryAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateKey(kRoot, kKey);
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(kRoot, kKey.c_str(), 0, KEY_ALL_ACCESS, key_.put()));
    }
    // Writes a value as another program might, past the layer under test.
    void WriteRaw(const char* name, DWORD kind, const void* data, DWORD size) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_.get(), name, 0, kind, static_cast<const BYTE*>(data), size));
    }
    // The stored kind and bytes.
    std::pair<DWORD, std::string> ReadRaw(const char* name) {
        char data[64];
        DWORD kind = REG_NONE, size = sizeof data;
        if (RegQueryValueExA(key_.get(), name, nullptr, &kind, reinterpret_cast<BYTE*>(data), &size)) return {};
        return {kind, std::string(data, size)};
    }
    RegValue Read(const char* name) { return ReadKeyValue(kRoot, kKey, name); }

    ScratchRegistry scratch_;
    UniqueHKey key_;
};

TEST_F(RegistryAccessTest, TextIsStoredWithOneNulAndReadBackWithout) {
    EXPECT_TRUE(Read("Path").IsEmpty());
    EXPECT_TRUE(ReadKeyValue(kRoot, "SOFTWARE\\NoSuchKey", "Path").IsEmpty());
    WriteKeyValue(kRoot, kKey, "Path", RegValue::Text("abc"), REG_SZ);
    EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, std::string("abc\0", 4)), ReadRaw("Path"));
    EXPECT_EQ(RegValue::Text("abc"), Read("Path"));
    WriteKeyValue(kRoot, kKey, "Path", RegValue::Integer(12), REG_SZ);
    EXPECT_EQ(RegValue::Text("12"), Read("Path"));
    WriteRaw("Embedded", REG_SZ, "ab\0cd", 6);
    EXPECT_EQ(RegValue::Text("ab"), Read("Embedded"));
    WriteRaw("Unterminated", REG_SZ, "xyz", 3);
    EXPECT_EQ(RegValue::Text("xyz"), Read("Unterminated"));
}

TEST_F(RegistryAccessTest, TextsOfAnyLengthAroundTheFirstReadBuffer) {
    // The read's first buffer holds 256 bytes; other writers store longer texts, with
    // or without their NUL.
    for (size_t length : {254u, 255u, 256u, 257u, 1000u, 65535u}) {
        std::string text(length, 'x');
        text.back() = 'y';
        WriteRaw("Terminated", REG_SZ, (text + '\0').c_str(), static_cast<DWORD>(length + 1));
        WriteRaw("Bare", REG_SZ, text.data(), static_cast<DWORD>(length));
        EXPECT_EQ(RegValue::Text(text), Read("Terminated")) << length;
        EXPECT_EQ(RegValue::Text(text), Read("Bare")) << length;
    }
    std::string cut = std::string(300, 'a') + '\0' + std::string(300, 'b');
    WriteRaw("Cut", REG_SZ, cut.data(), static_cast<DWORD>(cut.size()));
    EXPECT_EQ(RegValue::Text(std::string(300, 'a')), Read("Cut"));
}

TEST_F(RegistryAccessTest, BooleansAreStoredAsMinusOneAndZero) {
    WriteKeyValue(kRoot, kKey, "Running", RegValue::Boolean(true), REG_DWORD);
    EXPECT_EQ(std::make_pair(DWORD{REG_DWORD}, std::string("\xFF\xFF\xFF\xFF", 4)), ReadRaw("Running"));
    EXPECT_EQ(RegValue::Integer(-1), Read("Running"));
    WriteKeyValue(kRoot, kKey, "Running", RegValue::Boolean(false), REG_DWORD);
    EXPECT_EQ(RegValue::Integer(0), Read("Running"));
    WriteKeyValue(kRoot, kKey, "Running", RegValue::Text(" 2.5 "), REG_DWORD);
    EXPECT_EQ(RegValue::Integer(2), Read("Running"));
}

TEST_F(RegistryAccessTest, WhatCannotBeStoredOrReadIsLeftAlone) {
    WriteKeyValue(kRoot, kKey, "AutoDial", RegValue::Text("yes"), REG_DWORD);
    WriteKeyValue(kRoot, kKey, "AutoDial", RegValue::Text("x"), REG_BINARY);
    EXPECT_EQ(DWORD{REG_NONE}, ReadRaw("AutoDial").first);

    const unsigned char bytes[] = {1, 2, 3};
    WriteRaw("Binary", REG_BINARY, bytes, sizeof bytes);
    WriteRaw("Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    // A number of the wrong width, and texts of other kinds longer than the first buffer.
    WriteRaw("Short", REG_DWORD, bytes, 2);
    const std::string big(1000, 'z');
    WriteRaw("BigExpand", REG_EXPAND_SZ, big.c_str(), 1001);
    WriteRaw("BigMulti", REG_MULTI_SZ, big.c_str(), 1001);
    for (const char* name : {"Binary", "Expand", "Short", "BigExpand", "BigMulti"})
        EXPECT_TRUE(Read(name).IsEmpty()) << name;
}

TEST_F(RegistryAccessTest, WriteNeverCreatesTheKey) {
    const std::string task = kTasks + "\\Backup";
    WriteKeyValue(kRoot, task, "Location", RegValue::Text("x.exe"), REG_SZ);
    EXPECT_FALSE(KeyExists(task));
    CreateKey(kRoot, task);
    WriteKeyValue(kRoot, task, "Location", RegValue::Text("x.exe"), REG_SZ);
    EXPECT_EQ(RegValue::Text("x.exe"), ReadKeyValue(kRoot, "software\\HALVERN\\vantro\\tasks\\backup", "Location"));
}

TEST_F(RegistryAccessTest, ListSubKeysSplitsNamesAtCommas) {
    EXPECT_TRUE(ListSubKeys(kRoot, kTasks).empty());
    CreateKey(kRoot, kTasks);
    EXPECT_TRUE(ListSubKeys(kRoot, kTasks).empty());
    CreateKey(kRoot, kTasks + "\\A");
    EXPECT_EQ(std::vector<std::string>{"A"}, ListSubKeys(kRoot, kTasks));
    CreateKey(kRoot, kTasks + "\\b,c");
    EXPECT_EQ((std::vector<std::string>{"A", "b", "c"}), ListSubKeys(kRoot, kTasks));
}

TEST_F(RegistryAccessTest, TaskNamesOfTheRegistrysFullLengthCanBeWrittenReadAndDeleted) {
    // With the tasks key's path in front, the whole path is longer than MAX_PATH.
    const std::string name = " " + std::string(253, '\xE9') + " ";
    const std::string task = kTasks + "\\" + name;
    CreateKey(kRoot, task);
    WriteKeyValue(kRoot, task, "Location", RegValue::Text("C:\\x.exe"), REG_SZ);
    EXPECT_EQ(RegValue::Text("C:\\x.exe"), ReadKeyValue(kRoot, task, "Location"));
    EXPECT_EQ(std::vector<std::string>{name}, ListSubKeys(kRoot, kTasks));
    EXPECT_TRUE(DeleteKeyValue(kRoot, task, "Location"));
    EXPECT_TRUE(DeleteKeyTree(kRoot, task));
    EXPECT_TRUE(ListSubKeys(kRoot, kTasks).empty());
    EXPECT_TRUE(KeyExists(kTasks));
}

TEST_F(RegistryAccessTest, DeleteKeyValueSaysWhetherSomethingWentAway) {
    WriteKeyValue(kRoot, kKey, "Paused", RegValue::Boolean(true), REG_DWORD);
    EXPECT_TRUE(DeleteKeyValue(kRoot, kKey, "Paused"));
    EXPECT_TRUE(Read("Paused").IsEmpty());
    EXPECT_FALSE(DeleteKeyValue(kRoot, kKey, "Paused"));
    EXPECT_FALSE(DeleteKeyValue(kRoot, "SOFTWARE\\NoSuchKey", "Paused"));
}

}  // namespace
