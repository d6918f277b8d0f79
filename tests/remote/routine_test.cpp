#include "ScriptedWorld.h"

namespace {

using Calls = std::vector<std::vector<ComponentValue>>;

class RoutineTest : public ScriptedWorld {
protected:
    RoutineTest() { StoreSettings(1, 0, "server.example.com"); }
    void Run() { OLEConnection(context, objects, main); }
    // The machines the remote client was made for, in order ("" for this one).
    std::vector<std::string> ClientMachines() const {
        std::vector<std::string> machines;
        for (const auto& [progId, machine] : components.created)
            if (progId == kRemoteClientProgId) machines.push_back(machine);
        return machines;
    }
    std::string MainCaption() const {
        char text[64] = {};
        GetWindowTextA(main, text, sizeof text);
        return text;
    }
};

TEST_F(RoutineTest, FreshSettingsMakeOnlyTheLocalClient) {
    StoreSettings(0, 0, "");
    Run();
    EXPECT_EQ(std::vector<std::string>{""}, ClientMachines());
    EXPECT_EQ(client, objects.oLocalClient);
    EXPECT_EQ(nullptr, objects.oRemoteClient);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(client->CallsTo("Attach").empty());
}

TEST_F(RoutineTest, NetworkedAndReachableAttachesAndAReRunReplacesTheObjects) {
    StoreSettings(0, 1, "  server.example.com ");
    Run();
    EXPECT_EQ((std::vector<std::string>{"", "server.example.com", "server.example.com"}), ClientMachines());
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(connections->CallsTo("AddConnection").empty());
    EXPECT_EQ(Calls{{kLocalId}}, client->CallsTo("Attach"));

    // Made again in place of the old ones; the old instance is let go without Detach.
    auto old = client;
    components.objects[kRemoteClientProgId] = client = std::make_shared<ScriptedObject>(*old);
    client->calls.clear();
    Run();
    EXPECT_EQ(client, objects.oRemoteClient);
    ReleaseRemote(objects);
    EXPECT_TRUE(old->CallsTo("Detach").empty());
    EXPECT_EQ(Calls{{kLocalId}}, client->CallsTo("Detach"));
    EXPECT_EQ(nullptr, objects.oRemoteClient);
    EXPECT_EQ(nullptr, objects.oRASEngine);
}

TEST_F(RoutineTest, WithALineAlreadyUpNothingIsDialledAndTheUnreachableServerIsReportedOnce) {
    entries = {MakeEntry("Office", "ann", "secret")};
    components.unreachable = {"server.example.com"};
    connections->properties["IsConnected"] = true;
    Run();
    EXPECT_TRUE(connections->CallsTo("AddConnection").empty());
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_EQ("Error: " + std::to_string(RPC_S_SERVER_UNAVAILABLE) + "\r" + SystemMessageText(RPC_S_SERVER_UNAVAILABLE),
              prompts.asked[0].text);
    EXPECT_EQ("Vantro", prompts.asked[0].title);
    EXPECT_EQ(static_cast<UINT>(MB_OK), prompts.asked[0].style);
    EXPECT_EQ(nullptr, objects.oRemoteClient);
    ReleaseRemote(objects);
    EXPECT_TRUE(client->CallsTo("Detach").empty()) << "never attached";
}

TEST_F(RoutineTest, DialsTheChosenEntryWithItsStoredUserAndPasswordUnchanged) {
    StoreSettings(1, 0, "server.example.com", 1);
    entries = {MakeEntry("Office", "ann", "secret"), MakeEntry("Home", "bob", "p@ss word")};
    components.unreachable = {"server.example.com"};
    Run();
    EXPECT_TRUE(prompts.asked.empty());
    const std::string none;
    EXPECT_EQ((Calls{{std::string("Home"), std::string("555-0100"), none, std::string("bob"), std::string("p@ss word"),
                      std::string("HOME"), true, true}}),
              connections->CallsTo("AddConnection"));
    EXPECT_EQ(Calls{{kLocalId}}, client->CallsTo("Attach")) << "the line up, the server is reached";
}

TEST_F(RoutineTest, AMissingUserNameOrPasswordIsAskedAndNoAnswerStopsBeforeDialling) {
    components.unreachable = {"server.example.com"};
    entries = {MakeEntry("Office", "UserName Not Available", "Password Not Available")};
    prompts.inputAnswers = {"ann", "Not Available"};
    Run();
    ASSERT_EQ(2u, prompts.asked.size());
    EXPECT_EQ("UserID: What is your user name?", prompts.asked[0].title + ": " + prompts.asked[0].text);
    EXPECT_FALSE(prompts.asked[0].masked);
    EXPECT_EQ("Password: What is your password?", prompts.asked[1].title + ": " + prompts.asked[1].text);
    EXPECT_TRUE(prompts.asked[1].masked) << "a password is not shown as it is typed";
    EXPECT_EQ(ComponentValue(std::string("ann")), entries[0]->properties["UserName"]);
    EXPECT_EQ("No Password", MainCaption());

    entries = {MakeEntry("Office", "UserName Not Available", "")};
    Run();
    EXPECT_EQ(3u, prompts.asked.size()) << "an empty user name stops at the first question";
    EXPECT_EQ("No UserID", MainCaption());
    EXPECT_TRUE(connections->CallsTo("AddConnection").empty());
    EXPECT_TRUE(client->CallsTo("Attach").empty());
}

TEST_F(RoutineTest, AnUnregisteredClientGivesTheErrorBoxAndEndsTheRoutine) {
    components.objects.erase(kRemoteClientProgId);
    Run();
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_EQ("Error: " + std::to_string(static_cast<int32_t>(CO_E_CLASSSTRING)) + "\r",
              prompts.asked[0].text.substr(0, 19));
    EXPECT_EQ(std::vector<std::string>{""}, ClientMachines());
}

}  // namespace
