#include "editor/TaskValues.h"

#include "platform/UniqueHandle.h"
#include "store/RegistrySets.h"
#include "store/StoreLayout.h"

EditedTask ReadEditedTask(const std::string& name) {
    const std::string key = store::TaskKey(name);
    auto text = [&](const char* value) { return ReadKeyValue(HKEY_LOCAL_MACHINE, key, value).AsText(); };
    return {name,
            text(store::kLocation),
            text(store::kStartDate),
            text(store::kStartTime),
            text(store::kDaysOfTheWeek),
            ReadKeyValue(HKEY_LOCAL_MACHINE, key, store::kRunOnce).IsTrue()};
}

ErrorInfo WriteEditedTask(const EditedTask& task) {
    // An empty name would address the tasks key itself.
    if (task.name.empty()) return MakeError(ERROR_INVALID_NAME);
    UniqueHKey key;
    LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, store::TaskKey(task.name).c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.put(), nullptr);
    const std::pair<const char*, const std::string*> texts[] = {{store::kLocation, &task.location},
                                                                {store::kDaysOfTheWeek, &task.days},
                                                                {store::kStartDate, &task.startDate},
                                                                {store::kStartTime, &task.startTime}};
    for (const auto& [value, text] : texts)
        if (status == ERROR_SUCCESS) status = PutValue(key.get(), value, REG_SZ, RegValue::Text(*text));
    if (status == ERROR_SUCCESS) status = PutValue(key.get(), store::kRunOnce, REG_DWORD, RegValue::Boolean(task.runOnce));
    return status == ERROR_SUCCESS ? ErrorInfo{} : MakeError(static_cast<DWORD>(status));
}
