#pragma once
// The server's command line.
#include <optional>
#include <string>
#include <vector>

#include "remote/RemoteProtocol.h"

namespace remote {

// select() is not used, so only the system's own descriptor limit bounds this.
inline constexpr unsigned kMaxConnectionsLimit = 1000;

struct ServerOptions {
    std::string bind;  // a name or address; empty: every IPv6 and IPv4 address
    unsigned port = kDefaultPort;
    unsigned timeoutSeconds = 30;
    unsigned maxConnections = 60;
    unsigned attachmentsPerConnection = 4;
    unsigned deadAfterSeconds = 120;  // a peer that answers no keep-alive probe is gone
    std::string log = "stdout";       // "stdout", "none" or a file name
};

inline constexpr const char* kServerUsage =
    "usage: vantro-server [--bind ADDRESS] [--port N] [--timeout SECONDS] [--max-connections N]\n"
    "                     [--max-attachments N] [--dead-after SECONDS] [--log stdout|none|FILE]\n";

// Nothing when an option is unknown, lacks its value or has one out of range.
std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args);

}  // namespace remote
