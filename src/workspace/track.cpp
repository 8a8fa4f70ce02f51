#include "workspace/track.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "engine/windows1252.h"

namespace vork {

namespace {

// Captions up to this length fit the frame as drawn; longer ones widen it by 7 pixels a letter.
constexpr int kFittingCaption = 6;
constexpr int kPixelsPerLetter = 7;

}  // namespace

void Track::PlaceGroup(int top, int left) {
    TrackBack.top = top;
    TrackBack.left = left;
    backHeight = EntTrack ? 60 : 28;
    TrackLabel.top = top + 6;
    TrackLabel.left = left + 4;
    TrackText.top = top + 4;
    TrackText.left = left + 52;
    TrackBar.top = top + 22;
    TrackBar.left = left + 4;
    FitCaption();
}

void Track::FitCaption() {
    int letters = CharacterCount(EntLabel);
    if (letters <= kFittingCaption) return;
    backWidth = 75 + kPixelsPerLetter * letters;
    barWidth = 63 + kPixelsPerLetter * letters;
    TrackText.left = TrackBack.left + 10 + kPixelsPerLetter * letters;
}

void Track::Show() {
    TrackBack.visible = true;
    TrackLabel.visible = true;
    TrackText.visible = true;
    TrackBar.visible = EntTrack;
}

int Track::BarPosition(double percent) {
    double scaled = percent * 100.0;
    if (std::isnan(scaled)) return 0;
    scaled = std::clamp(scaled, 0.0, static_cast<double>(kBarMax));
    return static_cast<int>(RoundDecimalQuotient(scaled));
}

}  // namespace vork
