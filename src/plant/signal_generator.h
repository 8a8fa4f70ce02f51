#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/compiled_field.h"
#include "plant/addresses.h"

namespace vork {

class Simulation;

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

// The variable description a type change writes; the same in both languages.
const char* TypeDescription(SignalType type);

// Whether a type's value field shows the channel's output: the random, sine and random-walk types.
constexpr bool ShowsOutput(SignalType type) {
    return type >= SignalType::FastRandom && type <= SignalType::RandomWalk;
}

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
    // The last output of a type that shows it, once computed: the value field holds it with two
    // decimals, written out only when the text is read.
    std::optional<double> valorOutput;
};

// The compiled forms of the texts a channel evaluates on every scan.
struct GeneratorChannelCompiled {
    CompiledField period;
    CompiledField expression;
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
    // written when they were applied. Value fields follow in batch mode too.
    void Compute(Simulation& sim);
    // Takes every channel's parameters from its fields and writes the constants.
    void Apply(Simulation& sim);
    // Channel k takes `type`: its parameters are cleared and its variable described by the type.
    // Returns false, changing nothing, for a type the channel does not offer.
    bool ChangeType(Simulation& sim, int k, int type);
    // After a file load has set every channel's Tipo and field texts: medium-random channels
    // continue from the value they showed, every channel takes its type, then the generator is
    // applied.
    void LoadChannels(Simulation& sim);
    // The text of channel k's value field: its last output with two decimals for the types that
    // show it, otherwise Valor as typed.
    std::string ValorText(int k) const;

    std::array<GeneratorChannel, kChannels> channels;

  private:
    void ApplyChannel(Simulation& sim, int k);
    void ComputeChannel(Simulation& sim, int k);
    std::optional<double> ChannelOutput(Simulation& sim, GeneratorChannel& c, SignalType type);
};

}  // namespace vork
