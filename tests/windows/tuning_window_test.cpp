#include "windows/tuning_window.h"

#include <gtest/gtest.h>

#include "support/tuning_plants.h"
#include "windows/controller_window.h"

namespace vork {
namespace {

// The test plant (gain 2, T 5 s, dead time 2 s) loaded as the open project, its loop in manual
// at 30 %, with the tuning page of loop 1.
struct TuningPage {
    TuningPage() {
        test::PlantSpec plantSpec;
        plantSpec.T1 = "5";
        plantSpec.deadTime = "2";
        EXPECT_TRUE(project.LoadBytes(test::PlantBytes(plantSpec), "plant").ok());
    }
    void Run(int passes) {
        for (int i = 0; i < passes; ++i)
            project.sim.EvaluationPass();
    }
    // A manual output step of 10 % after 10 s at rest, recorded for 35 s.
    void StepInManual() {
        Run(100);
        c().EnterOutput(40);
        Run(350);
    }
    Controller& c() { return *project.sim.controllers.Get(1); }
    void RunJob() {
        std::optional<TuningJob> job = w.Start();
        ASSERT_TRUE(job) << w.status;
        w.Finish(RunTuningJob(*job));
    }

    Project project;
    TuningWindow w{project, 1};
};

TEST(TuningWindow, FitsTheRecordedManualStep) {
    TuningPage p;
    p.StepInManual();
    p.w.CaptureTrend();
    const Response& data = p.w.data();
    ASSERT_EQ(data.size(), 450u);  // the whole ring, 0.1 s apart
    EXPECT_DOUBLE_EQ(data.t[1], 0.1);
    EXPECT_EQ(data.co.front(), 30);
    EXPECT_EQ(data.co.back(), 40);
    size_t step = 100;  // the step is the 101st sample
    EXPECT_EQ(data.co[step], 40);
    EXPECT_LT(p.w.cursor(), step);
    EXPECT_GT(p.w.cursor(), 0u);  // the steady part before is left out

    p.RunJob();
    ASSERT_EQ(p.w.modelRows.size(), 5u) << p.w.status;
    EXPECT_EQ(p.w.fitStart, p.w.cursor());
    EXPECT_EQ(p.w.curve.size(), data.size() - p.w.fitStart);
    EXPECT_NEAR(std::stod(p.w.modelRows[1].second), 2.0, 0.1);
    EXPECT_NEAR(std::stod(p.w.modelRows[2].second), 5.0, 0.5);
    EXPECT_NEAR(std::stod(p.w.modelRows[3].second), 2.0, 0.3);
    EXPECT_NEAR(p.w.curve.back(), data.pv.back(), 0.5);
    EXPECT_EQ(p.w.rows.size(), 8u);  // PI and PID of four rules
    EXPECT_EQ(p.w.chosen, 0);
    EXPECT_FALSE(p.w.busy());
}

TEST(TuningWindow, CopyWritesTheFieldsAndLeavesTheLatchedTuning) {
    TuningPage p;
    p.StepInManual();
    p.RunJob();
    ASSERT_GE(p.w.rows.size(), 2u);
    p.w.Choose(1);
    p.w.Choose(99);  // no such row: the choice stays
    ASSERT_EQ(p.w.chosen, 1);
    const SuggestionRow& row = p.w.rows[1];
    double latched = p.c().tuning.Kc;
    ASSERT_TRUE(p.w.CopyChosen());
    EXPECT_EQ(p.c().fields.KpText, row.kc);
    EXPECT_EQ(p.c().fields.KiText, row.ti);
    EXPECT_EQ(p.c().fields.KdText, row.td);
    EXPECT_EQ(p.c().fields.DCHK, row.kind == "PID");
    EXPECT_EQ(p.c().fields.Acaogroup, kRespostaDireta);  // the PV rises with the output
    EXPECT_EQ(p.c().tuning.Kc, latched);                 // until "Atualizar"
    EXPECT_TRUE(p.project.saved());
}

// The controller's window routes the copy through its own edit: "Atualizar" is then enabled and
// latches the set.
TEST(TuningWindow, CopyThroughTheControllerWindowWaitsForAtualizar) {
    TuningPage p;
    ControllerWindow faceplate(p.project, 1);
    p.StepInManual();
    p.RunJob();
    ASSERT_EQ(p.w.chosen, 0);
    ASSERT_TRUE(p.w.CopyChosen(
        [&](const std::function<void(ControllerFields&)>& edit) { faceplate.Edit(edit); }));
    EXPECT_TRUE(faceplate.applyPending);
    EXPECT_TRUE(faceplate.Apply().empty());
    EXPECT_EQ(SettingText(p.c().tuning.Kc), p.w.rows[0].kc);
    EXPECT_EQ(SettingText(p.c().tuning.Ti), p.w.rows[0].ti);
}

TEST(TuningWindow, CursorChoosesWhereTheFitStarts) {
    TuningPage p;
    p.StepInManual();
    p.w.CaptureTrend();
    p.w.PlaceCursor(2.05);
    EXPECT_EQ(p.w.cursor(), 21u);
    p.w.PlaceCursor(1e6);  // past the end: the last samples a fit needs
    EXPECT_EQ(p.w.cursor(), 440u);
    p.w.PlaceCursor(-5);
    EXPECT_EQ(p.w.cursor(), 0u);
    p.w.PlaceCursor(20);  // after the step: nothing left to fit
    EXPECT_FALSE(p.w.Start());
    EXPECT_EQ(p.w.status, "Não há degrau da saída (CO) depois do cursor.");
}

TEST(TuningWindow, RefusesWhatCannotStart) {
    TuningPage p;
    p.Run(50);
    p.w.language = Language::English;
    EXPECT_FALSE(p.w.Start());  // no step recorded
    EXPECT_EQ(p.w.status, "There is no step of the output (CO) after the cursor.");
    EXPECT_EQ(p.w.data().size(), 50u);  // captured on the way
    for (const char* amplitude : {"0", "100", "dez", ""}) {
        p.w.amplitudeText = amplitude;
        EXPECT_FALSE(p.w.Start()) << amplitude;
        EXPECT_EQ(p.w.status, "The step is a number above 0 and below 100 %.");
    }
    p.w.amplitudeText = "5,5";
    p.w.lambdaText = "-3";
    EXPECT_FALSE(p.w.Start());
    EXPECT_EQ(p.w.status, "Lambda is a time in seconds above 0, or empty.");
    p.w.lambdaText = "12";
    p.w.source = TuningSource::StepTest;
    std::optional<TuningJob> job = p.w.Start();
    ASSERT_TRUE(job);
    EXPECT_EQ(job->amplitude, 5.5);
    EXPECT_EQ(job->lambda, 12.0);
    EXPECT_TRUE(p.w.busy());
    EXPECT_FALSE(p.w.Start());  // one job at a time
    EXPECT_FALSE(p.w.CopyChosen());

    TuneReport stopped;
    stopped.cancelled = true;
    p.w.Finish(stopped);
    EXPECT_FALSE(p.w.busy());
    EXPECT_EQ(p.w.status, "Stopped.");
    EXPECT_TRUE(p.w.rows.empty());
}

TEST(TuningWindow, AutomaticStepTestOnACopyOfThePlant) {
    TuningPage p;
    std::string before = p.project.FileBytes();
    p.w.source = TuningSource::StepTest;
    p.RunJob();
    EXPECT_EQ(p.project.FileBytes(), before);
    ASSERT_FALSE(p.w.rows.empty()) << p.w.status;
    EXPECT_EQ(p.w.fitStart, 0u);
    EXPECT_EQ(p.w.curve.size(), p.w.data().size());
    EXPECT_LT(p.w.data().t.front(), 0);  // a minute at rest before the step
    EXPECT_NEAR(std::stod(p.w.modelRows[1].second), 2.0, 0.1);
    EXPECT_EQ(p.w.modelRows[0].second, "1ª ordem + t. morto");
}

}  // namespace
}  // namespace vork
