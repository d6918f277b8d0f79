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

const ComponentValue kTask = std::string("task");

TEST_F(ComComponentsTest, AnUnregisteredComponentFailsWithAnError) {
    for (const char* machine : {"", "no-such-host"}) {
        ComponentCreation created = components_.Create("RAS.RASEngine", machine);
        EXPECT_EQ(nullptr, created.object);
        EXPECT_NE(0u, created.error.number);
        EXPECT_FALSE(created.error.description.empty());
    }
}

TEST_F(ComComponentsTest, CallsARealComponentByMemberName) {
    ComponentCreation created = components_.Create("Scripting.Dictionary", "");
    ASSERT_NE(nullptr, created.object) << created.error.description;
    ComponentObject& dictionary = *created.object;

    EXPECT_EQ(0u, dictionary.Put("CompareMode", int32_t{1}).number);
    EXPECT_EQ(ComponentValue(int32_t{1}), dictionary.Get("CompareMode").value);
    EXPECT_EQ(0u, dictionary.Call("Add", {kTask, int32_t{7}}).error.number);
    EXPECT_EQ(0u, dictionary.Call("Add", {std::string("flag"), true}).error.number);
    EXPECT_EQ(ComponentValue(int32_t{2}), dictionary.Get("Count").value);
    EXPECT_EQ(ComponentValue(true), dictionary.Call("Exists", {kTask}).value);
    EXPECT_EQ(ComponentValue(int32_t{7}), dictionary.Call("Item", {kTask}).value);

    // The component's own error, with its text.
    ComponentResult duplicate = dictionary.Call("Add", {kTask, int32_t{8}});
    EXPECT_NE(0u, duplicate.error.number);
    EXPECT_FALSE(duplicate.error.description.empty());
    EXPECT_EQ(DWORD(DISP_E_UNKNOWNNAME), dictionary.Get("NoSuchMember").error.number);
}

TEST_F(ComComponentsTest, ObjectsTravelBothWays) {
    ComponentRef outer = components_.Create("Scripting.Dictionary", "").object;
    ComponentRef inner = components_.Create("Scripting.Dictionary", "").object;
    ASSERT_TRUE(outer && inner);
    ASSERT_EQ(0u, inner->Call("Add", {kTask, std::string("inside")}).error.number);
    ASSERT_EQ(0u, outer->Call("Add", {kTask, inner}).error.number);

    ComponentValue back = outer->Call("Item", {kTask}).value;
    ASSERT_TRUE(std::holds_alternative<ComponentRef>(back));
    EXPECT_EQ(ComponentValue(std::string("inside")), std::get<ComponentRef>(back)->Call("Item", {kTask}).value);
    EXPECT_EQ("[object]", ComponentText(back));
}

TEST(ComponentText, TextOfEveryKind) {
    EXPECT_EQ("", ComponentText(ComponentValue()));
    EXPECT_EQ("abc", ComponentText(std::string("abc")));
    EXPECT_EQ("-12", ComponentText(int32_t{-12}));
    EXPECT_EQ("True", ComponentText(true));
    EXPECT_EQ("False", ComponentText(false));
}

}  // namespace
