#pragma once
// The server's state without sockets: the bytes each connection sends, the replies it
// gets, and the list of attached Vantro instances. Each connection's half-read request
// is kept apart and bounded, so no client can disturb another's attachments.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace remote {

using ConnectionId = uint64_t;
using Millis = uint64_t;

struct Outcome {
    std::string reply;
    bool close = false;  // send the reply, then end the connection
};

class AttachmentServer {
public:
    // timeout: how long a request may stay half-sent, and how long a connection that
    // holds no attachment may stay silent. The total of attachments follows from the
    // per-connection limit and the number of connections the loop accepts.
    AttachmentServer(Millis timeout, size_t attachmentsPerConnection)
        : timeout_(timeout), perConnection_(attachmentsPerConnection) {}

    void Opened(ConnectionId connection, Millis now);
    Outcome Received(ConnectionId connection, std::string_view bytes, Millis now);
    // The connection is gone: its attachments go with it.
    void Closed(ConnectionId connection);
    std::vector<ConnectionId> Expired(Millis now) const;

    // Attached ids, oldest first.
    std::vector<std::string> List() const;
    // One line for each change of the list since the last call ("attached <id>").
    std::vector<std::string> TakeChanges() { return std::exchange(changes_, {}); }

private:
    struct Connection {
        std::string pending;  // bytes of a request not yet ended
        Millis since = 0;     // start of the pending request, or of the silence
    };
    struct Attachment {
        std::string id;
        ConnectionId owner;
    };

    Outcome Handle(ConnectionId connection, std::string_view line);
    Outcome Attach(ConnectionId connection, std::string_view id);
    Outcome Detach(ConnectionId connection, std::string_view id);
    Outcome ListReply() const;
    size_t AttachedBy(ConnectionId connection) const;

    Millis timeout_;
    size_t perConnection_;
    std::map<ConnectionId, Connection> connections_;
    std::vector<Attachment> attachments_;
    std::vector<std::string> changes_;
};

}  // namespace remote
