#include <gtest/gtest.h>

#include "remote/RasEngine.h"

namespace {

std::string Text(const ComponentResult& result) { return ComponentText(result.value); }

TEST(RasEngine, SaysWhatAnEntryLacksAndRefusesWhatItCannotDo) {
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
    // Only a dial that waits and keeps the line up; anything else is refused before dialling.
    ComponentRef connections = std::get<ComponentRef>(engine->Call("Connections", {}).value);
    const std::string e;
    EXPECT_EQ(DWORD(E_INVALIDARG), connections->Call("AddConnection", {e, e, e, e, e, e, true, false}).error.number);
}

}  // namespace
