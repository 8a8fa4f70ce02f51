#include "project/preferences.h"

#include <fstream>
#include <string>

namespace vork {

Language LanguageOfPreferenceLine(std::string_view firstLine) {
    return firstLine.find("English") != std::string_view::npos ? Language::English
                                                               : Language::Portuguese;
}

std::optional<Language> ReadLanguagePreference(const std::filesystem::path& folder) {
    std::ifstream in(folder / kPreferencesFileName, std::ios::binary);
    if (!in) return std::nullopt;
    std::string line;
    std::getline(in, line);
    return LanguageOfPreferenceLine(line);
}

std::string_view PreferenceLine(Language language) {
    return language == Language::English ? "<language> English" : "<language> Portuguese";
}

bool WriteLanguagePreference(const std::filesystem::path& folder, Language language) {
    std::ofstream out(folder / kPreferencesFileName, std::ios::binary | std::ios::trunc);
    out << PreferenceLine(language) << "\r\n";
    out.close();
    return !out.fail();
}

}  // namespace vork
