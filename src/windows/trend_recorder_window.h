#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/language.h"
#include "engine/window_text.h"
#include "plant/object_ref.h"
#include "plant/trend_recorder.h"
#include "project/project.h"
#include "windows/trend_panel.h"

namespace vork {

// A trend recorder's window (TRegistrForm): the strip chart with the current value of each pen,
// and the configuration column at its right. It shows the recorder through the project and
// changes it only through the project; an edit of the tag, the description, the pen variables or
// the pen texts marks the project modified.
class TrendRecorderWindow {
  public:
    static constexpr int kTrendWidth = 597;   // the trend only
    static constexpr int kConfigWidth = 792;  // with the configuration column
    static constexpr int kHeight = 322;

    // Made with the recorder's window, after the slot is filled or the project loaded. The pick
    // lists are built from the variable descriptions as they stand then.
    TrendRecorderWindow(Project& project, int slot);
    TrendRecorderWindow(const TrendRecorderWindow&) = delete;
    TrendRecorderWindow& operator=(const TrendRecorderWindow&) = delete;

    ObjectRef ref() const { return ref_; }
    const TrendRecorder& recorder() const;

    std::string caption = "Registrador";  // then tag, " - " and description
    // VermelhoLabel, AzulLabel, VerdeLabel: pen text and value of the last sample; empty for a
    // pen without a variable.
    std::string redLabel, blueLabel, greenLabel;
    std::string unit;  // Label1: pen 1's unit

    // Long pick lists: 124 entries, and "Nenhum" after them for pens 2 and 3.
    std::vector<std::string> Variavel1Items, Variavel2Items, Variavel3Items;

    bool configColumn = true;  // ConfBTN shows or hides it
    int width() const { return configColumn ? kConfigWidth : kTrendWidth; }
    bool exitEnabled = true;  // SairBTN
    bool confEnabled = true;  // ConfBTN

    TrendPanel trend;  // SpeedButton1 is its pause button

    // The English texts were applied on an activation; the window's other texts then come from
    // the English column of kRecorderWindowTexts.
    bool englishApplied = false;

    // After each tick while the window is open: the pen labels and the trend area.
    void Refresh();

    // An edit of the tag, the description, the pen texts or the variables of pens 1 and 2:
    // pen 1's range and the scale again, and the project is marked modified.
    void Edit(const std::function<void(TrendRecorderFields&)>& edit);
    // A new pen 3; picking a controller output links pens 1 and 2 to that loop.
    void Variavel3SelectChange(int position);
    // A click on EscalaAuto, a double click on the plot, a refreshed variable list: the range and
    // the scale again.
    void EscalaAutoClick(bool checked);
    void ImageDoubleClick();
    void VariablesChanged();

    // A named recorder opens on its trend; in English the first activation translates.
    void Activate(Language language);
    void ConfBTNClick();
    void CloseWindow();

    // Ticking "Arquivar": the file goes to `workingFolder`. Failed: the reason is in the
    // archive's error.
    ArchiveStart StartArchive(TrendFileSystem& files, const std::string& workingFolder);
    // Clearing "Arquivar"; returns the message to show.
    std::string StopArchive();

  private:
    void Operate(const std::function<void(TrendRecorder&)>& action, Modifies marks);
    void ShowRescale();

    Project& project_;
    ObjectRef ref_;
};

// The texts that switch to English when the window is activated in English mode; every other
// text stays as it is. The window caption comes first.
extern const std::array<WindowText, 19> kRecorderWindowTexts;

// The English text of `component`; empty when it has none.
std::string RecorderEnglishText(std::string_view component);

}  // namespace vork
