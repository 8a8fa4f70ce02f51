#include "cli/run_options.h"

#include <map>

namespace vork::cli {

std::string ParseWindow(const std::string& value, RunInputs& in) {
    const std::map<std::string, int> windows{
        {"30min", 1800}, {"1h", 3600}, {"2h", 7200}, {"4h", 14400}};
    if (!windows.count(value)) return "--window takes 30min, 1h, 2h or 4h, got '" + value + "'";
    in.windowSeconds = windows.at(value);
    return "";
}

std::string ParseTimeStep(const std::string& value, RunInputs& in) {
    const std::map<std::string, double> steps{
        {"100ms", 0.1}, {"200ms", 0.2}, {"500ms", 0.5}, {"1s", 1.0}};
    if (!steps.count(value)) return "--dt takes 100ms, 200ms, 500ms or 1s, got '" + value + "'";
    in.dt = steps.at(value);
    return "";
}

std::string ParseTestStep(const std::string& value, RunInputs& in) {
    if (value == "none") {
        in.signal = TestSignal::None;
        return "";
    }
    size_t colon = value.find(':');
    std::string kind = value.substr(0, colon);
    if (colon == std::string::npos || (kind != "sp" && kind != "load"))
        return "--step takes none, sp:A or load:A, got '" + value + "'";
    in.signal = kind == "sp" ? TestSignal::SetpointStep : TestSignal::LoadStep;
    // The amplitude stays text: the run refuses one that is not an integer, as the window does.
    in.amplitudeText = value.substr(colon + 1);
    return "";
}

}  // namespace vork::cli
