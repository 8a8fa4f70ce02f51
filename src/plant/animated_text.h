#pragma once

#include <optional>
#include <string>

#include "plant/addresses.h"

namespace vork {

class Simulation;

enum class AnimatedTextType { Scalar, Binary, Equation };

// Font colour of the result label. Default is the label's colour before the first refresh.
enum class TextColour { Default, Red, Blue };

// The fields of the text window, as typed.
struct AnimatedTextFields {
    int Tipo = 0;        // radio group position: 0 scalar, 1 binary, 2 equation
    int ComboBox1 = -1;  // long pick list position (address - 1); -1: none chosen
    std::string FuncaoTr = "<Msg se OFF>/<Msg se ON>";
    std::string DescricaoText;
    std::string Unidade;
    int CasasDecimais = 2;      // 0..5
    std::string Edit1 = "100";  // span maximum
    std::string Edit4 = "0";    // span minimum
    std::string Edit2 = "100";  // high alarm
    std::string Edit3 = "0";    // low alarm
};

// Taken by apply; the scalar refresh replaces the alarms with the variable's current limits.
struct AnimatedTextApplied {
    double spanMax = 100.0;
    double spanMin = 0.0;
    double highAlarm = 100.0;
    double lowAlarm = 0.0;
    bool accepted = false;  // the last apply accepted the fields
};

// What the display refresh shows for a text: in the main window's Texto n and in the text
// window's Label1.
struct AnimatedTextResult {
    std::string text;
    TextColour colour = TextColour::Default;
};

// A live value on the synoptic picture: a variable in engineering units, a two-state message,
// or an expression, coloured by its alarm limits.
class AnimatedText {
  public:
    explicit AnimatedText(int slot) : slot_(slot) {}

    static constexpr double kNoAlarm = 999999.0;
    static int Number(int slot) { return AnimatedTextNumber(slot); }
    int slot() const { return slot_; }
    int number() const { return Number(slot_); }
    // The chosen variable's address, 0 when none is chosen.
    int Address() const { return fields.ComboBox1 >= 0 ? fields.ComboBox1 + 1 : 0; }
    AnimatedTextType type() const;

    // The text and colour to show, computed by the display refresh; nothing when the shown text
    // stays as it is (a binary text without a variable). A scalar takes its alarm limits afresh
    // from its variable.
    std::optional<AnimatedTextResult> Evaluate(Simulation& sim);
    // Latches the span and alarms; returns whether the text is accepted (no messages exist).
    bool Apply(Simulation& sim);
    // A variable chosen in ComboBox1 at list position `position`: a scalar on M01..M100 takes
    // its span, alarms and unit from the variable.
    void ChooseVariable(Simulation& sim, int position);
    // The decimals' arrows hold 0 to 5.
    void SetDecimals(int decimals);

    AnimatedTextFields fields;
    AnimatedTextApplied applied;

  private:
    void FillFromVariable(Simulation& sim, int address, const std::string& ueMin);
    AnimatedTextResult Engineering(double percent) const;
    AnimatedTextResult Binary(double value) const;
    int slot_;
};

}  // namespace vork
