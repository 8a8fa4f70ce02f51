#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/window_text.h"

namespace vork {

// The texts that switch to English when the window is activated in English mode; every other
// text stays as it is. The window caption comes first. Radio-group items are named
// "<group>/<position>".
extern const std::array<WindowText, 52> kControllerWindowTexts;

// The English text of `component`; empty when it has none.
std::string ControllerEnglishText(std::string_view component);

}  // namespace vork
