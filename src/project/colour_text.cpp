#include "project/colour_text.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace vork {

namespace {

struct NamedColour {
    std::string_view name;
    Colour colour;
};

constexpr std::array<NamedColour, 20> kNamed = {{
    {"clBlack", Rgb(0, 0, 0)},
    {"clMaroon", Rgb(128, 0, 0)},
    {"clGreen", Rgb(0, 128, 0)},
    {"clOlive", Rgb(128, 128, 0)},
    {"clNavy", Rgb(0, 0, 128)},
    {"clPurple", Rgb(128, 0, 128)},
    {"clTeal", Rgb(0, 128, 128)},
    {"clGray", Rgb(128, 128, 128)},
    {"clSilver", Rgb(192, 192, 192)},
    {"clRed", Rgb(255, 0, 0)},
    {"clLime", Rgb(0, 255, 0)},
    {"clYellow", Rgb(255, 255, 0)},
    {"clBlue", Rgb(0, 0, 255)},
    {"clFuchsia", Rgb(255, 0, 255)},
    {"clAqua", Rgb(0, 255, 255)},
    {"clWhite", Rgb(255, 255, 255)},
    {"clMoneyGreen", Rgb(192, 220, 192)},
    {"clSkyBlue", Rgb(166, 202, 240)},
    {"clCream", Rgb(255, 251, 240)},
    {"clMedGray", Rgb(160, 160, 164)},
}};

}  // namespace

std::string ColourText(Colour colour) {
    for (const NamedColour& named : kNamed)
        if (named.colour == colour) return std::string(named.name);
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(colour));
    return buf;
}

std::optional<Colour> ParseColour(std::string_view text) {
    for (const NamedColour& named : kNamed)
        if (named.name == text) return named.colour;
    if (text.size() != 9 || text[0] != '$') return std::nullopt;
    Colour value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data() + 1, end, value, 16);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace vork
