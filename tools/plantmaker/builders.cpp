#include "plantmaker/builders.h"

#include "engine/numbers.h"
#include "engine/variable_table.h"
#include "engine/windows1252.h"
#include "plant/animated_text.h"
#include "plant/calc_block.h"
#include "plant/controller.h"
#include "plant/process_block.h"
#include "plant/signal_generator.h"
#include "plant/trend_recorder.h"
#include "plantmaker/example.h"
#include "workspace/colour.h"
#include "workspace/push_buttons.h"
#include "workspace/shape.h"
#include "workspace/switch_input.h"
#include "workspace/track.h"

namespace vork::plantmaker {

Expr::Expr(double value) : text_(ShortestText(value)) {}

std::string Bilingual(const std::string& pt, const std::string& en) {
    return en.empty() || en == pt ? pt : pt + "|" + en;
}

namespace {

// Two decimals as the variable list writes them, unless that would change the value.
std::string RangeText(double value) {
    std::string two = Fixed(value, 2);
    return ParseLenient(two) == value ? two : ShortestText(value);
}

void PlaceMarker(ObjectMarker& marker, const Rect& r) {
    marker.top = r.y;
    marker.left = r.x;
    marker.checked = true;
}

}  // namespace

VarBuilder& VarBuilder::Unit(const std::string& unit) {
    vars_.SetAttribute(address_, AttributeField::Unit, unit);
    return *this;
}

VarBuilder& VarBuilder::Range(double min, double max) {
    vars_.SetAttribute(address_, AttributeField::UeMin, RangeText(min));
    vars_.SetAttribute(address_, AttributeField::UeMax, RangeText(max));
    return *this;
}

VarBuilder& VarBuilder::Limits(Expr low, Expr high) {
    vars_.SetAttribute(address_, AttributeField::Lie, low.text());
    vars_.SetAttribute(address_, AttributeField::Lse, high.text());
    return *this;
}

ControllerBuilder& ControllerBuilder::Desc(const std::string& pt, const std::string& en) {
    c_.fields.Descricao = Bilingual(pt, en);
    return *this;
}

ControllerBuilder& ControllerBuilder::Pv(int address) {
    c_.fields.VariavelSelect = address - 1;
    return *this;
}

ControllerBuilder& ControllerBuilder::Pid(Expr kc, Expr ti, Expr td) {
    c_.fields.KpText = kc.text();
    c_.fields.KiText = ti.text();
    c_.fields.KdText = td.text();
    return *this;
}

ControllerBuilder& ControllerBuilder::Bias(Expr percent) {
    c_.fields.BiasText = percent.text();
    return *this;
}

ControllerBuilder& ControllerBuilder::SpWeight(Expr a) {
    c_.fields.aText = a.text();
    return *this;
}

ControllerBuilder& ControllerBuilder::DeadBand(Expr percent) {
    c_.fields.tfText = percent.text();
    return *this;
}

ControllerBuilder& ControllerBuilder::OutputLimits(Expr min, Expr max) {
    c_.fields.COminText = min.text();
    c_.fields.COmaxText = max.text();
    return *this;
}

ControllerBuilder& ControllerBuilder::ReverseProcess() {
    c_.fields.Acaogroup = kRespostaReversa;
    return *this;
}

ControllerBuilder& ControllerBuilder::Parallel() {
    c_.fields.EstruturaGroup = kParalela;
    return *this;
}

ControllerBuilder& ControllerBuilder::DerivativeOnError() {
    c_.fields.DerivadaGroup = kSobreErro;
    return *this;
}

ControllerBuilder& ControllerBuilder::Remote(int address, bool startLocal) {
    c_.fields.CheckSPR = true;
    c_.fields.SPRSelect = address - 1;
    ex_.StartOf(c_.slot()).remote = !startLocal;
    return *this;
}

ControllerBuilder& ControllerBuilder::FeedForward(Expr percent) {
    c_.fields.FFwSelect = true;
    c_.fields.FFwEquation = percent.text();
    return *this;
}

ControllerBuilder& ControllerBuilder::SlaveOutput(int address) {
    c_.fields.BackMVCheck = true;
    c_.fields.BackMV = address - 1;
    return *this;
}

ControllerBuilder& ControllerBuilder::Auto(double setpoint) {
    Example::ControllerStart& s = ex_.StartOf(c_.slot());
    s.automatic = true;
    s.setpoint = setpoint;
    return *this;
}

ControllerBuilder& ControllerBuilder::Manual(double output, double setpoint) {
    Example::ControllerStart& s = ex_.StartOf(c_.slot());
    s.automatic = false;
    s.output = output;
    s.setpoint = setpoint;
    return *this;
}

ControllerBuilder& ControllerBuilder::Saved(const ControllerSaved& state) {
    ex_.StartOf(c_.slot()).saved = state;
    return *this;
}

ControllerBuilder& ControllerBuilder::At(Pt centre) {
    Rect marker = MarkerAround(centre);
    ex_.Place(FootprintKind::Controller, c_.slot(), marker);
    PlaceMarker(ex_.project().workspace.Marker(SlotKind::Controller, c_.slot()), marker);
    return *this;
}

ProcessBuilder& ProcessBuilder::Desc(const std::string& pt, const std::string& en) {
    p_.fields.DescricaoText = Bilingual(pt, en);
    return *this;
}

ProcessBuilder& ProcessBuilder::Input(int address) {
    p_.fields.EntradaSelect = address - 1;
    return *this;
}

ProcessBuilder& ProcessBuilder::Lag(Expr t1, Expr t2) {
    p_.fields.transferType = kOverdamped;
    p_.fields.LText = t1.text();
    p_.fields.Ctext = t2.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::Underdamped(Expr cycles, Expr period) {
    p_.fields.transferType = kUnderdamped;
    p_.fields.NCText = cycles.text();
    p_.fields.PeriodoText = period.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::LeadLag(Expr lead, Expr lag) {
    p_.fields.transferType = kLeadLag;
    p_.fields.LEAD = lead.text();
    p_.fields.LAG = lag.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::Integrator() {
    p_.fields.transferType = kIntegrator;
    return *this;
}

ProcessBuilder& ProcessBuilder::Gain(Expr k) {
    p_.fields.GanhoText = k.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::DeadTime(Expr seconds) {
    p_.fields.TempoMorto = seconds.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::Curve(int curve) {
    p_.fields.gainCurve = curve;
    return *this;
}

ProcessBuilder& ProcessBuilder::ActuatorLag(Expr seconds) {
    p_.fields.tal = seconds.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::Rate(Expr percentPerSecond) {
    p_.fields.ratetext = percentPerSecond.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::Hysteresis(Expr percent) {
    p_.fields.Histerese = percent.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::Stiction(Expr percent) {
    p_.fields.valveStext = percent.text();
    return *this;
}

ProcessBuilder& ProcessBuilder::NoClamp() {
    p_.fields.clampDisabled = true;
    return *this;
}

ProcessBuilder& ProcessBuilder::Saved(const ProcessSaved& state) {
    ex_.processSaved()[p_.slot()] = state;
    return *this;
}

ProcessBuilder& ProcessBuilder::AsInstrument() {
    ex_.DrawAsInstrument(FootprintKind::Process, p_.slot());
    return *this;
}

ProcessBuilder& ProcessBuilder::At(Pt centre) {
    Rect marker = MarkerAround(centre);
    ex_.Place(FootprintKind::Process, p_.slot(), marker);
    PlaceMarker(ex_.project().workspace.Marker(SlotKind::Process, p_.slot()), marker);
    return *this;
}

CalcBuilder& CalcBuilder::Desc(const std::string& pt, const std::string& en) {
    c_.fields.DescricaoText = Bilingual(pt, en);
    return *this;
}

CalcBuilder& CalcBuilder::Function(const std::string& expression) {
    c_.fields.FuncaoTr = expression;
    return *this;
}

CalcBuilder& CalcBuilder::Upper(Expr limit) {
    c_.fields.LimSupCheck = true;
    c_.fields.LimSupText = limit.text();
    return *this;
}

CalcBuilder& CalcBuilder::Lower(Expr limit) {
    c_.fields.LimInfCheck = true;
    c_.fields.LimInfText = limit.text();
    return *this;
}

CalcBuilder& CalcBuilder::Symbol(const std::string& symbol) {
    ex_.calcSymbols()[c_.slot()] = symbol;
    return *this;
}

CalcBuilder& CalcBuilder::AsInstrument() {
    ex_.DrawAsInstrument(FootprintKind::Calc, c_.slot());
    return *this;
}

CalcBuilder& CalcBuilder::At(Pt centre) {
    Rect marker = MarkerAround(centre);
    ex_.Place(FootprintKind::Calc, c_.slot(), marker);
    PlaceMarker(ex_.project().workspace.Marker(SlotKind::Calc, c_.slot()), marker);
    return *this;
}

RecorderBuilder& RecorderBuilder::Desc(const std::string& pt, const std::string& en) {
    r_.fields.DescricaoText = Bilingual(pt, en);
    return *this;
}

RecorderBuilder& RecorderBuilder::Pen(int k, int address, const std::string& pt,
                                      const std::string& en) {
    TrendRecorderFields& f = r_.fields;
    int* select[] = {&f.Variavel1Select, &f.Variavel2Select, &f.Variavel3Select};
    std::string* label[] = {&f.penText1, &f.penText2, &f.penText3};
    if (k < 1 || k > 3) return *this;
    *select[k - 1] = address - 1;
    *label[k - 1] = Bilingual(pt, en);
    return *this;
}

RecorderBuilder& RecorderBuilder::TimeBase(int position) {
    r_.trend.settings.BaseTempoBox = position;
    return *this;
}

RecorderBuilder& RecorderBuilder::At(Pt centre) {
    Rect marker = MarkerAround(centre);
    ex_.Place(FootprintKind::Recorder, r_.slot(), marker);
    PlaceMarker(ex_.project().workspace.Marker(SlotKind::Recorder, r_.slot()), marker);
    return *this;
}

TextBuilder& TextBuilder::Desc(const std::string& pt, const std::string& en) {
    t_.fields.DescricaoText = Bilingual(pt, en);
    return *this;
}

TextBuilder& TextBuilder::Scalar(int address, int decimals) {
    t_.fields.Tipo = static_cast<int>(AnimatedTextType::Scalar);
    t_.fields.ComboBox1 = address - 1;
    t_.SetDecimals(decimals);
    return *this;
}

TextBuilder& TextBuilder::Binary(int address, const Label& off, const Label& on) {
    t_.fields.Tipo = static_cast<int>(AnimatedTextType::Binary);
    t_.fields.ComboBox1 = address - 1;
    std::string pt = off.pt + "/" + on.pt;
    std::string en = off.en.empty() ? "" : off.en + "/" + on.en;
    t_.fields.FuncaoTr = Bilingual(pt, en);
    return *this;
}

TextBuilder& TextBuilder::Equation(const std::string& expression, double min, double max,
                                   const std::string& unit, int decimals) {
    t_.fields.Tipo = static_cast<int>(AnimatedTextType::Equation);
    t_.fields.FuncaoTr = expression;
    // The alarm fields follow the span fields, as typing the span does.
    t_.fields.Edit4 = t_.fields.Edit3 = RangeText(min);
    t_.fields.Edit1 = t_.fields.Edit2 = RangeText(max);
    t_.fields.Unidade = unit;
    t_.SetDecimals(decimals);
    return *this;
}

TextBuilder& TextBuilder::At(Pt topLeft, int width) {
    TextMarker& m = ex_.project().workspace.texts[static_cast<size_t>(t_.slot() - 1)];
    m.top = topLeft.y;
    m.left = topLeft.x;
    m.labelTop = topLeft.y - 13;
    m.labelLeft = topLeft.x;
    m.checked = true;
    ex_.Place(FootprintKind::Text, t_.slot(), Rect{topLeft.x, topLeft.y - 13, width - 8, 30});
    return *this;
}

ChannelBuilder& ChannelBuilder::Set(int type, const std::string& desc, const std::string& min,
                                    const std::string& max, const std::string& valor) {
    f_.Tipo = type;
    f_.Desc = desc;
    f_.Min = min;
    f_.Max = max;
    f_.Valor = valor;
    return *this;
}

ChannelBuilder& ChannelBuilder::Constant(Expr percent, const std::string& pt,
                                         const std::string& en) {
    return Set(static_cast<int>(SignalType::Constant100), Bilingual(pt, en), "", "",
               percent.text());
}

ChannelBuilder& ChannelBuilder::Binary(bool on, const std::string& pt, const std::string& en) {
    f_.ValorDig = on ? 1 : 0;
    return Set(static_cast<int>(SignalType::Constant01), Bilingual(pt, en), "", "", on ? "1" : "0");
}

ChannelBuilder& ChannelBuilder::FastRandom(Expr min, Expr max, const std::string& pt,
                                           const std::string& en) {
    return Set(static_cast<int>(SignalType::FastRandom), Bilingual(pt, en), min.text(), max.text(),
               "0");
}

ChannelBuilder& ChannelBuilder::SlowRandom(Expr min, Expr max, const std::string& pt,
                                           const std::string& en) {
    return Set(static_cast<int>(SignalType::SlowRandom), Bilingual(pt, en), min.text(), max.text(),
               "0");
}

ChannelBuilder& ChannelBuilder::MediumRandom(Expr tau, Expr min, Expr max, Expr value) {
    return Set(static_cast<int>(SignalType::MediumRandom), tau.text(), min.text(), max.text(),
               value.text());
}

ChannelBuilder& ChannelBuilder::Sine(Expr period, Expr min, Expr max) {
    return Set(static_cast<int>(SignalType::Sine), period.text(), min.text(), max.text(), "0");
}

ChannelBuilder& ChannelBuilder::RandomWalk(Expr range, Expr initial, Expr gain) {
    return Set(static_cast<int>(SignalType::RandomWalk), range.text(), initial.text(), gain.text(),
               initial.text());
}

ChannelBuilder& ChannelBuilder::Equation(const std::string& expression, const std::string& pt,
                                         const std::string& en) {
    return Set(static_cast<int>(SignalType::Equation), Bilingual(pt, en), "", "", expression);
}

ChannelBuilder& ChannelBuilder::Ln(const std::string& expression, const std::string& pt,
                                   const std::string& en) {
    return Set(static_cast<int>(SignalType::Ln), Bilingual(pt, en), "", "", expression);
}

ChannelBuilder& ChannelBuilder::Exp(const std::string& expression, const std::string& pt,
                                    const std::string& en) {
    return Set(static_cast<int>(SignalType::Exp), Bilingual(pt, en), "", "", expression);
}

TrackBuilder& TrackBuilder::Label(const std::string& pt, const std::string& en) {
    t_.EntCheck = true;
    t_.EntLabel = Bilingual(pt, en);
    ex_.sliderLabels()[k_] = en.size() > pt.size() ? en : pt;
    return *this;
}

TrackBuilder& TrackBuilder::Value(double percent) {
    ex_.project().sim.vars.Write(TrackAddress(k_), percent);
    return *this;
}

TrackBuilder& TrackBuilder::WithoutBar() {
    t_.EntTrack = false;
    return *this;
}

TrackBuilder& TrackBuilder::At(Pt topLeft) {
    t_.PlaceGroup(topLeft.y, topLeft.x);
    t_.Show();
    // The frame widens for captions over six letters; the longer language decides.
    int letters = CharacterCount(ex_.sliderLabels()[k_]);
    int width = letters > 6 ? 75 + 7 * letters : 117;
    Rect frame{topLeft.x, topLeft.y, width, t_.EntTrack ? 60 : 28};
    ex_.Place(FootprintKind::Track, k_, frame);
    return *this;
}

SwitchBuilder& SwitchBuilder::Type(int position) {
    s_.ChaveTipo = position;
    return *this;
}

SwitchBuilder& SwitchBuilder::On(bool on) {
    ex_.project().sim.vars.Write(SwitchAddress(k_), on ? 1.0 : 0.0);
    return *this;
}

SwitchBuilder& SwitchBuilder::At(Pt topLeft) {
    s_.ChaveCheck = true;
    s_.top = topLeft.y;
    s_.left = topLeft.x;
    Rect area{topLeft.x, topLeft.y, 48, 48};
    ex_.Place(FootprintKind::Switch, k_, area);
    return *this;
}

ButtonBuilder& ButtonBuilder::Texts(const Label& off, const Label& on) {
    b_.BotaoCheck = true;
    b_.textOff = Bilingual(off.pt, off.en);
    b_.textOn = Bilingual(on.pt, on.en);
    return *this;
}

ButtonBuilder& ButtonBuilder::Caption(const Label& caption) {
    b_.description = Bilingual(caption.pt, caption.en);
    return *this;
}

ButtonBuilder& ButtonBuilder::Pressed(bool pressed) {
    ex_.project().sim.vars.Write(ButtonAddress(k_), pressed ? 1.0 : 0.0);
    return *this;
}

ShapeBuilder& ShapeBuilder::Circle(int address, int size, unsigned off, unsigned on) {
    s_.ImagemCheck = true;
    s_.ImagemTipo = 0;
    s_.SelectVariable(address - 1);
    s_.ImagemTam = size;
    s_.ImagemTamW = size;
    s_.ImagemCor1 = Rgb(off >> 16 & 0xFF, off >> 8 & 0xFF, off & 0xFF);
    s_.ImagemCor2 = Rgb(on >> 16 & 0xFF, on >> 8 & 0xFF, on & 0xFF);
    return *this;
}

ShapeBuilder& ShapeBuilder::Bar(int address, int width, int height, unsigned colour) {
    s_.ImagemCheck = true;
    s_.ImagemTipo = 1;
    s_.SelectVariable(address - 1);
    s_.ImagemTam = height / 2;  // pixels per 50 %
    s_.ImagemTamW = width;
    s_.ImagemCor1 = Rgb(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF);
    return *this;
}

ShapeBuilder& ShapeBuilder::At(Pt topLeft) {
    s_.shape.left = topLeft.x;
    s_.shape.top = topLeft.y;
    s_.referenceTop = topLeft.y;
    int height = s_.ImagemTipo == 0 ? s_.ImagemTam : 2 * s_.ImagemTam;
    Rect area{topLeft.x, topLeft.y, s_.ImagemTamW, height};
    ex_.Place(FootprintKind::Shape, k_, area);
    return *this;
}

}  // namespace vork::plantmaker
