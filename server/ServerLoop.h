#pragma once
// The server's one loop: accepts, reads and answers every connection without ever
// waiting on one. A connection whose replies pile up is not read from until they drain
// (a client that reads slowly keeps its attachments); one that reads nothing for the
// timeout is dropped; one whose peer vanished is found by TCP keep-alive.
#include <atomic>
#include <map>
#include <string>
#include <vector>

#include "AttachmentServer.h"
#include "Net.h"
#include "ServerLog.h"
#include "ServerOptions.h"

namespace remote {

class ServerLoop {
public:
    ServerLoop(std::vector<net::Socket> listeners, const ServerOptions& options, ServerLog& log);
    // Until stop is set (checked at least once a second).
    void Run(const std::atomic<bool>& stop);

private:
    struct Peer {
        net::Socket socket;
        std::string inbox;   // received, not yet handled
        std::string unsent;  // replies not yet taken by the peer
        Millis waitingSince = 0;  // since the peer last took any of its replies
        bool closing = false;     // close once the replies are out
    };
    using Peers = std::map<ConnectionId, Peer>;

    void Accept(net::Handle listener);
    bool Read(ConnectionId id, Peer& peer);
    void Handle(ConnectionId id, Peer& peer);
    bool Write(Peer& peer);
    void Drop(ConnectionId id);
    void DropExpired();

    std::vector<net::Socket> listeners_;
    ServerOptions options_;
    ServerLog& log_;
    AttachmentServer server_;
    Peers peers_;
    ConnectionId lastId_ = 0;
};

}  // namespace remote
