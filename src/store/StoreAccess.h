#pragma once
// Whether this user may change the store, and the security that lets every user of
// the machine do so (the installer gives the store the same).
#include <windows.h>

#include <string>

namespace store {

// Full control for the system and administrators; read, write and delete for the
// Users group, passed on to every task key created later.
inline constexpr const char* kStoreSecurity = "D:P(A;CI;KA;;;SY)(A;CI;KA;;;BA)(A;CI;KRKWSD;;;BU)";

// Creates the store keys when missing and opens them for writing: ERROR_SUCCESS when
// this user may change the store, otherwise the registry's status.
LONG StoreWriteStatus();

// True when the key's own access list lets the Users group set values and add keys.
bool UsersMayWrite(const std::string& subkey);

// Gives the program key, the tasks key and every task key the store security. False
// when this user may not change their security (not an administrator).
bool OpenStoreToUsers();

// What the user is told once at start-up when the store cannot be written.
std::string ReadOnlyStoreNotice(LONG status);

}  // namespace store
