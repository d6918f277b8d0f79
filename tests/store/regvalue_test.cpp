#include <gtest/gtest.h>

#include "store/RegValue.h"

namespace {

TEST(RegValue, EmptyIsBlankZeroAndFalse) {
    RegValue empty;
    EXPECT_EQ("", empty.AsText());
    EXPECT_EQ(0, empty.AsInt32());
    EXPECT_FALSE(empty.IsTrue());
    EXPECT_TRUE(empty == "");
    EXPECT_EQ(RegValue(), RegValue::Text(""));
    EXPECT_EQ(RegValue::Integer(0), RegValue());
    EXPECT_NE(RegValue(), RegValue::Text(" "));
    EXPECT_NE(RegValue(), RegValue::Boolean(false));
    EXPECT_NE(RegValue::Integer(-1), RegValue::Text("-1"));
}

TEST(RegValue, TextAndNumberForms) {
    EXPECT_EQ("-1", RegValue::Integer(-1).AsText());
    EXPECT_EQ("True", RegValue::Boolean(true).AsText());
    EXPECT_EQ("False", RegValue::Boolean(false).AsText());
    EXPECT_EQ(-1, RegValue::Boolean(true).AsInt32());
    EXPECT_EQ(42, RegValue::Text(" 42 ").AsInt32());
    // Halves go to the even neighbour.
    EXPECT_EQ(2, RegValue::Text("2.5").AsInt32());
    EXPECT_EQ(4, RegValue::Text("3.5").AsInt32());
    EXPECT_EQ(-2, RegValue::Text("-2.5").AsInt32());
    EXPECT_EQ(INT32_MIN, RegValue::Text("-2147483648").AsInt32());
    for (const char* bad : {"2147483648", "2147483647.5", "1e400", "", "12abc", "True"})
        EXPECT_EQ(std::nullopt, RegValue::Text(bad).AsInt32()) << '"' << bad << '"';
}

TEST(RegValue, Truth) {
    EXPECT_TRUE(RegValue::Integer(-1).IsTrue());
    EXPECT_FALSE(RegValue::Integer(0).IsTrue());
    EXPECT_TRUE(RegValue::Boolean(true).IsTrue());
    EXPECT_FALSE(RegValue::Boolean(false).IsTrue());
    for (const char* yes : {"True", "true", "  TRUE ", "-1", " 2 ", "0.5"})
        EXPECT_TRUE(RegValue::Text(yes).IsTrue()) << '"' << yes << '"';
    // A hand-edited value that means nothing is false, not an error.
    for (const char* no : {"False", " false", "0", "-0", "", "garbage", "Truex", "1 2", "0x1", "inf", "nan"})
        EXPECT_FALSE(RegValue::Text(no).IsTrue()) << '"' << no << '"';
}

TEST(RegValue, ParseNumberTakesOnlyAWholeDecimal) {
    EXPECT_EQ(12.5, ParseNumber(" +12.5\t"));
    EXPECT_EQ(0.25, ParseNumber(".25"));
    EXPECT_EQ(-300.0, ParseNumber("-3e2"));
    for (const char* bad : {"", "+", "-", ".", "1.2.3", "1,5", "- 1", "e5", "infinity"})
        EXPECT_EQ(std::nullopt, ParseNumber(bad)) << '"' << bad << '"';
}

}  // namespace
