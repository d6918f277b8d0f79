#pragma once
// Outside COM components, created by ProgID on this machine or on a named one and
// called by member name. Tests hand in scripted objects instead.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/ErrorText.h"

class ComponentObject;
using ComponentRef = std::shared_ptr<ComponentObject>;

// An icon handed to a component as a picture. Borrowed: its owner keeps it alive.
struct ComponentPicture {
    HICON icon = nullptr;
    bool operator==(const ComponentPicture&) const = default;
};

// A value passed to or returned by a component member.
using ComponentValue = std::variant<std::monostate, std::string, int32_t, bool, ComponentRef, ComponentPicture>;

struct ComponentResult {
    ComponentValue value;
    ErrorInfo error;  // number 0 when the call succeeded
};

class ComponentObject {
public:
    virtual ~ComponentObject() = default;
    // Reads a property; an empty name reads the default member.
    virtual ComponentResult Get(const std::string& member) = 0;
    virtual ErrorInfo Put(const std::string& member, const ComponentValue& value) = 0;
    // Calls a method with its arguments in order.
    virtual ComponentResult Call(const std::string& member, const std::vector<ComponentValue>& args) = 0;
};

struct ComponentCreation {
    ComponentRef object;  // null when creation failed
    ErrorInfo error;
};

class Components {
public:
    virtual ~Components() = default;
    // machine empty: on this machine; otherwise remote activation on that machine.
    virtual ComponentCreation Create(const std::string& progId, const std::string& machine = {}) = 0;
};

// Makes one of Vantro's own classes, on this machine or for the named one.
using OwnComponent = std::function<ComponentCreation(const std::string& machine)>;

// Production: COM through IDispatch first; when COM has no class registered under the
// ProgID, Vantro's own class of that name. COM must be initialised on the calling thread.
class ComComponents final : public Components {
public:
    explicit ComComponents(std::map<std::string, OwnComponent> own = {}) : own_(std::move(own)) {}
    ComponentCreation Create(const std::string& progId, const std::string& machine) override;

private:
    std::map<std::string, OwnComponent> own_;
};

// Text form of a component value: what a comparison with "" sees.
std::string ComponentText(const ComponentValue& value);
