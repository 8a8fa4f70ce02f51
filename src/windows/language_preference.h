#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/language.h"
#include "windows/desk.h"

namespace vork {

// The question of the first start, when the start folder holds no preferences file.
constexpr std::string_view kLanguageQuestion =
    "Portuguese is the current language. Do you wish to convert to english? (Converter textos "
    "inglês?)";

// The message after a language was chosen in the menu, in the chosen language.
std::string_view RestartMessage(Language chosen);

// The message when the preferences file cannot be written.
std::string PreferencesWriteError(const std::filesystem::path& folder);

// The language of the start-up: the one the preferences file in `folder` names; without a
// file, the user's answer to the language question, written to a new file.
Language StartupLanguage(const std::filesystem::path& folder, Desk& desk);

// A language chosen in the menu while `current` is in force: a different one is written to the
// preferences file and takes effect at the next start, as the message says. The interface
// keeps its language until then.
void ChooseLanguage(const std::filesystem::path& folder, Language current, Language chosen,
                    Desk& desk);

}  // namespace vork
