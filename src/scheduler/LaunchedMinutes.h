#pragma once
// The minute in which each task was last launched, kept while the program runs. When
// the clocks go back in autumn the same local minute comes round a second time; a
// task launched in it once is not launched again. No <windows.h>.
#include <map>
#include <string>

#include "platform/DateTime.h"

class LaunchedMinutes {
public:
    bool Contains(const std::string& taskName, const DateTime& now) const;
    void Remember(const std::string& taskName, const DateTime& now);

private:
    std::map<std::string, DateTime> minutes_;
};
