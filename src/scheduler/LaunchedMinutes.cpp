#include "scheduler/LaunchedMinutes.h"

bool LaunchedMinutes::Contains(const std::string& taskName, const DateTime& now) const {
    auto found = minutes_.find(taskName);
    return found != minutes_.end() && found->second == StartOfMinute(now);
}

void LaunchedMinutes::Remember(const std::string& taskName, const DateTime& now) {
    minutes_[taskName] = StartOfMinute(now);
}
