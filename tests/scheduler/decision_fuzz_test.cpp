// Random row texts, dates and command lines through the scheduler's decisions. Also
// built natively under AddressSanitizer and UBSan, which stop at any read past a text.
#include <gtest/gtest.h>

#include <random>

#include "platform/DateTimeText.h"
#include "scheduler/CommandLine.h"
#include "scheduler/DueRules.h"
#include "store/RegValue.h"

namespace {

// Mostly pieces of the texts a task row is made of, now and then any byte.
std::string RandomText(std::mt19937& r) {
    static const char* kPieces[] = {"12/04/1998", "2/29/00", " at ", "07:05 PM", "12:00 AM", "MSG:", "C:",
                                    "\"",         " ",       "/",    ":",        "Fri,",     "P",    "\\",
                                    "0",          "-1",      "e9",   ".",        "True"};
    std::string text;
    for (int pieces = static_cast<int>(r() % 8); pieces > 0; --pieces) {
        if (r() % 4 == 0) text += static_cast<char>(r() % 256);
        else text += kPieces[r() % std::size(kPieces)];
    }
    return text;
}

TEST(DecisionFuzz, AnyRowTextIsDecidedSafely) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        std::mt19937 r(seed);
        for (int i = 0; i < 20000; ++i) {
            due::TaskRow row{RandomText(r), "T", RandomText(r), RandomText(r), RandomText(r)};
            DateTime now{1990 + int(r() % 40), 1 + int(r() % 12), 1 + int(r() % 28), int(r() % 24),
                         int(r() % 60),        int(r() % 60),      int(r() % 1000)};
            bool due = due::IsDueNow(row, now);
            if (row.pausedMark.starts_with("P")) {
                EXPECT_FALSE(due) << row.start;
            }
            if (due) {
                EXPECT_NE(row.start.find(datetext::TimeHHMMAmPm(now)), std::string::npos) << row.start;
            }
            due::KindOf(row.location);
            due::RunsToday(row.days, now.date());
            RegValue::Text(row.location).IsTrue();
            RegValue::Text(row.location).AsInt32();

            // Quoting adds two quotes around a leading part and changes nothing else.
            std::string quoted = QuoteProgramPath(row.location, [](const std::string& p) { return p.size() % 3 == 0; });
            if (quoted == row.location) continue;
            const std::string& line = row.location;
            bool quotedPart = false;
            for (size_t k = 1; k <= line.size() && !quotedPart; ++k)
                quotedPart = quoted == '"' + line.substr(0, k) + '"' + line.substr(k) && line.substr(0, k).find(' ') != std::string::npos;
            EXPECT_TRUE(quotedPart) << line << " -> " << quoted;
        }
    }
}

}  // namespace
