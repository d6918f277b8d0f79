#pragma once
// Vantro's own dial-up engine over the Windows RAS API: the phone-book entries with
// their stored dial parameters, whether a dial-up connection is up, and dialling.
#include <string>

#include "platform/Components.h"

ComponentCreation CreateRasEngine(const std::string& machine);

// What an entry knows; user name and password empty when the phone book stores none.
struct RasEntryData {
    std::string name, phone, user, password, domain;
};
ComponentRef MakeRasEntry(RasEntryData data);
