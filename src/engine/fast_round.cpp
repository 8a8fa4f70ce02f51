#include "engine/fast_round.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/numbers.h"

namespace vork {

namespace {

// Every power up to 1E22 is exact in a double, so one multiplication or division by it is
// correctly rounded.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr double kPow5[] = {1.0,
                            5.0,
                            25.0,
                            125.0,
                            625.0,
                            3125.0,
                            15625.0,
                            78125.0,
                            390625.0,
                            1953125.0,
                            9765625.0,
                            48828125.0,
                            244140625.0,
                            1220703125.0,
                            6103515625.0,
                            30517578125.0,
                            152587890625.0,
                            762939453125.0,
                            3814697265625.0,
                            19073486328125.0,
                            95367431640625.0,
                            476837158203125.0,
                            2384185791015625.0};

// Binary exponents whose decimal exponent stays within -8..36 even after the one correction
// below, so that every scale factor is an exact power of ten.
constexpr int kMinBinary = -26;
constexpr int kMaxBinary = 121;

// A scaled value below 1E15 has an ulp of at most 1/8, so it is off by at most 1/16.
constexpr double kMaxScaleError = 0.0625;

// floor(log10(2^binary)) over the binaries handled on doubles.
constexpr auto kFloorLog10Pow2 = [] {
    std::array<int8_t, kMaxBinary - kMinBinary + 1> t{};
    for (int b = kMinBinary; b <= kMaxBinary; ++b) {
        double v = b * 0.30102999566398120;
        int i = static_cast<int>(v);
        t[b - kMinBinary] = static_cast<int8_t>(i - (v < i));
    }
    return t;
}();

// Adding and subtracting 1.5 * 2^52 rounds a value below 2^51 to an integer, ties to even.
constexpr double kRoundingConstant = 0x1.8p52;

// |x| * 10^(14 - e), rounded once.
double Scale(double a, int e) {
    return e <= 14 ? a * kPow10[14 - e] : a / kPow10[e - 14];
}

// Sign of the exact a * 10^(14 - e) - (f + 0.5), for a scaled value close to that midpoint.
int SideOfMidpoint(double a, int e, double y, double f) {
    if (e <= 14) {
        double error = std::fma(a, kPow10[14 - e], -y);  // a * p == y + error exactly
        double s = ((y - f) - 0.5) + error;
        return (s > 0) - (s < 0);
    }
    // a against (2f + 1) * 5^k * 2^(k - 1), k = e - 14, both sides scaled by 2^(1 - k).
    int k = e - 14;
    double odd = 2.0 * f + 1.0;
    double product = odd * kPow5[k];
    double error = std::fma(odd, kPow5[k], -product);
    double diff = std::ldexp(a, 1 - k) - product;  // exact: both sides are within a factor 2
    return (diff > error) - (diff < error);
}

// The 15-digit integer nearest to the exact scaled value, for a y within kMaxScaleError of a
// midpoint: ties to even, as the formatter rounds.
[[gnu::noinline, gnu::cold]] double RoundNearMidpoint(double a, int e, double y, double n) {
    double f = y < n ? n - 1.0 : n;
    int side = SideOfMidpoint(a, e, y, f);
    if (side == 0) side = std::fmod(f, 2.0) == 0.0 ? -1 : 1;
    return side > 0 ? f + 1.0 : f;
}

// Below this the doubles lie further apart than the 15-digit rounding moves a value, so the
// text reads back as the value itself.
constexpr double kDigitsExactBelow = 0x1p-1030;

[[gnu::noinline, gnu::cold]] double ThroughText(double x) {
    if (x == 0.0) return 0.0;
    if (std::fabs(x) < kDigitsExactBelow) return x;
    return Round15(x);
}

// Below 1.5E-8 the scale factor is no exact power of ten, so the scaled value is carried as an
// unevaluated sum hi + lo, exact to about 2^-100, and read back from its digits.
// Down to the smallest normal binary exponent: every partial product is then exact to far
// better than the midpoint margin, a subnormal part carrying an error of 2^-1075 at most.
// Subnormal inputs go through the text, the exponent estimate being off for them.
constexpr int kMinSmallBinary = -1022;
constexpr double kMidpointMargin = 1e-6;

struct Wide {
    double hi, lo;
};

// y * p for an exact power of ten p, renormalised.
Wide Times(Wide y, double p) {
    double h = y.hi * p;
    double l = std::fma(y.hi, p, -h) + y.lo * p;
    double sum = h + l;
    return {sum, l - (sum - h)};
}

Wide ScaleUp(double a, int k) {
    Wide y{a, 0.0};
    for (; k > 22; k -= 22)
        y = Times(y, kPow10[22]);
    return Times(y, kPow10[k]);
}

// n * 10^exponent, correctly rounded.
double FromDigits(double n, int exponent) {
    char buf[40];
    char* end = std::to_chars(buf, buf + 20, static_cast<uint64_t>(n)).ptr;
    *end++ = 'E';
    end = std::to_chars(end, buf + sizeof buf, exponent).ptr;
    double v = 0.0;
    std::from_chars(buf, end, v);
    return v;
}

// Above this binary exponent the correction below stays clear of the subnormal range.
constexpr int kMinCorrectedBinary = -960;
// The correction is exact to about 2^-43 ulp; a sum closer than this to a midpoint between
// doubles may round either way and goes through the text.
constexpr double kCorrectionMargin = 0x1p-30;

constexpr double kNegPow10[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};

// d * 10^-k to a relative error of a few ulps.
double ScaleDown(double d, int k) {
    for (; k > 22; k -= 22)
        d *= kNegPow10[22];
    return d * kNegPow10[k];
}

// The double nearest to n * 10^-k, where a * 10^k = y and n is y rounded: n * 10^-k lies
// within about 50 ulps of a, at a + (n - y) * 10^-k. Nothing when that sum falls too close to
// a midpoint between doubles for the correction's error.
std::optional<double> Corrected(double a, Wide y, double n, int k) {
    double delta = ScaleDown((n - y.hi) - y.lo, k);  // n - y.hi is exact
    double s = a + delta;
    double residual = delta - (s - a);  // s - a is exact: s and a are within a factor 2
    uint64_t bits = std::bit_cast<uint64_t>(s);
    double neighbour = std::bit_cast<double>(residual > 0 ? bits + 1 : bits - 1);
    double half = 0.5 * std::fabs(neighbour - s);
    if (std::fabs(std::fabs(residual) - half) < half * kCorrectionMargin) return std::nullopt;
    return s;
}

[[gnu::noinline]] double RoundSmall(double x, double a, int binary) {
    int e = static_cast<int>(std::floor(binary * 0.30102999566398120));
    Wide y = ScaleUp(a, 14 - e);
    if (y.hi >= 1e15) y = ScaleUp(a, 14 - ++e);
    double n = (y.hi + kRoundingConstant) - kRoundingConstant;
    double offset = (y.hi - n) + y.lo;  // y.hi - n is exact: both lie within 2^50, ulp 1/8
    if (std::fabs(std::fabs(offset) - 0.5) < kMidpointMargin) return ThroughText(x);
    // hi alone may round the other way when lo moves the value across the midpoint.
    if (offset > 0.5) n += 1.0;
    if (offset < -0.5) n -= 1.0;
    std::optional<double> corrected;
    if (binary >= kMinCorrectedBinary) corrected = Corrected(a, y, n, 14 - e);
    double v = corrected ? *corrected : FromDigits(n, e - 14);
    return x < 0 ? -v : v;
}

}  // namespace

double FastRound15(double x) {
    double a = std::fabs(x);
    int binary = static_cast<int>(std::bit_cast<uint64_t>(a) >> 52) - 1023;
    if (binary < kMinBinary && binary >= kMinSmallBinary) return RoundSmall(x, a, binary);
    if (binary < kMinBinary || binary > kMaxBinary) return ThroughText(x);
    // The estimate is the true decimal exponent or one below it.
    int e = kFloorLog10Pow2[binary - kMinBinary];
    double y = Scale(a, e);
    if (y >= 1e15) y = Scale(a, ++e);
    double n = (y + kRoundingConstant) - kRoundingConstant;
    // The exact value is within kMaxScaleError of y, so away from a midpoint y rounds alike.
    if (std::fabs(y - n) >= 0.5 - kMaxScaleError) n = RoundNearMidpoint(a, e, y, n);
    double v = e >= 14 ? n * kPow10[e - 14] : n / kPow10[14 - e];
    return x < 0 ? -v : v;
}

}  // namespace vork
