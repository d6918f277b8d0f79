#include "ScriptedWorld.h"
#include "remote/RemoteLink.h"

namespace {

using Calls = std::vector<std::vector<ComponentValue>>;

class RoutineTest : public ScriptedWorld {
protected:
    RoutineTest() { StoreSettings(1, 0, "server.example.com"); }
    // Runs the routine. What all runs so far did, as one line: the machines the client
    // was made for ("" for this one), the entries dialled, the ids attached, the boxes
    // shown ("*": typing masked) and the main window's caption.
    std::string Run() {
        ConnectRemote(context, objects, main);
        std::string done = "made";
        for (const auto& [progId, machine] : components.created)
            if (progId == kRemoteClientProgId) done += " [" + machine + "]";
        for (const auto& args : connections->CallsTo("AddConnection")) done += "; dialled " + ComponentText(args[0]);
        for (const auto& args : client->CallsTo("Attach")) done += "; attached " + ComponentText(args[0]);
        for (const auto& box : prompts.asked) done += "; " + box.title + ": " + box.text + (box.masked ? " *" : "");
        char caption[64] = {};
        GetWindowTextA(main, caption, sizeof caption);
        return done + "; " + caption;
    }
    static std::string ErrorBox(DWORD number) {
        return "Vantro: Error: " + std::to_string(static_cast<int32_t>(number)) + "\r" + SystemMessageText(number);
    }
};

TEST_F(RoutineTest, FreshSettingsMakeOnlyTheLocalClient) {
    StoreSettings(0, 0, "");
    EXPECT_EQ("made []; Vantro 1.5", Run());
    EXPECT_EQ(client, objects.localClient);
    EXPECT_EQ(nullptr, objects.remoteClient);
}

TEST_F(RoutineTest, AnUnregisteredClientGivesTheErrorBoxAndEndsTheRoutine) {
    components.objects.erase(kRemoteClientProgId);
    EXPECT_EQ("made []; " + ErrorBox(static_cast<DWORD>(CO_E_CLASSSTRING)) + "; Vantro 1.5", Run());
}

TEST_F(RoutineTest, NetworkedAndReachableAttachesAndAReRunReplacesTheObjects) {
    StoreSettings(0, 1, "  server.example.com ");
    EXPECT_EQ("made [] [server.example.com]; attached HOST\\me #7; Vantro 1.5", Run()) << "one connection, no probe";

    // Made again in place of the old ones; the old instance is let go without Detach.
    auto old = client;
    components.objects[kRemoteClientProgId] = client = std::make_shared<ScriptedObject>(*old);
    client->calls.clear();
    Run();
    EXPECT_EQ(client, objects.remoteClient);
    ReleaseRemote(objects);
    EXPECT_TRUE(old->CallsTo("Detach").empty());
    EXPECT_EQ(Calls{{kLocalId}}, client->CallsTo("Detach"));
    EXPECT_EQ(nullptr, objects.remoteClient);
}

TEST_F(RoutineTest, WithALineAlreadyUpNothingIsDialledAndTheUnreachableServerIsReportedOnce) {
    entries = {MakeEntry("Office", "ann", "secret")};
    components.unreachable = {"server.example.com"};
    connections->properties["IsConnected"] = true;
    EXPECT_EQ("made [] [server.example.com]; " + ErrorBox(RPC_S_SERVER_UNAVAILABLE) + "; Vantro 1.5", Run());
    ReleaseRemote(objects);
    EXPECT_TRUE(client->CallsTo("Detach").empty()) << "never attached";
}

TEST_F(RoutineTest, DialsTheChosenEntryWithItsStoredUserAndPasswordUnchanged) {
    StoreSettings(1, 0, "server.example.com", 1);
    entries = {MakeEntry("Office", "ann", "secret"), MakeEntry("Home", "bob", "p@ss word")};
    components.unreachable = {"server.example.com"};
    EXPECT_EQ("made [] [server.example.com]; dialled Home; attached HOST\\me #7; Vantro 1.5", Run())
        << "the line up, the server is reached";
    const std::string none;
    EXPECT_EQ((Calls{{std::string("Home"), std::string("555-0100"), none, std::string("bob"), std::string("p@ss word"),
                      std::string("HOME"), true, true}}),
              connections->CallsTo("AddConnection"));
}

TEST_F(RoutineTest, AMissingUserNameOrPasswordIsAskedAndNoAnswerStopsBeforeDialling) {
    components.unreachable = {"server.example.com"};
    entries = {MakeEntry("Office", "UserName Not Available", "Password Not Available")};
    prompts.inputAnswers = {"ann", "Not Available"};
    EXPECT_EQ("made []; UserID: What is your user name?; Password: What is your password? *; No Password",
              Run());
    EXPECT_EQ(ComponentValue(std::string("ann")), entries[0]->properties["UserName"]);

    entries = {MakeEntry("Office", "UserName Not Available", "")};
    prompts.asked.clear();
    components.created.clear();
    EXPECT_EQ("made []; UserID: What is your user name?; No UserID", Run())
        << "an empty user name stops at the first question";
}

TEST_F(RoutineTest, EachBranchDoesWhatItsSettingsAsk) {
    struct Row {
        const char* why;
        int autoDial, networked, dunNum;
        const char* password;
        bool refused;
        std::string done;
        bool detachAtExit;
    } rows[] = {
        {"networked only, server out of reach: no dialling", 0, 1, 0, "secret", false,
         "made [] [server.example.com]; " + ErrorBox(RPC_S_SERVER_UNAVAILABLE) + "; Vantro 1.5", false},
        {"a stored entry number that no longer exists: the first entry", 1, 0, 7, "secret", false,
         "made [] [server.example.com]; dialled Office; attached HOST\\me #7; Vantro 1.5", true},
        {"no saved password: the user is asked", 1, 0, 0, "", false,
         "made [] [server.example.com]; dialled Office; attached HOST\\me #7; Password: What is your password? *; Vantro 1.5",
         true},
        {"a refused attach: not attached, no detach at exit", 0, 1, 0, "secret", true,
         "made [] [server.example.com]; attached HOST\\me #7; Vantro: Error: " +
             std::to_string(static_cast<int32_t>(kServerRefused)) + "\rThe server is full; Vantro 1.5",
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        StoreSettings(row.autoDial, row.networked, "server.example.com", row.dunNum);
        entries = {MakeEntry("Office", "ann", row.password)};
        components.unreachable = {"server.example.com"};
        components.created.clear();
        prompts.asked.clear();
        prompts.inputAnswers = {"typed"};
        client = std::make_shared<ScriptedObject>(*client);
        client->calls.clear();
        client->properties.erase("");
        if (row.refused) {
            components.unreachable.clear();
            client->methods["Attach"] = [](const ScriptedObject::Args&) {
                return ComponentResult{{}, {kServerRefused, "The server is full"}};
            };
        }
        components.objects[kRemoteClientProgId] = client;
        connections->calls.clear();
        EXPECT_EQ(row.done, Run());
        ReleaseRemote(objects);
        EXPECT_EQ(row.detachAtExit, !client->CallsTo("Detach").empty());
    }
}

}  // namespace
