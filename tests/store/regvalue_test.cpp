#include <gtest/gtest.h>

#include "store/RegValue.h"

namespace {

TEST(RegValue, EmptyTextAndNumberForms) {
    EXPECT_EQ("", RegValue().AsText());
    EXPECT_EQ(0, RegValue().AsInt32());
    EXPECT_EQ("-1", RegValue::Integer(-1).AsText());
    EXPECT_EQ("True", RegValue::Boolean(true).AsText());
    EXPECT_EQ("False", RegValue::Boolean(false).AsText());
    EXPECT_EQ(-1, RegValue::Boolean(true).AsInt32());
    // Blanks around; halves go to the even neighbour.
    const std::pair<const char*, int> numbers[] = {{" 42 ", 42}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2},
                                                   {" +12.5\t", 12}, {".25", 0}, {"-3e2", -300},
                                                   {"-2147483648", INT32_MIN}};
    for (const auto& [text, number] : numbers) EXPECT_EQ(number, RegValue::Text(text).AsInt32()) << text;
    for (const char* bad : {"2147483648", "2147483647.5", "1e400", "", "12abc", "True", "+", "1.2.3", "1,5", "- 1"})
        EXPECT_EQ(std::nullopt, RegValue::Text(bad).AsInt32()) << '"' << bad << '"';
}

TEST(RegValue, Truth) {
    EXPECT_TRUE(RegValue::Integer(-1).IsTrue() && RegValue::Integer(1).IsTrue());
    EXPECT_TRUE(RegValue::Boolean(true).IsTrue());
    EXPECT_FALSE(RegValue::Integer(0).IsTrue() || RegValue::Boolean(false).IsTrue() || RegValue().IsTrue());
    for (const char* yes : {"True", "true", "  TRUE ", "-1", " 2 ", "0.5"})
        EXPECT_TRUE(RegValue::Text(yes).IsTrue()) << '"' << yes << '"';
    // A hand-edited value that means nothing is false, not an error.
    for (const char* no : {"False", " false", "0", "-0", "", "garbage", "Truex", "1 2", "0x1", "inf", "nan"})
        EXPECT_FALSE(RegValue::Text(no).IsTrue()) << '"' << no << '"';
}

}  // namespace
