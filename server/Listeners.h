#pragma once
// The server's listening sockets: every address a name or address resolves to (both
// IPv6 and IPv4 when none is given), all on one port.
#include <string>
#include <vector>

#include "Net.h"

namespace remote {

struct Listening {
    std::vector<net::Socket> sockets;
    std::vector<std::string> addresses;  // "[::1]:40215", "127.0.0.1:40215", one per socket
    unsigned port = 0;                   // the port chosen, also when 0 was asked for
    std::string error;                   // the system's words, when nothing listens
};

Listening Listen(const std::string& host, unsigned port);

}  // namespace remote
