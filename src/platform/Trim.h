#pragma once
// Text cut at both ends. No <windows.h>.
#include <cctype>
#include <string>
#include <string_view>

// Blanks only: a tab or a line end at an end of a message or a name is part of it.
inline std::string_view TrimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

inline std::string Trimmed(std::string_view text) { return std::string(TrimBlanks(text)); }

// Every kind of white space, for reading a number, date or time another writer left.
inline std::string_view TrimWhiteSpace(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}
