#pragma once
// Registry access layer: every call opens the key, does one operation and closes it.
// Nothing here reports an error to the caller beyond what each function returns: a
// missing key or value reads as Empty and a failed write goes unnoticed.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/UniqueHandle.h"
#include "store/RegValue.h"

void CreateKey(HKEY root, const std::string& subkey);
void WriteKeyValue(HKEY root, const std::string& subkey, const std::string& name,
                   const RegValue& value, DWORD kind);
// The same write, for the few callers that tell the user when it failed: the
// registry's status (ERROR_SUCCESS, or ERROR_ACCESS_DENIED for a user without rights).
LONG WriteKeyValueStatus(HKEY root, const std::string& subkey, const std::string& name,
                         const RegValue& value, DWORD kind);
RegValue ReadKeyValue(HKEY root, const std::string& subkey, const std::string& name);
bool DeleteKeyValue(HKEY root, const std::string& subkey, const std::string& name);
// The names of the subkeys in the order the registry enumerates them, each split at
// any comma; an empty list when there is none or the key cannot be opened.
std::vector<std::string> ListSubKeys(HKEY root, const std::string& subkey);
// Removes a key with all its values and subkeys; false when nothing was removed.
bool DeleteKeyTree(HKEY root, const std::string& subkey);

// Opens or creates root\subkey with the access asked for, whatever the path's length:
// the ANSI calls alone refuse a path of MAX_PATH characters, and a task's name may be
// 255 characters long. The registry's status (0 = success).
LONG OpenRegistryKey(HKEY root, const std::string& subkey, REGSAM access, UniqueHKey& key);
LONG CreateRegistryKey(HKEY root, const std::string& subkey, REGSAM access, UniqueHKey& key);

// On a key that is already open. kind is REG_SZ or REG_DWORD; any other kind writes
// nothing and returns 0. Both return the registry status (0 = success).
LONG PutValue(HKEY key, const std::string& name, DWORD kind, const RegValue& value);
LONG FetchValue(HKEY key, const std::string& name, RegValue& value);
