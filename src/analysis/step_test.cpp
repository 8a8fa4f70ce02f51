#include "analysis/step_test.h"

#include <cmath>

#include "analysis/plant_copy.h"
#include "engine/numbers.h"
#include "plant/controller.h"

namespace vork {

namespace {

constexpr int kSettleMinutes = 10;
constexpr int kRecordMinutes = 60;
constexpr double kSettledMove = 0.1;  // percent between the means of two minutes
constexpr double kLeastAnswer = 0.2;  // percent away from the level before the step
constexpr double kAnswerNoises = 2;   // standard deviations of the PV at rest
constexpr double kRangeMargin = 0.5;  // percent from either end of the range

double Mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v)
        sum += x;
    return sum / static_cast<double>(v.size());
}

double Deviation(const std::vector<double>& v) {
    double m = Mean(v), q = 0;
    for (double x : v)
        q += (x - m) * (x - m);
    return std::sqrt(q / static_cast<double>(v.size()));
}

bool AtRangeEnd(double pv) {
    return pv < kRangeMargin || pv > 100 - kRangeMargin;
}

// Drops the samples from the first one after `from` whose PV reached an end of the range, where
// the plant's limits, not the process, shape the response. Returns whether it dropped any.
bool TrimAtRangeEnd(Response& r, size_t from) {
    for (size_t i = from; i < r.size(); ++i) {
        if (!AtRangeEnd(r.pv[i])) continue;
        r.t.resize(i);
        r.pv.resize(i);
        r.co.resize(i);
        return true;
    }
    return false;
}

// Steps one plant minute by minute, recording the loop when asked.
class Tester {
  public:
    Tester(Simulation& sim, const LoopAccess& loop, const StepTestOptions& o,
           const WorkMonitor& monitor)
        : sim_(sim),
          loop_(loop),
          o_(o),
          progress_(monitor),
          passesPerMinute_(RoundDecimalQuotient(60.0 / o.dt)),
          totalPasses_(passesPerMinute_ * (kSettleMinutes + 1 + kRecordMinutes)) {}

    bool Cancelled() const { return progress_.Cancelled(); }

    // One minute; samples go to `record` (t counted from `passAtStep`) when it is given.
    void Minute(Response* record, std::vector<double>& pvs) {
        pvs.clear();
        for (long long p = 0; p < passesPerMinute_; ++p) {
            StepPlant(sim_, o_.dt);
            ++pass_;
            double pv = sim_.vars.Read(loop_.pvAddress);
            pvs.push_back(pv);
            if (record)
                record->Add(static_cast<double>(pass_ - passAtStep_) * o_.dt, pv,
                            loop_.controller->state.CO);
        }
        progress_.Report(static_cast<double>(pass_), static_cast<double>(totalPasses_));
    }

    // Until two successive minute means differ by less than the settled move; adds the time
    // taken to `seconds`.
    bool Settle(double& seconds) {
        std::vector<double> pvs;
        double last = NAN;
        for (int m = 1; m <= kSettleMinutes; ++m) {
            if (Cancelled()) return false;
            Minute(nullptr, pvs);
            seconds += 60.0;
            double mean = Mean(pvs);
            if (std::abs(mean - last) < kSettledMove) return true;
            last = mean;
        }
        return false;
    }

    void MarkStep() { passAtStep_ = pass_ + passesPerMinute_; }

    // Records until the PV has answered and settled, left the range, or the hour is over.
    // Returns whether it settled.
    bool RecordAnswer(Response& record, double restMean, double restDeviation) {
        std::vector<double> pvs;
        double last = NAN;
        double least = std::max(kLeastAnswer, kAnswerNoises * restDeviation);
        for (int m = 1; m <= kRecordMinutes && !Cancelled(); ++m) {
            size_t from = record.size();
            Minute(&record, pvs);
            if (TrimAtRangeEnd(record, from)) return false;
            double mean = Mean(pvs);
            bool answered = std::abs(mean - restMean) > least;
            if (answered && std::abs(mean - last) < kSettledMove) return true;
            last = mean;
        }
        return false;
    }

  private:
    Simulation& sim_;
    const LoopAccess& loop_;
    const StepTestOptions& o_;
    ProgressCounter progress_;
    long long passesPerMinute_, totalPasses_;
    long long pass_ = 0, passAtStep_ = 0;
};

// The step with its sign: upwards unless that passes 100 %; 0 when neither way fits.
double StepWithin(double from, double amplitude) {
    if (from + amplitude <= 100) return amplitude;
    if (from - amplitude >= 0) return -amplitude;
    return 0;
}

std::string Percent(double x) {
    return Fixed(x, 1) + " %";
}

// Makes the step; returns the error when it does not fit.
std::string ApplyStep(const StepTestOptions& o, const LoopAccess& loop, StepTestResult& out) {
    ControllerState& s = loop.controller->state;
    double& target = o.method == TestMethod::OpenLoopStep ? s.CO : s.SP;
    out.appliedStep = StepWithin(target, o.amplitude);
    if (out.appliedStep == 0)
        return "a step of " + Percent(o.amplitude) + " from " + Percent(target) +
               " leaves the range 0..100 %";
    target += out.appliedStep;
    return "";
}

StepTestResult RunOn(Simulation& sim, const LoopAccess& loop, const StepTestOptions& o,
                     const WorkMonitor& monitor) {
    StepTestResult out;
    Tester tester(sim, loop, o, monitor);
    if (o.method == TestMethod::OpenLoopStep) {
        loop.controller->state.AutoMode = false;
    } else if (!loop.controller->state.AutoMode) {
        // From manual the loop takes the PV as its setpoint, so the plant comes to rest first.
        tester.Settle(out.settleSeconds);
        SwitchToAutomatic(sim, loop);
    }
    out.settledBefore = tester.Settle(out.settleSeconds);
    tester.MarkStep();
    std::vector<double> rest;
    if (!tester.Cancelled()) tester.Minute(&out.response, rest);
    if (tester.Cancelled()) {
        out.cancelled = true;
        return out;
    }
    double restMean = Mean(rest);
    if (AtRangeEnd(restMean)) {
        out.error = "the PV rests at " + Percent(restMean) + ", at the end of its range";
        return out;
    }
    out.error = ApplyStep(o, loop, out);
    if (!out.error.empty()) return out;
    out.settledAfter = tester.RecordAnswer(out.response, restMean, Deviation(rest));
    out.cancelled = tester.Cancelled();
    return out;
}

}  // namespace

StepTestResult RunStepTest(std::string_view projectBytes, const StepTestOptions& o,
                           const WorkMonitor& monitor) {
    StepTestResult out;
    if (!(o.amplitude > 0 && o.amplitude < 100) || !(o.dt > 0 && o.dt <= 1)) {
        out.error = "the step amplitude must lie between 0 and 100 % and the time step in 0..1 s";
        return out;
    }
    PlantCopy copy = LoadPlantCopy(projectBytes);
    if (!copy.project) {
        out.error = copy.error;
        return out;
    }
    Simulation& sim = copy.project->sim;
    LoopAccess loop = FindLoop(sim, o.loop);
    if (!loop.controller) {
        out.error = loop.error;
        return out;
    }
    return RunOn(sim, loop, o, monitor);
}

}  // namespace vork
