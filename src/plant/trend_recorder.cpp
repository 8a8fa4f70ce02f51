#include "plant/trend_recorder.h"
#include "plant/archive_display.h"

#include <algorithm>

#include "engine/numbers.h"
#include "plant/simulation.h"

namespace vork {

TrendRecorder::TrendRecorder(int slot) : slot_(slot) {
    cursor.ResetLabels("Coordenadas ", "");
}

void TrendRecorder::BuildLists(const VariableTable& vars) {
    Variavel1Items = vars.LongPickList();
    Variavel2Items = Variavel1Items;
    Variavel2Items.push_back("Nenhum");
    Variavel3Items = Variavel2Items;
}

// "Nenhum" counts as no selection: its address 125 holds no variable.
double TrendRecorder::PenValue(const Simulation& sim, int position, bool& selected) const {
    selected = position >= 0 && position != kNenhum;
    return selected ? sim.vars.Read(position + 1) : 0.0;
}

double TrendRecorder::ToEngineering(double percent) const {
    return ueMin + (ueMax - ueMin) * percent / 100.0;
}

std::string TrendRecorder::EngineeringText(double percent) const {
    return Fixed(ToEngineering(percent), 2, 4) + " " + unit;
}

void TrendRecorder::Compute(Simulation& sim) {
    if (!trend.SampleDue(TimeBaseAt(fields.BaseTempoBox))) return;
    std::array<bool, 3> on{};
    std::array<double, 3> v{PenValue(sim, fields.Variavel1Select, on[0]),
                            PenValue(sim, fields.Variavel2Select, on[1]),
                            PenValue(sim, fields.Variavel3Select, on[2])};
    display.VermelhoLabel = on[0] ? fields.Edit1 + ": " + EngineeringText(v[0]) : "";
    display.AzulLabel = on[1] ? fields.Edit2 + ": " + EngineeringText(v[1]) : "";
    display.VerdeLabel = on[2] ? fields.Edit3 + ": " + Fixed(v[2], 2, 4) + "%" : "";

    TrendValues sample;
    sample.raw = {v[0], v[1]};
    sample.fixed = {v[2], 0.0};
    sample.store = {true, !display.AzulLabel.empty(), !display.VerdeLabel.empty(), false};
    trend.Push(sample);
    if (archive.on()) WriteArchiveRow(v, on);
}

void TrendRecorder::WriteArchiveRow(const std::array<double, 3>& values,
                                    const std::array<bool, 3>& selected) {
    std::vector<double> row(3, 0.0);
    for (size_t i = 0; i < 2; ++i)
        if (selected[i]) row[i] = fields.UsarUE ? ToEngineering(values[i]) : values[i];
    row[2] = std::clamp(values[2], 0.0, 100.0);
    if (!archive.WriteRow(row, fields.UsarVirgula)) EndArchive();
}

TrendRecorder::Start TrendRecorder::StartArchive(TrendFileSystem& files,
                                                 const std::string& workingFolder) {
    if (!display.CheckBox1Enabled || archive.on()) return Start::Refused;
    if (!archive.Start(files, workingFolder, fields.TagText, TimeBaseAt(fields.BaseTempoBox),
                       {fields.Edit1, fields.Edit2, fields.Edit3})) {
        fields.CheckBox1 = false;
        return Start::Failed;
    }
    fields.CheckBox1 = true;
    ShowArchiveStarted(display);
    return Start::Started;
}

std::string TrendRecorder::StopArchive() {
    EndArchive();
    return "Data saved: " + archive.fileName();
}

void TrendRecorder::EndArchive() {
    archive.Stop();
    fields.CheckBox1 = false;
    ShowArchiveEnded(display);
}

void TrendRecorder::Timer1Tick() {
    BlinkArchiveLabel(display);
}

}  // namespace vork
