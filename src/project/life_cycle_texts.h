#pragma once

#include <string_view>

#include "engine/language.h"

// Texts of the project life cycle: the saved indicator `Salvar1` and the save prompts.
namespace vork {

// Image index of `Salvar1` in the menu image list: 0 while saved, 1 once modified.
constexpr int SavedIndicatorImage(bool saved) {
    return saved ? 0 : 1;
}

// Caption of `Salvar1`. The English saved caption carries an acute accent, not an apostrophe.
constexpr std::string_view SavedIndicatorCaption(bool saved, Language language) {
    if (language == Language::English) return saved ? "I´m saved!" : "Save me!";
    return saved ? "To salvo!" : "Salve me!";
}

// The question before New, Open and the example gallery when the project is modified.
constexpr std::string_view SavePromptText(Language language) {
    return language == Language::English ? "Save changes?" : "Salvar Alterações em Arquivo?";
}

// The question when the main window closes with unsaved changes: Portuguese in both languages.
constexpr std::string_view kClosePromptText = "Salvar Alterações em Arquivo?";

}  // namespace vork
