#include "analysis/tuning_assistant.h"

#include <algorithm>

#include "analysis/plant_copy.h"
#include "plant/controller.h"

namespace vork {

namespace {

// A rule's set that leaves the loop unsettled has its gain halved, at most this many times,
// until a trial run settles: rules read from a first-order model can overrate the margin of a
// process that rings or has lags the model folds into its dead time.
constexpr int kMostHalvings = 3;

bool Better(const ScoredSuggestion& a, const ScoredSuggestion& b) {
    if (a.score.settled != b.score.settled) return a.score.settled;
    return a.score.indices.iema < b.score.indices.iema;
}

// A monitor that reports into [from, to] of `owner`'s range.
WorkMonitor Part(const WorkMonitor& owner, int from, int to) {
    WorkMonitor part;
    part.cancelled = owner.cancelled;
    if (owner.progress)
        part.progress = [&owner, from, to](int percent) {
            owner.progress(from + percent * (to - from) / 100);
        };
    return part;
}

// The set's trial run, and those of its detuned forms while the loop does not settle. When none
// settles, the rule's own set and its run.
ScoredSuggestion ScoreUntilSettled(std::string_view projectBytes, int loop, const Suggestion& set,
                                   const ScoreOptions& options, const WorkMonitor& monitor) {
    ScoredSuggestion first{set, ScoreSettings(projectBytes, loop, set, options, monitor)};
    WorkMonitor quiet;
    quiet.cancelled = monitor.cancelled;
    ScoredSuggestion tried = first;
    while (!tried.score.settled && tried.score.error.empty() && !quiet.Cancelled() &&
           tried.suggestion.halvings < kMostHalvings) {
        Suggestion detuned = HalvedGain(tried.suggestion);
        tried = {detuned, ScoreSettings(projectBytes, loop, detuned, options, quiet)};
    }
    return tried.score.settled ? tried : first;
}

}  // namespace

std::optional<int> LoopStructure(std::string_view projectBytes, int loop) {
    PlantCopy copy = LoadPlantCopy(projectBytes);
    if (!copy.project) return std::nullopt;
    LoopAccess access = FindLoop(copy.project->sim, loop);
    if (!access.controller) return std::nullopt;
    return access.controller->tuning.Estrutura;
}

std::vector<ScoredSuggestion> ScoreSuggestions(std::string_view projectBytes, int loop,
                                               const std::vector<Suggestion>& sets,
                                               const ScoreOptions& options,
                                               const WorkMonitor& monitor) {
    std::vector<ScoredSuggestion> scored;
    const int count = static_cast<int>(sets.size());
    for (int i = 0; i < count && !monitor.Cancelled(); ++i) {
        WorkMonitor part = Part(monitor, 100 * i / count, 100 * (i + 1) / count);
        scored.push_back(
            ScoreUntilSettled(projectBytes, loop, sets[static_cast<size_t>(i)], options, part));
    }
    std::stable_sort(scored.begin(), scored.end(), Better);
    return scored;
}

TuneReport Tune(std::string_view projectBytes, const TuneRequest& request,
                const WorkMonitor& monitor) {
    TuneReport report;
    std::optional<int> structure = LoopStructure(projectBytes, request.loop);
    StepTestOptions test;
    test.loop = request.loop;
    test.method = request.method;
    test.amplitude = request.amplitude;
    report.test = RunStepTest(projectBytes, test, Part(monitor, 0, 40));
    report.cancelled = report.test.cancelled;
    report.error = report.test.error;
    if (report.cancelled || !report.error.empty() || !structure) return report;
    FitResult fit = FitModel(report.test.response);
    if (!fit.fit) {
        report.error = fit.error;
        return report;
    }
    report.fit = fit.fit;
    if (monitor.progress) monitor.progress(50);
    report.target = {*structure, request.lambda};
    std::vector<Suggestion> sets = SuggestSettings(fit.fit->model, report.target);
    report.scoreOptions.amplitude = request.amplitude;
    report.scoreOptions.windowSeconds = ScoreWindowFor(fit.fit->model, sets);
    report.ranked = ScoreSuggestions(projectBytes, request.loop, sets, report.scoreOptions,
                                     Part(monitor, 50, 100));
    report.cancelled = monitor.Cancelled();
    return report;
}

}  // namespace vork
