// vantro-server: keeps the list of Vantro instances attached to it and prints it on
// every change. One thread, one select() loop; each connection has its own bounded
// buffers, so a client that sends garbage, too much, or vanishes harms nobody else.
//
//   vantro-server [--bind ADDRESS] [--port N] [--timeout SECONDS]
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "AttachmentServer.h"
#include "remote/RemoteProtocol.h"
#include "remote/UniqueSocket.h"

namespace {

constexpr size_t kMaxConnections = 60;       // select() watches 64 sockets at most
constexpr size_t kMaxUnsent = 64 * 1024;     // a client that reads nothing is dropped
constexpr int kReadChunk = 4096;

struct Options {
    std::string bind = "0.0.0.0";
    unsigned port = remote::kDefaultPort;
    unsigned timeoutSeconds = 30;
};

struct Peer {
    UniqueSocket socket;
    std::string unsent;
    bool closing = false;  // close once the reply is out
};

remote::Millis Now() { return GetTickCount64(); }

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string name = argv[i];
        char* end = nullptr;
        unsigned long value = std::strtoul(argv[i + 1], &end, 10);
        bool number = *argv[i + 1] && *end == '\0';
        if (name == "--bind") options.bind = argv[i + 1];
        else if (name == "--port" && number && value <= 65535) options.port = static_cast<unsigned>(value);
        else if (name == "--timeout" && number && value > 0 && value < 86400) options.timeoutSeconds = static_cast<unsigned>(value);
        else return false;
    }
    return argc % 2 == 1;
}

void PrintList(const remote::AttachmentServer& server) {
    auto ids = server.List();
    std::printf("%zu attached\n", ids.size());
    for (const auto& id : ids) std::printf("  %s\n", id.c_str());
    std::fflush(stdout);
}

class Loop {
public:
    Loop(UniqueSocket listener, remote::Millis timeout) : listener_(std::move(listener)), server_(timeout) {}

    void Run() {
        for (;;) {
            fd_set readable, writable;
            FD_ZERO(&readable);
            FD_ZERO(&writable);
            FD_SET(listener_.get(), &readable);
            for (auto& [id, peer] : peers_) {
                if (!peer.closing) FD_SET(peer.socket.get(), &readable);
                if (!peer.unsent.empty()) FD_SET(peer.socket.get(), &writable);
            }
            timeval tick{1, 0};
            if (select(0, &readable, &writable, nullptr, &tick) == SOCKET_ERROR) {
                Sleep(100);
                continue;
            }
            if (FD_ISSET(listener_.get(), &readable)) Accept();
            for (auto it = peers_.begin(); it != peers_.end();) {
                auto& [id, peer] = *it;
                bool keep = true;
                if (FD_ISSET(peer.socket.get(), &readable)) keep = Read(id, peer);
                if (keep && FD_ISSET(peer.socket.get(), &writable)) keep = Write(peer);
                it = keep ? std::next(it) : Drop(it);
            }
            for (remote::ConnectionId id : server_.Expired(Now())) Drop(peers_.find(id));
            if (server_.TakeChanged()) PrintList(server_);
        }
    }

private:
    using Peers = std::map<remote::ConnectionId, Peer>;

    void Accept() {
        UniqueSocket s(accept(listener_.get(), nullptr, nullptr));
        if (!s) return;
        u_long nonBlocking = 1;
        ioctlsocket(s.get(), FIONBIO, &nonBlocking);
        if (peers_.size() >= kMaxConnections) {
            static const char busy[] = "ERR the server is busy\n";
            send(s.get(), busy, sizeof busy - 1, 0);
            return;
        }
        remote::ConnectionId id = ++lastId_;
        peers_[id] = {std::move(s), {}, false};
        server_.Opened(id, Now());
    }

    bool Read(remote::ConnectionId id, Peer& peer) {
        char buffer[kReadChunk];
        int got = recv(peer.socket.get(), buffer, sizeof buffer, 0);
        if (got == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) return true;
        if (got <= 0) return false;  // gone, in the middle of a request or not
        remote::Outcome outcome = server_.Received(id, std::string_view(buffer, static_cast<size_t>(got)), Now());
        peer.unsent += outcome.reply;
        peer.closing = outcome.close;
        if (peer.unsent.size() > kMaxUnsent) return false;
        return Write(peer);
    }

    bool Write(Peer& peer) {
        if (!peer.unsent.empty()) {
            int sent = send(peer.socket.get(), peer.unsent.data(), static_cast<int>(peer.unsent.size()), 0);
            if (sent == SOCKET_ERROR) return WSAGetLastError() == WSAEWOULDBLOCK;
            peer.unsent.erase(0, static_cast<size_t>(sent));
        }
        return !(peer.closing && peer.unsent.empty());
    }

    Peers::iterator Drop(Peers::iterator it) {
        if (it == peers_.end()) return it;
        shutdown(it->second.socket.get(), SD_SEND);
        server_.Closed(it->first);
        return peers_.erase(it);
    }

    UniqueSocket listener_;
    remote::AttachmentServer server_;
    Peers peers_;
    remote::ConnectionId lastId_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: vantro-server [--bind ADDRESS] [--port N] [--timeout SECONDS]\n");
        return 2;
    }
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 1;

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(options.port));
    UniqueSocket listener(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!listener || inet_pton(AF_INET, options.bind.c_str(), &address.sin_addr) != 1 ||
        bind(listener.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == SOCKET_ERROR ||
        listen(listener.get(), SOMAXCONN) == SOCKET_ERROR) {
        std::fprintf(stderr, "vantro-server: cannot listen on %s:%u (error %d)\n", options.bind.c_str(), options.port,
                     WSAGetLastError());
        return 1;
    }
    u_long nonBlocking = 1;
    ioctlsocket(listener.get(), FIONBIO, &nonBlocking);
    int length = sizeof address;
    getsockname(listener.get(), reinterpret_cast<sockaddr*>(&address), &length);
    std::printf("vantro-server listening on %s:%u\n", options.bind.c_str(), ntohs(address.sin_port));
    std::fflush(stdout);

    Loop(std::move(listener), remote::Millis(options.timeoutSeconds) * 1000).Run();
}
