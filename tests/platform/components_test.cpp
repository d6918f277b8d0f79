#include <gtest/gtest.h>

#include <objbase.h>

#include "platform/Components.h"

namespace {

class ComComponentsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override { CoUninitialize(); }
    ComComponents components_;
};

TEST_F(ComComponentsTest, CallsARealComponentByMemberName) {
    ComponentRef dictionary = components_.Create("Scripting.Dictionary", "").object;
    ASSERT_NE(nullptr, dictionary);
    const ComponentValue key = std::string("task");
    EXPECT_EQ(0u, dictionary->Call("Add", {key, int32_t{7}}).error.number);
    EXPECT_EQ(ComponentValue(int32_t{7}), dictionary->Call("Item", {key}).value);
    EXPECT_NE(0u, dictionary->Call("Add", {key, int32_t{8}}).error.number) << "the component's own error";
    EXPECT_EQ(DWORD(DISP_E_UNKNOWNNAME), dictionary->Get("NoSuchMember").error.number);
}

TEST_F(ComComponentsTest, VantrosOwnClassStandsInOnlyForAClassComDoesNotHave) {
    std::vector<std::string> asked;
    auto own = [&](const std::string& machine) {
        asked.push_back(machine);
        return ComponentCreation{nullptr, MakeError(ERROR_FILE_NOT_FOUND)};
    };
    ComComponents withOwn({{"Scripting.Dictionary", own}, {"Vantro.NoSuchClass", own}});
    EXPECT_NE(nullptr, withOwn.Create("Scripting.Dictionary", "").object);
    EXPECT_TRUE(asked.empty()) << "a registered class is COM's";
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), withOwn.Create("Vantro.NoSuchClass", "server:1").error.number);
    EXPECT_EQ(std::vector<std::string>{"server:1"}, asked);
}

}  // namespace
