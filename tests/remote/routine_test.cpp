#include "ScriptedWorld.h"

namespace {

const std::vector<ComponentValue> kLocalIdArg = {std::string(kLocalId)};

class RoutineTest : public ScriptedWorld {
protected:
    void Run() { OLEConnection(context, objects, main); }
    size_t ErrorBoxes() const { return prompts.MessageBoxes().size(); }
};

TEST_F(RoutineTest, FreshSettingsMakeOnlyTheLocalClient) {
    Run();
    EXPECT_EQ(std::vector<std::string>{""}, ClientMachines());
    EXPECT_EQ(client, objects.oLocalClient);
    EXPECT_EQ(nullptr, objects.oRemoteClient);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(0, client->CallsTo("Attach"));
    EXPECT_EQ(0, connections->CallsTo("AddConnection"));
}

TEST_F(RoutineTest, NetworkedAndReachableAttachesOnceAndDetachesAtRelease) {
    StoreSettings(0, 1, "  server.example.com ");
    Run();
    EXPECT_EQ((std::vector<std::string>{"", "server.example.com", "server.example.com"}), ClientMachines());
    EXPECT_EQ(0u, ErrorBoxes());
    EXPECT_EQ(0, connections->CallsTo("AddConnection"));
    ASSERT_EQ(1, client->CallsTo("Attach"));
    EXPECT_EQ(kLocalIdArg, client->calls.back().second);
    EXPECT_EQ(client, objects.oRemoteClient);

    ReleaseRemote(objects);
    ASSERT_EQ(1, client->CallsTo("Detach"));
    EXPECT_EQ(kLocalIdArg, client->calls.back().second);
    EXPECT_EQ(nullptr, objects.oRemoteClient);
    EXPECT_EQ(nullptr, objects.oLocalClient);
    EXPECT_EQ(nullptr, objects.oRASEngine);
}

TEST_F(RoutineTest, ReleaseWithoutAnAttachmentDetachesNothing) {
    StoreSettings(0, 1, "server.example.com");
    client->failing["Attach"] = MakeError(ERROR_ACCESS_DENIED);
    Run();
    EXPECT_EQ(1u, ErrorBoxes());
    ReleaseRemote(objects);
    EXPECT_EQ(0, client->CallsTo("Detach"));
}

TEST_F(RoutineTest, DialUpWithALineAlreadyUpDialsNotAndReportsTheUnreachableServerOnce) {
    StoreSettings(1, 0, "server.example.com");
    entries = {MakeEntry("Office", "ann", "secret")};
    components.unreachable = {"server.example.com"};
    connections->properties["IsConnected"] = true;
    Run();
    EXPECT_EQ(0, connections->CallsTo("AddConnection"));
    ASSERT_EQ(1u, ErrorBoxes());
    const PromptRecord box = prompts.MessageBoxes()[0];
    EXPECT_EQ("Error: " + std::to_string(RPC_S_SERVER_UNAVAILABLE) + "\r" + SystemMessageText(RPC_S_SERVER_UNAVAILABLE),
              box.text);
    EXPECT_EQ("Vantro", box.title);
    EXPECT_EQ(static_cast<UINT>(MB_OK), box.style);
    EXPECT_EQ(0, client->CallsTo("Attach"));
    EXPECT_EQ(nullptr, objects.oRemoteClient);
}

TEST_F(RoutineTest, DialsTheChosenEntryWithItsStoredUserAndPasswordUnchanged) {
    StoreSettings(1, 0, "server.example.com");
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDUNNum, RegValue::Integer(1), REG_DWORD);
    entries = {MakeEntry("Office", "ann", "secret"), MakeEntry("Home", "bob", "p@ss word")};
    components.unreachable = {"server.example.com"};
    Run();
    EXPECT_TRUE(prompts.asked.empty()) << "nothing to ask";
    ASSERT_EQ(1, connections->CallsTo("AddConnection"));
    const std::vector<ComponentValue> expected = {std::string("Home"), std::string("555-0100"), std::string(),
                                                  std::string("bob"),  std::string("p@ss word"), std::string("HOME"),
                                                  true, true};
    for (const auto& [member, args] : connections->calls)
        if (member == "AddConnection") EXPECT_EQ(expected, args);
    EXPECT_EQ(1, engine->CallsTo("SetOwnerIcon"));
    EXPECT_EQ(1, client->CallsTo("Attach")) << "the line up, the server is reached";
}

TEST_F(RoutineTest, MissingUserNameOrPasswordIsAskedAndNoAnswerStopsBeforeDialling) {
    StoreSettings(1, 0, "server.example.com");
    components.unreachable = {"server.example.com"};
    entries = {MakeEntry("Office", "UserName Not Available", "Password Not Available")};
    prompts.inputAnswers = {"ann", "Not Available"};
    Run();
    ASSERT_EQ(2u, prompts.asked.size());
    EXPECT_EQ("What is your user name?", prompts.asked[0].text);
    EXPECT_EQ("UserID", prompts.asked[0].title);
    EXPECT_FALSE(prompts.asked[0].masked);
    EXPECT_EQ("What is your password?", prompts.asked[1].text);
    EXPECT_EQ("Password", prompts.asked[1].title);
    EXPECT_TRUE(prompts.asked[1].masked) << "a password is not shown as it is typed";
    EXPECT_EQ(ComponentValue(std::string("ann")), entries[0]->properties["UserName"]);
    EXPECT_EQ("No Password", MainCaption());
    EXPECT_EQ(0, connections->CallsTo("AddConnection"));
    EXPECT_EQ(0, client->CallsTo("Attach"));

    // An empty user name: stopped at the first question.
    entries = {MakeEntry("Office", "UserName Not Available", "")};
    prompts.asked.clear();
    Run();
    EXPECT_EQ(1u, prompts.asked.size());
    EXPECT_EQ("No UserID", MainCaption());
    EXPECT_EQ(0, connections->CallsTo("AddConnection"));
}

TEST_F(RoutineTest, AnUnregisteredClientGivesTheErrorBoxAndNothingMore) {
    StoreSettings(0, 1, "server.example.com");
    components.objects.erase(kRemoteClientProgId);
    Run();
    ASSERT_EQ(1u, ErrorBoxes());
    EXPECT_EQ("Error: " + std::to_string(static_cast<int32_t>(CO_E_CLASSSTRING)) + "\r" +
                  SystemMessageText(static_cast<DWORD>(CO_E_CLASSSTRING)),
              prompts.MessageBoxes()[0].text);
    EXPECT_EQ(std::vector<std::string>{""}, ClientMachines());
}

TEST_F(RoutineTest, RunningAgainReplacesTheObjectsWithoutDetachingTheOldOne) {
    StoreSettings(0, 1, "server.example.com");
    Run();
    auto old = client;
    client = std::make_shared<ScriptedObject>();
    client->properties["LocalId"] = std::string("HOST\\me #8");
    client->properties["Attach"] = std::string("OK");
    components.objects[kRemoteClientProgId] = client;
    Run();
    EXPECT_EQ(client, objects.oRemoteClient);
    EXPECT_EQ(client, objects.oLocalClient);
    EXPECT_EQ(1, client->CallsTo("Attach"));
    EXPECT_EQ(0, old->CallsTo("Detach"));
}

}  // namespace
