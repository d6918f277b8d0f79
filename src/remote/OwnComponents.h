#pragma once
// Vantro's own dial-up engine and remote client, for a machine without those classes.
#include <map>
#include <string>

#include "platform/Components.h"
#include "remote/RasEngine.h"
#include "remote/RemoteClient.h"

inline constexpr const char* kRasEngineProgId = "RAS.RASEngine";
inline constexpr const char* kRemoteClientProgId = "VornClient.Connect";

inline std::map<std::string, OwnComponent> OwnComponents() {
    return {{kRasEngineProgId, CreateRasEngine}, {kRemoteClientProgId, CreateRemoteClient}};
}
