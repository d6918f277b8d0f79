#include "remote/RemoteClient.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <memory>

#include "remote/BuiltInObject.h"
#include "remote/RemoteLink.h"
#include "remote/RemoteProtocol.h"

namespace {

// The network is the link's, on a thread of its own: making the client, attaching and
// detaching return at once, and the window hears how it went by posted messages.
class RemoteClient final : public BuiltInObject {
public:
    ErrorInfo Connect(const std::string& machine) {
        auto target = remote::SplitHostPort(machine);
        if (!target || target->host.empty()) return {static_cast<DWORD>(WSAHOST_NOT_FOUND),
                                                     "The server name \"" + machine + "\" is not a host or host:port."};
        server_ = *target;
        return {};
    }

    ErrorInfo Put(const std::string& member, const ComponentValue& value) override {
        auto* window = std::get_if<int32_t>(&value);
        if (!Is(member, "StatusWindow") || !window) return NoSuchMember().error;
        notify_ = static_cast<HWND>(LongToHandle(*window));
        return {};
    }

    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override {
        if (Is(member, "LocalId")) return {LocalInstanceId(), {}};
        if (member.empty()) return {link_ && link_->Attached() ? id_ : std::string(), {}};
        if (Is(member, "Attach") || Is(member, "Detach")) {
            if (args.size() != 1) return WrongArguments();
            if (Is(member, "Detach")) {
                if (link_) link_->Withdraw();
                link_.reset();
                return {std::string(remote::kOk), {}};
            }
            link_.reset();  // withdraws what this object attached before, without waiting
            id_ = ComponentText(args[0]);
            if (!remote::IsValidId(id_))
                return {{}, {static_cast<DWORD>(E_INVALIDARG), "The instance id cannot be sent to the server."}};
            link_ = std::make_unique<RemoteLink>(server_, id_, notify_);
            return {std::string(remote::kOk), {}};
        }
        return NoSuchMember();
    }

private:
    remote::HostPort server_;
    HWND notify_ = nullptr;
    std::string id_;
    std::unique_ptr<RemoteLink> link_;
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
