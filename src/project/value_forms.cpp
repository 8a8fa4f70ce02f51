#include "project/value_forms.h"

#include <limits>

#include "engine/numbers.h"

namespace vork {

std::string IntegerText(int value) {
    return std::to_string(value);
}

int ReadInteger(std::string_view text) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return 0;
    bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= kLimit) value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = negative ? kLimit + 1 : kLimit;
    return static_cast<int>(negative ? -value : value);
}

std::string CapsFlag(bool value) {
    return value ? "TRUE" : "FALSE";
}

bool ReadCapsFlag(std::string_view text) {
    return text == "TRUE";
}

std::string WordFlag(bool value) {
    return value ? "True" : "False";
}

bool ReadWordFlag(std::string_view text) {
    return text == "True";
}

double ReadReal(std::string_view text) {
    return ParseLenient(text);
}

std::string LanguagePart(std::string_view text, Language language) {
    size_t bar = text.find('|');
    if (bar == std::string_view::npos) return std::string(text);
    return std::string(language == Language::English ? text.substr(bar + 1) : text.substr(0, bar));
}

}  // namespace vork
