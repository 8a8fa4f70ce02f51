#pragma once

#include <string>

#include "fastsim/fast_run.h"

// The fast-simulation options that `run` and `grade` share.
namespace vork::cli {

// Each returns an empty text on success, else the usage error.
std::string ParseWindow(const std::string& value, RunInputs& in);    // 30min, 1h, 2h, 4h
std::string ParseTimeStep(const std::string& value, RunInputs& in);  // 100ms, 200ms, 500ms, 1s
std::string ParseTestStep(const std::string& value, RunInputs& in);  // none, sp:A, load:A

}  // namespace vork::cli
