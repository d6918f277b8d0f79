// The server's loop on real sockets, natively under AddressSanitizer and UBSan.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

#include "../LocalServer.h"

namespace {

std::string Id(char c) { return std::string(remote::kMaxIdLength, c); }

TEST(ServerLoop, APipeliningReaderKeepsItsAttachmentsAndOneThatNeverReadsIsDroppedAtTheTimeout) {
    RunningServer server(LocalOptions(2));
    LineClient reader("127.0.0.1", server.port), silent("127.0.0.1", server.port);
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
        RunningServer server(LocalOptions(), unread);
        LineClient client("127.0.0.1", server.port);
        // 2,000 changes of some 200 bytes each: far more than a pipe holds.
        for (int i = 0; i < 1000; ++i) {
            ASSERT_EQ("OK", client.Ask("ATTACH " + Id('x'))) << i;
            ASSERT_EQ("OK", client.Ask("DETACH " + Id('x'))) << i;
        }
    }
    char first[16] = {};
    EXPECT_GT(read(ends[0], first, sizeof first - 1), 0);
    EXPECT_EQ("attached xxxxxx", std::string(first)) << "each change, as it comes";
    close(ends[0]);  // the stuck writer gets its error and ends
}

TEST(ServerLoop, GarbageAndHalfRequestsCostOnlyTheirOwnConnection) {
    RunningServer server(LocalOptions(2));
    LineClient owner("127.0.0.1", server.port), garbage("127.0.0.1", server.port),
        oversized("127.0.0.1", server.port), cutOff("127.0.0.1", server.port), stalled("127.0.0.1", server.port);
    ASSERT_EQ("OK", owner.Ask("ATTACH HOST\\me #7"));
    garbage.Send(std::string("\0\xff\x13 GET / HTTP/1.0\r\n", 20));
    EXPECT_EQ("ERR malformed request", garbage.Line());
    EXPECT_EQ("closed", garbage.Line());
    oversized.Send(std::string(64 * 1024, 'A'));
    EXPECT_EQ("ERR request too long", oversized.Line());
    cutOff.Send("ATTACH HOST\\cut #2");
    cutOff.Vanish();
    stalled.Send("ATTA");
    EXPECT_EQ("closed", stalled.Line()) << "a half request is dropped after the timeout";
    EXPECT_EQ(std::vector<std::string>{"HOST\\me #7"}, server.List());
}

TEST(ServerLoop, LimitsFromTheCommandLineHoldAtTheirBoundaries) {
    auto options = remote::ParseServerOptions({"--bind", "127.0.0.1", "--port", "0", "--max-connections", "2", "--max-attachments", "1"});
    ASSERT_TRUE(options);
    RunningServer server(*options);
    LineClient first("127.0.0.1", server.port), second("127.0.0.1", server.port);
    EXPECT_EQ("OK", first.Ask("ATTACH one\r"));
    EXPECT_EQ("ERR too many attachments on this connection", first.Ask("ATTACH two"));
    EXPECT_EQ("OK", second.Ask("ATTACH " + Id('z')));
    LineClient third("127.0.0.1", server.port);
    EXPECT_EQ("ERR the server is busy", third.Line());
    EXPECT_EQ("ERR malformed id", first.Ask("ATTACH " + Id('z') + "z"));

    for (auto bad : std::vector<std::vector<std::string>>{{"--max-connections", "0"}, {"--max-connections", "1001"},
                                                          {"--max-attachments", "65"}, {"--port", "65536"},
                                                          {"--timeout", "0"}, {"--dead-after", "1"}, {"--log", ""},
                                                          {"--max-connections"}, {"--colour", "red"}})
        EXPECT_FALSE(remote::ParseServerOptions(bad)) << bad[0];
}

}  // namespace
