#include "plant/trend_recorder.h"

#include <algorithm>

#include "engine/numbers.h"
#include "plant/addresses.h"
#include "plant/controller.h"
#include "plant/simulation.h"

namespace vork {

// "Nenhum" counts as no selection: its address 125 holds no variable.
double TrendRecorder::PenValue(const Simulation& sim, int position, bool& selected) const {
    selected = position >= 0 && position != kNenhum;
    return selected ? sim.vars.Read(position + 1) : 0.0;
}

void TrendRecorder::Compute(Simulation& sim) {
    if (!trend.SampleDue()) return;
    const int positions[kPens] = {fields.Variavel1Select, fields.Variavel2Select,
                                  fields.Variavel3Select};
    for (size_t i = 0; i < kPens; ++i)
        penValues[i] = PenValue(sim, positions[i], penSelected[i]);

    TrendValues sample;
    sample.raw = {penValues[0], penValues[1]};
    sample.fixed = {penValues[2], 0.0};
    // Pens 2 and 3 without a variable keep their old points and are not drawn.
    sample.store = {true, penSelected[1], penSelected[2], false};
    trend.ring.Push(sample);
    if (trend.archive.on()) WriteArchiveRow();
}

void TrendRecorder::WriteArchiveRow() {
    std::vector<double> row(kPens, 0.0);
    for (size_t i = 0; i < 2; ++i)
        if (penSelected[i])
            row[i] = trend.settings.UsarUE ? range.ToEngineering(penValues[i]) : penValues[i];
    row[2] = std::clamp(penValues[2], 0.0, 100.0);
    trend.WriteArchiveRow(row);
}

void TrendRecorder::Rescale(const Simulation& sim) {
    int pen1 = fields.Variavel1Select >= 0 ? fields.Variavel1Select + 1 : 1;
    range.min = ParseLenient(sim.vars.Attribute(pen1, AttributeField::UeMin));
    range.max = ParseLenient(sim.vars.Attribute(pen1, AttributeField::UeMax));
    unit = sim.vars.Attribute(pen1, AttributeField::Unit);
    trend.Rescale();
}

void TrendRecorder::Variavel3SelectChange(const Simulation& sim) {
    int p = fields.Variavel3Select;
    if (p >= 0 && p <= 9) {
        if (fields.penText2 == "SP") fields.Variavel2Select = SetpointAddress(p + 1) - 1;
        const Controller* loop = sim.controllers.Get(p + 1);
        if (fields.penText1 == "PV" && loop) fields.Variavel1Select = loop->fields.VariavelSelect;
    }
    Rescale(sim);
}

ArchiveStart TrendRecorder::StartArchive(TrendFileSystem& files, const std::string& workingFolder) {
    if (fields.TagText.empty()) return ArchiveStart::Refused;
    return trend.StartArchive(files, workingFolder, fields.TagText,
                              {fields.penText1, fields.penText2, fields.penText3});
}

}  // namespace vork
