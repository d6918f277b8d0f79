#include "store/TaskRecord.h"

#include <utility>

#include "platform/UniqueHandle.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"

namespace store {
namespace {

// The record is opened once for all its values: a grid rebuild reads every task.
UniqueHKey OpenTask(Store store, const std::string& name, REGSAM access) {
    UniqueHKey key;
    if (!name.empty()) OpenRegistryKey(RootOf(store), TaskKey(name), access, key);
    return key;
}

RegValue Fetch(HKEY key, const char* value) {
    RegValue read;
    FetchValue(key, value, read);
    read.CutAtFirstNul();
    return read;
}

bool PutText(HKEY key, const char* value, const std::string& text) {
    return PutValue(key, value, REG_SZ, RegValue::Text(text)) == ERROR_SUCCESS;
}

bool PutFlag(HKEY key, const char* value, bool flag) {
    return PutValue(key, value, REG_DWORD, RegValue::Boolean(flag)) == ERROR_SUCCESS;
}

// What this user keeps of a machine task's launches when they may only read the task
// takes the place of the record's own values.
void ApplyOwnLaunchValues(const std::string& name, TaskRecord& task) {
    UniqueHKey own;
    if (name.empty() || OpenRegistryKey(HKEY_CURRENT_USER, MachineTaskRunKey(name), KEY_READ, own) != ERROR_SUCCESS) return;
    for (auto [value, field] : {std::pair{kLastRan, &task.lastRan}, std::pair{kLastResult, &task.lastResult}}) {
        std::string text = Fetch(own.get(), value).AsText();
        if (!text.empty()) *field = std::move(text);
    }
}

// "Last Ran" and "Last Result": in the task's record, or for a machine task this user
// may only read, in the user store for themselves.
bool WriteLaunchValue(Store store, const std::string& name, const char* value, const std::string& text) {
    if (UniqueHKey key = OpenTask(store, name, KEY_SET_VALUE)) return PutText(key.get(), value, text);
    if (store != Store::Machine || !OpenTask(store, name, KEY_READ)) return false;
    UniqueHKey own;
    return CreateRegistryKey(HKEY_CURRENT_USER, MachineTaskRunKey(name), KEY_SET_VALUE, own) == ERROR_SUCCESS &&
           PutText(own.get(), value, text);
}

}  // namespace

TaskRecord ReadTask(Store store, const std::string& name) {
    TaskRecord task{.name = name};
    UniqueHKey key = OpenTask(store, name, KEY_READ);
    if (!key) return task;
    task.location = Fetch(key.get(), kLocation).AsText();
    task.startDate = Fetch(key.get(), kStartDate).AsText();
    task.startTime = Fetch(key.get(), kStartTime).AsText();
    task.days = Fetch(key.get(), kDaysOfTheWeek).AsText();
    task.runOnce = Fetch(key.get(), kRunOnce).IsTrue();
    task.paused = Fetch(key.get(), kPaused).IsTrue();
    task.lastRan = Fetch(key.get(), kLastRan).AsText();
    task.lastResult = Fetch(key.get(), kLastResult).AsText();
    if (store == Store::Machine) ApplyOwnLaunchValues(name, task);
    return task;
}

bool WriteTask(Store store, const TaskRecord& task, long* status) {
    long ignored = 0;
    long& result = status ? *status : ignored;
    if (task.name.empty()) {
        result = ERROR_INVALID_NAME;
        return false;
    }
    UniqueHKey key;
    result = CreateRegistryKey(RootOf(store), TaskKey(task.name), KEY_SET_VALUE, key);
    if (result != ERROR_SUCCESS) return false;
    const std::pair<const char*, RegValue> values[] = {{kLocation, RegValue::Text(task.location)},
                                                       {kDaysOfTheWeek, RegValue::Text(task.days)},
                                                       {kStartDate, RegValue::Text(task.startDate)},
                                                       {kStartTime, RegValue::Text(task.startTime)},
                                                       {kRunOnce, RegValue::Boolean(task.runOnce)}};
    for (const auto& [name, value] : values) {
        LONG written = PutValue(key.get(), name, value.kind() == RegValue::Kind::Boolean ? REG_DWORD : REG_SZ, value);
        if (result == ERROR_SUCCESS) result = written;
    }
    return result == ERROR_SUCCESS;
}

bool WriteTaskPaused(Store store, const std::string& name, bool paused) {
    UniqueHKey key = OpenTask(store, name, KEY_SET_VALUE);
    return key && PutFlag(key.get(), kPaused, paused);
}

bool WriteTaskLastRan(Store store, const std::string& name, const std::string& stamp) {
    return WriteLaunchValue(store, name, kLastRan, stamp);
}

bool WriteTaskLastResult(Store store, const std::string& name, const std::string& result) {
    return WriteLaunchValue(store, name, kLastResult, result);
}

bool DeleteTaskRecord(Store store, const std::string& name) {
    // An empty name would remove the tasks key itself.
    return !name.empty() && DeleteKeyTree(RootOf(store), TaskKey(name));
}

}  // namespace store
