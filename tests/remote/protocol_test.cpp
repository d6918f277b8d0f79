// Builds without Windows too: natively it runs under AddressSanitizer and UBSan.
#include <gtest/gtest.h>

#include <random>

#include "../../server/AttachmentServer.h"
#include "remote/RemoteProtocol.h"

namespace {

TEST(RemoteProtocol, HostAndPortAreSplitAndBadPortsRefused) {
    auto split = [](const char* text) {
        auto hp = remote::SplitHostPort(text);
        return hp ? hp->host + "|" + std::to_string(hp->port) : std::string("refused");
    };
    EXPECT_EQ("::1|40215", split("::1"));
    EXPECT_EQ("::1|65535", split("[::1]:65535"));
    for (const char* bad : {"host:", "host:0", "host:65536", "host:12a", "[::1", "[::1]x"}) EXPECT_EQ("refused", split(bad));
}

TEST(AttachmentServer, RandomBytesFromManyConnectionsNeverTouchAnotherConnectionsAttachment) {
    remote::AttachmentServer server(1000, 4);
    server.Opened(0, 0);
    server.Received(0, "ATTACH keeper\n", 0);
    std::mt19937 random(20261206);
    const std::string words[] = {"ATTACH keeper\n", "DETACH keeper\n", "ATTACH ", "DETACH ", "LIST", "\n", "\r\n",
                                 "x", "\x01", "\xff"};
    for (remote::ConnectionId c = 1; c <= 300; ++c) {
        server.Opened(c, c);
        for (int chunk = 0; chunk < 20; ++chunk) {
            std::string bytes;
            for (int n = random() % 40; n > 0; --n)
                bytes += random() % 2 ? words[random() % std::size(words)] : std::string(1, char(random()));
            if (server.Received(c, bytes, c).close) break;
        }
        if (c % 3 == 0) server.Closed(c);
    }
    std::vector<std::string> list = server.List();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ("keeper", list.front());
}

}  // namespace
