#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "analysis/model_dynamics.h"
#include "analysis/process_model.h"
#include "analysis/step_test.h"
#include "support/tuning_plants.h"

namespace vork {
namespace {

using test::PlantSpec;

ModelFit Identify(const PlantSpec& plantSpec, TestMethod method = TestMethod::OpenLoopStep) {
    StepTestOptions o;
    o.method = method;
    StepTestResult test = RunStepTest(test::PlantBytes(plantSpec), o);
    EXPECT_EQ(test.error, "");
    EXPECT_TRUE(test.settledAfter || plantSpec.type == kIntegrator);
    FitResult fit = FitModel(test.response);
    EXPECT_EQ(fit.error, "");
    return fit.fit.value_or(ModelFit{});
}

std::string ExampleBytes(const std::string& file) {
    std::ifstream in(std::string(VORK_SOURCE_DIR) + "/examples/" + file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ModelFit IdentifyExample(const std::string& file, int loop) {
    StepTestOptions o;
    o.loop = loop;
    StepTestResult test = RunStepTest(ExampleBytes(file), o);
    EXPECT_EQ(test.error, "") << file;
    FitResult fit = FitModel(test.response);
    EXPECT_EQ(fit.error, "") << file;
    return fit.fit.value_or(ModelFit{});
}

void Print(const char* name, const ModelFit& fit) {
    std::printf("%-28s %s gain %.4g, time constant %.4g s, dead time %.4g s, rms %.3g %%\n", name,
                fit.model.kind == ModelKind::Integrating ? "integrating" : "fopdt", fit.model.gain,
                fit.model.timeConstant, fit.model.deadTime, fit.rmsError);
}

void ExpectModel(const ModelFit& fit, ModelKind kind, double gain, double timeConstant,
                 double deadTime, double share) {
    Print(::testing::UnitTest::GetInstance()->current_test_info()->name(), fit);
    EXPECT_EQ(fit.model.kind, kind);
    EXPECT_NEAR(fit.model.gain, gain, share * std::abs(gain));
    EXPECT_NEAR(fit.model.timeConstant, timeConstant, share * timeConstant);
    EXPECT_NEAR(fit.model.deadTime, deadTime, share * deadTime);
}

// Process block 1: gain 2, lag 20 s, dead time 5 s, read by the controller through block 1.
TEST(Identification, StepOnTheOutputRecoversTheBlock) {
    ExpectModel(Identify({}), ModelKind::Fopdt, 2, 20, 5, 0.05);
}

TEST(Identification, NoisyStepRecoversTheBlock) {
    PlantSpec plantSpec;
    plantSpec.noise = 2;  // uniform, +-2 % on every scan
    ExpectModel(Identify(plantSpec), ModelKind::Fopdt, 2, 20, 5, 0.15);
}

TEST(Identification, NegativeGainKeepsItsSign) {
    PlantSpec plantSpec;
    plantSpec.gain = "0.5";
    plantSpec.measured = "100-M21";
    plantSpec.co = 80;  // the PV rests at 60 % and falls
    ModelFit fit = Identify(plantSpec);
    ExpectModel(fit, ModelKind::Fopdt, -0.5, 20, 5, 0.05);
}

// The loop stays in automatic (Kc 0.5, Ti 10 s) and its setpoint steps.
TEST(Identification, SetpointStepInAutomaticRecoversTheBlock) {
    PlantSpec plantSpec;
    plantSpec.noise = 0.5;
    ExpectModel(Identify(plantSpec, TestMethod::ClosedLoopStep), ModelKind::Fopdt, 2, 20, 5, 0.1);
}

TEST(Identification, IntegratingProcessIsRecognised) {
    PlantSpec plantSpec;
    plantSpec.type = kIntegrator;
    plantSpec.gain = "0.02";
    plantSpec.input = "M01-50";  // balanced at an output of 50 %
    plantSpec.co = 50;
    ExpectModel(Identify(plantSpec), ModelKind::Integrating, 0.02, 0, 5, 0.05);
    plantSpec.noise = 2;
    ExpectModel(Identify(plantSpec), ModelKind::Integrating, 0.02, 0, 5, 0.15);
}

// The examples' loops under a wandering load as large as the answer to the step. A drift read
// over the whole record could trade with a late ramp of the opposite sign and pass the lag off as
// an integrator of the wrong sign, which turns every suggested set into positive feedback.
TEST(Identification, LagUnderAWanderingLoadKeepsItsSign) {
    for (int loop : {1, 3}) {  // cooled gas temperature, separator pressure
        ModelFit fit = IdentifyExample("coolingplant/coolingplant.smp", loop);
        Print("cooling plant loop", fit);
        EXPECT_EQ(fit.model.kind, ModelKind::Fopdt) << loop;
        EXPECT_LT(fit.model.gain, 0) << loop;
    }
}

// The level falls 0.00177 %/s for each % of pump speed; the inflow wanders by up to 8 %.
TEST(Identification, IntegratorUnderAWanderingInflow) {
    ModelFit fit = IdentifyExample("regulatory level/regulatory level.smp", 1);
    Print("regulatory level", fit);
    EXPECT_EQ(fit.model.kind, ModelKind::Integrating);
    EXPECT_NEAR(fit.model.gain, -0.00177, 0.15 * 0.00177);
}

// An integrator out of balance ramps before the step: the drift is read there.
TEST(Identification, DriftBeforeTheStep) {
    Response r;
    for (double t = 0; t <= 600; t += 0.5) {
        double since = t - 60 - 5;
        r.Add(t, 40 + 0.01 * t + (since > 0 ? 0.02 * since : 0), t >= 60 ? 60 : 50);
    }
    FitResult fit = FitModel(r);
    ASSERT_TRUE(fit.fit);
    ExpectModel(*fit.fit, ModelKind::Integrating, 0.002, 0, 5, 0.01);
    EXPECT_NEAR(fit.fit->drift, 0.01, 1e-6);
    EXPECT_NEAR(ModelCurve(*fit.fit, r).back(), r.pv.back(), 1e-3);
}

// Data sampled once a second, as an archive holds it, with the dead time between two samples.
Response SampledFopdt(double gain, double lag, double deadTime, double seconds) {
    Response r;
    for (double t = 0; t <= seconds; t += 1) {
        double co = t >= 10 ? 60 : 50;
        double since = t - 10 - deadTime;
        double pv = 30 + (since > 0 ? gain * 10 * (1 - std::exp(-since / lag)) : 0);
        r.Add(t, pv, co);
    }
    return r;
}

TEST(Identification, DeadTimeBetweenSamples) {
    FitResult fit = FitModel(SampledFopdt(1.5, 12, 3.4, 200));
    ASSERT_TRUE(fit.fit);
    // Held between samples, the step acts from its sample on: the fitted dead time carries the
    // exact 3.4 s once the data is sampled at the change.
    ExpectModel(*fit.fit, ModelKind::Fopdt, 1.5, 12, 3.4, 0.02);
    EXPECT_LT(fit.fit->rmsError, 0.05);
    std::vector<double> curve = ModelCurve(*fit.fit, SampledFopdt(1.5, 12, 3.4, 200));
    EXPECT_NEAR(curve.front(), 30, 0.05);
    EXPECT_NEAR(curve.back(), 45, 0.05);
}

TEST(Identification, ChosenModelKindIsFitted) {
    Response r = SampledFopdt(1.5, 12, 3.4, 200);
    EXPECT_EQ(FitModel(r, ModelChoice::Integrating).fit->model.kind, ModelKind::Integrating);
    EXPECT_EQ(FitModel(r, ModelChoice::Fopdt).fit->model.kind, ModelKind::Fopdt);
}

TEST(Identification, DataThatCannotBeFitted) {
    Response good = SampledFopdt(1.5, 12, 3.4, 60);
    Response few = good;
    few.t.resize(5), few.pv.resize(5), few.co.resize(5);
    EXPECT_EQ(FitModel(few).error, "too few samples to fit a model");
    Response uneven = good;
    uneven.pv.pop_back();
    EXPECT_EQ(FitModel(uneven).error, "the times, PV and CO samples differ in number");
    Response backwards = good;
    backwards.t[20] = backwards.t[19];
    EXPECT_EQ(FitModel(backwards).error, "the sample times do not increase");
    Response nan = good;
    nan.pv[3] = NAN;
    EXPECT_EQ(FitModel(nan).error, "the samples hold a value that is not a number");
    Response still = good;
    still.co.assign(still.size(), 50);
    EXPECT_EQ(FitModel(still).error, "the controller output did not change");
    Response deaf = good;
    deaf.pv.assign(deaf.size(), 42);
    EXPECT_EQ(FitModel(deaf).error, "the PV did not answer the change of the controller output");
}

TEST(ModelDynamics, FirstOrderAnswerWithAFractionalDelay) {
    std::vector<double> t, u;
    for (int i = 0; i <= 40; ++i) {
        t.push_back(i * 0.5);
        u.push_back(i >= 4 ? 1 : 0);  // steps at t = 2 s
    }
    std::vector<double> x = FirstOrderResponse(t, u, 4, 1.25);
    for (size_t i = 0; i < t.size(); ++i) {
        double since = t[i] - 3.25;
        EXPECT_NEAR(x[i], since > 0 ? 1 - std::exp(-since / 4) : 0, 1e-12) << t[i];
    }
    std::vector<double> area = IntegralResponse(t, u, 1.25);
    EXPECT_NEAR(area.back(), 20 - 3.25, 1e-12);
    EXPECT_EQ(area[6], 0);  // t = 3 s, before the delayed step
}

}  // namespace
}  // namespace vork
