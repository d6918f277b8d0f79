#pragma once
// Blanks (spaces, tabs, line ends) cut from both ends of a text. No <windows.h>.
#include <cctype>
#include <string>
#include <string_view>

inline std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

inline std::string Trimmed(std::string_view text) { return std::string(TrimBlanks(text)); }
