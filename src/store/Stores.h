#pragma once
// The two stores of the same layout: the machine's, whose tasks run for every user and
// which only administrators may change, and each user's own. Settings are read from the
// user's first; a write goes to the machine store only where this Vantro may change it.
#include <windows.h>

#include <string>

#include "store/RegValue.h"

namespace store {

enum class Store { Machine, User };

// HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER; the key paths below it are the same.
HKEY RootOf(Store store);
// How the launch history names the store: "Machine" or "User".
inline const char* StoreName(Store store) { return store == Store::Machine ? "Machine" : "User"; }

// Whether this Vantro may change the machine store (it runs as administrator): the
// program key can be opened, or created, for setting values and adding keys.
bool MayWriteMachineStore();
// Where New's save and the settings go.
Store WritableStore();

// A setting of the program key: the user's value when it has one, else the machine's.
RegValue ReadSetting(const std::string& name);
// Writes to the machine store when it may, and then drops this user's own value, which
// would otherwise hide the new one; otherwise writes to the user store. The registry's
// status of the write that was made.
LONG WriteSetting(const std::string& name, const RegValue& value, DWORD kind);

// Creates the user store's keys when missing and opens them for writing: ERROR_SUCCESS
// when this user may keep tasks and settings, otherwise the registry's status.
LONG UserStoreWriteStatus();
// What the user is told once at start-up when even their own store cannot be written.
std::string UnwritableStoreNotice(LONG status);

}  // namespace store
