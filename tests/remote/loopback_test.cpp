#include <objbase.h>

#include "ServerProcess.h"
#include "mainwindow/frmMain.h"
#include "remote/OwnComponents.h"
#include "support/VantroTest.h"

namespace {

// The real components, the real server on 127.0.0.1, and the main window started for real.
class LoopbackTest : public VantroTest {
protected:
    LoopbackTest() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
        Store(store::kDrives, RegValue::Text("C: "), REG_SZ);  // no drive probe
    }
    ~LoopbackTest() override { CoUninitialize(); }

    void Store(const char* name, RegValue value, DWORD kind) {
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, name, std::move(value), kind);
    }
    void PointAt(const std::string& address) {
        Store(store::kNetworked, RegValue::Integer(1), REG_DWORD);
        Store(store::kRemoteIP, RegValue::Text(address), REG_SZ);
    }
    frmMain& Start() {
        window = std::make_unique<frmMain>(realContext);
        window->Load();
        return *window;
    }

    ServerProcess server{2};
    ComComponents real{OwnComponents()};
    AppContext realContext{app, clock, prompts, launcher, programEnd, real};
    std::unique_ptr<frmMain> window;
};

TEST_F(LoopbackTest, AStartAttachesThisInstanceAndTheExitWithdrawsIt) {
    PointAt(server.Address());
    frmMain& main = Start();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(std::vector<std::string>{LocalInstanceId()}, ServerList(server.Port()));
    EXPECT_NE(std::string::npos, server.Output().find(LocalInstanceId())) << "the server prints its list";
    main.mnuExit_Click();
    EXPECT_TRUE(ServerList(server.Port()).empty());
    EXPECT_TRUE(programEnd.Ended());
}

TEST_F(LoopbackTest, WithoutSettingsNothingIsAskedAndAnUnreachableServerIsReportedOnce) {
    Start();
    EXPECT_TRUE(prompts.asked.empty()) << "a machine without outside components starts quietly";
    EXPECT_NE(nullptr, window->Remote().oLocalClient);
    window->mnuExit_Click();

    DeadPort dead;
    PointAt("127.0.0.1:" + std::to_string(dead.Port()));
    Start();
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_EQ("Error: " + std::to_string(WSAECONNREFUSED) + "\r", prompts.asked[0].text.substr(0, 13));
    EXPECT_EQ(nullptr, window->Remote().oRemoteClient);
    EXPECT_TRUE(ServerList(server.Port()).empty());
}

TEST_F(LoopbackTest, GarbageOversizedCutOffAndStalledRequestsLeaveTheOthersAttached) {
    ComponentRef keeper = real.Create(kRemoteClientProgId, server.Address()).object;
    ASSERT_NE(nullptr, keeper);
    const ComponentValue keeperId = std::string("HOST\\keeper #1");
    ASSERT_EQ(0u, keeper->Call("Attach", {keeperId}).error.number);
    EXPECT_EQ(keeperId, keeper->Get("").value) << "the default member reads the attachment";

    TestSocket garbage(server.Port()), oversized(server.Port()), cutOff(server.Port()), stalled(server.Port());
    garbage.Send(std::string("\0\xff\x13 GET / HTTP/1.0\r\n", 20));
    EXPECT_EQ("ERR malformed request", garbage.ReadLine());
    EXPECT_EQ("closed", garbage.ReadLine());
    oversized.Send(std::string(64 * 1024, 'A'));
    EXPECT_EQ("ERR request too long", oversized.ReadLine());
    EXPECT_EQ("closed", oversized.ReadLine());
    cutOff.Send("ATTACH HOST\\cut #2");
    cutOff.Vanish();
    stalled.Send("ATTA");
    EXPECT_EQ("closed", stalled.ReadLine()) << "a half request is dropped after the timeout";

    // Well-formed, but not this connection's to withdraw; and no more than four each.
    TestSocket other(server.Port());
    other.Send("DETACH HOST\\keeper #1\n");
    EXPECT_EQ("ERR not attached", other.ReadLine());
    for (int i = 1; i <= 4; ++i) {
        other.Send("ATTACH other #" + std::to_string(i) + "\n");
        EXPECT_EQ("OK", other.ReadLine());
    }
    other.Send("ATTACH other #5\n");
    EXPECT_EQ("ERR too many attachments on this connection", other.ReadLine());
    other.Vanish();

    EXPECT_TRUE(server.Running());
    EXPECT_EQ(std::vector<std::string>{"HOST\\keeper #1"}, ServerList(server.Port()));
    EXPECT_EQ(0u, keeper->Call("Detach", {keeperId}).error.number);
    EXPECT_TRUE(ServerList(server.Port()).empty());
    EXPECT_EQ(ComponentValue(std::string()), keeper->Get("").value);
}

TEST_F(LoopbackTest, ConnectionsBeyondTheLimitAreTurnedAwayAndServiceGoesOn) {
    std::vector<std::unique_ptr<TestSocket>> crowd;
    std::string answer;
    for (int i = 0; i < 70 && answer.rfind("ERR", 0) != 0; ++i) {
        crowd.push_back(std::make_unique<TestSocket>(server.Port()));
        crowd.back()->Send("LIST\n");
        answer = crowd.back()->ReadLine();
    }
    EXPECT_EQ("ERR the server is busy", answer);
    crowd.clear();
    ComponentRef client = real.Create(kRemoteClientProgId, server.Address()).object;
    ASSERT_NE(nullptr, client);
    EXPECT_EQ(0u, client->Call("Attach", {std::string("late #3")}).error.number);
    EXPECT_EQ(std::vector<std::string>{"late #3"}, ServerList(server.Port()));
}

}  // namespace
