#include <utility>

#include "plant/signal_generator.h"
#include "plant/simulation.h"
#include "project/record_grammar.h"
#include "project/records.h"
#include "project/value_forms.h"

namespace vork {

namespace {

constexpr std::string_view kHeader = "<Parametros>";
// Channels 11..16 have no minimum or maximum; their items hold this constant.
constexpr std::string_view kNoLimit = "/";
constexpr int kStrictTypeChannels = 2;  // the type position of channels 1 and 2 is strict
constexpr int kZeroOneEntries = 2;      // the radio group "0", "1" of a 0/1 channel

bool HasLimits(int k) {
    return k <= SignalGenerator::kComputedChannels;
}

// A 0/1 channel stores its radio choice: that is what its hidden value field holds once
// applied, and a text left there from an earlier type would fail the strict read on loading.
std::string ValueText(const SignalGenerator& generator, int k) {
    const GeneratorChannelFields& f = generator.channel(k).fields;
    if (f.Tipo == static_cast<int>(SignalType::Constant01)) return f.ValorDig == 1 ? "1" : "0";
    return generator.ValorText(k);
}

void ReadChannel(SignalGenerator& generator, int k, Language language, RecordReader& record) {
    GeneratorChannelFields& f = generator.channel(k).fields;
    int type = k <= kStrictTypeChannels ? record.StrictInteger("") : record.Integer("");
    f.Tipo = ListPosition(type, SignalGenerator::TypeCount(k),
                          static_cast<int>(SignalType::Constant100));
    f.Desc = record.Bilingual("", language);
    std::string min = record.Text("");
    std::string max = record.Text("");
    if (HasLimits(k)) {
        f.Min = std::move(min);
        f.Max = std::move(max);
    }
    f.Valor = record.Text("");
    if (f.Tipo == static_cast<int>(SignalType::Constant01))
        f.ValorDig = ListPosition(record.StrictValue(f.Valor), kZeroOneEntries, kNoSelection);
}

}  // namespace

void WriteGeneratorSection(const SignalGenerator& generator, LineWriter& out) {
    RecordWriter record(out, 'P', std::nullopt);
    record.Header(kHeader);
    for (int k = 1; k <= SignalGenerator::kChannels; ++k) {
        const GeneratorChannelFields& f = generator.channel(k).fields;
        record.Item("", IntegerText(f.Tipo));
        record.Item("", f.Desc);
        record.Item("", HasLimits(k) ? std::string_view(f.Min) : kNoLimit);
        record.Item("", HasLimits(k) ? std::string_view(f.Max) : kNoLimit);
        record.Item("", ValueText(generator, k));
    }
}

void ReadGeneratorSection(SignalGenerator& generator, Simulation& sim, LineReader& in) {
    RecordReader record(in, kPrefixWithoutIdentifier);
    record.SkipHeader();
    for (int k = 1; k <= SignalGenerator::kChannels; ++k)
        ReadChannel(generator, k, sim.language, record);
    generator.LoadChannels(sim);
}

}  // namespace vork
