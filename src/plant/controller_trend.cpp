#include "engine/equation.h"
#include "engine/numbers.h"
#include "plant/addresses.h"
#include "plant/archive_display.h"
#include "plant/controller.h"
#include "plant/simulation.h"

// The loop trend of a controller: sampling, scale, pause and cursor, and the text archive.
namespace vork {

namespace {

// The actuator position of the process block whose output is `pv`; 1 for any other variable.
double ActuatorOf(const VariableTable& vars, int pv) {
    int block = ProcessSlotOfOutput(pv);
    return block ? vars.Read(ActuatorAddress(block)) : 1.0;
}

}  // namespace

void Controller::SampleTrend(Simulation& sim) {
    if (!trend.SampleDue(TimeBaseAt(trendFields.BaseTempoBox))) return;
    TrendValues v;
    v.raw = {state.PV, state.SP};
    v.fixed = {state.CO, ActuatorOf(sim.vars, tuning.pvAddress)};
    trend.Push(v);
    if (archive.on()) WriteArchiveRow();
}

void Controller::WriteArchiveRow() {
    double pv = state.PV, sp = state.SP;
    if (trendFields.UsarUE) {
        pv = ToEngineering(pv);
        sp = ToEngineering(sp);
    }
    if (!archive.WriteRow({pv, sp, state.CO}, trendFields.UsarVirgula)) EndArchive();
}

void Controller::RescaleTrend() {
    if (trendFields.EscalaAuto)
        trend.AutoScale();
    else
        trend.SetScale(100.0, 0.0);
    WriteScaleTexts();
    WriteAxisLabels();
}

void Controller::WriteScaleTexts() {
    trendFields.eSupText = Fixed(ToEngineering(trend.top()), 1);
    trendFields.eInfText = Fixed(ToEngineering(trend.bottom()), 1);
}

void Controller::WriteAxisLabels() {
    double span = trend.top() - trend.bottom();
    for (int j = 9; j >= 1; --j) {
        double percent = trend.bottom() + span * j / 10.0;
        trendDisplay.axisLabels[static_cast<size_t>(9 - j)] = Fixed(ToEngineering(percent), 0);
    }
}

void Controller::ApplyManualScale() {
    trendFields.EscalaAuto = false;
    std::optional<double> sup = ParseWholeNumber(CommaToPoint(trendFields.eSupText));
    std::optional<double> inf = ParseWholeNumber(CommaToPoint(trendFields.eInfText));
    if (sup && inf && *inf < *sup && tuning.PVmax != tuning.PVmin) {
        double top = ToPercent(*sup), bottom = ToPercent(*inf);
        if (bottom < top) trend.SetScale(top, bottom);
    }
    WriteAxisLabels();
}

void Controller::BaseTempoBoxChange() {
    trendDisplay.Label21 = SamplingText(TimeBaseAt(trendFields.BaseTempoBox));
}

void Controller::SpeedButton2Click() {
    trend.paused = !trend.paused;
    cursor.panelVisible = trend.paused;
    if (!cursor.panelVisible) cursor.ResetLabels("Ponto ", ":");
}

void Controller::ImageClick(int x, int y) {
    if (!trend.paused) return;
    double value = TrendCursor::ReadY(trendFields.eSupText, trendFields.eInfText, y);
    double seconds = TrendCursor::ReadX(TimeBaseAt(trendFields.BaseTempoBox), x);
    std::string text = "Ponto " + std::to_string(cursor.counter) + ":  Y=" + Fixed(value, 1) +
                       "  X=" + Fixed(seconds, 1);
    cursor.Record(text, x, y, true);
}

void Controller::CloseWindow() {
    trend.paused = false;
    cursor.panelVisible = false;
    cursor.ResetLabels("Ponto ", ":");
}

ArchiveStart Controller::StartArchive(Simulation& sim, TrendFileSystem& files) {
    if (!trendDisplay.CheckBox1Enabled || archive.on()) return ArchiveStart::Refused;
    if (sim.trendArchiveFolder.empty()) return ArchiveStart::NeedsFolder;
    if (!archive.Start(files, sim.trendArchiveFolder, fields.TagText,
                       TimeBaseAt(trendFields.BaseTempoBox), {"PV", "SP", "MV"})) {
        trendFields.CheckBox1 = false;
        return ArchiveStart::Failed;
    }
    trendFields.CheckBox1 = true;
    ShowArchiveStarted(trendDisplay);
    return ArchiveStart::Started;
}

std::string Controller::StopArchive() {
    EndArchive();
    return "Data saved: " + archive.path();
}

void Controller::EndArchive() {
    archive.Stop();
    trendFields.CheckBox1 = false;
    ShowArchiveEnded(trendDisplay);
}

void Controller::Timer1Tick() {
    BlinkArchiveLabel(trendDisplay);
}

}  // namespace vork
