#pragma once

#include <QString>

#include "windows/fast_simulation_window.h"

namespace vork {

struct AppContext;

// Writes one chart of the fast-simulation window as a PNG or SVG picture of the chart as shown
// (its page and zoom), or its curves as CSV. Returns the reason when the file could not be
// written, empty on success.
QString WriteChartFile(const FastSimulationWindow& model, ChartRow row, int loop,
                       ExportFormat format, const QString& path);

// Asks where to write, then writes; a failure is shown. A cancelled dialog does nothing.
void ExportChart(AppContext& context, const FastSimulationWindow& model, ChartRow row, int loop,
                 ExportFormat format);

}  // namespace vork
