#include "remote/RasEngine.h"

#include <ras.h>
#include <raserror.h>

#include <vector>

#include "remote/BuiltInObject.h"

namespace {

// RAS reports its own error numbers (600 and up) with texts of its own.
ErrorInfo RasError(DWORD code) {
    char text[512] = {};
    if (RasGetErrorStringA(code, text, sizeof text) == 0 && text[0]) return {code, text};
    return MakeError(code);
}

// The phone book's entry names, in its order.
DWORD EntryNames(std::vector<std::string>& names) {
    names.clear();
    DWORD bytes = 16 * sizeof(RASENTRYNAMEA), count = 0, status = ERROR_BUFFER_TOO_SMALL;
    std::vector<RASENTRYNAMEA> entries;
    const RASENTRYNAMEA blank{};
    for (int attempt = 0; attempt < 2 && status == ERROR_BUFFER_TOO_SMALL; ++attempt) {
        entries.assign(bytes / sizeof(RASENTRYNAMEA) + 1, blank);
        entries[0].dwSize = sizeof(RASENTRYNAMEA);
        bytes = static_cast<DWORD>(entries.size() * sizeof(RASENTRYNAMEA));
        status = RasEnumEntriesA(nullptr, nullptr, entries.data(), &bytes, &count);
    }
    for (DWORD i = 0; status == 0 && i < count && i < entries.size(); ++i) names.push_back(entries[i].szEntryName);
    return status;
}

ComponentResult ReadEntry(const std::string& name) {
    RASDIALPARAMSA params{};
    params.dwSize = sizeof params;
    lstrcpynA(params.szEntryName, name.c_str(), sizeof params.szEntryName);
    BOOL passwordStored = FALSE;
    if (DWORD status = RasGetEntryDialParamsA(nullptr, &params, &passwordStored)) return {{}, RasError(status)};
    RasEntryData data{name, {}, params.szUserName, passwordStored ? params.szPassword : "", params.szDomain};
    SecureZeroMemory(params.szPassword, sizeof params.szPassword);

    RASENTRYA entry{};
    entry.dwSize = sizeof entry;
    DWORD size = sizeof entry;
    if (RasGetEntryPropertiesA(nullptr, name.c_str(), &entry, &size, nullptr, nullptr) == 0)
        data.phone = entry.szLocalPhoneNumber;
    return {MakeRasEntry(std::move(data)), {}};
}

class RasEntry final : public BuiltInObject {
public:
    explicit RasEntry(RasEntryData data) : entry_(std::move(data)) {}
    ~RasEntry() override { SecureZeroMemory(entry_.password.data(), entry_.password.size()); }

    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override {
        if (!args.empty()) return WrongArguments();
        if (Is(member, "EntryName")) return {entry_.name, {}};
        if (Is(member, "PhoneNumber")) return {entry_.phone, {}};
        if (Is(member, "UserName")) return {entry_.user.empty() ? kNoUserName : entry_.user, {}};
        if (Is(member, "Password")) return {entry_.password.empty() ? kNoPassword : entry_.password, {}};
        if (Is(member, "Domain")) return {entry_.domain, {}};
        return NoSuchMember();
    }
    // An answer given for this dial only; the phone book is left as it is.
    ErrorInfo Put(const std::string& member, const ComponentValue& value) override {
        if (Is(member, "UserName")) entry_.user = ComponentText(value);
        else if (Is(member, "Password")) entry_.password = ComponentText(value);
        else return NoSuchMember().error;
        return {};
    }

private:
    RasEntryData entry_;
};

class EntryCount final : public BuiltInObject {
public:
    explicit EntryCount(int32_t count) : count_(count) {}
    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>&) override {
        return Is(member, "Count") ? ComponentResult{count_, {}} : NoSuchMember();
    }

private:
    int32_t count_;
};

// A dial made through AddConnection. The line stays up when the object goes.
class Dialled final : public BuiltInObject {
public:
    explicit Dialled(std::string name) : name_(std::move(name)) {}
    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>&) override {
        return Is(member, "EntryName") ? ComponentResult{name_, {}} : NoSuchMember();
    }

private:
    std::string name_;
};

class Connections final : public BuiltInObject {
public:
    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override {
        if (Is(member, "IsConnected")) return IsConnected();
        if (Is(member, "AddConnection")) return AddConnection(args);
        return NoSuchMember();
    }

private:
    static ComponentResult IsConnected() {
        std::vector<RASCONNA> connections(16);
        connections[0].dwSize = sizeof(RASCONNA);
        DWORD bytes = static_cast<DWORD>(connections.size() * sizeof(RASCONNA)), count = 0;
        if (DWORD status = RasEnumConnectionsA(connections.data(), &bytes, &count)) return {{}, RasError(status)};
        for (DWORD i = 0; i < count && i < connections.size(); ++i) {
            RASCONNSTATUSA state{};
            state.dwSize = sizeof state;
            if (RasGetConnectStatusA(connections[i].hrasconn, &state) == 0 && state.rasconnstate == RASCS_Connected)
                return {true, {}};
        }
        return {false, {}};
    }

    // Entry name, phone number, callback number, user name, password, domain, and two
    // flags: wait until connected, keep the line up afterwards. This engine does only
    // that, so other flags are refused rather than ignored.
    static ComponentResult AddConnection(const std::vector<ComponentValue>& args) {
        if (args.size() != 8) return WrongArguments();
        for (size_t flag : {6u, 7u}) {
            auto* value = std::get_if<bool>(&args[flag]);
            if (!value || !*value) return {{}, MakeError(static_cast<DWORD>(E_INVALIDARG))};
        }
        RASDIALPARAMSA params{};
        params.dwSize = sizeof params;
        char* fields[] = {params.szEntryName, params.szPhoneNumber, params.szCallbackNumber,
                          params.szUserName,  params.szPassword,    params.szDomain};
        size_t sizes[] = {sizeof params.szEntryName, sizeof params.szPhoneNumber, sizeof params.szCallbackNumber,
                          sizeof params.szUserName,  sizeof params.szPassword,    sizeof params.szDomain};
        for (size_t i = 0; i < 6; ++i) lstrcpynA(fields[i], ComponentText(args[i]).c_str(), static_cast<int>(sizes[i]));
        HRASCONN connection = nullptr;
        DWORD status = RasDialA(nullptr, nullptr, &params, 0, nullptr, &connection);
        SecureZeroMemory(params.szPassword, sizeof params.szPassword);
        if (status != 0) {
            if (connection) RasHangUpA(connection);  // a failed dial still holds a handle
            return {{}, RasError(status)};
        }
        return {ComponentRef(std::make_shared<Dialled>(params.szEntryName)), {}};
    }
};

class RasEngine final : public BuiltInObject {
public:
    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override {
        if (Is(member, "PhoneEntries")) return PhoneEntries(args);
        if (Is(member, "Connections")) return {ComponentRef(std::make_shared<Connections>()), {}};
        // The RAS API dials without a window of ours, so it has no use for the icon.
        if (Is(member, "SetOwnerIcon")) return args.size() == 1 ? ComponentResult{} : WrongArguments();
        return NoSuchMember();
    }

private:
    static ComponentResult PhoneEntries(const std::vector<ComponentValue>& args) {
        if (args.size() > 1) return WrongArguments();
        std::vector<std::string> names;
        if (DWORD status = EntryNames(names)) return {{}, RasError(status)};
        if (args.empty()) return {ComponentRef(std::make_shared<EntryCount>(static_cast<int32_t>(names.size()))), {}};
        auto* index = std::get_if<int32_t>(&args[0]);
        if (!index) return {{}, MakeError(static_cast<DWORD>(DISP_E_TYPEMISMATCH))};
        if (*index < 0 || static_cast<size_t>(*index) >= names.size())
            return {{}, MakeError(static_cast<DWORD>(DISP_E_BADINDEX))};
        return ReadEntry(names[static_cast<size_t>(*index)]);
    }
};

}  // namespace

ComponentCreation CreateRasEngine(const std::string& machine) {
    if (!machine.empty())
        return {nullptr, {static_cast<DWORD>(CO_E_CANT_REMOTE), "The dial-up engine works on this machine only."}};
    return {std::make_shared<RasEngine>(), {}};
}

ComponentRef MakeRasEntry(RasEntryData data) { return std::make_shared<RasEntry>(std::move(data)); }
