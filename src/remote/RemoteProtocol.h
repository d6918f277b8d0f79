#pragma once
// What the remote client and vantro-server say to each other over TCP: one request
// line, one reply. No <windows.h>: the server's request handling builds anywhere.
//
//   ATTACH <id>   ->  OK             the instance <id> is attached to this connection
//                                    (refused while another connection holds it)
//   DETACH <id>   ->  OK             withdrawn (only by the connection that attached it)
//   LIST          ->  OK <n>, then n lines, one id each, oldest first
//   anything else ->  ERR <reason>   and, for a request that is not one of these, the end
//                                    of the connection
// Lines end with LF (a CR before it is dropped, by both sides). An id is 1 to kMaxIdLength bytes
// without control characters.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace remote {

inline constexpr uint16_t kDefaultPort = 40215;
inline constexpr size_t kMaxRequestLength = 256;  // bytes, the line end included
inline constexpr size_t kMaxIdLength = 200;
inline constexpr size_t kMaxReplyLength = 512;    // what a client reads of an ATTACH or DETACH reply

inline constexpr std::string_view kAttach = "ATTACH ";
inline constexpr std::string_view kDetach = "DETACH ";
inline constexpr std::string_view kList = "LIST";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kErr = "ERR ";

inline bool IsValidId(std::string_view id) {
    if (id.empty() || id.size() > kMaxIdLength) return false;
    for (unsigned char c : id)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

struct HostPort {
    std::string host;
    uint16_t port = kDefaultPort;
};

// "host", "host:port", "[v6 address]:port" or a bare IPv6 address; nothing when a
// port is given but is not a number from 1 to 65535.
inline std::optional<HostPort> SplitHostPort(std::string_view text) {
    std::string_view host = text, port;
    if (!text.empty() && text.front() == '[') {
        size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        host = text.substr(1, close - 1);
        std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') return std::nullopt;
            port = rest.substr(1);
            if (port.empty()) return std::nullopt;
        }
    } else if (size_t colon = text.find(':'); colon != std::string_view::npos && text.rfind(':') == colon) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (port.empty()) return std::nullopt;
    }
    HostPort result{std::string(host), kDefaultPort};
    if (!port.empty()) {
        if (port.size() > 5) return std::nullopt;
        unsigned value = 0;
        for (char c : port) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        if (value == 0 || value > 65535) return std::nullopt;
        result.port = static_cast<uint16_t>(value);
    }
    return result;
}

}  // namespace remote
