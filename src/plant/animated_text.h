#pragma once

#include <array>
#include <string>

#include "engine/language.h"
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
};

struct AnimatedTextDisplay {
    std::string Label1 = "=";  // the result, copied to the main window's TextoN
    TextColour colour = TextColour::Default;
    std::string Label4;  // header: the description
};

// How the window is arranged for a type.
struct AnimatedTextLayout {
    bool variableList;
    bool spanFields;  // span and unit fields
    bool alarmFields;
    bool fieldsReadOnly;  // span, unit and alarm come from the variable
    bool funcaoTr;
    const char* Label3;
};

struct AnimatedTextWindowTexts {
    const char* caption;
    const char* Label3;  // English only replaces the type-dependent caption
    const char* Label2;
    const char* Tipo;
    std::array<const char*, 3> TipoEntries;
    const char* Label6;
    const char* Label8;
    const char* Label7;
    const char* Label10;
    const char* Label9;
    const char* ComboBox1Hint;
    const char* FuncaoTrHint;
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

    // Recomputes Label1 and its colour (the display refresh).
    void Evaluate(Simulation& sim);
    // Latches the span and alarms; returns whether the text is accepted (no messages exist).
    bool Apply(Simulation& sim);
    // A variable chosen in ComboBox1 at list position `position`.
    void ChooseVariable(Simulation& sim, int position);
    // Edits of the span fields carry over to the alarm fields.
    void SetEdit1(const std::string& text);
    void SetEdit4(const std::string& text);
    void SetDecimals(int decimals);

    static AnimatedTextLayout Layout(AnimatedTextType type);
    static AnimatedTextWindowTexts WindowTexts(Language language);

    AnimatedTextFields fields;
    AnimatedTextApplied applied;
    AnimatedTextDisplay display;

  private:
    void FillFromVariable(Simulation& sim, int address, const std::string& ueMin);
    void ShowEngineering(double percent);
    void ShowBinary(double value);
    void Colour(double engineering);
    int slot_;
};

}  // namespace vork
