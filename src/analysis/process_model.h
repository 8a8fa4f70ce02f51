#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/response.h"

namespace vork {

enum class ModelKind { Fopdt, Integrating };

// A process model in percent of range. First order plus dead time: K e^(-theta s) / (T s + 1);
// integrating: Ki e^(-theta s) / s.
struct ProcessModel {
    ModelKind kind = ModelKind::Fopdt;
    double gain = 0;          // K in %/%, or the rate Ki in %/s per % for an integrating model
    double timeConstant = 0;  // T in seconds; 0 for an integrating model
    double deadTime = 0;      // theta in seconds
};

// A model fitted by least squares over a whole response, with the baseline it was fitted on:
// PV(t) = offset + drift (t - t0) + the model's answer to CO(t) - CO(t0).
struct ModelFit {
    ProcessModel model;
    double rmsError = 0;  // root mean square of PV - fitted curve, percent
    double offset = 0;    // percent
    double drift = 0;     // percent per second, as the PV ramped before the CO changed; 0 for a
                          // first-order model
};

// Which model to fit. Automatic fits both and takes the integrating one where the PV ramps:
// where it explains the response as well as a first-order lag does.
enum class ModelChoice { Automatic, Fopdt, Integrating };

struct FitResult {
    std::optional<ModelFit> fit;
    std::string error;  // why no model could be fitted
};

FitResult FitModel(const Response& response, ModelChoice choice = ModelChoice::Automatic);

// The fitted curve at the response's sample times, to draw over the data.
std::vector<double> ModelCurve(const ModelFit& fit, const Response& response);

}  // namespace vork
