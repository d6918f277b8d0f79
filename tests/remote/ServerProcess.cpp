#include "ServerProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>

ServerProcess::ServerProcess(int timeoutSeconds, unsigned short port) {
    static WSADATA winsock;
    WSAStartup(MAKEWORD(2, 2), &winsock);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16);
    output_.reset(readEnd);
    UniqueKernelHandle childEnd(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    std::string command = std::string(std::getenv("VANTRO_BIN")) + "\\vantro-server.exe --bind 127.0.0.1 --port " +
                          std::to_string(port) + " --timeout " + std::to_string(timeoutSeconds);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info)) {
        ADD_FAILURE() << "cannot start " << command << ": " << GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    const std::string banner = "listening on 127.0.0.1:";
    for (int i = 0; i < 200 && Output().find('\n') == std::string::npos; ++i) Sleep(50);
    if (size_t at = printed_.find(banner); at != std::string::npos)
        port_ = static_cast<unsigned short>(std::atoi(printed_.c_str() + at + banner.size()));
    if (!port_) ADD_FAILURE() << "the server did not say where it listens: " << printed_;
}

std::string ServerProcess::Output() {
    char buffer[4096];
    DWORD ready = 0, got = 0;
    while (PeekNamedPipe(output_.get(), nullptr, 0, nullptr, &ready, nullptr) && ready &&
           ReadFile(output_.get(), buffer, sizeof buffer, &got, nullptr))
        printed_.append(buffer, got);
    return printed_;
}

void ServerProcess::Stop() {
    if (!process_) return;
    TerminateProcess(process_.get(), 0);
    WaitForSingleObject(process_.get(), 5000);
    process_.reset();
}

TestSocket::TestSocket(unsigned short port) : socket_(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        ADD_FAILURE() << "cannot connect to the server: " << WSAGetLastError();
    DWORD limit = 5000;
    setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
}

void TestSocket::Vanish() {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
    socket_ = INVALID_SOCKET;
}

std::string TestSocket::ReadLine() {
    std::string line;
    char c = 0;
    int got = 0;
    while ((got = recv(socket_, &c, 1, 0)) == 1 && c != '\n') line += c;
    if (got < 0 && WSAGetLastError() == WSAETIMEDOUT) return "timeout";
    return got == 1 || !line.empty() ? line : "closed";
}

std::vector<std::string> ServerList(unsigned short port) {
    TestSocket asker(port);
    asker.Send("LIST\n");
    std::string head = asker.ReadLine();
    if (head.rfind("OK ", 0) != 0) return {"no list: " + head};
    std::vector<std::string> ids;
    for (int n = std::atoi(head.c_str() + 3); n > 0; --n) ids.push_back(asker.ReadLine());
    return ids;
}

StandInServer::StandInServer(std::string reply, DWORD pauseMs) : stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 1);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this, reply, pauseMs] {
        SOCKET peer = accept(listener_, nullptr, nullptr);
        char c = 0;
        while (recv(peer, &c, 1, 0) == 1 && c != '\n') {
        }
        for (size_t i = 0; i < reply.size() && WaitForSingleObject(stop_, i ? pauseMs : 0) == WAIT_TIMEOUT; ++i)
            send(peer, &reply[i], 1, 0);
        WaitForSingleObject(stop_, INFINITE);  // the connection stays open
        closesocket(peer);
    });
}

StandInServer::~StandInServer() {
    SetEvent(stop_);
    closesocket(listener_);  // ends an accept still waiting
    thread_.join();
    CloseHandle(stop_);
}
