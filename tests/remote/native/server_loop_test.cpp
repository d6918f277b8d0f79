// The server's loop on real sockets, natively under AddressSanitizer and UBSan.
#include <gtest/gtest.h>
#include <sys/time.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "../../../server/Listeners.h"
#include "../../../server/ServerLoop.h"

namespace {

using remote::ServerOptions;

// A plain blocking client; every read gives up after 5 s.
class Client {
public:
    Client(const std::string& host, unsigned port) {
        addrinfo hints{}, *found = nullptr;
        hints.ai_socktype = SOCK_STREAM;
        if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return;
        socket_.reset(socket(found->ai_family, SOCK_STREAM, 0));
        if (connect(socket_.get(), found->ai_addr, found->ai_addrlen) != 0) socket_.reset();
        freeaddrinfo(found);
        timeval limit{5, 0};
        setsockopt(socket_.get(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    }
    bool Connected() const { return bool(socket_); }
    net::Handle Handle() const { return socket_.get(); }
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

// A server on a port of the system's choosing, run by a thread of the test.
class RunningServer {
public:
    explicit RunningServer(ServerOptions options, std::FILE* logSink = nullptr) : log_(logSink, true) {
        remote::Listening listening = remote::Listen(options.bind, 0);
        EXPECT_EQ("", listening.error);
        port = listening.port;
        thread_ = std::thread([this, options, sockets = std::move(listening.sockets)]() mutable {
            remote::ServerLoop(std::move(sockets), options, log_).Run(stop_);
        });
    }
    ~RunningServer() {
        stop_ = true;
        thread_.join();
    }
    unsigned port = 0;

private:
    remote::ServerLog log_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

ServerOptions Local(unsigned timeoutSeconds = 30) {
    ServerOptions options;
    options.bind = "127.0.0.1";
    options.timeoutSeconds = timeoutSeconds;
    return options;
}

std::string Id(char c) { return std::string(remote::kMaxIdLength, c); }

TEST(ServerLoop, APipeliningReaderKeepsItsAttachmentsAndOneThatNeverReadsIsDroppedAtTheTimeout) {
    RunningServer server(Local(2));
    Client reader("127.0.0.1", server.port), silent("127.0.0.1", server.port);
    for (char c : {'a', 'b', 'c', 'd'}) ASSERT_EQ("OK", reader.Ask("ATTACH " + Id(c)));
    ASSERT_EQ("OK", silent.Ask("ATTACH silent"));

    std::string lists;
    for (int i = 0; i < 400; ++i) lists += "LIST\n";  // 400 replies of 800 bytes and more
    reader.Send(lists);
    int answered = 0;
    for (int i = 0; i < 400 && reader.Line() == "OK 5"; ++i, ++answered)
        for (int n = 0; n < 5; ++n) reader.Line();
    EXPECT_EQ(400, answered);

    std::string flood;
    for (int i = 0; i < 20000; ++i) flood += "LIST\n";
    net::SetNonBlocking(silent.Handle());  // what the server will not take stays unsent
    silent.Send(flood);
    std::this_thread::sleep_for(std::chrono::seconds(4));
    EXPECT_EQ((std::vector<std::string>{Id('a'), Id('b'), Id('c'), Id('d')}), reader.List())
        << "the silent reader's attachment goes with it, the reader keeps its own";
}

TEST(ServerLoop, ALogNobodyReadsNeverHoldsTheServerUp) {
    std::signal(SIGPIPE, SIG_IGN);
    int ends[2];
    ASSERT_EQ(0, pipe(ends));
    std::FILE* unread = fdopen(ends[1], "w");
    {
        RunningServer server(Local(), unread);
        Client client("127.0.0.1", server.port);
        // 2,000 changes of some 200 bytes each: far more than a pipe holds.
        for (int i = 0; i < 1000; ++i) {
            std::string id = Id('x') + std::to_string(i % 10);
            id.erase(0, id.size() - remote::kMaxIdLength);
            ASSERT_EQ("OK", client.Ask("ATTACH " + id)) << i;
            ASSERT_EQ("OK", client.Ask("DETACH " + id)) << i;
        }
    }
    close(ends[0]);  // the stuck writer gets its error and ends
}

TEST(ServerLoop, LimitsFromTheCommandLineHoldAtTheirBoundaries) {
    auto options = remote::ParseServerOptions({"--bind", "127.0.0.1", "--max-connections", "2", "--max-attachments", "1"});
    ASSERT_TRUE(options);
    RunningServer server(*options);
    Client first("127.0.0.1", server.port), second("127.0.0.1", server.port);
    EXPECT_EQ("OK", first.Ask("ATTACH one"));
    EXPECT_EQ("ERR too many attachments on this connection", first.Ask("ATTACH two"));
    EXPECT_EQ("OK", second.Ask("ATTACH two"));
    Client third("127.0.0.1", server.port);
    EXPECT_EQ("ERR the server is busy", third.Line());

    for (auto bad : std::vector<std::vector<std::string>>{{"--max-connections", "0"}, {"--max-connections", "1001"},
                                                          {"--max-attachments", "65"}, {"--port", "65536"},
                                                          {"--timeout", "0"}, {"--dead-after", "1"}, {"--log", ""},
                                                          {"--max-connections"}, {"--colour", "red"}})
        EXPECT_FALSE(remote::ParseServerOptions(bad)) << bad[0];
}

TEST(ServerLoop, BindsToNamesIPv6AndEveryAddressAndSaysWhyItCannot) {
    for (auto [bind, connectTo] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"localhost", {"127.0.0.1"}}, {"::1", {"::1"}}, {"", {"127.0.0.1", "::1"}}}) {
        ServerOptions options;
        options.bind = bind;
        RunningServer server(options);
        for (const auto& host : connectTo) {
            Client client(host, server.port);
            ASSERT_TRUE(client.Connected()) << bind << " from " << host;
            EXPECT_EQ("OK 0", client.Ask("LIST")) << bind << " from " << host;
        }
    }
    remote::Listening taken = remote::Listen("127.0.0.1", 0);
    EXPECT_NE(std::string::npos, remote::Listen("127.0.0.1", taken.port).error.find(net::ErrorText(EADDRINUSE)));
    EXPECT_NE(std::string::npos, remote::Listen("no-such-host.invalid", 0).error.find("cannot resolve"));
}

}  // namespace
