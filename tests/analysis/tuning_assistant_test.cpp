#include "analysis/tuning_assistant.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fastsim/fast_run.h"
#include "plant/controller.h"
#include "support/tuning_plants.h"

namespace vork {
namespace {

// The test plant with its loop in automatic at Kc 0.5, Ti 10 s.
std::string LoopInAutomatic() {
    Project project;
    EXPECT_TRUE(project.LoadBytes(test::PlantBytes({}), "plant").ok());
    Controller& c = *project.sim.controllers.Get(1);
    c.state.SP = project.sim.vars.Read(41);
    c.state.AutoMode = true;
    return project.FileBytes();
}

Suggestion Pi(double kc, double ti) {
    Suggestion s;
    s.settings = {kc, ti, 0};
    return s;
}

// On a plant of one loop, the trial run of the loop's own settings is the fast simulation with
// a setpoint step at 100 ms.
TEST(LoopScore, TrialRunIsTheFastSimulation) {
    std::string bytes = LoopInAutomatic();
    Project project;
    ASSERT_TRUE(project.LoadBytes(bytes, "plant").ok());
    RunInputs in;
    in.dt = 0.1;
    in.signal = TestSignal::SetpointStep;
    LoopCurveSet charts;
    ResultsTables tables;
    RunFastSimulation(project.sim, in, charts, tables);
    LoopScore score = ScoreSettings(bytes, 1, Pi(0.5, 10), {});
    ASSERT_EQ(score.error, "");
    EXPECT_EQ(score.curves.pv, charts[0].pv);
    EXPECT_EQ(score.indices.iema, ScoreValues(charts[0])->iema);
    EXPECT_TRUE(score.settled);
}

TEST(LoopScore, AnOscillatingLoopHasNotSettled) {
    LoopScore score = ScoreSettings(LoopInAutomatic(), 1, Pi(20, 2), {});
    EXPECT_FALSE(score.settled);
    EXPECT_GT(score.indices.coSaturation, 10);
    EXPECT_EQ(ScoreSettings(LoopInAutomatic(), 3, Pi(1, 1), {}).error, "loop 3 has no controller");
}

TEST(LoopScore, WindowLongEnoughForTheSlowestSet) {
    std::vector<Suggestion> sets{Pi(1, 20)};
    EXPECT_EQ(ScoreWindowFor({ModelKind::Fopdt, 1, 20, 5}, sets), 1800);
    EXPECT_EQ(ScoreWindowFor({ModelKind::Fopdt, 1, 300, 5}, sets), 3600);
    EXPECT_EQ(ScoreWindowFor({ModelKind::Fopdt, 1, 5000, 5}, sets), 14400);
    sets.push_back(Pi(0.5, 400));  // parallel: Ti / Kc, so 200 s in ISA terms
    sets.back().structure = kParalela;
    EXPECT_EQ(ScoreWindowFor({ModelKind::Fopdt, 1, 20, 5}, sets), 3600);
}

TEST(TuningAssistant, RanksTheSuggestionsByTheirTrialRuns) {
    std::vector<int> progress;
    WorkMonitor monitor;
    monitor.progress = [&](int p) { progress.push_back(p); };
    std::string bytes = test::PlantBytes({});
    TuneReport r = Tune(bytes, {}, monitor);
    ASSERT_EQ(r.error, "");
    ASSERT_TRUE(r.fit);
    ASSERT_EQ(r.ranked.size(), 8u);
    EXPECT_TRUE(std::is_sorted(r.ranked.begin(), r.ranked.end(), [](auto& a, auto& b) {
        return a.score.indices.iema < b.score.indices.iema;
    }));
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
    // The same suggestions scored from the recorded response, as a window would do it.
    std::vector<Suggestion> sets = SuggestSettings(r.fit->model, r.target);
    std::vector<ScoredSuggestion> again = ScoreSuggestions(bytes, 1, sets, r.scoreOptions);
    ASSERT_EQ(again.size(), 8u);
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(again[i].score.indices.iema, r.ranked[i].score.indices.iema);
}

// Trial runs that leave the loop unsettled are tried again with half the gain, at most three
// times; a set none of whose forms settles stays as the rule gave it, last.
TEST(TuningAssistant, DetunesASetThatLeavesTheLoopUnsettled) {
    std::vector<ScoredSuggestion> r =
        ScoreSuggestions(LoopInAutomatic(), 1, {Pi(20, 2), Pi(4, 20), Pi(0.5, 10)}, {});
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].suggestion.settings.Kc, 2);
    EXPECT_EQ(r[0].suggestion.settings.Ti, 20);
    EXPECT_EQ(r[0].suggestion.halvings, 1);
    EXPECT_TRUE(r[0].score.settled);
    EXPECT_EQ(r[1].suggestion.halvings, 0);
    EXPECT_EQ(r[1].suggestion.settings.Kc, 0.5);
    EXPECT_EQ(r[2].suggestion.settings.Kc, 20);
    EXPECT_EQ(r[2].suggestion.halvings, 0);
    EXPECT_FALSE(r[2].score.settled);
}

TEST(TuningAssistant, LambdaChangesOnlyImc) {
    std::string bytes = test::PlantBytes({});
    TuneRequest slow;
    slow.lambda = 60;
    TuneReport a = Tune(bytes, {}), b = Tune(bytes, slow);
    for (const ScoredSuggestion& s : b.ranked) {
        auto same = std::find_if(a.ranked.begin(), a.ranked.end(), [&](auto& x) {
            return x.suggestion.method == s.suggestion.method &&
                   x.suggestion.kind == s.suggestion.kind;
        });
        bool imc = s.suggestion.method == TuningMethod::Imc;
        EXPECT_EQ(same->suggestion.settings.Kc == s.suggestion.settings.Kc, !imc);
    }
}

TEST(TuningAssistant, StopsWhenCancelledWhileScoring) {
    WorkMonitor monitor;
    int reached = 0;
    monitor.progress = [&](int p) { reached = std::max(reached, p); };
    monitor.cancelled = [&] { return reached >= 60; };
    TuneReport r = Tune(test::PlantBytes({}), {}, monitor);
    EXPECT_TRUE(r.cancelled);
    EXPECT_LT(r.ranked.size(), 8u);
}

TEST(TuningAssistant, ReportsWhyItStopped) {
    TuneRequest request;
    request.loop = 4;
    EXPECT_EQ(Tune(test::PlantBytes({}), request).error, "loop 4 has no controller");
    test::PlantSpec deaf;
    deaf.gain = "0";
    deaf.measured = "M21+50";
    EXPECT_EQ(Tune(test::PlantBytes(deaf), {}).error,
              "the PV did not answer the change of the controller output");
}

}  // namespace
}  // namespace vork
