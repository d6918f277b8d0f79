#pragma once
// The real vantro-server on 127.0.0.1 at a port of the system's choosing, and a raw
// socket that talks to it as any program on the network could.
#include <winsock2.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/UniqueHandle.h"

class ServerProcess {
public:
    // port 0: one of the system's choosing.
    explicit ServerProcess(int timeoutSeconds, unsigned short port = 0);
    ~ServerProcess() { Stop(); }
    unsigned short Port() const { return port_; }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string Output();  // what it printed so far
    void Stop();

private:
    UniqueKernelHandle process_, output_;
    std::string printed_;
    unsigned short port_ = 0;
};

class TestSocket {
public:
    explicit TestSocket(unsigned short port);
    ~TestSocket() { Vanish(); }
    void Send(const std::string& bytes) { send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0); }
    // One reply line without its LF; "closed" when the server ended the connection,
    // "timeout" when nothing came for 5 s.
    std::string ReadLine();
    void Vanish();  // drops the connection at once, without a word

private:
    SOCKET socket_;
};

// The attached ids, through a LIST request.
std::vector<std::string> ServerList(unsigned short port);

// A misbehaving stand-in for the server on 127.0.0.1: takes one connection, reads its
// first request line, then sends reply, one byte every pause.
class StandInServer {
public:
    StandInServer(std::string reply, DWORD pauseMs);
    ~StandInServer();
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    HANDLE stop_ = nullptr;
    std::thread thread_;
};
