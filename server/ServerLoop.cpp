#include "ServerLoop.h"

namespace remote {

namespace {

// Replies owed to one connection before it is read from no more until they drain.
constexpr size_t kMaxUnsent = 64 * 1024;
constexpr size_t kReadChunk = 4096;
constexpr int kTickMs = 1000;
constexpr int kAcceptsPerTurn = 64;

}  // namespace

ServerLoop::ServerLoop(std::vector<net::Socket> listeners, const ServerOptions& options, ServerLog& log)
    : listeners_(std::move(listeners)),
      options_(options),
      log_(log),
      server_(Millis(options.timeoutSeconds) * 1000, options.attachmentsPerConnection) {}

void ServerLoop::Run(const std::atomic<bool>& stop) {
    std::vector<net::PollEntry> entries;
    std::vector<ConnectionId> ids;
    while (!stop) {
        entries.clear();
        ids.clear();
        for (auto& l : listeners_) entries.push_back({l.get(), POLLIN, 0});
        for (auto& [id, peer] : peers_) {
            short events = 0;
            if (!peer.closing && peer.inbox.empty() && peer.unsent.size() < kMaxUnsent) events |= POLLIN;
            if (!peer.unsent.empty()) events |= POLLOUT;
            entries.push_back({peer.socket.get(), events, 0});
            ids.push_back(id);
        }
        if (net::Poll(entries.data(), entries.size(), kTickMs) < 0) continue;
        for (size_t i = 0; i < listeners_.size(); ++i)
            if (entries[i].revents & POLLIN) Accept(listeners_[i].get());
        for (size_t i = 0; i < ids.size(); ++i) {
            auto found = peers_.find(ids[i]);
            short ready = entries[listeners_.size() + i].revents;
            // A broken connection is dropped at once, also one that is not being read from.
            bool keep = !(ready & POLLERR);
            if (keep && (ready & (POLLIN | POLLHUP))) keep = Read(ids[i], found->second);
            if (keep && (ready & POLLOUT)) keep = Write(found->second);
            if (!keep) Drop(ids[i]);
        }
        // Requests held back while their connection's replies drained.
        for (auto& [id, peer] : peers_) Handle(id, peer);
        DropExpired();
        for (auto& line : server_.TakeChanges()) log_.Line(std::move(line));
    }
}

void ServerLoop::Accept(net::Handle listener) {
    for (int i = 0; i < kAcceptsPerTurn; ++i) {
        net::Socket s(accept(listener, nullptr, nullptr));
        if (!s) return;
        if (peers_.size() >= options_.maxConnections) {
            static const char busy[] = "ERR the server is busy\n";
            net::Send(s.get(), busy, sizeof busy - 1);
            continue;
        }
        net::SetNonBlocking(s.get());
        net::KeepAlive(s.get(), options_.deadAfterSeconds);
        ConnectionId id = ++lastId_;
        peers_[id].socket = std::move(s);
        server_.Opened(id, net::NowMs());
    }
}

bool ServerLoop::Read(ConnectionId id, Peer& peer) {
    if (peer.closing || !peer.inbox.empty() || peer.unsent.size() >= kMaxUnsent) return true;
    char buffer[kReadChunk];
    long got = net::Receive(peer.socket.get(), buffer, sizeof buffer);
    if (got < 0) return net::WouldBlock(net::LastError());
    // The peer sends no more; what it is owed still goes out.
    if (got == 0) peer.closing = true;
    peer.inbox.assign(buffer, static_cast<size_t>(got));
    Handle(id, peer);
    return Write(peer);
}

// Request by request, so that the replies owed never grow far past the bound however
// many requests one chunk holds.
void ServerLoop::Handle(ConnectionId id, Peer& peer) {
    while (!peer.inbox.empty() && peer.unsent.size() < kMaxUnsent) {
        size_t end = peer.inbox.find('\n');
        size_t take = end == std::string::npos ? peer.inbox.size() : end + 1;
        Outcome outcome = server_.Received(id, std::string_view(peer.inbox).substr(0, take), net::NowMs());
        peer.inbox.erase(0, take);
        if (peer.unsent.empty()) peer.waitingSince = net::NowMs();
        peer.unsent += outcome.reply;
        if (outcome.close) {
            peer.closing = true;
            peer.inbox.clear();
        }
    }
}

bool ServerLoop::Write(Peer& peer) {
    while (!peer.unsent.empty()) {
        long sent = net::Send(peer.socket.get(), peer.unsent.data(), peer.unsent.size());
        if (sent < 0) return net::WouldBlock(net::LastError());
        peer.unsent.erase(0, static_cast<size_t>(sent));
        peer.waitingSince = net::NowMs();
    }
    return !peer.closing;
}

void ServerLoop::Drop(ConnectionId id) {
    auto found = peers_.find(id);
    if (found == peers_.end()) return;
    server_.Closed(id);
    peers_.erase(found);
}

void ServerLoop::DropExpired() {
    Millis now = net::NowMs(), timeout = Millis(options_.timeoutSeconds) * 1000;
    std::vector<ConnectionId> expired = server_.Expired(now);
    for (auto& [id, peer] : peers_)
        if (!peer.unsent.empty() && now - peer.waitingSince > timeout) expired.push_back(id);
    for (ConnectionId id : expired) Drop(id);
}

}  // namespace remote
