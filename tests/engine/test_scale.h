#pragma once

#include <cstdlib>

namespace vork::test {

// Case counts of the randomized tests scale by VORK_TEST_SCALE (default 1), so that a
// sanitizer build can run a smaller share.
inline long Scaled(long count) {
    const char* s = std::getenv("VORK_TEST_SCALE");
    double factor = s ? std::atof(s) : 1.0;
    if (!(factor > 0.0)) factor = 1.0;
    return static_cast<long>(static_cast<double>(count) * factor) + 1;
}

}  // namespace vork::test
