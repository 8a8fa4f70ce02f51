#pragma once

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "plantmaker/builders.h"
#include "plantmaker/footprint.h"
#include "plantmaker/sheet.h"
#include "project/project.h"

namespace vork::plantmaker {

// Where an example lives and how the gallery and the README name it.
struct Identity {
    std::string galleryKey;  // "sim18": the gallery picture, also the thumbnail's file name
    std::string folder;      // below examples/
    std::string file;        // the simulation file, in that folder
    std::string picture;     // the plant picture, in the same folder
    Label title;
    std::string summary;  // one English line for the README
};

// One example being described: the project that becomes its simulation file and the sheet
// that becomes its picture. A description calls the builders, then the tool calls Finish.
class Example {
  public:
    Example() = default;
    Example(const Example&) = delete;
    Example& operator=(const Example&) = delete;

    // Gallery key, folder and file of the example-file table; the picture takes the file's
    // name with ".png".
    void Gallery(const std::string& key, const std::string& folder, const std::string& file);
    void Title(const std::string& pt, const std::string& en);
    void Summary(const std::string& en);
    // One paragraph per line; the comment panel wraps them.
    void Comments(std::vector<std::string> pt, std::vector<std::string> en);
    // Runs the finished plant this long (seconds at 100 ms) before saving, so the file opens at
    // its operating point. Without it the objects keep the states the description gave.
    void Settle(double seconds) { settleSeconds_ = seconds; }

    // Catalogue entry of M15..M96. Every variable the plant uses must be declared; a
    // controller's setpoint variable takes its PV's entry unless declared itself.
    VarBuilder Var(int address);
    ControllerBuilder Controller(int slot, const std::string& tag);
    ProcessBuilder Process(int slot, const std::string& tag);
    CalcBuilder Calc(int slot, const std::string& tag);
    RecorderBuilder Recorder(int slot, const std::string& tag);
    TextBuilder Text(int slot);
    ChannelBuilder Channel(int k);
    TrackBuilder Track(int k);
    SwitchBuilder Switch(int k);
    ButtonBuilder Button(int k);
    void ButtonPanel(Pt topLeft);
    ShapeBuilder Shape(int k);
    // The characterizer on `input`, with its six MV and PV breakpoints (percent texts).
    void Characterizer(int input, const std::array<std::string, 6>& mv,
                       const std::array<std::string, 6>& pv);

    Sheet& sheet() { return sheet_; }

    // Validates every object as the file reader would, sets the states, settles, captions the
    // markers and collects the footprints. Returns what is wrong with the description: object
    // messages, undeclared variables, markers outside the picture or on top of each other.
    std::vector<std::string> Finish();

    const Identity& identity() const { return identity_; }
    const Sheet& sheet() const { return sheet_; }
    const std::vector<Footprint>& footprints() const { return footprints_; }
    Project& project() { return project_; }
    std::string FileBytes() { return project_.FileBytes(); }

    // For the builders.
    struct ControllerStart {
        bool automatic = false;
        double setpoint = 0;  // engineering units
        double output = 0;    // percent
        bool remote = false;
        std::optional<ControllerSaved> saved;
    };
    ControllerStart& StartOf(int controllerSlot) { return starts_[controllerSlot]; }
    std::map<int, ProcessSaved>& processSaved() { return processSaved_; }
    void Place(FootprintKind kind, int slot, Rect marker) { placements_[{kind, slot}] = marker; }
    void DrawAsInstrument(FootprintKind kind, int slot) { instruments_.insert({kind, slot}); }
    std::map<int, std::string>& calcSymbols() { return calcSymbols_; }
    std::map<int, std::string>& sliderLabels() { return sliderLabels_; }

  private:
    std::vector<std::string> Validate();
    void Start();
    void RunSettle();
    void CollectFootprints(std::vector<std::string>& problems);
    void CheckEncoding(std::vector<std::string>& problems);
    void CheckLoad(std::vector<std::string>& problems);

    Project project_;
    Sheet sheet_;
    Identity identity_;
    double settleSeconds_ = 0;
    std::set<int> declared_;
    std::map<int, ControllerStart> starts_;
    std::map<int, ProcessSaved> processSaved_;
    std::map<int, std::string> calcSymbols_;
    std::map<int, std::string> sliderLabels_;  // the Portuguese label, as the program shows it
    std::map<std::pair<FootprintKind, int>, Rect> placements_;
    std::set<std::pair<FootprintKind, int>> instruments_;
    std::vector<Footprint> footprints_;
};

}  // namespace vork::plantmaker
