#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/characterizer.h"
#include "plant/object_ref.h"
#include "workspace/workspace.h"

namespace vork {

class MainWindow;
class Project;

// The configuration window's texts in both languages: caption, top area, page tabs
// ("NoteBook1/0" ..), shape and switch list items ("Imagem1Tipo/0" ..) and the captions of the
// pages' controls. The slot boxes' captions come from the model, not from this table.
extern const std::array<WindowText, 53> kConfigurationWindowTexts;

// The entries of the execution cycle list `ComboBox2`, and their intervals in milliseconds.
extern const std::array<const char*, 3> kCycleEntries;
extern const std::array<int, 3> kCycleIntervals;

// Which text of push button k its three fields hold.
enum class ButtonField { TextOff, TextOn, Description };

// The model of the general configuration window `TConfigForm`: the slot boxes that fill slots,
// their captions, the title, the picture, the page tabs, the execution cycle, the characterizer
// panel, and the settings of the shapes, switches, push buttons and sliders.
class ConfigurationWindow {
  public:
    static constexpr int kPages = 7;

    ConfigurationWindow(Project& project, MainWindow& main);

    Project& project() const { return project_; }
    Language language() const;

    // Slot boxes: the caption a box shows and whether it is checked (its marker is shown).
    const std::string& boxCaption(ObjectRef ref) const;
    bool boxChecked(ObjectRef ref) const;
    // Checking fills an empty slot with a fresh object; unchecking only hides its marker at the
    // next workspace refresh.
    void CheckBoxClick(ObjectRef ref, bool checked);
    // Every filled slot's box shows its tag, a blank and its description (an animated text its
    // description only).
    void RefreshCaptions();
    // After the workspace deleted a slot's object: the box's deleted form, then the refresh.
    void SlotEmptied(ObjectRef ref);
    // A new project or a load recreates the window: the empty forms of the language, page 0.
    void ProjectReplaced();
    // After a language switch: the boxes of empty slots in the new language.
    void LanguageChanged();
    // The menu entry "Configuração": caption refresh and the first page.
    void Show();

    int page() const { return page_; }
    // A click on a tab marks the project modified.
    void PageClick(int page);

    // `Titulo`: renames the main window and marks the project modified.
    void SetTitle(const std::string& title);
    // `Label2`: the measured execution cycle.
    const std::string& cycleText() const;
    // `ComboBox2`: the list position of the execution cycle; choosing one sets the interval.
    int cyclePosition() const;
    void ChooseCycle(int position);
    // `SpeedButton1` confirmed: the picture's file name without its folder.
    void PictureChosen(const std::string& path);
    // `SairButton`: the workspace refresh.
    void Exit();

    // The characterizer panel, read live by the scan.
    const CharacterizerFields& characterizer() const;
    void EditCharacterizer(const std::function<void(CharacterizerFields&)>& edit);
    // `Lin1EndEnt`'s entries, rebuilt whenever it gets the focus: "01 " + description ..
    std::vector<std::string> characterizerInputList() const;
    // `Lin1EndSai`, disabled: the output variable.
    std::string characterizerOutputText() const;

    // Page "Imagens Animadas", shape k = 1..5. Any click on the check box makes the type,
    // variable and colour settings available.
    bool shapeSettingsEnabled(int k) const { return shapeSettings_.at(k - 1); }
    void ShapeCheckClick(int k, bool checked);
    void SetShapeType(int k, int type);
    void SetShapeVariable(int k, const std::string& text);
    void SetShapeColour(int k, int which, Colour colour);  // which: 1 or 2
    void SetShapeHeight(int k, int pixels);
    void SetShapeWidth(int k, int pixels);

    // Page "Comandos".
    bool switchTypeEnabled(int k) const;
    void SetSwitchInUse(int k, bool inUse);
    void SetSwitchType(int k, int type);
    bool buttonBoxEnabled(int k) const;
    bool buttonFieldsEnabled(int k) const;
    void SetButtonInUse(int k, bool inUse);
    void SetButtonText(int k, ButtonField field, const std::string& text);
    bool trackFieldsEnabled(int k) const;
    void SetTrackInUse(int k, bool inUse);
    void SetTrackCaption(int k, const std::string& caption);
    void SetTrackBarShown(int k, bool shown);

  private:
    std::string& Caption(ObjectRef ref);
    void EditWorkspace(const std::function<void(Workspace&)>& edit);

    Project& project_;
    MainWindow& main_;
    std::array<std::vector<std::string>, 5> captions_;  // by slot kind, then slot - 1
    int page_ = 0;
    std::array<bool, 5> shapeSettings_{};
};

}  // namespace vork
