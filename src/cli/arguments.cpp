#include "cli/arguments.h"

#include <charconv>

namespace vork::cli {

std::optional<uint64_t> ParseSeed(const std::string& text) {
    uint64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace vork::cli
