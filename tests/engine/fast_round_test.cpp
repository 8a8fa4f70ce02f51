#include "engine/fast_round.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "engine/numbers.h"
#include "test_scale.h"

namespace vork {
namespace {

uint64_t Bits(double x) {
    return std::bit_cast<uint64_t>(x);
}

std::string Hex(double x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%a", x);
    return buf;
}

// Compares with the text round trip; returns false (and reports) on the first difference.
bool Same(double x) {
    double fast = FastRound15(x);
    double text = Round15(x);
    if (Bits(fast) == Bits(text)) return true;
    ADD_FAILURE() << "x = " << Hex(x) << " (" << SciText(x) << "): fast " << Hex(fast) << ", text "
                  << Hex(text);
    return false;
}

TEST(FastRound15, SpecialValues) {
    constexpr double kMax = std::numeric_limits<double>::max();
    for (double x : {0.0,
                     -0.0,
                     1.0,
                     -1.0,
                     50.0,
                     1.0 / 3.0,
                     kMax,
                     -kMax,
                     std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::denorm_min(),
                     std::numeric_limits<double>::min(),
                     1e-8,
                     1.5e-8,
                     2.6e36,
                     1e37,
                     1e15,
                     999999999999999.5,
                     99999999999999.95,
                     0.1,
                     0.3,
                     9999.0})
        Same(x);
    EXPECT_EQ(FastRound15(1.0 / 3.0), 0.333333333333333);
    EXPECT_EQ(FastRound15(-2.0 / 3.0), -0.666666666666667);
}

TEST(FastRound15, ExactTiesGoToEven) {
    // 16-digit integers ending in 5 are exact doubles and exact ties.
    EXPECT_EQ(FastRound15(1234567890123455.0), 1234567890123460.0);
    EXPECT_EQ(FastRound15(1234567890123445.0), 1234567890123440.0);
    EXPECT_EQ(FastRound15(100000000000000.5), 100000000000000.0);
    EXPECT_EQ(FastRound15(100000000000001.5), 100000000000002.0);
    Same(1234567890123455.0);
    Same(std::ldexp(246913578024691.0, -1));  // 123456789012345.5
}

// Random doubles over the whole range and every awkward neighbourhood: raw bit patterns
// (subnormals, huge values, NaN, infinities), log-uniform values, powers of ten, exact
// decimal ties m * 5^j / 2^j and the doubles next to printed 16-digit ties.
TEST(FastRound15, EqualsTheTextRoundTrip) {
    std::mt19937_64 rng(20240611);
    auto unit = [&]() { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };
    long n = test::Scaled(1000000);
    long failures = 0;
    for (long i = 0; i < n && failures < 10; ++i) {
        double x = 0.0;
        switch (i % 6) {
            case 0:
                x = std::bit_cast<double>(rng());
                break;
            case 1:
                x = std::pow(10.0, -330.0 + 640.0 * unit()) * (rng() & 1 ? -1 : 1);
                break;
            case 2:
                x = std::pow(10.0, -10.0 + 50.0 * unit());
                break;
            case 3: {
                // m odd and m * 5^j of 16 digits: m / 2^j has 16 digits ending in 5.
                int j = 1 + static_cast<int>(rng() % 22);
                double low = std::ceil(1e15 / std::pow(5.0, j));
                double m = low + std::floor(unit() * 8e15 / std::pow(5.0, j));
                if (std::fmod(m, 2.0) == 0.0) m += 1.0;
                x = std::ldexp(m, -j);
                break;
            }
            case 4: {
                char text[48];
                std::snprintf(text, sizeof text, "%015llu5E%d",
                              static_cast<unsigned long long>(rng() % 1000000000000000ULL),
                              static_cast<int>(rng() % 80) - 40);
                x = std::nextafter(ParseLenient(text), rng() & 1 ? 1e300 : -1e300);
                if (rng() & 1) x = ParseLenient(text);
                break;
            }
            default:
                x = std::pow(10.0, static_cast<int>(rng() % 60) - 20);
                for (long k = static_cast<long>(rng() % 5); k > 0; --k)
                    x = std::nextafter(x, rng() & 1 ? 1e300 : 0.0);
                break;
        }
        if (!Same(x)) ++failures;
    }
}

// Below 1.5E-8 the digits are read back by a correction from the input: log-uniform values,
// 15-digit decimals (already rounded) and their neighbours, 16-digit ties and their neighbours,
// from the smallest normal exponent past the one where the correction hands over to reading
// the digits back, and subnormals.
TEST(FastRound15, SmallValuesEqualTheTextRoundTrip) {
    std::mt19937_64 rng(20240612);
    auto unit = [&]() { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };
    long n = test::Scaled(600000);
    long failures = 0;
    for (long i = 0; i < n && failures < 10; ++i) {
        double x = 0.0;
        int exponent = -322 + static_cast<int>(rng() % 314);
        char text[48];
        switch (i % 5) {
            case 0:
                x = std::pow(10.0, -310.0 + 302.0 * unit());
                break;
            case 1:
                std::snprintf(text, sizeof text, "%015lluE%d",
                              static_cast<unsigned long long>(rng() % 1000000000000000ULL),
                              exponent);
                x = ParseLenient(text);
                break;
            case 2:
                std::snprintf(text, sizeof text, "%015llu5E%d",
                              static_cast<unsigned long long>(rng() % 1000000000000000ULL),
                              exponent);
                x = ParseLenient(text);
                break;
            case 3:
                x = std::ldexp(1.0 + unit(), -1022 + static_cast<int>(rng() % 70));
                break;
            default:
                // Subnormals, from a few multiples of the smallest up to the normal range.
                x = std::bit_cast<double>(rng() % 2 ? rng() % 4096 : rng() >> 12);
                break;
        }
        for (long k = static_cast<long>(rng() % 3); k > 0; --k)
            x = std::nextafter(x, rng() & 1 ? 1.0 : 0.0);
        if (rng() & 1) x = -x;
        if (!Same(x)) ++failures;
    }
}

}  // namespace
}  // namespace vork
