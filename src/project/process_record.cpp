#include <algorithm>

#include "plant/actuator_chain.h"
#include "plant/process_block.h"
#include "plant/simulation.h"
#include "project/record_grammar.h"
#include "project/records.h"
#include "project/value_forms.h"

namespace vork {

namespace {

constexpr std::string_view kOpening = "=====<<<PROCESSO:";
constexpr int kPickListEntries = 99;  // the short pick list M01..M99
constexpr int kCurveEntries = 5;      // gain curves in ComboBox1
constexpr int kTypeEntries = 4;       // transfer-function types in ComboBox2

namespace key {
constexpr std::string_view Tag = "Tag:", Desc = "Desc:", Input = "Indice lista PV:", T1 = "Tal 1:",
                           T2 = "Tal 2:", NoClamp = "Habilita Desat Sat:",
                           Hysteresis = "Histerese:", DeadTime = "Tempo Morto:", Gain = "Ganho:",
                           Curve = "Tipo Valv:", Stiction = "Agarramento:", Rate = "RateLimiter:",
                           Lag = "Const. Tempo Atuador:", Type = "Tipo FT:", Cycles = "Num.Ciclos:",
                           Lead = "Lead:", TransferLag = "Lag:", X0 = "X0:", Y2 = "Y2:",
                           Y0old = "Y0old:", Y1old = "Y1old:", Y1old2 = "Y1old2:", x5old = "x5old:",
                           IntAc1 = "IntAc1:", IntAc2 = "IntAc2:";
}  // namespace key

// "1.5x20": damping parameter and period; without an x the period stays as it is.
void SplitCycles(const std::string& value, ProcessFields& f) {
    size_t x = value.find('x');
    f.NCText = value.substr(0, x);
    if (x != std::string::npos) f.PeriodoText = value.substr(x + 1);
}

}  // namespace

void WriteProcessRecord(const ProcessBlock& b, LineWriter& out) {
    const ProcessFields& f = b.fields;
    const ProcessState& s = b.state;
    int id = b.OutputAddress();
    RecordWriter record(out, 'P', id);
    record.Header(RecordHeader(kOpening, id));
    record.Item(key::Tag, f.TagText);
    record.Item(key::Desc, f.DescricaoText);
    record.Item(key::Input, IntegerText(f.EntradaSelect));
    record.Item(key::T1, f.LText);
    record.Item(key::T2, f.Ctext);
    record.Item(key::NoClamp, WordFlag(f.clampDisabled));
    record.Item(key::Hysteresis, f.Histerese);
    record.Item(key::DeadTime, f.TempoMorto);
    record.Item(key::Gain, f.GanhoText);
    record.Item(key::Curve, IntegerText(f.gainCurve));
    record.Item(key::Stiction, f.valveStext);
    record.Item(key::Rate, f.ratetext);
    record.Item(key::Lag, f.tal);
    record.Item(key::Type, IntegerText(f.transferType));
    record.Item(key::Cycles, f.NCText + "x" + f.PeriodoText);
    record.Item(key::Lead, f.LEAD);
    record.Item(key::TransferLag, f.LAG);
    record.Item(key::X0, StateText(s.X0));
    record.Item(key::Y2, StateText(s.Y2));
    record.Item(key::Y0old, StateText(s.transfer.Y0old));
    record.Item(key::Y1old, StateText(s.transfer.Y1old));
    record.Item(key::Y1old2, StateText(s.transfer.Y1old2));
    record.Item(key::x5old, StateText(s.actuator.x5old));
    record.Item(key::IntAc1, StateText(s.transfer.IntAc1));
    record.Item(key::IntAc2, StateText(s.transfer.IntAc2));
}

std::vector<std::string> ReadProcessRecord(ProcessBlock& b, Simulation& sim, LineReader& in) {
    ProcessFields& f = b.fields;
    ProcessState& s = b.state;
    RecordReader record(in, kPrefixWithIdentifier);
    record.SkipHeader();
    f.TagText = record.Bilingual(key::Tag, sim.language);
    f.DescricaoText = record.Bilingual(key::Desc, sim.language);
    f.EntradaSelect =
        ListPosition(record.StrictInteger(key::Input), kPickListEntries, kNoSelection);
    f.LText = record.Text(key::T1);
    f.Ctext = record.Text(key::T2);
    f.clampDisabled = record.WordFlag(key::NoClamp);
    f.Histerese = record.Text(key::Hysteresis);
    f.TempoMorto = record.Text(key::DeadTime);
    f.GanhoText = record.Text(key::Gain);
    f.gainCurve = ListPosition(record.StrictInteger(key::Curve), kCurveEntries, kCurveLinear);
    f.valveStext = record.Text(key::Stiction);
    f.ratetext = record.Text(key::Rate);
    f.tal = record.Text(key::Lag);
    f.transferType = ListPosition(record.StrictInteger(key::Type), kTypeEntries, kOverdamped);
    SplitCycles(record.Text(key::Cycles), f);
    f.LEAD = record.Text(key::Lead);
    f.LAG = record.Text(key::TransferLag);
    s.X0 = record.Real(key::X0);
    s.Y2 = record.Real(key::Y2);
    s.transfer.Y0old = record.Real(key::Y0old);
    s.transfer.Y1old = record.Real(key::Y1old);
    s.transfer.Y1old2 = record.Real(key::Y1old2);
    s.actuator.x5old = record.Real(key::x5old);
    s.transfer.IntAc1 = record.Real(key::IntAc1);
    s.transfer.IntAc2 = record.Real(key::IntAc2);
    // The ring position is not stored, so the first ticks after a load read the far end of the
    // ring. The whole ring holds the delayed value of the last tick before saving, and the block
    // continues from it as a block in steady state would.
    std::fill(s.delay.DelayLine.begin(), s.delay.DelayLine.end(), s.transfer.Y0old);
    std::vector<std::string> messages = b.Validate(sim);
    SettleActuator(s.actuator, b.latched.actuator, s.actuator.x5old);
    sim.vars.Write(b.OutputAddress(), s.Y2);
    sim.vars.WriteActuator(b.slot(), s.actuator.ActuatorPos);
    return messages;
}

}  // namespace vork
