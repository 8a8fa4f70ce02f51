#pragma once

#include <array>
#include <optional>
#include <string>

#include "plantmaker/sheet.h"

namespace vork {
class Controller;
class ProcessBlock;
class CalcBlock;
class TrendRecorder;
class AnimatedText;
struct GeneratorChannelFields;
struct Track;
struct SwitchInput;
struct PushButton;
struct Shape;
class VariableTable;
}  // namespace vork

// The typed builders an example's description uses. Each sets the fields of one core object as
// its window would, and returns itself so that settings chain.
namespace vork::plantmaker {

class Example;

// A field text: a number written in its shortest form, or an expression as typed.
class Expr {
  public:
    Expr(double value);  // NOLINT: numbers are the common case
    Expr(int value) : Expr(static_cast<double>(value)) {}
    Expr(const char* text) : text_(text) {}
    Expr(std::string text) : text_(std::move(text)) {}
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// "pt|en", the bilingual text form; the Portuguese alone when both are the same or en is empty.
std::string Bilingual(const std::string& pt, const std::string& en);

// The catalogue line of one variable (M15..M96).
class VarBuilder {
  public:
    VarBuilder(VariableTable& vars, int address) : vars_(vars), address_(address) {}
    VarBuilder& Unit(const std::string& unit);
    // Engineering range; written with two decimals, or more when two would change the value.
    VarBuilder& Range(double min, double max);
    // Alarm limits in engineering units, expressions.
    VarBuilder& Limits(Expr low, Expr high);

  private:
    VariableTable& vars_;
    int address_;
};

// The state a saved controller restores, for a description that must keep a file's state.
struct ControllerSaved {
    double Iant = 0, Erroant = 0, PVant = 0, SP = 0, CO = 0;
};

class ControllerBuilder {
  public:
    ControllerBuilder(Example& ex, Controller& c) : ex_(ex), c_(c) {}
    ControllerBuilder& Desc(const std::string& pt, const std::string& en = "");
    ControllerBuilder& Pv(int address);
    // Kc (dimensionless), Ti and Td in seconds.
    ControllerBuilder& Pid(Expr kc, Expr ti, Expr td = 0);
    ControllerBuilder& Bias(Expr percent);
    ControllerBuilder& SpWeight(Expr a);
    ControllerBuilder& DeadBand(Expr percent);
    ControllerBuilder& OutputLimits(Expr min, Expr max);
    // The PV falls when the output rises (a cooling valve, an outlet valve under a level).
    ControllerBuilder& ReverseProcess();
    ControllerBuilder& Parallel();
    ControllerBuilder& DerivativeOnError();
    // Remote setpoint from `address`; the controller starts in remote unless `startLocal`.
    ControllerBuilder& Remote(int address, bool startLocal = false);
    ControllerBuilder& FeedForward(Expr percent);
    // Cascade anti-windup: integration stops while the slave output at `address` is saturated.
    ControllerBuilder& SlaveOutput(int address);
    // Automatic at this setpoint, in engineering units of the PV.
    ControllerBuilder& Auto(double setpoint);
    // Manual at this output (percent), the setpoint in engineering units.
    ControllerBuilder& Manual(double output, double setpoint);
    ControllerBuilder& Saved(const ControllerSaved& state);
    // The marker's centre: the controller's bubble.
    ControllerBuilder& At(Pt centre);

  private:
    Example& ex_;
    Controller& c_;
};

// The state a saved process block restores.
struct ProcessSaved {
    double X0 = 0, Y2 = 0, Y0old = 0, Y1old = 0, Y1old2 = 0, x5old = 0, IntAc1 = 0, IntAc2 = 0;
};

class ProcessBuilder {
  public:
    ProcessBuilder(Example& ex, ProcessBlock& p) : ex_(ex), p_(p) {}
    ProcessBuilder& Desc(const std::string& pt, const std::string& en = "");
    ProcessBuilder& Input(int address);
    // Two lags in series (seconds); t2 = 0 gives a first order.
    ProcessBuilder& Lag(Expr t1, Expr t2 = 0);
    // Second order with damping 0.6 / cycles and the oscillation period in seconds.
    ProcessBuilder& Underdamped(Expr cycles, Expr period);
    ProcessBuilder& LeadLag(Expr lead, Expr lag);
    ProcessBuilder& Integrator();
    ProcessBuilder& Gain(Expr k);
    ProcessBuilder& DeadTime(Expr seconds);
    ProcessBuilder& Curve(int curve);  // kCurveLinear, kCurveEqualPercentage, ...
    ProcessBuilder& ActuatorLag(Expr seconds);
    ProcessBuilder& Rate(Expr percentPerSecond);
    ProcessBuilder& Hysteresis(Expr percent);
    ProcessBuilder& Stiction(Expr percent);
    ProcessBuilder& NoClamp();
    ProcessBuilder& Saved(const ProcessSaved& state);
    // Drawn as a field instrument's bubble instead of a tag plate (a transmitter's lag).
    ProcessBuilder& AsInstrument();
    // The marker's centre: the block's tag plate beside its equipment.
    ProcessBuilder& At(Pt centre);

  private:
    Example& ex_;
    ProcessBlock& p_;
};

class CalcBuilder {
  public:
    CalcBuilder(Example& ex, CalcBlock& c) : ex_(ex), c_(c) {}
    CalcBuilder& Desc(const std::string& pt, const std::string& en = "");
    CalcBuilder& Function(const std::string& expression);
    CalcBuilder& Upper(Expr limit);
    CalcBuilder& Lower(Expr limit);
    // The function flag drawn beside the block's symbol ("Σ", "×", ">", "f(x)").
    CalcBuilder& Symbol(const std::string& symbol);
    // Drawn as a field instrument's bubble instead of the computing hexagon (a transmitter).
    CalcBuilder& AsInstrument();
    CalcBuilder& At(Pt centre);

  private:
    Example& ex_;
    CalcBlock& c_;
};

class RecorderBuilder {
  public:
    RecorderBuilder(Example& ex, TrendRecorder& r) : ex_(ex), r_(r) {}
    RecorderBuilder& Desc(const std::string& pt, const std::string& en = "");
    // Pen k (1..3) on `address` with its label; pens 1 and 2 share pen 1's range.
    RecorderBuilder& Pen(int k, int address, const std::string& pt, const std::string& en = "");
    RecorderBuilder& TimeBase(int position);  // 0: 3 s, 1: 9 s, 2: 1 min per division
    RecorderBuilder& At(Pt centre);

  private:
    Example& ex_;
    TrendRecorder& r_;
};

class TextBuilder {
  public:
    TextBuilder(Example& ex, AnimatedText& t) : ex_(ex), t_(t) {}
    TextBuilder& Desc(const std::string& pt, const std::string& en = "");
    // The variable in its engineering units and limits.
    TextBuilder& Scalar(int address, int decimals = 1);
    // A message for 0 and one for 1 ("Parado", "Operando").
    TextBuilder& Binary(int address, const Label& off, const Label& on);
    TextBuilder& Equation(const std::string& expression, double min, double max,
                          const std::string& unit, int decimals = 1);
    // Top-left of the value label; the description label sits 13 pixels above it.
    TextBuilder& At(Pt topLeft, int width = 110);

  private:
    Example& ex_;
    AnimatedText& t_;
};

// One signal generator channel (k = 1..16 writes M(80+k)).
class ChannelBuilder {
  public:
    explicit ChannelBuilder(GeneratorChannelFields& f) : f_(f) {}
    ChannelBuilder& Constant(Expr percent, const std::string& pt, const std::string& en = "");
    ChannelBuilder& Binary(bool on, const std::string& pt, const std::string& en = "");
    ChannelBuilder& FastRandom(Expr min, Expr max, const std::string& pt,
                               const std::string& en = "");
    ChannelBuilder& SlowRandom(Expr min, Expr max, const std::string& pt,
                               const std::string& en = "");
    // A new target on average every 6 s, filtered with `tau` seconds; `value` is where it starts.
    ChannelBuilder& MediumRandom(Expr tau, Expr min, Expr max, Expr value = 0);
    ChannelBuilder& Sine(Expr period, Expr min, Expr max);
    ChannelBuilder& RandomWalk(Expr range, Expr initial, Expr gain);
    ChannelBuilder& Equation(const std::string& expression, const std::string& pt,
                             const std::string& en = "");
    ChannelBuilder& Ln(const std::string& expression, const std::string& pt,
                       const std::string& en = "");
    ChannelBuilder& Exp(const std::string& expression, const std::string& pt,
                        const std::string& en = "");

  private:
    ChannelBuilder& Set(int type, const std::string& desc, const std::string& min,
                        const std::string& max, const std::string& valor);
    GeneratorChannelFields& f_;
};

// Slider k (1..6) writes M(14+k); its label is also the variable's description.
class TrackBuilder {
  public:
    TrackBuilder(Example& ex, int k, Track& t) : ex_(ex), k_(k), t_(t) {}
    TrackBuilder& Label(const std::string& pt, const std::string& en = "");
    TrackBuilder& Value(double percent);
    TrackBuilder& WithoutBar();
    TrackBuilder& At(Pt topLeft);

  private:
    Example& ex_;
    int k_;
    Track& t_;
};

// Switch k (1, 2) writes M(10+k), 0 or 1.
class SwitchBuilder {
  public:
    SwitchBuilder(Example& ex, int k, SwitchInput& s) : ex_(ex), k_(k), s_(s) {}
    SwitchBuilder& Type(int position);  // picture set: 0 left, 1 up, 2 right, 3 down
    SwitchBuilder& On(bool on = true);
    SwitchBuilder& At(Pt topLeft);

  private:
    Example& ex_;
    int k_;
    SwitchInput& s_;
};

// Push button k (1..3) writes M(96+k); button k needs buttons 1..k-1.
class ButtonBuilder {
  public:
    ButtonBuilder(Example& ex, int k, PushButton& b) : ex_(ex), k_(k), b_(b) {}
    ButtonBuilder& Texts(const Label& off, const Label& on);  // at most 16 characters each
    ButtonBuilder& Caption(const Label& caption);             // at most 15 characters
    ButtonBuilder& Pressed(bool pressed = true);

  private:
    Example& ex_;
    int k_;
    PushButton& b_;
};

// Animated shape k (1..5).
class ShapeBuilder {
  public:
    ShapeBuilder(Example& ex, int k, Shape& s) : ex_(ex), k_(k), s_(s) {}
    // A circle `size` pixels across, `off` colour at 0 and `on` otherwise (0xRRGGBB).
    ShapeBuilder& Circle(int address, int size, unsigned off, unsigned on);
    // A bar `width` wide whose height is `height` pixels at 100 %.
    ShapeBuilder& Bar(int address, int width, int height, unsigned colour);
    // Top-left; for a bar its top at 100 %.
    ShapeBuilder& At(Pt topLeft);

  private:
    Example& ex_;
    int k_;
    Shape& s_;
};

}  // namespace vork::plantmaker
