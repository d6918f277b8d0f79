#include "store/Stores.h"

#include "platform/ErrorText.h"
#include "platform/UniqueHandle.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"

namespace store {
namespace {

// The user store may not exist yet: its program key is created by the first write.
LONG WriteProgramValue(HKEY root, const std::string& name, const RegValue& value, DWORD kind) {
    UniqueHKey key;
    LONG status = CreateRegistryKey(root, kProgramKey, KEY_SET_VALUE, key);
    return status == ERROR_SUCCESS ? PutValue(key.get(), name, kind, value) : status;
}

}  // namespace

HKEY RootOf(Store store) { return store == Store::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

bool MayWriteMachineStore() {
    UniqueHKey key;
    return CreateRegistryKey(HKEY_LOCAL_MACHINE, kProgramKey, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, key) ==
           ERROR_SUCCESS;
}

Store WritableStore() { return MayWriteMachineStore() ? Store::Machine : Store::User; }

RegValue ReadSetting(const std::string& name) {
    RegValue own = ReadKeyValue(HKEY_CURRENT_USER, kProgramKey, name);
    return own.IsEmpty() ? ReadKeyValue(HKEY_LOCAL_MACHINE, kProgramKey, name) : own;
}

LONG WriteSetting(const std::string& name, const RegValue& value, DWORD kind) {
    LONG status = WriteProgramValue(HKEY_LOCAL_MACHINE, name, value, kind);
    if (status == ERROR_SUCCESS) {
        DeleteKeyValue(HKEY_CURRENT_USER, kProgramKey, name);
        return status;
    }
    return WriteProgramValue(HKEY_CURRENT_USER, name, value, kind);
}

LONG UserStoreWriteStatus() {
    UniqueHKey key;
    return CreateRegistryKey(HKEY_CURRENT_USER, kTasksKey, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, key);
}

std::string UnwritableStoreNotice(LONG status) {
    return "Vantro cannot save your tasks and settings: Windows refused to let it write the registry key "
           "HKEY_CURRENT_USER\\" + std::string(kProgramKey) + ".\r\n\r\n" +
           SystemMessageText(static_cast<DWORD>(status)) + " (error " + std::to_string(status) + ")\r\n\r\n" +
           "Vantro goes on with the task list as it is and still runs the tasks, but changes you make are "
           "not kept.";
}

}  // namespace store
