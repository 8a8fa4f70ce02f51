#pragma once

#include <cstdint>

namespace vork {

// A 32-bit colour value: lowest byte red, then green, then blue, top byte zero.
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 |
           static_cast<Colour>(blue) << 16;
}

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kLime = Rgb(0, 255, 0);

}  // namespace vork
