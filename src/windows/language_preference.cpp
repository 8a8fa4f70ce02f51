#include "windows/language_preference.h"

#include <optional>

#include "project/preferences.h"

namespace vork {

namespace {

void Write(const std::filesystem::path& folder, Language language, Desk& desk) {
    if (!WriteLanguagePreference(folder, language)) desk.Message(PreferencesWriteError(folder));
}

}  // namespace

std::string_view RestartMessage(Language chosen) {
    return chosen == Language::English ? "It is necessary restart application"
                                       : "É necessário reiniciar o aplicativo";
}

std::string PreferencesWriteError(const std::filesystem::path& folder) {
    return "Erro de entrada/saída: " + (folder / kPreferencesFileName).string();
}

Language StartupLanguage(const std::filesystem::path& folder, Desk& desk) {
    if (std::optional<Language> stored = ReadLanguagePreference(folder)) return *stored;
    Language answer =
        desk.Confirm(std::string(kLanguageQuestion)) ? Language::English : Language::Portuguese;
    Write(folder, answer, desk);
    return answer;
}

void ChooseLanguage(const std::filesystem::path& folder, Language current, Language chosen,
                    Desk& desk) {
    if (chosen == current) return;
    Write(folder, chosen, desk);
    desk.Message(std::string(RestartMessage(chosen)));
}

}  // namespace vork
