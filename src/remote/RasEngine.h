#pragma once
// Vantro's own dial-up engine over the Windows RAS API: the phone-book entries with
// their stored dial parameters, whether a dial-up connection is up, and dialling.
#include <string>

#include "platform/Components.h"

ComponentCreation CreateRasEngine(const std::string& machine);

// What an entry's UserName and Password read when the phone book stores none.
inline constexpr const char* kNoUserName = "UserName Not Available";
inline constexpr const char* kNoPassword = "Password Not Available";

// What an entry knows; user name and password empty when the phone book stores none.
struct RasEntryData {
    std::string name, phone, user, password, domain;
};
ComponentRef MakeRasEntry(RasEntryData data);
