#include "store/CrashFlag.h"

#include "store/RegistrySets.h"
#include "store/StoreLayout.h"

namespace store {

bool ReadRunningFlag() { return ReadKeyValue(HKEY_LOCAL_MACHINE, kProgramKey, kRunning).IsTrue(); }

void WriteRunningFlag(bool running) {
    WriteKeyValue(HKEY_LOCAL_MACHINE, kProgramKey, kRunning, RegValue::Boolean(running), REG_DWORD);
}

}  // namespace store
