#pragma once
// A scripted dial-up engine and remote client behind the components double, and a
// plain window standing in for the main window.
#include <functional>
#include <map>
#include <memory>

#include "remote/OwnComponents.h"
#include "remote/RemoteConnection.h"
#include "support/VantroTest.h"

// Answers from the properties and methods it is given; records every call.
class ScriptedObject final : public ComponentObject {
public:
    std::map<std::string, ComponentValue> properties;
    using Args = std::vector<ComponentValue>;
    std::map<std::string, std::function<ComponentResult(const Args&)>> methods;
    std::vector<std::pair<std::string, std::vector<ComponentValue>>> calls;

    ComponentResult Get(const std::string& member) override { return Call(member, {}); }
    ErrorInfo Put(const std::string& member, const ComponentValue& value) override {
        properties[member] = value;
        return {};
    }
    ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) override {
        calls.push_back({member, args});
        if (methods.count(member)) return methods[member](args);
        if (properties.count(member)) return {properties[member], {}};
        return {{}, MakeError(static_cast<DWORD>(DISP_E_UNKNOWNNAME))};
    }
    // The arguments of each call to the member.
    std::vector<std::vector<ComponentValue>> CallsTo(const std::string& member) const {
        std::vector<std::vector<ComponentValue>> found;
        for (const auto& [name, args] : calls)
            if (name == member) found.push_back(args);
        return found;
    }
};

inline std::shared_ptr<ScriptedObject> MakeEntry(const std::string& name, const std::string& user,
                                                 const std::string& password) {
    auto entry = std::make_shared<ScriptedObject>();
    entry->properties = {{"EntryName", name}, {"PhoneNumber", "555-0100"}, {"UserName", user},
                         {"Password", password}, {"Domain", "HOME"}};
    return entry;
}

inline const ComponentValue kLocalId = std::string("HOST\\me #7");

class ScriptedWorld : public VantroTest {
protected:
    ScriptedWorld() {
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);  // as start-up leaves the store
        components.objects = {{kRasEngineProgId, engine}, {kRemoteClientProgId, client}};
        engine->methods["PhoneEntries"] = [this](const ScriptedObject::Args& args) {
            if (!args.empty()) return ComponentResult{ComponentRef(entries.at(std::get<int32_t>(args[0]))), {}};
            auto list = std::make_shared<ScriptedObject>();
            list->properties["Count"] = static_cast<int32_t>(entries.size());
            return ComponentResult{ComponentRef(list), {}};
        };
        engine->properties = {{"Connections", ComponentRef(connections)}, {"SetOwnerIcon", {}}};
        connections->properties["IsConnected"] = false;
        connections->methods["AddConnection"] = [this](const ScriptedObject::Args&) {
            components.unreachable.clear();  // the line is up: the server is in reach
            return ComponentResult{ComponentRef(std::make_shared<ScriptedObject>()), {}};
        };
        client->properties = {{"LocalId", kLocalId}, {"Detach", {}}};
        client->methods["Attach"] = [this](const ScriptedObject::Args&) {
            client->properties[""] = std::string("attached");  // the default member, while attached
            return ComponentResult{std::string("OK"), {}};
        };
        main = CreateWindowA("STATIC", "Vantro 1.5", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~ScriptedWorld() override { DestroyWindow(main); }

    void StoreSettings(int autoDial, int networked, const std::string& host, int dunNum = 0) {
        for (auto [name, value] : {std::pair{store::kAutoDial, autoDial}, {store::kNetworked, networked}, {store::kDUNNum, dunNum}})
            WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, name, RegValue::Integer(value), REG_DWORD);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRemoteIP, RegValue::Text(host), REG_SZ);
    }
    RegValue Setting(const char* name) const { return ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, name); }

    std::shared_ptr<ScriptedObject> engine = std::make_shared<ScriptedObject>();
    std::shared_ptr<ScriptedObject> connections = std::make_shared<ScriptedObject>();
    std::shared_ptr<ScriptedObject> client = std::make_shared<ScriptedObject>();
    std::vector<std::shared_ptr<ScriptedObject>> entries;
    RemoteObjects objects;
    HWND main = nullptr;
};
