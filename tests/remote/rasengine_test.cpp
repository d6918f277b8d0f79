#include <gtest/gtest.h>

#include "remote/RasEngine.h"

namespace {

std::string Text(const ComponentResult& result) { return ComponentText(result.value); }
DWORD Error(const ComponentResult& result) { return result.error.number; }

TEST(RasEngine, AnEntryWithoutStoredCredentialsSaysSoAndTakesTheAnswers) {
    ComponentRef entry = MakeRasEntry({"Office", "555-0100", "", "", "HOME"});
    EXPECT_EQ("UserName Not Available", Text(entry->Get("username")));
    EXPECT_EQ("Password Not Available", Text(entry->Get("Password")));
    EXPECT_EQ(0u, entry->Put("UserName", std::string("ann")).number);
    EXPECT_EQ(0u, entry->Put("Password", std::string("typed")).number);
    EXPECT_EQ("ann", Text(entry->Get("UserName")));
    EXPECT_EQ("typed", Text(entry->Get("Password")));
    EXPECT_EQ(DWORD(DISP_E_UNKNOWNNAME), entry->Put("EntryName", std::string("other")).number);
    EXPECT_EQ("Office", Text(entry->Get("EntryName")));
}

TEST(RasEngine, ReadsThePhoneBookThroughRasAndRefusesWhatItCannotDo) {
    EXPECT_EQ(nullptr, CreateRasEngine("server.example.com").object) << "this machine only";
    ComponentRef engine = CreateRasEngine("").object;
    ASSERT_NE(nullptr, engine);
    ComponentResult entries = engine->Call("PhoneEntries", {});
    ASSERT_EQ(0u, Error(entries));
    ComponentResult count = std::get<ComponentRef>(entries.value)->Get("Count");
    ASSERT_TRUE(std::holds_alternative<int32_t>(count.value));
    EXPECT_EQ(DWORD(DISP_E_BADINDEX), Error(engine->Call("PhoneEntries", {std::get<int32_t>(count.value)})));
    EXPECT_EQ(DWORD(DISP_E_TYPEMISMATCH), Error(engine->Call("PhoneEntries", {std::string("first")})));
    EXPECT_EQ(0u, Error(engine->Call("SetOwnerIcon", {ComponentPicture{}})));

    ComponentRef connections = std::get<ComponentRef>(engine->Call("Connections", {}).value);
    EXPECT_TRUE(std::holds_alternative<bool>(connections->Get("IsConnected").value));
    const std::string e;
    // Only a waiting dial that keeps the line up; anything else is refused before dialling.
    EXPECT_EQ(DWORD(E_INVALIDARG), Error(connections->Call("AddConnection", {e, e, e, e, e, e, true, false})));
    EXPECT_EQ(DWORD(DISP_E_BADPARAMCOUNT), Error(connections->Call("AddConnection", {e, e})));
}

}  // namespace
