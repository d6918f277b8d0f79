#include "ServerProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr DWORD kStartLimitMs = 10000;

struct Winsock {
    Winsock() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { WSACleanup(); }
};

sockaddr_in Loopback(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

}  // namespace

ServerProcess::ServerProcess(int timeoutSeconds) {
    static Winsock winsock;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    output_.reset(readEnd);
    UniqueKernelHandle childOut(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    const char* bin = std::getenv("VANTRO_BIN");
    std::string command = "\"" + std::string(bin ? bin : ".") + "\\vantro-server.exe\" --bind 127.0.0.1 --port 0 --timeout " +
                          std::to_string(timeoutSeconds);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info)) {
        ADD_FAILURE() << "cannot start " << command << ": " << GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    childOut.reset();
    reader_ = std::thread([this] { Drain(); });

    const std::string banner = "listening on 127.0.0.1:";
    for (DWORD waited = 0; waited < kStartLimitMs && !port_; waited += 50, Sleep(50)) {
        std::string text = Output();
        size_t at = text.find(banner);
        if (at != std::string::npos && text.find('\n', at) != std::string::npos)
            port_ = static_cast<unsigned short>(std::atoi(text.c_str() + at + banner.size()));
    }
    if (!port_) ADD_FAILURE() << "the server did not say where it listens: " << Output();
}

ServerProcess::~ServerProcess() {
    if (process_) {
        TerminateProcess(process_.get(), 0);
        WaitForSingleObject(process_.get(), 5000);
    }
    if (reader_.joinable()) reader_.join();  // the pipe breaks when the server ends
}

void ServerProcess::Drain() {
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(output_.get(), buffer, sizeof buffer, &got, nullptr) && got) {
        std::lock_guard lock(mutex_);
        printed_.append(buffer, got);
    }
}

bool ServerProcess::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

std::string ServerProcess::Output() {
    std::lock_guard lock(mutex_);
    return printed_;
}

TestSocket::TestSocket(unsigned short port) : socket_(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {
    sockaddr_in address = Loopback(port);
    if (connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        ADD_FAILURE() << "cannot connect to the server: " << WSAGetLastError();
    DWORD limit = 5000;
    setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
}

TestSocket::~TestSocket() { Vanish(); }

void TestSocket::Vanish() {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
    socket_ = INVALID_SOCKET;
}

bool TestSocket::Send(const std::string& bytes) {
    return send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0) == static_cast<int>(bytes.size());
}

std::string TestSocket::ReadLine() {
    std::string line;
    char c = 0;
    for (;;) {
        int got = recv(socket_, &c, 1, 0);
        if (got == 0 || (got < 0 && WSAGetLastError() != WSAETIMEDOUT)) return line.empty() ? "closed" : line;
        if (got < 0) return "timeout";
        if (c == '\n') return line;
        line += c;
    }
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

DeadPort::DeadPort() : socket_(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {
    sockaddr_in address = Loopback(0);
    bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
}
