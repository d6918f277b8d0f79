#include <objbase.h>

#include <functional>
#include <optional>
#include <thread>

#include "LocalServer.h"
#include "mainwindow/frmMain.h"
#include "remote/OwnComponents.h"
#include "remote/RemoteLink.h"
#include "support/VantroTest.h"
#include "support/Waits.h"

namespace {

// The link's next news to a window, if it comes within ms.
std::optional<RemoteStatus> NextNews(HWND window, DWORD ms) {
    MSG msg{};
    bool came = false;
    PumpUntil([&] { return came = came || PeekMessageA(&msg, window, kRemoteStatusMessage, kRemoteStatusMessage, PM_REMOVE); }, ms);
    return came ? std::optional(static_cast<RemoteStatus>(msg.wParam)) : std::nullopt;
}

// A misbehaving stand-in for the server on 127.0.0.1: takes one connection, reads its
// first request line, then sends reply one byte every pause, and keeps the connection.
class StandInServer {
public:
    StandInServer(std::string reply, DWORD pauseMs) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        bind(listener_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_.get(), 1);
        getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this, reply, pauseMs] {
            net::Socket peer(accept(listener_.get(), nullptr, nullptr));
            char c = 0;
            while (net::Receive(peer.get(), &c, 1) == 1 && c != '\n') {
            }
            for (size_t i = 0; i < reply.size() && WaitForSingleObject(stop_.get(), i ? pauseMs : 0) == WAIT_TIMEOUT; ++i)
                net::Send(peer.get(), &reply[i], 1);
            WaitForSingleObject(stop_.get(), INFINITE);
        });
    }
    ~StandInServer() {
        SetEvent(stop_.get());
        listener_.reset();  // ends an accept still waiting
        thread_.join();
    }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    net::Socket listener_{socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
    unsigned short port_ = 0;
    UniqueKernelHandle stop_{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    std::thread thread_;
};

// The real components and the real server on 127.0.0.1.
class LoopbackTest : public VantroTest {
protected:
    LoopbackTest() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kNetworked, RegValue::Integer(1), REG_DWORD);
        // The exit ends without the close notice, which would wait for its OK.
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text("F"), REG_SZ);
    }
    ~LoopbackTest() override { CoUninitialize(); }

    RunningServer server{LocalOptions(2)};
    ComComponents real{OwnComponents()};
    AppContext realContext{app, clock, prompts, launcher, programEnd, real};
};

TEST_F(LoopbackTest, ATricklingServerHoldsUpNeitherTheStartNorTheExitAndItsCrLfCountsAsOk) {
    StandInServer trickler("OK\r\n", 1000);  // and no reply at all to the withdrawal
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRemoteIP, RegValue::Text(trickler.Address()), REG_SZ);
    AddTask({"Backup", "C:\\tools\\backup.exe", "12/04/1998", "07:05 PM", "Sat,Fri,Thu,Wed,Tue,Mon,Sun"});
    clock.Set({1998, 12, 4, 19, 4, 59, 800});
    frmMain main(realContext);
    ULONGLONG start = GetTickCount64();
    main.Load();
    EXPECT_LT(GetTickCount64() - start, 2000u) << "the start waits on no reply";
    clock.Set({1998, 12, 4, 19, 5, 0, 10});
    EXPECT_TRUE(PumpUntil([&] { return launcher.launches.size() == 1; }, 1000)) << "the due task starts while it connects";
    EXPECT_TRUE(PumpUntil([&] { return !ComponentText(main.Remote().remoteClient->Get("").value).empty(); }, 10000));
    start = GetTickCount64();
    main.mnuExit_Click();
    EXPECT_LT(GetTickCount64() - start, 4000u) << "the exit waits a short, bounded time";
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(LoopbackTest, TheLinkTellsOnceThatTheServerIsGoneThenOnceEachWayAsItComesAndGoes) {
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    uint16_t port = server.port;
    server.Stop();
    const std::vector<std::string> attached{"HOST\\me #4"};
    auto link = std::make_unique<RemoteLink>(remote::HostPort{"127.0.0.1", port}, attached[0], window);
    EXPECT_EQ(RemoteStatus::Unreachable, NextNews(window, 10000));
    Sleep(2500);  // the retry at 2 s finds nothing either
    std::optional<RunningServer> running(std::in_place, LocalOptions(2, port));
    EXPECT_EQ(RemoteStatus::Back, NextNews(window, 20000)) << "no news for the retries";
    running.reset();
    EXPECT_EQ(RemoteStatus::Lost, NextNews(window, 10000));
    Sleep(5000);  // attempts at 2 s and 6 s: the first finds nothing
    running.emplace(LocalOptions(2, port));
    EXPECT_EQ(RemoteStatus::Back, NextNews(window, 20000));
    EXPECT_EQ(attached, running->List());
    link->Withdraw();
    EXPECT_TRUE(running->List().empty()) << "withdrawn at the end";
    DestroyWindow(window);
}

}  // namespace
