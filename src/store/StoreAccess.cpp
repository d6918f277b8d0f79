#include "store/StoreAccess.h"

#include <sddl.h>

#include <memory>

#include "platform/ErrorText.h"
#include "platform/UniqueHandle.h"
#include "store/RegistrySets.h"
#include "store/StoreLayout.h"

namespace store {

namespace {

constexpr REGSAM kWriteAccess = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
constexpr ACCESS_MASK kUsersWrite = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

struct LocalFreeDeleter {
    void operator()(void* p) const { LocalFree(p); }
};
using LocalSecurity = std::unique_ptr<void, LocalFreeDeleter>;

bool IsUsersGroup(PSID sid) {
    BYTE users[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof users;
    return CreateWellKnownSid(WinBuiltinUsersSid, nullptr, users, &size) && EqualSid(sid, users);
}

bool SetKeySecurity(const std::string& subkey, PSECURITY_DESCRIPTOR security) {
    UniqueHKey key;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, WRITE_DAC, key.put()) == ERROR_SUCCESS &&
           RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security) == ERROR_SUCCESS;
}

}  // namespace

LONG StoreWriteStatus() {
    UniqueHKey key;
    LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTasksKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  kWriteAccess, nullptr, key.put(), nullptr);
    if (status != ERROR_SUCCESS) return status;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, kWriteAccess, key.put());
}

bool UsersMayWrite(const std::string& subkey) {
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, READ_CONTROL, key.put()) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
    std::unique_ptr<BYTE[]> security(new BYTE[size ? size : 1]);
    if (RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security.get(), &size) != ERROR_SUCCESS)
        return false;
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    if (!GetSecurityDescriptorDacl(security.get(), &present, &dacl, &defaulted) || !present || !dacl) return false;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(dacl, i, &ace) || static_cast<ACE_HEADER*>(ace)->AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        if ((allowed->Mask & kUsersWrite) == kUsersWrite && IsUsersGroup(&allowed->SidStart)) return true;
    }
    return false;
}

bool OpenStoreToUsers() {
    PSECURITY_DESCRIPTOR raw = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(kStoreSecurity, SDDL_REVISION_1, &raw, nullptr))
        return false;
    LocalSecurity security(raw);
    // Keys that exist already do not take on the inheritable part: each gets it.
    bool done = SetKeySecurity(kProgramKey, raw) && SetKeySecurity(kTasksKey, raw);
    for (const std::string& task : ListSubKeys(HKEY_LOCAL_MACHINE, kTasksKey))
        done = SetKeySecurity(TaskKey(task), raw) && done;
    return done;
}

std::string ReadOnlyStoreNotice(LONG status) {
    return "Vantro cannot save its tasks and settings: Windows refused to let it write the registry key "
           "HKEY_LOCAL_MACHINE\\" + std::string(kProgramKey) + ".\r\n\r\n" +
           SystemMessageText(static_cast<DWORD>(status)) + " (error " + std::to_string(status) + ")\r\n\r\n" +
           "Vantro goes on with the task list as it is and still runs the tasks, but changes you make "
           "are not kept. To let every user of this computer change the task list, run the Vantro "
           "installer, or start Vantro once as administrator.";
}

}  // namespace store
