#include "plant/animated_text.h"

#include <algorithm>

#include "engine/numbers.h"
#include "plant/simulation.h"

namespace vork {

namespace {

// A span field holds a number when the whole text, blanks around it aside, is one.
bool HoldsNumber(const std::string& text) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return false;
    size_t end = text.find_last_not_of(' ') + 1;
    if (text[begin] == '+' || text[begin] == '-') ++begin;
    size_t body = NumberBodyLength(text, begin);
    return body > 0 && begin + body == end;
}

std::string AlarmText(Simulation& sim, const std::string& limit) {
    return Fixed(sim.Eval(limit), 2, 4);
}

}  // namespace

AnimatedTextType AnimatedText::type() const {
    if (fields.Tipo == 1) return AnimatedTextType::Binary;
    if (fields.Tipo == 2) return AnimatedTextType::Equation;
    return AnimatedTextType::Scalar;
}

void AnimatedText::SetDecimals(int decimals) {
    fields.CasasDecimais = std::clamp(decimals, 0, 5);
}

// Span, alarms and unit from the variable's attributes.
void AnimatedText::FillFromVariable(Simulation& sim, int address, const std::string& ueMin) {
    const VariableAttributes& a = sim.vars.Attributes(address);
    fields.Edit4 = ueMin;
    fields.Edit1 = a.ueMax;
    fields.Edit3 = AlarmText(sim, a.lie);
    fields.Edit2 = AlarmText(sim, a.lse);
    fields.Unidade = a.unit;
}

void AnimatedText::ChooseVariable(Simulation& sim, int position) {
    fields.ComboBox1 = position;
    int address = Address();
    if (type() != AnimatedTextType::Scalar || address < 1 || address > 100) return;
    // Controller outputs are shown from 0 whatever their UE min says.
    const std::string& ueMin = sim.vars.Attributes(address).ueMin;
    FillFromVariable(sim, address, address <= 10 ? std::string("0.00") : ueMin);
}

bool AnimatedText::Apply(Simulation& sim) {
    int address = Address();
    if (type() == AnimatedTextType::Scalar && address != 0)
        FillFromVariable(sim, address, sim.vars.Attributes(address).ueMin);
    applied = {ParseLenient(fields.Edit1), ParseLenient(fields.Edit4), ParseLenient(fields.Edit2),
               ParseLenient(fields.Edit3), false};
    bool chosen = address != 0;
    if (type() == AnimatedTextType::Equation) {
        applied.lowAlarm = -kNoAlarm;
        applied.highAlarm = kNoAlarm;
        sim.Eval(fields.FuncaoTr);
        chosen = sim.errorText.empty();
    }
    applied.accepted = HoldsNumber(fields.Edit1) && HoldsNumber(fields.Edit4) &&
                       applied.spanMax >= applied.spanMin && chosen;
    return applied.accepted;
}

std::optional<AnimatedTextResult> AnimatedText::Evaluate(Simulation& sim) {
    int address = Address();
    switch (type()) {
        case AnimatedTextType::Equation:
            return Engineering(sim.Eval(fields.FuncaoTr));
        case AnimatedTextType::Binary:
            if (address >= 1 && address <= 100) return Binary(sim.vars.Read(address));
            // Actuator positions have no two states: they show as a scalar.
            if (address == 0) return std::nullopt;
            [[fallthrough]];
        case AnimatedTextType::Scalar:
            break;
    }
    // Without a chosen variable the value is 0 and the applied alarms stay.
    if (address != 0) {
        const VariableAttributes& a = sim.vars.Attributes(address);
        applied.lowAlarm = sim.Eval(a.lie);
        applied.highAlarm = sim.Eval(a.lse);
    }
    return Engineering(sim.vars.Read(address));
}

AnimatedTextResult AnimatedText::Engineering(double percent) const {
    int d = std::clamp(fields.CasasDecimais, 0, 5);
    double e = applied.spanMin + (applied.spanMax - applied.spanMin) * percent / 100.0;
    bool alarm = e > applied.highAlarm || e < applied.lowAlarm;
    return {Fixed(e, d, d) + " " + fields.Unidade, alarm ? TextColour::Red : TextColour::Blue};
}

AnimatedTextResult AnimatedText::Binary(double value) const {
    const std::string& f = fields.FuncaoTr;
    size_t slash = f.find('/');
    if (value != 0.0)
        return {slash == std::string::npos ? f : f.substr(slash + 1), TextColour::Blue};
    return {slash == std::string::npos ? std::string() : f.substr(0, slash), TextColour::Red};
}

}  // namespace vork
