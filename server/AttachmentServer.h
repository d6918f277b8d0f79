#pragma once
// The server's state without sockets: the bytes each connection sends, the replies it
// gets, and the list of attached Vantro instances. Each connection's half-read request
// is kept apart and bounded, so no client can disturb another's attachments.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
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
    // holds no attachment may stay silent.
    explicit AttachmentServer(Millis timeout) : timeout_(timeout) {}

    void Opened(ConnectionId connection, Millis now);
    Outcome Received(ConnectionId connection, std::string_view bytes, Millis now);
    // The connection is gone: its attachments go with it.
    void Closed(ConnectionId connection);
    std::vector<ConnectionId> Expired(Millis now) const;

    // Attached ids, oldest first.
    std::vector<std::string> List() const;
    // True once after every change of the list.
    bool TakeChanged();

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
    std::map<ConnectionId, Connection> connections_;
    std::vector<Attachment> attachments_;
    bool changed_ = false;
};

}  // namespace remote
