#pragma once

#include <string>
#include <vector>

#include "engine/language.h"

namespace vork {

// Signal types by their position in a channel's type selector.
enum class SignalType {
    Constant100,
    Constant01,
    FastRandom,
    MediumRandom,
    SlowRandom,
    Sine,
    RandomWalk,
    Equation,
    Ln,
    Exp
};

// How a channel's row is arranged for its type.
struct ChannelRowLayout {
    bool upDown = false;    // MnnUpDown arrows
    bool valorDig = false;  // MnnValorDig 0/1 radio group
    bool minMax = false;    // MnnMin and MnnMax fields
    bool valorVisible = true;
    bool valorReadOnly = false;  // shows the current output
    bool valorWide = false;      // holds an expression
};

// Guiding texts put into a row's fields after a type change; nullptr leaves a field as it is.
struct ChannelGuides {
    const char* desc = nullptr;
    const char* min = nullptr;
    const char* max = nullptr;
    const char* valor = nullptr;
};

// Texts of the generator window that depend on the language.
struct GeneratorWindowTexts {
    const char* caption;
    const char* menuItem;
    const char* Button1;
    const char* SairButton;
};

// Entries of the type selector of `channel` (1..16) in the given language.
std::vector<std::string> TypeEntries(int channel, Language language);

// The variable description a type change writes; the same in both languages.
const char* TypeDescription(SignalType type);

ChannelRowLayout RowLayout(SignalType type);
ChannelGuides Guides(SignalType type);
GeneratorWindowTexts GeneratorTexts(Language language);

inline constexpr const char* kGeneratorHelpPage = "/?page_id=70/#gerador_sinais";

}  // namespace vork
