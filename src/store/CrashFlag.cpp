#include "store/CrashFlag.h"

#include "store/Stores.h"
#include "store/StoreLayout.h"
#include "store/Stores.h"

namespace store {

bool ReadRunningFlag() { return ReadSetting(kRunning).IsTrue(); }

void WriteRunningFlag(bool running) { WriteSetting(kRunning, RegValue::Boolean(running), REG_DWORD); }

}  // namespace store
