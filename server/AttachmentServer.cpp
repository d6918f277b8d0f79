#include "AttachmentServer.h"

#include <algorithm>
#include <utility>

#include "remote/RemoteProtocol.h"

namespace remote {

namespace {

Outcome Refuse(std::string_view reason, bool close = false) {
    return {std::string(kErr) + std::string(reason) + "\n", close};
}

}  // namespace

void AttachmentServer::Opened(ConnectionId connection, Millis now) { connections_[connection] = {{}, now}; }

Outcome AttachmentServer::Received(ConnectionId connection, std::string_view bytes, Millis now) {
    auto found = connections_.find(connection);
    if (found == connections_.end()) return {{}, true};
    Connection& c = found->second;
    Outcome result;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        size_t take = end == std::string_view::npos ? bytes.size() : end + 1;
        if (c.pending.size() + take > kMaxRequestLength) {
            result.reply += Refuse("request too long", true).reply;
            result.close = true;
            return result;
        }
        if (c.pending.empty()) c.since = now;
        c.pending.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (end == std::string_view::npos) break;

        std::string line = std::move(c.pending);
        c.pending.clear();
        c.since = now;
        line.pop_back();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Outcome one = Handle(connection, line);
        result.reply += one.reply;
        if (one.close) {
            result.close = true;
            return result;
        }
    }
    return result;
}

Outcome AttachmentServer::Handle(ConnectionId connection, std::string_view line) {
    if (line == kList) return ListReply();
    if (line.substr(0, kAttach.size()) == kAttach) return Attach(connection, line.substr(kAttach.size()));
    if (line.substr(0, kDetach.size()) == kDetach) return Detach(connection, line.substr(kDetach.size()));
    return Refuse("malformed request", true);
}

Outcome AttachmentServer::Attach(ConnectionId connection, std::string_view id) {
    if (!IsValidId(id)) return Refuse("malformed id", true);
    auto same = std::find_if(attachments_.begin(), attachments_.end(), [&](const Attachment& a) { return a.id == id; });
    if (same != attachments_.end()) {
        // Only the connection that holds an attachment has a say over it.
        return same->owner == connection ? Outcome{std::string(kOk) + "\n"} : Refuse("attached elsewhere");
    }
    if (AttachedBy(connection) >= perConnection_) return Refuse("too many attachments on this connection");
    attachments_.push_back({std::string(id), connection});
    changes_.push_back("attached " + std::string(id));
    return {std::string(kOk) + "\n"};
}

Outcome AttachmentServer::Detach(ConnectionId connection, std::string_view id) {
    if (!IsValidId(id)) return Refuse("malformed id", true);
    auto own = std::find_if(attachments_.begin(), attachments_.end(),
                            [&](const Attachment& a) { return a.id == id && a.owner == connection; });
    if (own == attachments_.end()) return Refuse("not attached");
    attachments_.erase(own);
    changes_.push_back("detached " + std::string(id));
    return {std::string(kOk) + "\n"};
}

Outcome AttachmentServer::ListReply() const {
    std::string reply = std::string(kOk) + " " + std::to_string(attachments_.size()) + "\n";
    for (const auto& a : attachments_) reply += a.id + "\n";
    return {reply};
}

void AttachmentServer::Closed(ConnectionId connection) {
    connections_.erase(connection);
    std::erase_if(attachments_, [&](const Attachment& a) {
        if (a.owner == connection) changes_.push_back("released " + a.id + " (connection gone)");
        return a.owner == connection;
    });
}

std::vector<ConnectionId> AttachmentServer::Expired(Millis now) const {
    std::vector<ConnectionId> expired;
    for (const auto& [id, c] : connections_) {
        bool waiting = !c.pending.empty() || AttachedBy(id) == 0;
        if (waiting && now - c.since > timeout_) expired.push_back(id);
    }
    return expired;
}

size_t AttachmentServer::AttachedBy(ConnectionId connection) const {
    return static_cast<size_t>(
        std::count_if(attachments_.begin(), attachments_.end(), [&](const Attachment& a) { return a.owner == connection; }));
}

std::vector<std::string> AttachmentServer::List() const {
    std::vector<std::string> ids;
    for (const auto& a : attachments_) ids.push_back(a.id);
    return ids;
}

}  // namespace remote
