#include "engine/fast_fixed.h"

#include <cmath>
#include <cstdint>

namespace vork {

namespace {

constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
constexpr uint64_t kIntPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
constexpr int kMaxDecimals = 8;
// Adding and subtracting 1.5 * 2^52 rounds a value below 2^51 to an integer, ties to even.
constexpr double kRoundingConstant = 0x1.8p52;

// The integer nearest to the exact a * p. y = a * p rounded, y + error = a * p exactly. Below
// 2^51 every half-integer is a double, so y lies on the side of a midpoint that the exact product
// lies on unless y is the midpoint itself; the error then decides, and an exact tie goes to even.
double NearestScaled(double a, double p) {
    double y = a * p;
    double n = (y + kRoundingConstant) - kRoundingConstant;
    double d = y - n;
    if (d != 0.5 && d != -0.5) return n;
    double error = std::fma(a, p, -y);
    if (error > 0.0) return y + 0.5;
    if (error < 0.0) return y - 0.5;
    return n;
}

char* WriteDigits(uint64_t v, int minDigits, char* out) {
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (count < minDigits)
        digits[count++] = '0';
    while (count > 0)
        *out++ = digits[--count];
    return out;
}

}  // namespace

std::optional<size_t> FastFixed(double x, int decimals, char* out) {
    if (decimals < 0 || decimals > kMaxDecimals || !std::isfinite(x)) return std::nullopt;
    double a = std::fabs(x);
    if (!(a * kPow10[decimals] < 0x1p51)) return std::nullopt;
    auto n = static_cast<uint64_t>(NearestScaled(a, kPow10[decimals]));
    char* p = out;
    if (std::signbit(x)) *p++ = '-';
    p = WriteDigits(n / kIntPow10[decimals], 1, p);
    if (decimals > 0) {
        *p++ = '.';
        p = WriteDigits(n % kIntPow10[decimals], decimals, p);
    }
    return static_cast<size_t>(p - out);
}

}  // namespace vork
