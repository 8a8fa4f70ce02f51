#include "engine/equation.h"
#include "engine/numbers.h"
#include "plant/addresses.h"
#include "plant/controller.h"
#include "plant/simulation.h"
#include "plant/trend_recorder.h"
#include "plant/trend_recorder_texts.h"

// The recorder's scale, labels, pen linking, pause and cursor.
namespace vork {

void TrendRecorder::Refresh(const Simulation& sim) {
    display.CheckBox1Enabled = !fields.TagText.empty();
    int pen1 = fields.Variavel1Select >= 0 ? fields.Variavel1Select + 1 : 1;
    ueMin = ParseLenient(sim.vars.Attribute(pen1, AttributeField::UeMin));
    ueMax = ParseLenient(sim.vars.Attribute(pen1, AttributeField::UeMax));
    unit = sim.vars.Attribute(pen1, AttributeField::Unit);
    if (fields.EscalaAuto)
        trend.AutoScale();
    else
        trend.SetScale(100.0, 0.0);
    WriteScaleTexts();
    WriteAxisLabels();
    display.Label1 = unit;
    display.Caption = fields.TagText + " - " + fields.DescricaoText;
    display.Label21 = SamplingText(TimeBaseAt(fields.BaseTempoBox));
}

void TrendRecorder::WriteScaleTexts() {
    fields.eSupText = Fixed(ToEngineering(trend.top()), 1, 4);
    fields.eInfText = Fixed(ToEngineering(trend.bottom()), 1, 4);
}

void TrendRecorder::WriteAxisLabels() {
    double span = trend.top() - trend.bottom();
    for (int j = 9; j >= 1; --j) {
        double percent = trend.bottom() + span * j / 10.0;
        display.axisLabels[static_cast<size_t>(9 - j)] = Fixed(ToEngineering(percent), 0);
    }
}

void TrendRecorder::Variavel3SelectChange(const Simulation& sim) {
    int p = fields.Variavel3Select;
    if (p >= 0 && p <= 9) {
        if (fields.Edit2 == "SP") fields.Variavel2Select = SetpointAddress(p + 1) - 1;
        const Controller* loop = sim.controllers.Get(p + 1);
        if (fields.Edit1 == "PV" && loop) fields.Variavel1Select = loop->fields.VariavelSelect;
    }
    Refresh(sim);
}

void TrendRecorder::ApplyManualScale() {
    fields.EscalaAuto = false;
    std::optional<double> sup = ParseWholeNumber(CommaToPoint(fields.eSupText));
    std::optional<double> inf = ParseWholeNumber(CommaToPoint(fields.eInfText));
    if (sup && inf && *inf < *sup && ueMax != ueMin) {
        double top = (*sup - ueMin) * 100.0 / (ueMax - ueMin);
        double bottom = (*inf - ueMin) * 100.0 / (ueMax - ueMin);
        if (bottom < top) trend.SetScale(top, bottom);
    }
    WriteAxisLabels();
}

void TrendRecorder::BaseTempoBoxChange() {
    display.Label21 = SamplingText(TimeBaseAt(fields.BaseTempoBox));
}

void TrendRecorder::SpeedButton1Click() {
    trend.paused = !trend.paused;
    cursor.panelVisible = trend.paused;
}

void TrendRecorder::ImageClick(int x, int y) {
    if (!trend.paused) return;
    double value = TrendCursor::ReadY(fields.eSupText, fields.eInfText, y);
    double seconds = TrendCursor::ReadX(TimeBaseAt(fields.BaseTempoBox), x);
    cursor.Record("Y: " + Fixed(value, 1, 4) + " %" + "  T: " + Fixed(seconds, 1, 4) + " s", x, y,
                  false);
}

void TrendRecorder::CloseWindow() {
    trend.paused = false;
    cursor.panelVisible = false;
}

void TrendRecorder::Activate(const Simulation& sim) {
    if (!fields.TagText.empty()) display.configColumn = false;
    display.SairBTN = display.ConfBTN = true;
    if (sim.language != Language::English || display.englishApplied) return;
    display.englishApplied = true;
    display.Caption = kRecorderWindowTexts[0].english;
    display.Label21 = RecorderEnglishText("Label21");
}

void TrendRecorder::ConfBTNClick() {
    display.configColumn = !display.configColumn;
    // The configuration column is closed with ConfBTN, not by leaving the window.
    display.SairBTN = !display.configColumn;
}

}  // namespace vork
