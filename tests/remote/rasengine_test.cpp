#include <gtest/gtest.h>

#include "remote/RasEngine.h"

namespace {

std::string Text(const ComponentResult& result) { return ComponentText(result.value); }

TEST(RasEngine, SaysWhatAnEntryLacksAndServesThisMachineOnly) {
    ComponentRef entry = MakeRasEntry({"Office", "555-0100", "", "", "HOME"});
    EXPECT_EQ("UserName Not Available", Text(entry->Get("username")));
    EXPECT_EQ("Password Not Available", Text(entry->Get("Password")));
    entry->Put("Password", std::string("typed"));
    EXPECT_EQ("typed", Text(entry->Get("Password")));

    EXPECT_EQ(nullptr, CreateRasEngine("server.example.com").object) << "this machine only";
    ComponentRef engine = CreateRasEngine("").object;
    ComponentResult count = std::get<ComponentRef>(engine->Call("PhoneEntries", {}).value)->Get("Count");
    ASSERT_TRUE(std::holds_alternative<int32_t>(count.value));
    EXPECT_EQ(DWORD(DISP_E_BADINDEX), engine->Call("PhoneEntries", {std::get<int32_t>(count.value)}).error.number);
}

}  // namespace
