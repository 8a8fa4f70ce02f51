#pragma once

#include <string>

#include "workspace/place.h"

namespace vork {

// One of the six sliders (tracks): its settings in the configuration window (`Ent`n`check`,
// `Ent`n`Label`, `Ent`n`track`) and its four controls on the picture (`TrackBack`n,
// `TrackLabel`n, `TrackText`n, `TrackBar`n). Slider k writes M(14+k).
struct Track {
    static constexpr int kBarMax = 10000;  // bar position p stands for p / 100 percent

    bool EntCheck = false;  // the slider is in use
    std::string EntLabel;   // caption, also shown by `TrackLabel`n
    bool EntTrack = true;   // show the bar under the caption

    Place TrackBack;
    int backWidth = 117;  // pixels
    int backHeight = 60;
    Place TrackLabel;
    Place TrackText;
    std::string valueText = "0";  // what `TrackText`n shows
    Place TrackBar;
    int barWidth = 105;  // pixels
    int barPosition = 0;

    // Puts the slider group with its frame at (top, left) and sizes it for its caption and bar,
    // as the file reader lays it out.
    void PlaceGroup(int top, int left);
    // A caption longer than six letters widens the frame and the bar to 7 pixels a letter and
    // moves the number field right; a shorter one leaves them as they are.
    void FitCaption();
    // Shows the four controls; the bar only while it is in use.
    void Show();
    // Bar position for a value in percent: value x 100 rounded half to even, within the bar.
    static int BarPosition(double percent);
};

}  // namespace vork
