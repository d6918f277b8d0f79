#pragma once
// The real vantro-server, started on 127.0.0.1 at a port of the system's choosing, and
// a raw client socket to talk to it as any program on the network could.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/UniqueHandle.h"

class ServerProcess {
public:
    explicit ServerProcess(int timeoutSeconds);
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    unsigned short Port() const { return port_; }
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
    bool Running() const;
    std::string Output();  // what it printed so far

private:
    void Drain();

    UniqueKernelHandle process_, output_;
    std::thread reader_;
    std::mutex mutex_;
    std::string printed_;
    unsigned short port_ = 0;
};

class TestSocket {
public:
    explicit TestSocket(unsigned short port);
    ~TestSocket();
    TestSocket(const TestSocket&) = delete;
    TestSocket& operator=(const TestSocket&) = delete;

    bool Send(const std::string& bytes);
    // One reply line without its LF; "closed" when the server ended the connection,
    // "timeout" when nothing came within 5 s.
    std::string ReadLine();
    // Drops the connection at once, without a word.
    void Vanish();

private:
    SOCKET socket_ = INVALID_SOCKET;
};

// The attached ids, through a LIST request.
std::vector<std::string> ServerList(unsigned short port);

// A port on 127.0.0.1 that nobody listens on, held while the object lives.
class DeadPort {
public:
    DeadPort();
    ~DeadPort() { closesocket(socket_); }
    unsigned short Port() const { return port_; }

private:
    SOCKET socket_;
    unsigned short port_ = 0;
};
