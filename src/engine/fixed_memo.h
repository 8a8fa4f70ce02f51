#pragma once

#include <bit>
#include <cstdint>
#include <string>

#include "engine/numbers.h"

namespace vork {

// Fixed of the last value asked for, kept so that a text refreshed on every tick with an
// unchanged value is copied instead of formatted again. Fixed depends on its arguments alone,
// so the copy is the text Fixed would give.
class FixedMemo {
  public:
    const std::string& Of(double x, int decimals, int width = 0) {
        uint64_t bits = std::bit_cast<uint64_t>(x);
        if (!valid_ || bits != bits_ || decimals != decimals_ || width != width_) {
            text_ = Fixed(x, decimals, width);
            bits_ = bits;
            decimals_ = decimals;
            width_ = width;
            valid_ = true;
        }
        return text_;
    }

  private:
    bool valid_ = false;
    uint64_t bits_ = 0;
    int decimals_ = 0;
    int width_ = 0;
    std::string text_;
};

}  // namespace vork
