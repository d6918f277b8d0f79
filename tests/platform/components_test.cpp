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

TEST_F(ComComponentsTest, AnUnregisteredComponentFailsWithAnError) {
    ComponentCreation local = components_.Create("RAS.RASEngine", "");
    EXPECT_EQ(nullptr, local.object);
    EXPECT_TRUE(static_cast<bool>(local.error));
    EXPECT_FALSE(local.error.description.empty());

    ComponentCreation remote = components_.Create("RAS.RASEngine", "no-such-host");
    EXPECT_EQ(nullptr, remote.object);
    EXPECT_TRUE(static_cast<bool>(remote.error));
}

TEST_F(ComComponentsTest, CallsARealComponentByMemberName) {
    ComponentCreation created = components_.Create("Scripting.Dictionary", "");
    ASSERT_NE(nullptr, created.object) << created.error.description;
    ComponentObject& dictionary = *created.object;

    EXPECT_EQ(0u, dictionary.Put("CompareMode", int32_t{1}).number);
    EXPECT_EQ(ComponentValue(int32_t{1}), dictionary.Get("CompareMode").value);

    EXPECT_EQ(0u, dictionary.Call("Add", {std::string("task"), int32_t{7}}).error.number);
    EXPECT_EQ(0u, dictionary.Call("Add", {std::string("flag"), true}).error.number);
    EXPECT_EQ(ComponentValue(int32_t{2}), dictionary.Get("Count").value);
    EXPECT_EQ(ComponentValue(true), dictionary.Call("Exists", {std::string("task")}).value);
    EXPECT_EQ(ComponentValue(false), dictionary.Call("Exists", {std::string("other")}).value);
    EXPECT_EQ(ComponentValue(int32_t{7}), dictionary.Call("Item", {std::string("task")}).value);
    EXPECT_EQ(ComponentValue(true), dictionary.Call("Item", {std::string("flag")}).value);

    // A second Add of the same key is the component's own error, with its number and text.
    ComponentResult duplicate = dictionary.Call("Add", {std::string("task"), int32_t{8}});
    EXPECT_TRUE(static_cast<bool>(duplicate.error));
    EXPECT_FALSE(duplicate.error.description.empty());

    ComponentResult unknown = dictionary.Get("NoSuchMember");
    EXPECT_EQ(static_cast<DWORD>(DISP_E_UNKNOWNNAME), unknown.error.number);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(unknown.value));
}

TEST_F(ComComponentsTest, ObjectsComeBackAsObjects) {
    ComponentCreation created = components_.Create("Scripting.Dictionary", "");
    ASSERT_NE(nullptr, created.object) << created.error.description;
    ComponentCreation inner = components_.Create("Scripting.Dictionary", "");
    ASSERT_NE(nullptr, inner.object);
    ASSERT_EQ(0u, inner.object->Call("Add", {std::string("x"), std::string("inside")}).error.number);

    ASSERT_EQ(0u, created.object->Call("Add", {std::string("inner"), inner.object}).error.number);
    ComponentResult back = created.object->Call("Item", {std::string("inner")});
    ASSERT_TRUE(std::holds_alternative<ComponentRef>(back.value));
    ComponentRef object = std::get<ComponentRef>(back.value);
    EXPECT_EQ(ComponentValue(std::string("inside")), object->Call("Item", {std::string("x")}).value);
    EXPECT_EQ("[object]", ComponentText(back.value));
}

TEST(ComponentText, TextOfEveryKind) {
    EXPECT_EQ("", ComponentText(ComponentValue()));
    EXPECT_EQ("abc", ComponentText(std::string("abc")));
    EXPECT_EQ("-12", ComponentText(int32_t{-12}));
    EXPECT_EQ("True", ComponentText(true));
    EXPECT_EQ("False", ComponentText(false));
}

}  // namespace
