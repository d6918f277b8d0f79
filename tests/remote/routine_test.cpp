#include "ScriptedWorld.h"
#include "remote/RemoteLink.h"

namespace {

class RoutineTest : public ScriptedWorld {
protected:
    RoutineTest() { StoreSettings(1, 0, "server.example.com"); }
    // Runs the routine. What all runs so far did, as one line: the machines the client
    // was made for ("" for this one), the calls dialled, the ids attached, the boxes
    // shown ("*": typing masked) and the main window's caption.
    std::string Run() {
        ConnectRemote(context, objects, main);
        std::string done = "made";
        for (const auto& [progId, machine] : components.created)
            if (progId == kRemoteClientProgId) done += " [" + machine + "]";
        for (const auto& args : connections->CallsTo("AddConnection")) {
            done += "; dialled";
            for (const auto& arg : args) done += " " + ComponentText(arg);
        }
        for (const auto& args : client->CallsTo("Attach")) done += "; attached " + ComponentText(args[0]);
        for (const auto& box : prompts.asked) done += "; " + box.title + ": " + box.text + (box.masked ? " *" : "");
        char caption[64] = {};
        GetWindowTextA(main, caption, sizeof caption);
        return done + "; " + caption;
    }
    static std::string ErrorBox(DWORD number, const std::string& text) {
        return "Vantro: Error: " + std::to_string(static_cast<int32_t>(number)) + "\r" + text;
    }
    static std::string ErrorBox(DWORD number) { return ErrorBox(number, SystemMessageText(number)); }
};

TEST_F(RoutineTest, EachBranchDoesWhatItsSettingsAsk) {
    enum World { InReach, OutOfReach, LineUp, Refusing };
    const std::string made = "made [] [server.example.com]; ", attached = "attached HOST\\me #7; ";
    const std::string dialledOffice = "dialled Office 555-0100  ann secret HOME True True; ";
    const std::string unreachable = ErrorBox(RPC_S_SERVER_UNAVAILABLE) + "; ";
    const std::string userBox = "UserID: What is your user name?; ";
    struct Row {
        const char* why;
        int autoDial, networked, dunNum;
        const char *user, *password;
        std::deque<std::optional<std::string>> answers;
        World world;
        std::string done;
        bool detachAtExit;
    } rows[] = {
        {"fresh settings: only the local client", 0, 0, 0, "ann", "secret", {}, InReach, "made []; ", false},
        {"networked and in reach: one connection, no probe", 0, 1, 0, "ann", "secret", {}, InReach, made + attached, true},
        {"networked only, server out of reach: no dialling", 0, 1, 0, "ann", "secret", {}, OutOfReach, made + unreachable,
         false},
        {"a line already up: nothing dialled", 1, 0, 0, "ann", "secret", {}, LineUp, made + unreachable, false},
        {"the chosen entry, its user and password unchanged", 1, 0, 1, "ann", "secret", {}, OutOfReach,
         made + "dialled Home 555-0100  bob p@ss word HOME True True; " + attached, true},
        {"no user name: the user is asked", 1, 0, 0, "UserName Not Available", "secret", {"ann"}, OutOfReach,
         made + dialledOffice + attached + userBox, true},
        {"no user name given: the routine stops", 1, 0, 0, "UserName Not Available", "secret", {""}, OutOfReach,
         "made []; " + userBox + "No UserID", false},
        {"a refused attach: not attached, no detach at exit", 0, 1, 0, "ann", "secret", {}, Refusing,
         made + attached + ErrorBox(kServerRefused, "The server is full") + "; ", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        SetWindowTextA(main, "");
        StoreSettings(row.autoDial, row.networked, "  server.example.com ", row.dunNum);
        entries = {MakeEntry("Office", row.user, row.password), MakeEntry("Home", "bob", "p@ss word")};
        components.unreachable = {"server.example.com"};
        if (row.world == InReach || row.world == Refusing) components.unreachable.clear();
        connections->properties["IsConnected"] = row.world == LineUp;
        components.created.clear();
        prompts.asked.clear();
        prompts.inputAnswers = row.answers;
        client = std::make_shared<ScriptedObject>(*client);
        client->calls.clear();
        client->properties.erase("");
        if (row.world == Refusing)
            client->methods["Attach"] = [](const ScriptedObject::Args&) {
                return ComponentResult{{}, {kServerRefused, "The server is full"}};
            };
        components.objects[kRemoteClientProgId] = client;
        connections->calls.clear();
        EXPECT_EQ(row.done, Run());
        ReleaseRemote(objects);
        EXPECT_EQ(row.detachAtExit, !client->CallsTo("Detach").empty());
    }
}

}  // namespace
