#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/language.h"
#include "engine/window_text.h"
#include "fastsim/indices.h"
#include "plant/animated_text.h"
#include "plant/object_ref.h"
#include "windows/marker_placement.h"
#include "windows/shape_view.h"
#include "windows/synoptic_markers.h"

namespace vork {

class Project;

// The main window's texts in both languages: the menu entries, the command panel's title and
// the help line. Entries that read the same in both languages are listed too, so that the table
// names every text the window shows.
extern const std::array<WindowText, 27> kMainWindowTexts;

// The menu entries that a project makes visible (hidden at start, and while the gallery shows).
extern const std::array<const char*, 8> kProjectMenuEntries;

// What a click on a marker came to.
enum class MarkerOutcome {
    Selected,      // move mode: the marker is selected, or dropped
    Deleted,       // delete mode: the slot is empty
    ShowWindow,    // the object's window is to be shown
    ToggleWindow,  // the object's window is to be shown or hidden (trend recorders)
    Operated,      // an operator input acted
    Nothing
};

// What an animated text's value label `Texto`n shows.
struct TextDisplay {
    std::string text = "=";
    TextColour colour = TextColour::Default;
};

// The visibility of the menu entries that depend on the project.
struct MainMenus {
    bool projectEntries = false;  // kProjectMenuEntries
    bool saveEntry = false;       // `Salvar1`
    bool gallery = false;         // the example gallery shows in place of the synoptic
};

// The model of the main window `TForm1`: the synoptic's modes (moving and deleting markers),
// what a click on a marker does, dragging markers, the caption and the menus, and what the
// markers show between workspace refreshes (animated texts, shapes, push-button texts,
// controller colours). It refreshes its displays on the scan cycle's display refresh.
class MainWindow {
  public:
    static constexpr std::string_view kStartCaption = "VORK (v 7.84)";
    static constexpr std::string_view kNewProjectCaption = "VORK v 7.84";

    explicit MainWindow(Project& project);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    Project& project() const { return project_; }
    Language language() const;

    const std::string& caption() const { return caption_; }
    // The simulation title typed in the configuration window renames the window.
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    // `Salvar1`: its caption and its image index, as the project's saved state says.
    std::string_view savedCaption() const;
    int savedImage() const;
    MainMenus menus;
    // The indices of the fast-simulation windows: they outlive each window.
    ResultsTables fastSimulationResults;

    // The mode entries "Mover Objetos" and "Excluir Objetos" and the pause entry.
    bool moveMode() const { return moveMode_; }
    bool deleteMode() const { return deleteMode_; }
    bool crossCursor() const { return crossCursor_; }
    int selectedCode() const { return selectedCode_; }
    bool moving() const { return moving_; }
    void MoverObjetos2Click();
    void ExcluirObjetosClick();
    void PausarSimulao2Click();
    bool paused() const;

    // A click on a marker, in the order move mode, delete mode (object markers only), normal.
    MarkerOutcome Click(MarkerId id);
    // A click on push button k's picture: the command panel's marker in move mode.
    MarkerOutcome ButtonClick(int k);
    // Slider k: its bar moved by the operator, Enter or Escape in its number field.
    void TrackBarMoved(int k, int position);
    void TrackTextEntered(int k, const std::string& text);
    void TrackTextEscaped(int k);
    // The mouse at `at` on the picture, of size `area`; while a marker is being moved it follows
    // the mouse, its `marker` size kept inside the area, and the project counts as modified.
    void MouseMove(Point at, Size marker, Size area);
    // A click on the picture or the free window area ends both modes.
    void WindowClick();

    const TextDisplay& text(int n) const { return texts_.at(n - 1); }
    const ShapeView& shape(int k) const { return shapes_.at(k - 1); }
    const std::string& buttonText(int k) const { return buttonTexts_.at(k - 1); }
    // The hint of slider k's frame and caption: "output at M15" until the variable list is first
    // refreshed, then its engineering range, "Faixa: de 0.00 a 100.00 %".
    const std::string& trackHint(int k) const { return trackHints_.at(k - 1); }
    // The variable list was refreshed (a load does it): the sliders' hints show their ranges.
    void RefreshTrackHints();
    // Controller n's marker font: blue in automatic, red otherwise, as of the last workspace
    // refresh.
    bool controllerAutomatic(int n) const { return automatic_.at(n - 1); }

    // After a workspace refresh: controller colours, shapes as their settings say, push-button
    // texts.
    void WorkspaceRefreshed();
    // After a change of a slot object: the controller colours (a controller's auto/manual switch
    // and its configuration refresh the workspace).
    void RefreshControllerColours();
    // The push buttons' state texts for their variables (a button put in use shows its text).
    void RefreshButtonTexts();
    // After a change of shape k's settings.
    void ShapeSettingsChanged(int k);
    // After a new project or a load: the caption, the project menus and fresh displays.
    void ProjectReplaced();
    void SlotEmptied(ObjectRef ref);

  private:
    void DisplayRefresh();
    void RefreshTexts();

    Project& project_;
    std::string caption_{kStartCaption};
    bool moveMode_ = false;
    bool deleteMode_ = false;
    bool crossCursor_ = false;
    int selectedCode_ = 0;
    bool moving_ = false;
    std::array<TextDisplay, 20> texts_{};
    std::array<ShapeView, 5> shapes_{};
    std::array<std::string, 3> buttonTexts_{};
    std::array<bool, 10> automatic_{};
    std::array<std::string, 6> trackHints_;
};

}  // namespace vork
