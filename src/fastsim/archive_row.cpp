#include "fastsim/archive_row.h"

#include "fastsim/txd_archive.h"

namespace vork {

std::string LoadArchiveIntoRow(const std::filesystem::path& folder, const std::string& selected,
                               ChartRow row, const LoopConfigs& loops, const VariableTable& vars,
                               bool normalize, LoopCurveSet& charts, ResultsTables& tables,
                               const std::function<void(int)>& progress) {
    if (selected.empty()) return {};
    bool upper = row == ChartRow::Upper;
    (upper ? tables.resultsAvailable : tables.historyLoaded) = true;
    ArchiveLoad load = LoadArchive(folder / (selected + ".txd"), loops, vars, normalize, progress);
    if (!load.error.empty()) return load.error;
    for (size_t i = 0; i < loops.size(); ++i)
        if (loops[i].present) charts[i] = std::move(load.curves[i]);
    tables.Fill(upper, loops, charts);
    return {};
}

}  // namespace vork
