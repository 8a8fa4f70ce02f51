#pragma once

#include <array>

#include "engine/window_text.h"

namespace vork {

// The texts of the about box and start-up window (its small form).
inline constexpr std::array<WindowText, 2> kAboutBoxTexts = {{
    {"caption", "Sobre", "Sobre"},
    {"BotaoFechar", "Fechar", "Close"},
}};

}  // namespace vork
