#pragma once
// The value that crosses the registry access layer: Empty, Text, Integer or (when
// writing) Boolean. Empty reads as "" in text, 0 in numbers and false in a truth test.
// No <windows.h>: this builds and tests anywhere.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RegValue {
public:
    enum class Kind { Empty, Text, Integer, Boolean };

    RegValue() = default;
    static RegValue Text(std::string text);
    static RegValue Integer(int32_t number);
    static RegValue Boolean(bool flag);

    Kind kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }

    // Text form: Empty -> "", Integer -> decimal, Boolean -> "True" / "False".
    std::string AsText() const;
    // Number form for a REG_DWORD: Empty -> 0, Boolean True -> -1, Text -> its number
    // when it reads as one in the 32-bit range; nothing when it does not.
    std::optional<int32_t> AsInt32() const;
    // Truth test: Integer and Boolean are true when not zero; Text is true for "True"
    // or a non-zero number, false for "False", zero, and any text that is neither.
    bool IsTrue() const;
    // Keeps a Text only up to its first NUL character; other kinds stay as they are.
    void CutAtFirstNul();

    bool operator==(const RegValue& other) const;
    // Text comparison, as the program compares a read value with a literal.
    bool operator==(std::string_view text) const { return AsText() == text; }

private:
    Kind kind_ = Kind::Empty;
    std::string text_;
    int32_t number_ = 0;
};

// Reads a whole text as a decimal number (blanks around it allowed); nothing otherwise.
std::optional<double> ParseNumber(std::string_view text);
