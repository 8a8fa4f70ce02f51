#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/animated_text.h"

namespace vork {

class Project;

// The texts that switch to English when the window is activated in English mode; the window
// caption comes first. Radio-group items are named "<group>/<position>".
extern const std::array<WindowText, 13> kAnimatedTextWindowTexts;

// How the window is arranged for a type.
struct AnimatedTextLayout {
    bool variableList;    // ComboBox1
    bool spanFields;      // span and unit fields
    bool alarmFields;     // Edit2, Edit3
    bool fieldsReadOnly;  // span, unit and alarm come from the variable
    bool funcaoTr;
    const char* sourceCaption;  // Label3, naming what the text shows
};

// What the text window shows besides the fields.
struct AnimatedTextDisplay {
    AnimatedTextResult result{"=", TextColour::Default};  // Label1
    std::string descriptionHeader;                        // Label4
    std::string sourceCaption;                            // Label3
};

// The model of an animated text's window (TForm2) for a filled slot 1..20; the window lives
// while its slot is filled. Changes of the type, the variable and the text fields mark the
// project modified; leaving the window applies.
class AnimatedTextWindow {
  public:
    AnimatedTextWindow(Project& project, int slot);

    static AnimatedTextLayout Layout(AnimatedTextType type);

    const AnimatedTextDisplay& display() const { return display_; }
    const AnimatedTextFields& fields() const { return text()->fields; }
    AnimatedTextLayout layout() const { return Layout(text()->type()); }
    // The entries of ComboBox1, rebuilt from the current descriptions whenever it drops down.
    std::vector<std::string> variableList() const;
    Language textLanguage() const { return textLanguage_; }
    bool isOpen() const { return open_; }

    // An edit of the description, the expression, the unit or an alarm field.
    void Edit(const std::function<void(AnimatedTextFields&)>& edit);
    // Edit1 and Edit4: the alarm limits follow the span until they are changed themselves.
    void SetSpanMax(const std::string& text);
    void SetSpanMin(const std::string& text);
    // The decimals' arrows; they do not mark the project modified.
    void SetDecimals(int decimals);
    // A click on the Tipo radio group arranges the window for the type.
    void ChooseType(int position);
    // A variable chosen in ComboBox1 at list position `position`.
    void ChooseVariable(int position);
    // Activating the window sets the English texts in English mode.
    void Activate();
    void Show();
    // SairButton: applies and hides the window; an accepted text shows its description.
    void Leave();
    // Evaluates the text as the display refresh does; a display refresh does this for an open
    // window.
    void Refresh();
    void Ticked(bool displayRefreshed);

  private:
    AnimatedText* text() const;

    Project& project_;
    int slot_;
    AnimatedTextDisplay display_;
    bool open_ = false;
    Language textLanguage_ = Language::Portuguese;
};

}  // namespace vork
