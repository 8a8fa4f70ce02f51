#include "engine/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "engine/fast_fixed.h"
#include "engine/fast_round.h"

namespace vork {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The largest value with 15 significant digits that is still a finite double; an overflowing
// result is written as this instead of an infinity that no text could carry.
constexpr double kLargest15 = 1.79769313486231e308;

}  // namespace

size_t NumberBodyLength(std::string_view text, size_t start) {
    size_t i = start;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i - start;
}

double ParseLenient(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    size_t len = NumberBodyLength(text, i);
    if (len == 0) return 0.0;
    std::string_view body = text.substr(i, len);
    double value = 0.0;
    if (std::from_chars(body.data(), body.data() + len, value).ec != std::errc()) {
        // Out of range: strtod gives 0 or a denormal for tiny values, an infinity for huge ones,
        // which is carried as the same 15-digit value as an overflowing result.
        value = std::strtod(std::string(body).c_str(), nullptr);
        if (std::isinf(value)) value = kLargest15;
    }
    return negative ? -value : value;
}

std::optional<double> ParseWholeNumber(std::string_view text) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    if (text[i] == '+' || text[i] == '-') ++i;
    size_t body = NumberBodyLength(text, i);
    if (body == 0) return std::nullopt;
    if (text.find_first_not_of(' ', i + body) != std::string_view::npos) return std::nullopt;
    return ParseLenient(text);
}

std::optional<int> ParseStrictInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

std::string ConversionMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

double RoundHalfEven(double x) {
    return std::nearbyint(x);
}

long long RoundDecimalQuotient(double x) {
    return static_cast<long long>(RoundHalfEven(FastRound15(x)));
}

std::string Fixed(double x, int decimals, int width) {
    char digits[32];
    std::optional<size_t> n = width >= 0 ? FastFixed(x, decimals, digits) : std::nullopt;
    if (n) {
        size_t pad = static_cast<size_t>(width) > *n ? width - *n : 0;
        std::string text(pad, ' ');
        text.append(digits, *n);
        return text;
    }
    char buf[400];
    std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, x);
    return buf;
}

std::string SciText(double x) {
    if (std::isnan(x)) x = 0.0;
    if (x > kLargest15) x = kLargest15;
    if (x < -kLargest15) x = -kLargest15;
    char buf[40];
    // "%.14E" rounds the mantissa to 15 significant digits, to nearest.
    std::snprintf(buf, sizeof buf, "%.14E", std::abs(x));
    // buf is "d.ddddddddddddddE+xx" (or 3 exponent digits).
    std::string mantissa(buf, 16);
    char expSign = buf[17];
    int exponent = std::atoi(buf + 18);
    char out[24];
    std::snprintf(out, sizeof out, "%c%sE%c%04d", std::signbit(x) && x != 0.0 ? '-' : ' ',
                  mantissa.c_str(), expSign, exponent);
    return out;
}

double Round15(double x) {
    return ParseLenient(SciText(x));
}

std::string ShortestText(double x) {
    char buf[128];
    // Fixed notation in the range people read as plain numbers (5000000000000, 0.001), the
    // shortest scientific form outside it.
    double a = std::abs(x);
    bool plain = a == 0.0 || (a >= 1e-6 && a < 1e21);
    auto result = plain ? std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed)
                        : std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    return std::string(buf, result.ptr);
}

}  // namespace vork
