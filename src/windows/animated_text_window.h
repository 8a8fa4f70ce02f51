#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/animated_text.h"
#include "plant/object_ref.h"

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

// An animated text's window (TForm2) for a filled slot 1..20; it lives while its slot is filled.
// Changes of the type, the variable and the text fields mark the project modified; leaving the
// window applies.
class AnimatedTextWindow {
  public:
    AnimatedTextWindow(Project& project, int slot);

    static AnimatedTextLayout Layout(AnimatedTextType type);

    ObjectRef ref() const { return ref_; }
    const AnimatedText& text() const;
    AnimatedTextLayout layout() const { return Layout(text().type()); }
    // The entries of ComboBox1, rebuilt from the current descriptions whenever it drops down.
    std::vector<std::string> variableList() const;

    AnimatedTextResult result{"=", TextColour::Default};  // Label1
    std::string descriptionHeader;                        // Label4
    std::string sourceCaption;                            // Label3
    // The English texts were applied on an activation; the window's texts then come from the
    // English column of kAnimatedTextWindowTexts.
    bool englishApplied = false;

    // On each display refresh while the window is open: the text and colour the main window's
    // Texto label shows too.
    void Refresh();

    // An edit of the description, the expression, the unit or an alarm field.
    void Edit(const std::function<void(AnimatedTextFields&)>& edit);
    // Edit1 and Edit4: the alarm limits follow the span until they are changed themselves.
    void SetSpanMax(const std::string& value);
    void SetSpanMin(const std::string& value);
    // The decimals' arrows; they do not mark the project modified.
    void SetDecimals(int decimals);
    // A click on the Tipo radio group arranges the window for the type.
    void ChooseType(int position);
    // A variable chosen in ComboBox1 at list position `position`.
    void ChooseVariable(int position);
    // In English every activation translates the window; Label3 then reads "Equation" whatever
    // the type, until a type click.
    void Activate(Language language);
    // SairButton: applies through the project, then the window hides; an accepted text shows
    // its description, on the workspace too.
    void Leave();

  private:
    // Changes the text through the project, marking it modified.
    void Change(const std::function<void(AnimatedText&)>& change);

    Project& project_;
    ObjectRef ref_;
};

}  // namespace vork
