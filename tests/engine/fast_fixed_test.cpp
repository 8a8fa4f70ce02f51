#include "engine/fast_fixed.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "engine/numbers.h"
#include "test_scale.h"

namespace vork {
namespace {

std::string Printf(double x, int decimals, int width) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, x);
    return buf;
}

bool Same(double x, int decimals, int width = 0) {
    std::string fast = Fixed(x, decimals, width);
    std::string text = Printf(x, decimals, width);
    if (fast == text) return true;
    ADD_FAILURE() << "x = " << ShortestText(x) << ", " << decimals << " decimals, width " << width
                  << ": fast '" << fast << "', printf '" << text << "'";
    return false;
}

TEST(FastFixed, SignsTiesAndLimits) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (double x : {0.0,
                     -0.0,
                     -0.001,
                     0.004999,
                     0.005,
                     0.015,
                     0.125,
                     0.375,
                     2.5,
                     3.5,
                     -2.5,
                     1.005,
                     99.995,
                     1e-300,
                     4503599627370495.5,
                     4503599627370496.0,
                     1e15,
                     1e300,
                     -1e300,
                     kInf,
                     -kInf,
                     std::numeric_limits<double>::quiet_NaN()})
        for (int d = 0; d <= 9; ++d)
            Same(x, d);
    Same(-0.0, 2, 6);
    Same(12.345, 2, 2);
    Same(-12.345, 4, 12);
    Same(-12.345, 2, -9);  // left-aligned, as the formatter does
    char out[32];
    EXPECT_FALSE(FastFixed(1.0, 9, out));
    EXPECT_FALSE(FastFixed(1.0, -1, out));
    EXPECT_FALSE(FastFixed(1e15, 2, out));
    ASSERT_TRUE(FastFixed(0.125, 2, out));
    EXPECT_EQ(std::string(out, 4), "0.12");  // an exact tie goes to even
}

// Values a plant produces (percent, engineering units), exact ties k / 2^j and the doubles
// next to printed midpoints, at every decimal count the objects use.
TEST(FastFixed, EqualsPrintf) {
    std::mt19937_64 rng(7);
    auto unit = [&]() { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };
    long n = test::Scaled(400000);
    long failures = 0;
    for (long i = 0; i < n && failures < 10; ++i) {
        int d = static_cast<int>(rng() % 9);
        double x = 0.0;
        switch (i % 4) {
            case 0:
                x = (unit() - 0.2) * 300.0;
                break;
            case 1:
                x = std::pow(10.0, -6.0 + 20.0 * unit()) * (rng() & 1 ? -1 : 1);
                break;
            case 2:
                x = std::ldexp(static_cast<double>(rng() % 100000000),
                               -static_cast<int>(rng() % 12));
                break;
            default: {
                char text[48];
                std::snprintf(text, sizeof text, "%llu.%0*llu5",
                              static_cast<unsigned long long>(rng() % 100000), d,
                              static_cast<unsigned long long>(rng() % 100000000) %
                                  static_cast<unsigned long long>(std::pow(10, d)));
                x = std::nextafter(ParseLenient(text), rng() & 1 ? 1e300 : -1e300);
                if (rng() & 1) x = ParseLenient(text);
                break;
            }
        }
        if (!Same(x, d, static_cast<int>(rng() % 10))) ++failures;
    }
}

}  // namespace
}  // namespace vork
