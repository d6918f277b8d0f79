#include <gtest/gtest.h>

#include "remote/RasEngine.h"

namespace {

std::string Text(const ComponentResult& result) { return ComponentText(result.value); }
DWORD Error(const ComponentResult& result) { return result.error.number; }

TEST(RasEngine, AnEntryWithoutStoredCredentialsSaysSoAndTakesTheAnswers) {
    ComponentRef entry = MakeRasEntry({"Office", "555-0100", "", "", "HOME"});
    EXPECT_EQ("UserName Not Available", Text(entry->Get("username")));
    EXPECT_EQ("Password Not Available", Text(entry->Get("Password")));
    entry->Put("Password", std::string("typed"));
    EXPECT_EQ("typed", Text(entry->Get("Password")));
    EXPECT_EQ(DWORD(DISP_E_UNKNOWNNAME), entry->Put("EntryName", std::string("other")).number);
}

TEST(RasEngine, ReadsThePhoneBookThroughRasAndRefusesWhatItCannotDo) {
    EXPECT_EQ(nullptr, CreateRasEngine("server.example.com").object) << "this machine only";
    ComponentRef engine = CreateRasEngine("").object;
    ComponentResult count = std::get<ComponentRef>(engine->Call("PhoneEntries", {}).value)->Get("Count");
    ASSERT_TRUE(std::holds_alternative<int32_t>(count.value));
    EXPECT_EQ(DWORD(DISP_E_BADINDEX), Error(engine->Call("PhoneEntries", {std::get<int32_t>(count.value)})));
    ComponentRef connections = std::get<ComponentRef>(engine->Call("Connections", {}).value);
    EXPECT_TRUE(std::holds_alternative<bool>(connections->Get("IsConnected").value));
    // Only a dial that waits and keeps the line up; anything else is refused before dialling.
    const std::string e;
    EXPECT_EQ(DWORD(E_INVALIDARG), Error(connections->Call("AddConnection", {e, e, e, e, e, e, true, false})));
}

}  // namespace
