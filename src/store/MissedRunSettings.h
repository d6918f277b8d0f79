#pragma once
// The user's own settings of running missed tasks, in the program key of the user's
// store: whether to run them ("Run Missed", off when missing) and the minute the tick
// last scanned ("Last Scan", in the store's fixed date and time form).
#include <windows.h>

#include <optional>

#include "platform/DateTime.h"

namespace store {

bool ReadRunMissed();
// The registry's status (ERROR_SUCCESS when written).
LONG WriteRunMissed(bool on);

// Nothing when missing or unreadable.
std::optional<DateTime> ReadLastScan();
void WriteLastScan(const DateTime& minute);

}  // namespace store
