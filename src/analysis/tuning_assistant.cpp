#include "analysis/tuning_assistant.h"

#include <algorithm>

#include "analysis/plant_copy.h"
#include "plant/controller.h"

namespace vork {

namespace {

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
            {sets[static_cast<size_t>(i)],
             ScoreSettings(projectBytes, loop, sets[static_cast<size_t>(i)], options, part)});
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
