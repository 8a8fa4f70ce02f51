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

void AnimatedText::SetEdit1(const std::string& text) {
    fields.Edit1 = text;
    fields.Edit2 = text;
}

void AnimatedText::SetEdit4(const std::string& text) {
    fields.Edit4 = text;
    fields.Edit3 = text;
}

void AnimatedText::SetDecimals(int decimals) {
    fields.CasasDecimais = std::clamp(decimals, 0, 5);
}

// Span, alarms and unit from the variable's attributes; the span fields are set first because
// their edits carry over to the alarm fields.
void AnimatedText::FillFromVariable(Simulation& sim, int address, const std::string& ueMin) {
    const VariableAttributes& a = sim.vars.Attributes(address);
    SetEdit4(ueMin);
    SetEdit1(a.ueMax);
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
               ParseLenient(fields.Edit3)};
    bool chosen = address != 0;
    if (type() == AnimatedTextType::Equation) {
        applied.lowAlarm = -kNoAlarm;
        applied.highAlarm = kNoAlarm;
        sim.Eval(fields.FuncaoTr);
        chosen = sim.errorText.empty();
    }
    bool accepted = HoldsNumber(fields.Edit1) && HoldsNumber(fields.Edit4) &&
                    applied.spanMax >= applied.spanMin && chosen;
    if (accepted) display.Label4 = fields.DescricaoText;
    return accepted;
}

void AnimatedText::Evaluate(Simulation& sim) {
    int address = Address();
    switch (type()) {
        case AnimatedTextType::Equation:
            ShowEngineering(sim.Eval(fields.FuncaoTr));
            return;
        case AnimatedTextType::Binary:
            if (address >= 1 && address <= 100) return ShowBinary(sim.vars.Read(address));
            // Actuator positions have no two states: they show as a scalar.
            if (address == 0) return;
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
    ShowEngineering(sim.vars.Read(address));
}

void AnimatedText::ShowEngineering(double percent) {
    int d = std::clamp(fields.CasasDecimais, 0, 5);
    double e = applied.spanMin + (applied.spanMax - applied.spanMin) * percent / 100.0;
    display.Label1 = Fixed(e, d, d) + " " + fields.Unidade;
    Colour(e);
}

void AnimatedText::ShowBinary(double value) {
    const std::string& f = fields.FuncaoTr;
    size_t slash = f.find('/');
    std::string off = slash == std::string::npos ? std::string() : f.substr(0, slash);
    std::string on = slash == std::string::npos ? f : f.substr(slash + 1);
    display.Label1 = value != 0.0 ? on : off;
    display.colour = value != 0.0 ? TextColour::Blue : TextColour::Red;
}

void AnimatedText::Colour(double engineering) {
    bool alarm = engineering > applied.highAlarm || engineering < applied.lowAlarm;
    display.colour = alarm ? TextColour::Red : TextColour::Blue;
}

AnimatedTextLayout AnimatedText::Layout(AnimatedTextType type) {
    switch (type) {
        case AnimatedTextType::Binary:
            return {true, false, false, false, true, "<Texto>"};
        case AnimatedTextType::Equation:
            return {false, true, false, false, true, "Equação"};
        case AnimatedTextType::Scalar:
            break;
    }
    return {true, true, true, true, false, "Variável"};
}

AnimatedTextWindowTexts AnimatedText::WindowTexts(Language language) {
    if (language == Language::English)
        return {"Animated text",
                "Equation",
                "Description:",
                "Type",
                {"Escalar", "Binary", "Equation"},
                "Eng.Unit:",
                "Min Span:",
                "Max Span:",
                "Low Alarm:",
                "High Alarm:",
                "Variable to show",
                "If binary type, insert text for 0 and 1 values split by / caracter"};
    return {"TEXTO",
            nullptr,
            "Descrição:",
            "Tipo:",
            {"Escalar", "Binário", "Equação"},
            "Unid. Eng.:",
            "Faixa min:",
            "Faixa máx:",
            "Alarme Baixo:",
            "Alarme Alto:",
            "Variável para exibição",
            "Se tipo BINARIO, inserir respectivos textos para valores 0 e 1 separados pelo "
            "caracter /"};
}

}  // namespace vork
