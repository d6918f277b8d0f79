#include "scheduler/LaunchedMinutes.h"

namespace {

DateTime MinuteOf(DateTime t) {
    t.second = 0;
    t.millisecond = 0;
    return t;
}

}  // namespace

bool LaunchedMinutes::Contains(const std::string& taskName, const DateTime& now) const {
    auto found = minutes_.find(taskName);
    return found != minutes_.end() && found->second == MinuteOf(now);
}

void LaunchedMinutes::Remember(const std::string& taskName, const DateTime& now) {
    minutes_[taskName] = MinuteOf(now);
}
