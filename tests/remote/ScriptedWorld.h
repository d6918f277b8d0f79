#pragma once
// A scripted dial-up engine and remote client behind the components double, with a
// plain window standing in for the main window.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "remote/OLEConnection.h"
#include "remote/OwnComponents.h"
#include "support/VantroTest.h"

// Answers from properties and methods it is given; records every call and assignment.
class ScriptedObject final : public ComponentObject {
public:
    using Method = std::function<ComponentResult(const std::vector<ComponentValue>&)>;
    std::map<std::string, ComponentValue> properties;
    std::map<std::string, Method> methods;
    std::map<std::string, ErrorInfo> failing;
    std::vector<std::pair<std::string, std::vector<ComponentValue>>> calls;

    ComponentResult Get(const std::string& member) override { return Call(member, {}); }
    ErrorInfo Put(const std::string& member, const ComponentValue& value) override {
        calls.push_back({"Put " + member, {value}});
        properties[member] = value;
        return {};
    }
    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override {
        calls.push_back({member, args});
        if (failing.count(member)) return {{}, failing[member]};
        if (methods.count(member)) return methods[member](args);
        if (properties.count(member)) return {properties[member], {}};
        return {{}, MakeError(static_cast<DWORD>(DISP_E_UNKNOWNNAME))};
    }
    int CallsTo(const std::string& member) const {
        int count = 0;
        for (const auto& call : calls) count += call.first == member;
        return count;
    }
};

inline std::shared_ptr<ScriptedObject> MakeEntry(const std::string& name, const std::string& user,
                                                 const std::string& password) {
    auto entry = std::make_shared<ScriptedObject>();
    entry->properties = {{"EntryName", name}, {"PhoneNumber", "555-0100"}, {"UserName", user},
                         {"Password", password}, {"Domain", "HOME"}};
    return entry;
}

inline constexpr const char* kLocalId = "HOST\\me #7";

class ScriptedWorld : public VantroTest {
protected:
    ScriptedWorld() {
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);  // as start-up leaves the store
        components.objects[kRasEngineProgId] = engine;
        components.objects[kRemoteClientProgId] = client;
        engine->methods["PhoneEntries"] = [this](const std::vector<ComponentValue>& args) -> ComponentResult {
            if (args.empty()) {
                auto list = std::make_shared<ScriptedObject>();
                list->properties["Count"] = static_cast<int32_t>(entries.size());
                return {ComponentRef(list), {}};
            }
            return {ComponentRef(entries.at(static_cast<size_t>(std::get<int32_t>(args[0])))), {}};
        };
        engine->properties["Connections"] = ComponentRef(connections);
        engine->properties["SetOwnerIcon"] = {};
        connections->properties["IsConnected"] = false;
        connections->methods["AddConnection"] = [this](const std::vector<ComponentValue>&) {
            components.unreachable.clear();  // the dial-up line reaches the server
            return ComponentResult{ComponentRef(std::make_shared<ScriptedObject>()), {}};
        };
        client->properties["LocalId"] = std::string(kLocalId);
        client->methods["Attach"] = [this](const std::vector<ComponentValue>&) {
            client->properties[""] = std::string("attached");
            return ComponentResult{std::string("OK"), {}};
        };
        client->methods["Detach"] = [this](const std::vector<ComponentValue>&) {
            client->properties[""] = std::string();
            return ComponentResult{};
        };
        main = CreateWindowA("STATIC", "Vantro 1.5", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~ScriptedWorld() override { DestroyWindow(main); }

    void StoreSettings(int autoDial, int networked, const std::string& host) {
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kAutoDial, RegValue::Integer(autoDial), REG_DWORD);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kNetworked, RegValue::Integer(networked), REG_DWORD);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRemoteIP, RegValue::Text(host), REG_SZ);
    }
    RegValue Setting(const char* name) const { return ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, name); }
    // The machines the remote client was asked for, in order ("" for this machine).
    std::vector<std::string> ClientMachines() const {
        std::vector<std::string> machines;
        for (const auto& [progId, machine] : components.created)
            if (progId == kRemoteClientProgId) machines.push_back(machine);
        return machines;
    }
    std::string MainCaption() const {
        char text[256] = {};
        GetWindowTextA(main, text, sizeof text);
        return text;
    }

    std::shared_ptr<ScriptedObject> engine = std::make_shared<ScriptedObject>();
    std::shared_ptr<ScriptedObject> connections = std::make_shared<ScriptedObject>();
    std::shared_ptr<ScriptedObject> client = std::make_shared<ScriptedObject>();
    std::vector<std::shared_ptr<ScriptedObject>> entries;
    RemoteObjects objects;
    HWND main = nullptr;
};
