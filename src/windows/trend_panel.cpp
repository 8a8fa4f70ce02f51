#include "windows/trend_panel.h"

#include "engine/equation.h"
#include "engine/numbers.h"

namespace vork {

namespace {

std::string SamplingText(TimeBase base) {
    constexpr const char* kTexts[] = {"Saving 0.1s sampling", "Saving 0.334s sampling",
                                      "Saving 2s sampling"};
    return kTexts[static_cast<size_t>(base)];
}

std::optional<double> TypedNumber(const std::string& text) {
    return ParseWholeNumber(CommaToPoint(text));
}

}  // namespace

TrendPanel::TrendPanel(CursorStyle style, int scaleTextWidth, TrendAccess access)
    : style_(style), scaleTextWidth_(scaleTextWidth), access_(std::move(access)) {
    if (style == CursorStyle::Points)
        ResetCursorLabels("Ponto ", ":");
    else
        ResetCursorLabels("Coordenadas ", "");
}

double TrendPanel::SecondsPerSample(TimeBase base) {
    constexpr double kSeconds[] = {0.1, 0.3, 2.0};
    return kSeconds[static_cast<size_t>(base)];
}

void TrendPanel::Refresh(bool archiveAvailable) {
    ShowAxisLabels();
    bool on = data().archive.on();
    archiveEnabled = archiveAvailable;
    archiveChecked = on;
    blinking = on;
    if (!on) archiveIndicatorVisible = false;
    archiveLockedControlsEnabled = !on;
}

void TrendPanel::ShowRescale() {
    const TrendRing& ring = data().ring;
    EngineeringRange range = access_.range();
    eSupText = Fixed(range.ToEngineering(ring.top()), 1, scaleTextWidth_);
    eInfText = Fixed(range.ToEngineering(ring.bottom()), 1, scaleTextWidth_);
    ShowAxisLabels();
    archiveIndicator = SamplingText(data().base());
}

void TrendPanel::ShowAxisLabels() {
    const TrendRing& ring = data().ring;
    EngineeringRange range = access_.range();
    double span = ring.top() - ring.bottom();
    for (int j = 9; j >= 1; --j) {
        double percent = ring.bottom() + span * j / 10.0;
        axisLabels[static_cast<size_t>(9 - j)] = Fixed(range.ToEngineering(percent), 0);
    }
}

void TrendPanel::ApplyManualScale() {
    std::optional<double> top = TypedNumber(eSupText), bottom = TypedNumber(eInfText);
    EngineeringRange range = access_.range();
    access_.edit([&](Trend& t) {
        t.settings.EscalaAuto = false;
        if (top && bottom) t.SetEngineeringScale(*top, *bottom, range);
    });
    ShowAxisLabels();
}

void TrendPanel::BaseTempoBoxChange(int position) {
    access_.edit([position](Trend& t) { t.settings.BaseTempoBox = position; });
    archiveIndicator = SamplingText(data().base());
}

void TrendPanel::UsarVirgulaClick(bool checked) {
    access_.edit([checked](Trend& t) { t.settings.UsarVirgula = checked; });
}

void TrendPanel::UsarUEClick(bool checked) {
    access_.edit([checked](Trend& t) { t.settings.UsarUE = checked; });
}

void TrendPanel::PauseClick() {
    access_.edit([](Trend& t) { t.ring.paused = !t.ring.paused; });
    ShowPaused(data().ring.paused);
}

void TrendPanel::Close() {
    access_.edit([](Trend& t) { t.ring.paused = false; });
    ShowPaused(false);
}

void TrendPanel::ShowPaused(bool paused) {
    cursorPanelVisible = paused;
    if (!paused && style_ == CursorStyle::Points) ResetCursorLabels("Ponto ", ":");
}

void TrendPanel::ImageClick(int x, int y) {
    const Trend& trend = data();
    if (!trend.ring.paused) return;
    double top = ParseLenient(eSupText);
    double bottom = ParseLenient(eInfText);
    double value = bottom + (top - bottom) / 100.0 * ((200.0 - y) / 2.0);
    double seconds = x * SecondsPerSample(trend.base());
    size_t i = static_cast<size_t>(cursorCounter - 1);
    if (style_ == CursorStyle::Points) {
        cursorLabels[i] = "Ponto " + std::to_string(cursorCounter) + ":  Y=" + Fixed(value, 1) +
                          "  X=" + Fixed(seconds, 1);
        cursorMarkers[i] = {true, x, y, x + 5, y - 12};
    } else {
        cursorLabels[i] = "Y: " + Fixed(value, 1, 4) + " %" + "  T: " + Fixed(seconds, 1, 4) + " s";
    }
    cursorCounter = cursorCounter >= kCursorPoints ? 1 : cursorCounter + 1;
}

void TrendPanel::ResetCursorLabels(const std::string& prefix, const std::string& suffix) {
    for (int n = 1; n <= kCursorPoints; ++n)
        cursorLabels[static_cast<size_t>(n - 1)] = prefix + std::to_string(n) + suffix;
}

void TrendPanel::StopArchive() {
    access_.edit([](Trend& t) { t.archive.Stop(); });
    Refresh(archiveEnabled);
}

void TrendPanel::Timer1Tick() {
    if (blinking) archiveIndicatorVisible = !archiveIndicatorVisible;
}

void TrendPanel::ApplyEnglish() {
    archiveIndicator = "Saving 0.1 seg";
}

std::vector<int> TrendPanel::VerticalGridX(const TrendRing& ring) {
    std::vector<int> xs;
    for (int i = 0; i < 15; ++i)
        xs.push_back(i * TrendRing::kGridPeriod - ring.gridPhase());
    return xs;
}

std::vector<int> TrendPanel::HorizontalGridY() {
    std::vector<int> ys;
    for (int j = 0; j <= 10; ++j)
        ys.push_back(j * TrendRing::kHeight / 10);
    return ys;
}

}  // namespace vork
