#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/controller.h"
#include "plant/object_ref.h"
#include "windows/trend_panel.h"

namespace vork {

class Project;

// The controller's window (TControlador): the faceplate, and at its right the loop trend or the
// configuration area. It shows the controller through the project and changes it only through
// the project: configuration edits and the operator's actions do not mark the project modified,
// Apply ("Atualizar") does.
class ControllerWindow {
  public:
    static constexpr int kWideWidth = 745;    // faceplate with the trend or the configuration
    static constexpr int kNarrowWidth = 204;  // faceplate only
    static constexpr int kHeight = 359;

    // Made with the controller's window, after the slot is filled or the project loaded; it shows
    // the controller as its last validation left it.
    ControllerWindow(Project& project, int slot);
    ControllerWindow(const ControllerWindow&) = delete;
    ControllerWindow& operator=(const ControllerWindow&) = delete;

    ObjectRef ref() const { return ref_; }
    const Controller& controller() const;

    // Faceplate. Bars run 0..200, two points per percent.
    std::string caption;        // the tag at the last validation
    std::string title;          // DescricaoText: the description at the last validation
    std::string SPText;         // setpoint, engineering units; typed in local mode
    std::string PVText;         // measured variable, engineering units
    std::string MVText;         // output, percent; typed in manual
    std::string unit;           // UnitEngSP
    int remoteSetpointBar = 0;  // SPRBar
    int setpointBar = 0;        // SetPointBar
    int pvBar = 0;              // VariavelBar
    int outputBar = 0;          // SaidaBar
    int setpointBarLeft = 14, setpointBarWidth = 22;  // 20 and 15 beside the remote bar
    std::string localRemoteLetter = "L";              // Label1
    std::string autoManualLetter = "M";               // Label2
    bool localRemoteEnabled = false;                  // LocalRemotoBTN
    bool setpointButtonsEnabled = true;               // IncrementaSP, DecrementaSP
    bool outputButtonsEnabled = true;                 // IncrementaSaida, DecrementaSaida
    bool sendEnabled = false;                         // Button2 "Enviar"

    // Configuration area: "Atualizar" waits for an edit, and ConfigBTN for "Atualizar".
    bool applyPending = false;
    bool configButtonEnabled = true;   // ConfigBTN
    bool remoteSelectEnabled = false;  // SPRSelect
    // The short pick lists of the measured variable, the remote setpoint and the slave output;
    // the first two are rebuilt when the user enters them.
    std::vector<std::string> VariavelSelectItems, SPRSelectItems, BackMVItems;

    // Layout: wide shows the trend or, above it, the configuration area.
    bool wide = true;
    bool configShowing = false;
    int width() const { return wide ? kWideWidth : kNarrowWidth; }

    // The loop trend: which traces are drawn, and the trend area.
    bool showPV = true, showSP = true, showCO = true;  // MostrarPV, MostrarSP, MostrarCO
    bool showActuator = false;                         // MostrarAtuador
    TrendPanel trend;

    // The English texts were applied on an activation; the window's other texts then come from
    // the English column of kControllerWindowTexts.
    bool englishApplied = false;

    // After each tick while the window is open: bars, values, mode letters and buttons, and the
    // trend area. In local mode the setpoint text is left to the operator unless the setpoint
    // moved (an offline run moves it).
    void Refresh();

    // The operator's actions. Each does nothing where its control is disabled.
    void IncrementaSPClick();
    void DecrementaSPClick();
    void SPTextEnter();
    void SPTextEscape();
    void LocalRemotoBTNClick();
    void AutoManualBTNClick();
    void IncrementaSaidaClick();
    void DecrementaSaidaClick();
    void MVTextChange();
    void MVTextEnter();  // also "Enviar"
    void MVTextEscape();

    // Configuration area. Any edit of its fields enables "Atualizar".
    void Edit(const std::function<void(ControllerFields&)>& edit);
    void CheckSPRChange(bool checked);
    void VariavelSelectEnter();
    void SPRSelectEnter();
    // "Atualizar": validates, reports the failed checks' messages, marks the project modified.
    std::vector<std::string> Apply();

    // Window.
    void ShowWindow();
    // Enables "Enviar" in manual; in English the first activation translates the window.
    void Activate(Language language);
    void ConfigBTNClick();
    void TrendButtonClick();
    void CloseWindow();

    // Trend area; the rest of it is the panel's (SpeedButton2 is its pause button). A click on
    // EscalaAuto and a double click on the plot validate without report to set the scale.
    void EscalaAutoClick(bool checked);
    void ImageDoubleClick();
    // Ticking "Arquivar". NeedsFolder: the window asks for a folder, hands it to
    // ChooseArchiveFolder and ticks again. Failed: the reason is in the archive's error.
    ArchiveStart StartArchive(TrendFileSystem& files);
    void ChooseArchiveFolder(const std::string& folder);
    // Clearing "Arquivar"; returns the message to show.
    std::string StopArchive();

  private:
    // Changes the controller through the project, without marking it modified.
    void Operate(const std::function<void(Controller&)>& action);
    void ConfigEdited();
    void ShowValidation();
    void ShowSetpoint();
    void ShowOutput();
    std::string EngineeringText(double percent) const;

    Project& project_;
    ObjectRef ref_;
    double shownSetpoint_ = 0.0;  // the setpoint SPText was last written from
};

// The texts that switch to English when the window is activated in English mode; every other
// text stays as it is. The window caption comes first. Radio-group items are named
// "<group>/<position>".
extern const std::array<WindowText, 52> kControllerWindowTexts;

// The English text of `component`; empty when it has none.
std::string ControllerEnglishText(std::string_view component);

}  // namespace vork
