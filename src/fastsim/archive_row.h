#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "fastsim/indices.h"
#include "fastsim/loop_curves.h"

namespace vork {

class VariableTable;

// The two chart rows of the fast-simulation window.
enum class ChartRow { Upper, Lower };

// Loads the archive `selected` (a name of the archive list, without ".txd") from `folder` into
// one chart row with the loop configuration of the open project. An empty selection does
// nothing. Otherwise the row's flag is set first; on success the curves of the present loops
// are replaced (the charts of empty slots keep theirs) and the active loops are scored into the
// row's results table. A failed load leaves the charts and the table as they were and returns
// the reason; success returns an empty text.
std::string LoadArchiveIntoRow(const std::filesystem::path& folder, const std::string& selected,
                               ChartRow row, const LoopConfigs& loops, const VariableTable& vars,
                               bool normalize, LoopCurveSet& charts, ResultsTables& tables,
                               const std::function<void(int)>& progress = {});

}  // namespace vork
