#include <objbase.h>

#include "ServerProcess.h"
#include "mainwindow/frmMain.h"
#include "remote/OwnComponents.h"
#include "support/VantroTest.h"

namespace {

// The real components and the real server on 127.0.0.1.
class LoopbackTest : public VantroTest {
protected:
    LoopbackTest() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kNetworked, RegValue::Integer(1), REG_DWORD);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRemoteIP, RegValue::Text(server.Address()), REG_SZ);
        // The exit ends without the close notice, which would wait for its OK.
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text("F"), REG_SZ);
    }
    ~LoopbackTest() override { CoUninitialize(); }

    ServerProcess server{2};
    ComComponents real{OwnComponents()};
    AppContext realContext{app, clock, prompts, launcher, programEnd, real};
};

TEST_F(LoopbackTest, AServerThatIsGoneIsReportedOnceAndNothingIsAttached) {
    server.Stop();
    frmMain main(realContext);
    main.Load();
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_EQ("Error: " + std::to_string(WSAECONNREFUSED) + "\r", prompts.asked[0].text.substr(0, 13));
    EXPECT_EQ(nullptr, main.Remote().oRemoteClient);
}

TEST_F(LoopbackTest, AStartAttachesThisInstanceWhichOthersGarbageCannotUndoAndTheExitWithdrawsIt) {
    frmMain main(realContext);
    main.Load();
    EXPECT_TRUE(prompts.asked.empty());
    const std::vector<std::string> attached{LocalInstanceId()};
    EXPECT_EQ(attached, ServerList(server.Port()));
    EXPECT_NE(std::string::npos, server.Output().find(LocalInstanceId())) << "the server prints its list";
    EXPECT_EQ(ComponentValue(LocalInstanceId()), main.Remote().oRemoteClient->Get("").value)
        << "the default member reads the attachment";

    TestSocket garbage(server.Port()), oversized(server.Port()), cutOff(server.Port()), stalled(server.Port());
    garbage.Send(std::string("\0\xff\x13 GET / HTTP/1.0\r\n", 20));
    EXPECT_EQ("ERR malformed request", garbage.ReadLine());
    EXPECT_EQ("closed", garbage.ReadLine());
    oversized.Send(std::string(64 * 1024, 'A'));
    EXPECT_EQ("ERR request too long", oversized.ReadLine());
    cutOff.Send("ATTACH HOST\\cut #2");
    cutOff.Vanish();
    stalled.Send("ATTA");
    EXPECT_EQ("closed", stalled.ReadLine()) << "a half request is dropped after the timeout";

    TestSocket other(server.Port());
    other.Send("DETACH " + LocalInstanceId() + "\n");
    EXPECT_EQ("ERR not attached", other.ReadLine()) << "not this connection's to withdraw";
    std::vector<std::unique_ptr<TestSocket>> crowd;  // more connections than the server takes
    std::string answer;
    while (crowd.size() < 70 && answer.rfind("ERR", 0) != 0) {
        crowd.push_back(std::make_unique<TestSocket>(server.Port()));
        crowd.back()->Send("LIST\n");
        if ((answer = crowd.back()->ReadLine()) == "OK 1") crowd.back()->ReadLine();
    }
    EXPECT_EQ("ERR the server is busy", answer);
    crowd.clear();

    EXPECT_EQ(attached, ServerList(server.Port()));
    main.mnuExit_Click();
    EXPECT_TRUE(ServerList(server.Port()).empty());
}

}  // namespace
