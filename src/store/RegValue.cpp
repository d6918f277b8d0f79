#include "store/RegValue.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/Trim.h"

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

RegValue RegValue::Text(std::string text) {
    RegValue v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(text);
    return v;
}

RegValue RegValue::Integer(int32_t number) {
    RegValue v;
    v.kind_ = Kind::Integer;
    v.number_ = number;
    return v;
}

RegValue RegValue::Boolean(bool flag) {
    RegValue v;
    v.kind_ = Kind::Boolean;
    v.number_ = flag ? -1 : 0;
    return v;
}

std::string RegValue::AsText() const {
    switch (kind_) {
    case Kind::Empty: return {};
    case Kind::Text: return text_;
    case Kind::Integer: return std::to_string(number_);
    case Kind::Boolean: return number_ ? "True" : "False";
    }
    return {};
}

std::optional<int32_t> RegValue::AsInt32() const {
    if (kind_ != Kind::Text) return number_;  // Empty holds 0, Boolean -1 or 0
    std::optional<double> number = ParseNumber(text_);
    if (!number) return std::nullopt;
    // Halves go to the even neighbour, as a classic long conversion does.
    double rounded = std::nearbyint(*number);
    if (rounded < INT32_MIN || rounded > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(rounded);
}

bool RegValue::IsTrue() const {
    if (kind_ != Kind::Text) return number_ != 0;
    std::string_view word = TrimWhiteSpace(text_);
    if (EqualsIgnoringCase(word, "True")) return true;
    if (EqualsIgnoringCase(word, "False")) return false;
    // A hand-edited value that is neither word nor number must not stop the caller.
    std::optional<double> number = ParseNumber(word);
    return number && *number != 0;
}

void RegValue::CutAtFirstNul() {
    if (kind_ != Kind::Text) return;
    size_t nul = text_.find('\0');
    if (nul != std::string::npos) text_.resize(nul);
}

bool RegValue::operator==(const RegValue& other) const {
    if (kind_ == other.kind_) return text_ == other.text_ && number_ == other.number_;
    const RegValue& empty = kind_ == Kind::Empty ? *this : other;
    const RegValue& full = kind_ == Kind::Empty ? other : *this;
    if (empty.kind_ != Kind::Empty) return false;
    return (full.kind_ == Kind::Text && full.text_.empty()) ||
           (full.kind_ == Kind::Integer && full.number_ == 0);
}

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimWhiteSpace(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; a number here starts with a digit or a point.
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
        return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}
