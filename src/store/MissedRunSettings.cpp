#include "store/MissedRunSettings.h"

#include "platform/DateTimeText.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"

namespace store {
namespace {

// The user's store may not exist yet: a first write makes it.
LONG WriteUserSetting(const char* name, const RegValue& value, DWORD kind) {
    CreateKey(HKEY_CURRENT_USER, kProgramKey);
    return WriteKeyValueStatus(HKEY_CURRENT_USER, kProgramKey, name, value, kind);
}

}  // namespace

bool ReadRunMissed() { return ReadKeyValue(HKEY_CURRENT_USER, kProgramKey, kRunMissed).IsTrue(); }

LONG WriteRunMissed(bool on) {
    return WriteUserSetting(kRunMissed, RegValue::Boolean(on), REG_DWORD);
}

std::optional<DateTime> ReadLastScan() {
    RegValue stored = ReadKeyValue(HKEY_CURRENT_USER, kProgramKey, kLastScan);
    if (stored.kind() != RegValue::Kind::Text) return std::nullopt;
    return datetext::ParseMinuteText(stored.AsText());
}

void WriteLastScan(const DateTime& minute) {
    WriteUserSetting(kLastScan, RegValue::Text(datetext::MinuteText(minute)), REG_SZ);
}

}  // namespace store
