#include "remote/RemoteClient.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "platform/UniqueHandle.h"
#include "remote/BuiltInObject.h"
#include "remote/RemoteProtocol.h"
#include "remote/UniqueSocket.h"

namespace {

// The start-up blocks on these: bounded, so an unreachable server holds nothing up long.
constexpr int kConnectTimeoutMs = 5000;
constexpr DWORD kReplyTimeoutMs = 5000;
// The server's own account of a refusal, in the range components use for their errors.
constexpr DWORD kServerRefused = 0x80040201;

struct AddressListTraits {
    using Handle = addrinfo*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { freeaddrinfo(h); }
};

// Winsock stays started while a client uses it.
class WinsockUse {
public:
    WinsockUse() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockUse() {
        if (started_) WSACleanup();
    }
    WinsockUse(const WinsockUse&) = delete;
    WinsockUse& operator=(const WinsockUse&) = delete;

private:
    bool started_ = false;
};

ErrorInfo SocketError(int code = WSAGetLastError()) { return MakeError(static_cast<DWORD>(code)); }

// Connects within the time limit; blocking again afterwards, with bounded replies.
ErrorInfo ConnectTo(const addrinfo& address, UniqueSocket& result) {
    UniqueSocket s(socket(address.ai_family, address.ai_socktype, address.ai_protocol));
    if (!s) return SocketError();
    u_long mode = 1;
    ioctlsocket(s.get(), FIONBIO, &mode);
    if (connect(s.get(), address.ai_addr, static_cast<int>(address.ai_addrlen)) == SOCKET_ERROR) {
        if (WSAGetLastError() != WSAEWOULDBLOCK) return SocketError();
        fd_set done, failed;
        FD_ZERO(&done);
        FD_ZERO(&failed);
        FD_SET(s.get(), &done);
        FD_SET(s.get(), &failed);
        timeval limit{kConnectTimeoutMs / 1000, (kConnectTimeoutMs % 1000) * 1000};
        int ready = select(0, nullptr, &done, &failed, &limit);
        if (ready == 0) return SocketError(WSAETIMEDOUT);
        int error = 0, size = sizeof error;
        getsockopt(s.get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
        if (ready == SOCKET_ERROR || error != 0 || FD_ISSET(s.get(), &failed))
            return SocketError(error ? error : WSAECONNREFUSED);
    }
    mode = 0;
    ioctlsocket(s.get(), FIONBIO, &mode);
    DWORD timeout = kReplyTimeoutMs;
    setsockopt(s.get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    setsockopt(s.get(), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    result = std::move(s);
    return {};
}

class RemoteClient final : public BuiltInObject {
public:
    ErrorInfo Connect(const std::string& machine) {
        auto target = remote::SplitHostPort(machine);
        if (!target || target->host.empty()) return {static_cast<DWORD>(WSAHOST_NOT_FOUND),
                                                     "The server name \"" + machine + "\" is not a host or host:port."};
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_protocol = IPPROTO_TCP;
        UniqueHandle<AddressListTraits> addresses;
        int status = getaddrinfo(target->host.c_str(), std::to_string(target->port).c_str(), &hints, addresses.put());
        if (status != 0) return SocketError(status);
        ErrorInfo error = SocketError(WSAHOST_NOT_FOUND);
        for (addrinfo* a = addresses.get(); a && error; a = a->ai_next) error = ConnectTo(*a, socket_);
        return error;
    }

    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override {
        if (Is(member, "LocalId")) return {LocalInstanceId(), {}};
        if (member.empty()) return {attached_, {}};
        if (Is(member, "Attach") || Is(member, "Detach")) {
            if (args.size() != 1) return WrongArguments();
            bool attach = Is(member, "Attach");
            std::string id = ComponentText(args[0]);
            if (!remote::IsValidId(id))
                return {{}, {static_cast<DWORD>(E_INVALIDARG), "The instance id cannot be sent to the server."}};
            ComponentResult result = Request(std::string(attach ? remote::kAttach : remote::kDetach) + id);
            if (!result.error) attached_ = attach ? id : std::string();
            return result;
        }
        return NoSuchMember();
    }

private:
    // One request line, one reply line.
    ComponentResult Request(const std::string& line) {
        if (!socket_) return {{}, SocketError(WSAENOTCONN)};
        std::string request = line + "\n";
        if (send(socket_.get(), request.data(), static_cast<int>(request.size()), 0) != static_cast<int>(request.size()))
            return {{}, SocketError()};
        std::string reply;
        char c = 0;
        while (reply.size() < remote::kMaxReplyLength) {
            int got = recv(socket_.get(), &c, 1, 0);
            if (got == 0) return {{}, SocketError(WSAECONNRESET)};
            if (got < 0) return {{}, SocketError()};
            if (c == '\n') break;
            reply += c;
        }
        if (reply == remote::kOk) return {reply, {}};
        std::string_view refusal = reply;
        if (refusal.substr(0, remote::kErr.size()) == remote::kErr) refusal.remove_prefix(remote::kErr.size());
        return {{}, {kServerRefused, "The Vantro server refused the request: " + std::string(refusal)}};
    }

    WinsockUse winsock_;
    UniqueSocket socket_;
    std::string attached_;  // the id attached through this object; the default member
};

}  // namespace

ComponentCreation CreateRemoteClient(const std::string& machine) {
    auto client = std::make_shared<RemoteClient>();
    if (!machine.empty()) {
        if (ErrorInfo error = client->Connect(machine)) return {nullptr, error};
    }
    return {client, {}};
}

std::string LocalInstanceId() {
    char machine[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD machineSize = sizeof machine;
    GetComputerNameA(machine, &machineSize);
    char user[257] = {};
    DWORD userSize = sizeof user;
    if (!GetUserNameA(user, &userSize)) user[0] = '\0';
    return std::string(machine) + "\\" + user + " #" + std::to_string(GetCurrentProcessId());
}
