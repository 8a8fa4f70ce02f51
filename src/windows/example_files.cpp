#include "windows/example_files.h"

#include <array>
#include <system_error>
#include <utility>

namespace vork {

namespace {

// Folder and file below "examples" of each gallery picture.
constexpr std::array<std::pair<std::string_view, std::pair<const char*, const char*>>, 22>
    kExamples = {{
        {"sim1", {"boiler", "boiler.smp"}},
        {"sim2", {"processes to model", "4processes.smp"}},
        {"sim3a", {"combustion", "ratio.smp"}},
        {"sim3b", {"combustion", "cl.smp"}},
        {"sim3c", {"combustion", "dcl.smp"}},
        {"sim3d", {"combustion2fuels", "combustion2fuels.smp"}},
        {"sim4", {"Linearized pH control", "pHcontrol.smp"}},
        {"sim5", {"regulatory level", "regulatory level.smp"}},
        {"sim6", {"surge tank", "surge tank.smp"}},
        {"sim7", {"smith predictor", "smithpredictor.smp"}},
        {"sim8", {"header pressure with 3 consumers", "header pressure with 3 consumers.smp"}},
        {"sim9", {"nonlinear flow processes", "nonlinear flow processes.smp"}},
        {"sim10", {"reactor", "reactor.smp"}},
        {"sim11", {"heat exchanger", "heatexchanger.smp"}},
        {"sim12", {"furnace", "furnace.smp"}},
        {"sim13", {"furnace masterslave", "furnace.smp"}},
        {"sim14", {"splitrange control", "splitrange.smp"}},
        {"sim15", {"coolingplant", "coolingplant.smp"}},
        {"sim16", {"ethaneplant", "ethaneplant.smp"}},
        {"sim17", {"course-fine flow loop", "course-fine flow loop.smp"}},
        {"sim18", {"basic flow loop", "basic flow loop.smp"}},
        {"sim19", {"frequency response", "frequencyresponse.smp"}},
    }};

bool HoldsExamples(const std::filesystem::path& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder / "examples", error);
}

}  // namespace

std::optional<std::filesystem::path> ExampleFile(std::string_view picture) {
    for (const auto& [key, file] : kExamples)
        if (key == picture) return std::filesystem::path("examples") / file.first / file.second;
    return std::nullopt;
}

std::filesystem::path ExamplesRoot(const std::filesystem::path& startFolder,
                                   const std::filesystem::path& installedData) {
    if (!HoldsExamples(startFolder) && HoldsExamples(installedData)) return installedData;
    return startFolder;
}

}  // namespace vork
