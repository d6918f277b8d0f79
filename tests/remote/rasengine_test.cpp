#include <gtest/gtest.h>

#include "remote/RasEngine.h"

namespace {

std::string Text(const ComponentResult& result) { return ComponentText(result.value); }

TEST(RasEngine, SaysWhatAnEntryLacks) {
    ComponentRef entry = MakeRasEntry({"Office", "555-0100", "", "", "HOME"});
    EXPECT_EQ("UserName Not Available", Text(entry->Get("username")));
    EXPECT_EQ("Password Not Available", Text(entry->Get("Password")));
    entry->Put("Password", std::string("typed"));
    EXPECT_EQ("typed", Text(entry->Get("Password")));
}

}  // namespace
