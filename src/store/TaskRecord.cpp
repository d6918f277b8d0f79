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

std::string OwnMachineTaskStamp(const std::string& name) {
    if (name.empty()) return {};
    return ReadKeyValue(HKEY_CURRENT_USER, MachineTaskRunKey(name), kLastRan).AsText();
}

bool WriteOwnMachineTaskStamp(const std::string& name, const std::string& stamp) {
    UniqueHKey key;
    return CreateRegistryKey(HKEY_CURRENT_USER, MachineTaskRunKey(name), KEY_SET_VALUE, key) == ERROR_SUCCESS &&
           PutText(key.get(), kLastRan, stamp);
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
    if (store == Store::Machine) {
        std::string own = OwnMachineTaskStamp(name);
        if (!own.empty()) task.lastRan = own;
    }
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
    if (UniqueHKey key = OpenTask(store, name, KEY_SET_VALUE)) return PutText(key.get(), kLastRan, stamp);
    // A machine task this user may only read: the stamp is theirs alone.
    return store == Store::Machine && OpenTask(store, name, KEY_READ) && WriteOwnMachineTaskStamp(name, stamp);
}

bool DeleteTaskRecord(Store store, const std::string& name) {
    // An empty name would remove the tasks key itself.
    return !name.empty() && DeleteKeyTree(RootOf(store), TaskKey(name));
}

}  // namespace store
