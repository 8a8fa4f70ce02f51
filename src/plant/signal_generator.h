#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/compiled_field.h"
#include "engine/fixed_memo.h"
#include "plant/addresses.h"
#include "plant/signal_generator_texts.h"

namespace vork {

class Simulation;

// One row of the generator window, as typed (MnnTipo, MnnDesc, ... for nn = 80 + channel).
struct GeneratorChannelFields {
    int Tipo = 0;                    // position in the type selector
    std::string Desc = "Descrição";  // description, or the time constant, period or range
    std::string Min;                 // minimum or initial value (channels 1..10)
    std::string Max;                 // maximum or gain (channels 1..10)
    std::string Valor = "Valor";     // constant or expression; the output for types 2..6
    int ValorDig = 0;                // 0/1 radio group position
    int UpDown = 0;                  // arrow buttons position, 0..100
};

// Taken from the fields when the generator is applied.
struct GeneratorChannelApplied {
    double min = 0.0;  // minimum, or the random walk's initial value
    double max = 0.0;  // maximum, or the random walk's gain
    double p = 0.0;    // time constant (seconds), range, or period (seconds)
    std::string expression;
};

struct GeneratorChannelState {
    double filter = 0.0;  // medium random: filter value, percent
    double target = 0.0;  // medium random: level the filter approaches, percent
    double walk = 0.0;    // random walk value, percent
    double clock = 0.0;   // sine clock, seconds
};

// The compiled forms of the texts a channel evaluates on every scan.
struct GeneratorChannelCompiled {
    CompiledField period;
    CompiledField expression;
    FixedMemo valor;  // the output text, written on every scan
};

struct GeneratorChannel {
    GeneratorChannelFields fields;
    GeneratorChannelApplied applied;
    GeneratorChannelState state;
    GeneratorChannelCompiled compiled;
};

// The 16-channel signal generator writing M81..M96. Channels 1..5 offer all ten types, 6..10
// types 0..6, 11..16 only the two constants.
class SignalGenerator {
  public:
    static constexpr int kChannels = 16;
    static constexpr int kComputedChannels = 10;

    static int Address(int channel) { return GeneratorAddress(channel); }
    static int TypeCount(int channel);
    static bool Offers(int channel, int type) { return type >= 0 && type < TypeCount(channel); }

    GeneratorChannel& channel(int k) { return channels[k - 1]; }
    const GeneratorChannel& channel(int k) const { return channels[k - 1]; }

    // Updates the random, sine, random-walk and expression channels; constants keep the value
    // written when they were applied. Value fields are updated in batch mode too.
    void Compute(Simulation& sim);
    // Takes every channel's parameters from its fields and writes the constants.
    void Apply(Simulation& sim);
    // Selecting `type` in channel k's selector. A file load passes `fromFile` to keep the loaded
    // field texts. Returns false, changing nothing, for a type the channel does not offer.
    bool ChangeType(Simulation& sim, int k, int type, bool fromFile = false);
    // After a file load has set every channel's Tipo and field texts: medium-random channels
    // continue from the value they showed, every row is arranged for its type without guiding
    // texts, then the generator is applied.
    void LoadChannels(Simulation& sim);
    // Arrow buttons of channel k moved to `position` (0..100): the value field follows, then apply.
    void ArrowClicked(Simulation& sim, int k, int position);
    // Radio group of channel k set to `entry` (0 or 1), then apply.
    void RadioClicked(Simulation& sim, int k, int entry);
    // A key press in a text, minimum, maximum or value field.
    void FieldEdited() { Button1Enabled = true; }

    std::array<GeneratorChannel, kChannels> channels;
    bool Button1Enabled = false;

  private:
    void ApplyChannel(Simulation& sim, int k);
    void ComputeChannel(Simulation& sim, int k);
    std::optional<double> ChannelOutput(Simulation& sim, GeneratorChannel& c, SignalType type);
};

}  // namespace vork
