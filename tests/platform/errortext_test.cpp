#include <gtest/gtest.h>

#include "platform/ErrorText.h"

TEST(ErrorText, GivesTheSystemTextWithoutTrailingLineBreak) {
    ErrorInfo e = MakeError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(2u, e.number);
    EXPECT_FALSE(e.description.empty());
    EXPECT_NE('\n', e.description.back());
    EXPECT_TRUE(static_cast<bool>(e));
    EXPECT_FALSE(static_cast<bool>(ErrorInfo{}));
}
