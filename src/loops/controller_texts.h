#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vork {

// A text of the controller window in both interface languages.
struct ControllerWindowText {
    const char* component;  // control name; "caption" for the window, "hint:<control>" for hints
    const char* portuguese;
    const char* english;
};

// The texts that switch to English when the window is activated in English mode; every other
// text stays as it is. The window caption comes first. Radio-group items are named
// "<group>/<position>".
extern const std::array<ControllerWindowText, 52> kControllerWindowTexts;

// The English text of `component`; empty when it has none.
std::string ControllerEnglishText(std::string_view component);

}  // namespace vork
