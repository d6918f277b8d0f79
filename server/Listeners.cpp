#include "Listeners.h"

#include <memory>

namespace remote {

namespace {

struct AddressListFree {
    void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

std::string AddressText(const sockaddr* address, socklen_t size, unsigned port) {
    char host[NI_MAXHOST] = {};
    getnameinfo(address, size, host, sizeof host, nullptr, 0, NI_NUMERICHOST);
    std::string text;
    if (address->sa_family == AF_INET6) text.append("[").append(host).append("]");
    else text.append(host);
    return text.append(":").append(std::to_string(port));
}

void SetPort(sockaddr* address, unsigned port) {
    if (address->sa_family == AF_INET6) reinterpret_cast<sockaddr_in6*>(address)->sin6_port = htons(static_cast<uint16_t>(port));
    else reinterpret_cast<sockaddr_in*>(address)->sin_port = htons(static_cast<uint16_t>(port));
}

unsigned PortOf(net::Handle s) {
    sockaddr_storage bound{};
    socklen_t size = sizeof bound;
    getsockname(s, reinterpret_cast<sockaddr*>(&bound), &size);
    return bound.ss_family == AF_INET6 ? ntohs(reinterpret_cast<sockaddr_in6&>(bound).sin6_port)
                                       : ntohs(reinterpret_cast<sockaddr_in&>(bound).sin_port);
}

// Empty when listening, else the system's account of why not.
std::string ListenOn(addrinfo& address, Listening& result) {
    net::Socket s(socket(address.ai_family, address.ai_socktype, address.ai_protocol));
    if (!s) return net::ErrorText(net::LastError());
    int on = 1;
    // Each family on its own socket, so that IPv6 and IPv4 can share the port.
    if (address.ai_family == AF_INET6)
        setsockopt(s.get(), IPPROTO_IPV6, IPV6_V6ONLY, reinterpret_cast<const char*>(&on), sizeof on);
#ifndef _WIN32
    // A restarted server takes its port back at once (Windows allows this by default).
    setsockopt(s.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
#endif
    if (result.port) SetPort(address.ai_addr, result.port);
    if (bind(s.get(), address.ai_addr, static_cast<socklen_t>(address.ai_addrlen)) != 0 ||
        listen(s.get(), SOMAXCONN) != 0 || !net::SetNonBlocking(s.get()))
        return net::ErrorText(net::LastError());
    result.port = PortOf(s.get());
    result.addresses.push_back(AddressText(address.ai_addr, static_cast<socklen_t>(address.ai_addrlen), result.port));
    result.sockets.push_back(std::move(s));
    return {};
}

}  // namespace

Listening Listen(const std::string& host, unsigned port) {
    Listening result;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    int status = getaddrinfo(host.empty() ? nullptr : host.c_str(), std::to_string(port).c_str(), &hints, &found);
    std::unique_ptr<addrinfo, AddressListFree> addresses(found);
    std::string label = (host.empty() ? "every address" : host) + " port " + std::to_string(port);
    if (status != 0) {
        result.error = "cannot resolve " + label + ": " + net::ResolverErrorText(status);
        return result;
    }
    std::string failures;
    for (addrinfo* a = addresses.get(); a; a = a->ai_next) {
        std::string why = ListenOn(*a, result);
        if (!why.empty()) failures += (failures.empty() ? "" : "; ") + AddressText(a->ai_addr, static_cast<socklen_t>(a->ai_addrlen), port) + ": " + why;
    }
    // An address family the machine lacks is no failure while another listens.
    if (result.sockets.empty()) result.error = "cannot listen on " + label + ": " + failures;
    return result;
}

}  // namespace remote
