#include "cli/plot_output.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "plant/controller.h"
#include "plant/simulation.h"

#ifdef VORK_PLOT
#include <QGuiApplication>

#include "plot/chart_files.h"
#endif

namespace vork::cli {

#ifdef VORK_PLOT

namespace {

std::string FileSafe(const std::string& text) {
    std::string safe;
    for (unsigned char c : text)
        safe += std::isalnum(c) || c == '-' || c == '_' || c >= 0x80 ? static_cast<char>(c) : '_';
    return safe;
}

}  // namespace

bool CanPlot() {
    return true;
}

std::string PlotLoops(const std::string& folder, const std::string& projectName,
                      const Simulation& sim, const RunOutcome& out, const LoopCurveSet& charts) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder)) return "cannot create the folder " + folder;
    // Qt Gui draws text only with an application object; the offscreen platform needs no display.
    int argc = 3;
    char name[] = "vork-sim", option[] = "-platform", platform[] = "offscreen";
    char* argv[] = {name, option, platform, nullptr};
    QGuiApplication gui(argc, argv);
    for (int i = 1; i <= 10; ++i) {
        if (!out.loops[i - 1].Active()) continue;
        const LoopCurves& curves = charts[i - 1];
        const std::string& tag = sim.controllers.Get(i)->fields.TagText;
        int points = static_cast<int>(curves.pv.size());
        ChartPicture picture{curves, VisibleRange(curves, 1, std::max(points, 1), {}),
                             QString::fromStdString(tag + " - " + projectName)};
        std::filesystem::path file = std::filesystem::path(folder) /
                                     ("loop" + std::to_string(i) + "_" + FileSafe(tag) + ".png");
        if (!WriteChartPng(QString::fromStdString(file.string()), picture))
            return "cannot write " + file.string();
        std::fprintf(stderr, "plot: %s\n", file.string().c_str());
    }
    return {};
}

#else

bool CanPlot() {
    return false;
}

std::string PlotLoops(const std::string&, const std::string&, const Simulation&, const RunOutcome&,
                      const LoopCurveSet&) {
    return "this vork-sim is built without charts";
}

#endif

}  // namespace vork::cli
