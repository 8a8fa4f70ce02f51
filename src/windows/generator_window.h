#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/signal_generator.h"

namespace vork {

class Project;

// The texts that switch to English with the interface language; the caption stays Portuguese.
extern const std::array<WindowText, 2> kGeneratorWindowTexts;
// The entries of the type selectors by position; a channel offers the first TypeCount of them.
extern const std::array<WindowText, 10> kSignalTypeItems;

inline constexpr const char* kGeneratorHelpPage = "/?page_id=70/#gerador_sinais";

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

// The signal generator's window (TParmForm): 16 rows, one per channel 1..16, for M81..M96.
class GeneratorWindow {
  public:
    explicit GeneratorWindow(Project& project) : project_(project) {}

    // Entries of channel k's type selector in `language`.
    static std::vector<std::string> TypeEntries(int channel, Language language);
    static ChannelRowLayout RowLayout(SignalType type);
    static ChannelGuides Guides(SignalType type);

    const SignalGenerator& generator() const;
    const GeneratorChannelFields& fields(int k) const { return generator().channel(k).fields; }
    ChannelRowLayout rowLayout(int k) const;
    // MnnValor as shown: the output of a random, sine or random-walk channel with two decimals,
    // current in batch mode too.
    std::string valueText(int k) const { return generator().ValorText(k); }
    // The language of the type entries and of the texts of kGeneratorWindowTexts: the English
    // switch sets them once, at start-up.
    Language textLanguage() const;

    // A key press waits for Apply: Button1 is enabled while it does.
    bool applyPending = false;

    // A key press in channel k's text, minimum, maximum or value field.
    void Edit(int k, const std::function<void(GeneratorChannelFields&)>& edit);
    // Selecting `type` in channel k's selector: the row is arranged for it and its fields take
    // the guiding texts. A type the channel does not offer changes nothing.
    void ChangeType(int k, int type);
    // Button1 ("Atualiza"): applies every channel through the project, which marks it modified.
    void Apply();
    // Enter in a field: applies without marking the project modified.
    void EnterPressed();
    // The arrow buttons of channel k moved to `position` (0..100): the value field follows, then
    // the generator is applied.
    void ArrowClicked(int k, int position);
    // The radio group of channel k set to `entry` (0 or 1), then the generator is applied.
    void RadioClicked(int k, int entry);
    // SairButton or closing the window: marks the project modified and applies.
    void Close() { Apply(); }

  private:
    // Changes the generator through the project, without marking it modified.
    void Operate(const std::function<void(SignalGenerator&)>& action);

    Project& project_;
};

}  // namespace vork
