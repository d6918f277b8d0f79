#pragma once
// The server's own loop on a thread of the test, and a plain client that talks to it as
// any program on the network could. The same for the native and the Windows tests.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "../../server/Listeners.h"
#include "../../server/ServerLoop.h"

// A blocking client; every read gives up after 5 s.
class LineClient {
public:
    LineClient(const std::string& host, unsigned port) {
        net::Startup();
        addrinfo hints{}, *found = nullptr;
        hints.ai_socktype = SOCK_STREAM;
        if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return;
        socket_.reset(socket(found->ai_family, SOCK_STREAM, 0));
        if (connect(socket_.get(), found->ai_addr, static_cast<socklen_t>(found->ai_addrlen)) != 0) socket_.reset();
        freeaddrinfo(found);
#ifdef _WIN32
        DWORD limit = 5000;
#else
        timeval limit{5, 0};
#endif
        setsockopt(socket_.get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
    }
    net::Handle Handle() const { return socket_.get(); }
    void Vanish() { socket_.reset(); }  // drops the connection at once, without a word
    void Send(const std::string& bytes) {
        for (size_t done = 0; done < bytes.size();) {
            long sent = net::Send(socket_.get(), bytes.data() + done, bytes.size() - done);
            if (sent <= 0) return;
            done += static_cast<size_t>(sent);
        }
    }
    // One line without its LF; "closed" or "timeout" when none comes.
    std::string Line() {
        std::string line;
        char c;
        long got;
        while ((got = net::Receive(socket_.get(), &c, 1)) == 1 && c != '\n') line += c;
        return got == 1 ? line : got == 0 ? "closed" : "timeout";
    }
    std::string Ask(const std::string& request) {
        Send(request + "\n");
        return Line();
    }
    // The ids a LIST answers.
    std::vector<std::string> List() {
        std::string head = Ask("LIST");
        std::vector<std::string> ids;
        for (int n = head.rfind("OK ", 0) == 0 ? std::stoi(head.substr(3)) : 0; n > 0; --n) ids.push_back(Line());
        return ids;
    }

private:
    net::Socket socket_;
};

// 127.0.0.1 at a port of the system's choosing.
inline remote::ServerOptions LocalOptions(unsigned timeoutSeconds = 30, unsigned port = 0) {
    remote::ServerOptions options;
    options.bind = "127.0.0.1";
    options.port = port;
    options.timeoutSeconds = timeoutSeconds;
    return options;
}

// The server's loop, run by a thread of the test until Stop, which closes every socket.
class RunningServer {
public:
    explicit RunningServer(const remote::ServerOptions& options, std::FILE* logSink = nullptr) : log_(logSink, true) {
        net::Startup();
        remote::Listening listening = remote::Listen(options.bind, options.port);
        EXPECT_EQ("", listening.error);
        port = static_cast<uint16_t>(listening.port);
        thread_ = std::thread([this, options, sockets = std::move(listening.sockets)]() mutable {
            remote::ServerLoop(std::move(sockets), options, log_).Run(stop_);
        });
    }
    ~RunningServer() { Stop(); }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    std::vector<std::string> List() const { return LineClient("127.0.0.1", port).List(); }
    uint16_t port = 0;

private:
    remote::ServerLog log_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
