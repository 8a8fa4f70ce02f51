#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "engine/language.h"

namespace vork {

// The preferences file "preferences.cfg" in the start folder: one line naming the language.
constexpr std::string_view kPreferencesFileName = "preferences.cfg";

// English exactly when the line holds the word English (case-sensitive, anywhere).
Language LanguageOfPreferenceLine(std::string_view firstLine);

// The language the preferences file in `folder` names; nothing when there is no such file.
std::optional<Language> ReadLanguagePreference(const std::filesystem::path& folder);

// The file's one line: "<language> English" or "<language> Portuguese".
std::string_view PreferenceLine(Language language);

// Rewrites the preferences file in `folder` whole; false when it could not be written.
bool WriteLanguagePreference(const std::filesystem::path& folder, Language language);

}  // namespace vork
