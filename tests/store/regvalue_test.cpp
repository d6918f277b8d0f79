#include <gtest/gtest.h>

#include "store/RegValue.h"

namespace {

TEST(RegValue, EmptyIsBlankZeroAndFalse) {
    RegValue empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ("", empty.AsText());
    EXPECT_EQ(0, empty.AsInt32());
    EXPECT_FALSE(empty.IsTrue());
    EXPECT_TRUE(empty == "");
    EXPECT_FALSE(empty == "0");
}

TEST(RegValue, TextFormsOfEachKind) {
    EXPECT_EQ("-1", RegValue::Integer(-1).AsText());
    EXPECT_EQ("2147483647", RegValue::Integer(INT32_MAX).AsText());
    EXPECT_EQ("True", RegValue::Boolean(true).AsText());
    EXPECT_EQ("False", RegValue::Boolean(false).AsText());
    EXPECT_TRUE(RegValue::Text("MSG:Call home") == "MSG:Call home");
}

TEST(RegValue, TruthOfNumbersAndBooleans) {
    EXPECT_TRUE(RegValue::Integer(-1).IsTrue());
    EXPECT_TRUE(RegValue::Integer(1).IsTrue());
    EXPECT_FALSE(RegValue::Integer(0).IsTrue());
    EXPECT_TRUE(RegValue::Boolean(true).IsTrue());
    EXPECT_FALSE(RegValue::Boolean(false).IsTrue());
}

TEST(RegValue, TruthOfText) {
    for (const char* yes : {"True", "true", "TRUE", "  True ", "-1", " 2 ", "0.5", "1e3"})
        EXPECT_TRUE(RegValue::Text(yes).IsTrue()) << '"' << yes << '"';
    // A hand-edited value that means nothing is false rather than an error.
    for (const char* no : {"False", "false", " FALSE", "0", "0.0", "-0", "", "   ", "garbage", "T", "Truex",
                           "1 2", "0x1", "inf", "nan"})
        EXPECT_FALSE(RegValue::Text(no).IsTrue()) << '"' << no << '"';
}

TEST(RegValue, TextToNumberRoundsHalvesToEven) {
    EXPECT_EQ(42, RegValue::Text(" 42 ").AsInt32());
    EXPECT_EQ(-7, RegValue::Text("-7").AsInt32());
    EXPECT_EQ(2, RegValue::Text("2.5").AsInt32());
    EXPECT_EQ(4, RegValue::Text("3.5").AsInt32());
    EXPECT_EQ(-2, RegValue::Text("-2.5").AsInt32());
    EXPECT_EQ(3, RegValue::Text("2.51").AsInt32());
    EXPECT_EQ(-1, RegValue::Boolean(true).AsInt32());
    EXPECT_EQ(0, RegValue::Boolean(false).AsInt32());
}

TEST(RegValue, TextToNumberRefusesWhatDoesNotFit) {
    EXPECT_EQ(INT32_MAX, RegValue::Text("2147483647").AsInt32());
    EXPECT_EQ(INT32_MIN, RegValue::Text("-2147483648").AsInt32());
    EXPECT_EQ(std::nullopt, RegValue::Text("2147483648").AsInt32());
    EXPECT_EQ(std::nullopt, RegValue::Text("2147483647.5").AsInt32());
    EXPECT_EQ(std::nullopt, RegValue::Text("-2147483649").AsInt32());
    EXPECT_EQ(std::nullopt, RegValue::Text("1e400").AsInt32());
    EXPECT_EQ(std::nullopt, RegValue::Text("").AsInt32());
    EXPECT_EQ(std::nullopt, RegValue::Text("12abc").AsInt32());
    EXPECT_EQ(std::nullopt, RegValue::Text("True").AsInt32());
}

TEST(RegValue, ParseNumberTakesOnlyAWholeDecimal) {
    EXPECT_EQ(12.5, ParseNumber(" +12.5\t"));
    EXPECT_EQ(0.25, ParseNumber(".25"));
    EXPECT_EQ(-300.0, ParseNumber("-3e2"));
    for (const char* bad : {"", " ", "+", "-", ".", "1.2.3", "1,5", "- 1", "e5", "infinity", "12 ab"})
        EXPECT_EQ(std::nullopt, ParseNumber(bad)) << '"' << bad << '"';
}

TEST(RegValue, EqualityBetweenValues) {
    EXPECT_EQ(RegValue::Text("a"), RegValue::Text("a"));
    EXPECT_NE(RegValue::Text("a"), RegValue::Text("A"));
    EXPECT_EQ(RegValue::Integer(-1), RegValue::Integer(-1));
    EXPECT_NE(RegValue::Integer(1), RegValue::Integer(2));
    EXPECT_NE(RegValue::Integer(-1), RegValue::Text("-1"));
    EXPECT_NE(RegValue::Boolean(true), RegValue::Integer(-1));
    // Empty matches the blank text and zero, from either side.
    EXPECT_EQ(RegValue(), RegValue());
    EXPECT_EQ(RegValue(), RegValue::Text(""));
    EXPECT_EQ(RegValue::Integer(0), RegValue());
    EXPECT_NE(RegValue(), RegValue::Text(" "));
    EXPECT_NE(RegValue(), RegValue::Integer(1));
    EXPECT_NE(RegValue(), RegValue::Boolean(false));
}

TEST(RegValue, CutAtFirstNulTouchesOnlyText) {
    RegValue v = RegValue::Text(std::string("ab\0cd", 5));
    v.CutAtFirstNul();
    EXPECT_EQ("ab", v.AsText());
    RegValue n = RegValue::Integer(5);
    n.CutAtFirstNul();
    EXPECT_EQ(RegValue::Integer(5), n);
}

}  // namespace
