#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/loop_score.h"
#include "analysis/process_model.h"
#include "analysis/step_test.h"
#include "analysis/tuning_rules.h"
#include "analysis/work_monitor.h"

namespace vork {

struct TuneRequest {
    int loop = 1;
    TestMethod method = TestMethod::OpenLoopStep;
    double amplitude = 10;         // percent, for the test and for the trial runs' setpoint step
    std::optional<double> lambda;  // IMC's closed-loop time constant, seconds
};

struct ScoredSuggestion {
    Suggestion suggestion;
    LoopScore score;
};

struct TuneReport {
    StepTestResult test;
    std::optional<ModelFit> fit;
    TuningTarget target;
    ScoreOptions scoreOptions;
    std::vector<ScoredSuggestion> ranked;  // settled sets first, then by IEMA, best first
    std::string error;                     // why the work stopped short
    bool cancelled = false;
};

// The whole assistant on a copy of the plant: the step test, the model, the suggestions for the
// loop's controller structure, and a trial run of each. The open project is never touched: the
// caller passes its file bytes. Progress runs 0..40 for the test, 40..50 for the fit, 50..100 for
// the trial runs.
TuneReport Tune(std::string_view projectBytes, const TuneRequest& request,
                const WorkMonitor& monitor = {});

// The suggestions for a model fitted elsewhere (a live trend, an archive), scored on a copy of the
// plant, ranked as Tune ranks them. A set after which the loop does not settle is tried again
// with its gain halved, up to three times; the first that settles takes its place.
std::vector<ScoredSuggestion> ScoreSuggestions(std::string_view projectBytes, int loop,
                                               const std::vector<Suggestion>& sets,
                                               const ScoreOptions& options,
                                               const WorkMonitor& monitor = {});

// The structure of the loop's controller as it was last validated, or nothing when the bytes
// hold no such loop.
std::optional<int> LoopStructure(std::string_view projectBytes, int loop);

}  // namespace vork
