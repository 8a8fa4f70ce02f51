#include <cstdio>
#include <string>
#include <vector>

#include "analysis/tuning_assistant.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/numbers.h"
#include "plant/controller.h"
#include "project/project.h"

namespace vork::cli {

namespace {

constexpr const char* kUsage =
    "usage: vork-sim tune FILE --loop N [--method step|closed] [--amplitude A] [--lambda S] "
    "[--csv]\n";

constexpr const char* kHelp =
    "usage: vork-sim tune FILE --loop N [--method step|closed] [--amplitude A] [--lambda S] "
    "[--csv]\n"
    "\n"
    "Suggests PI and PID settings for loop N (controller slot 1..10). Everything runs on a copy\n"
    "of the plant; the file is only read.\n"
    "\n"
    "  --method step    (default) the loop goes to manual at its present output. Once the plant\n"
    "                   has settled (the PV's mean over a minute moves less than 0.1 % from the\n"
    "                   minute before; at most ten minutes) the output steps by A and the PV is\n"
    "                   recorded until it has answered and settled again (at most an hour).\n"
    "  --method closed  the loop stays in automatic with its present settings (a loop in manual\n"
    "                   is switched to automatic at its present PV); once settled, its setpoint\n"
    "                   steps by A. The model is fitted to how the PV followed the controller's\n"
    "                   own output, so the plant stays under control throughout. It needs\n"
    "                   settings that already hold the loop, and heavy noise or load disturbances\n"
    "                   bias it more than the open step.\n"
    "  --amplitude A    step in percent, 0 < A < 100 (default 10); downwards when upwards would\n"
    "                   pass 100 %. The trial runs step the setpoint by the same amount.\n"
    "  --lambda S       IMC closed-loop time constant in seconds (default: the larger of the\n"
    "                   time constant and the dead time)\n"
    "  --csv            for scripts: first\n"
    "                     model,<gain %/%>,<time constant s>,<dead time s>,<rms fit error %>,"
    "<fopdt|integrating>\n"
    "                   (an integrating model gives its rate in %/s per % as gain and 0 as\n"
    "                   time constant), then one line per suggestion, best first:\n"
    "                     <method>,<P|PI|PID>,<Kc>,<Ti s>,<Td s>,<IEMA %>\n"
    "\n"
    "The model, first order plus dead time or integrating where the PV ramps, is fitted by least\n"
    "squares over the whole response. The settings follow SIMC (tau_c = dead time; the PID adds a\n"
    "derivative of a third of the dead time in series), IMC/lambda, the Ziegler-Nichols reaction\n"
    "curve and Cohen-Coon, converted to the controller's structure (ISA or parallel) with Ti and\n"
    "Td in seconds and the action from the sign of the gain. Each set is scored by a fast\n"
    "simulation at 100 ms with a setpoint step on this loop alone, and the sets are listed by\n"
    "IEMA, best first. A set after which the loop did not settle is tried again with its Kc\n"
    "halved (the reset and rate times kept), up to three times, and the first that settles is\n"
    "listed with a note; when none settles, the rule's set comes last and is marked.\n"
    "\n"
    "Exit status: 0 done; 1 the file did not load, or the test or the fit failed; 2 usage error.\n";

struct TuneOptions {
    std::string file;
    TuneRequest request;
    bool csv = false;
};

int Refuse(const std::string& reason) {
    return UsageError("tune", reason, kUsage);
}

// Returns 0, or the exit status of a usage error.
int ParseTune(const std::vector<std::string>& args, TuneOptions& o) {
    Arguments a;
    std::string error =
        SplitArguments(args, {"--loop", "--method", "--amplitude", "--lambda"}, {"--csv"}, a);
    if (!error.empty()) return Refuse(error);
    if (a.positional.size() != 1) return Refuse("give one FILE");
    o.file = a.positional[0];
    o.csv = a.flags.count("--csv") != 0;
    if (!a.Has("--loop")) return Refuse("--loop N is required");
    std::optional<int> loop = ParseStrictInt(a.values["--loop"]);
    if (!loop || *loop < 1 || *loop > 10) return Refuse("--loop takes 1 to 10");
    o.request.loop = *loop;
    std::string method = a.Has("--method") ? a.values["--method"] : "step";
    if (method != "step" && method != "closed") return Refuse("--method takes step or closed");
    o.request.method = method == "step" ? TestMethod::OpenLoopStep : TestMethod::ClosedLoopStep;
    if (a.Has("--amplitude")) {
        std::optional<double> amplitude = ParsePositive(a.values["--amplitude"], 100);
        if (!amplitude) return Refuse("--amplitude takes a percentage above 0 and below 100");
        o.request.amplitude = *amplitude;
    }
    if (a.Has("--lambda")) {
        o.request.lambda = ParsePositive(a.values["--lambda"], 1e9);
        if (!o.request.lambda) return Refuse("--lambda takes seconds above 0");
    }
    return 0;
}

// Four significant digits, for the model's figures.
std::string Figure(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", x);
    return text;
}

void PrintCsv(const TuneReport& r) {
    const ProcessModel& m = r.fit->model;
    bool integrating = m.kind == ModelKind::Integrating;
    std::printf("model,%s,%s,%s,%s,%s\n", Figure(m.gain).c_str(), Figure(m.timeConstant).c_str(),
                Figure(m.deadTime).c_str(), Figure(r.fit->rmsError).c_str(),
                integrating ? "integrating" : "fopdt");
    for (const ScoredSuggestion& s : r.ranked) {
        const PidSettings& p = s.suggestion.settings;
        std::printf("%s,%s,%s,%s,%s,%s\n", MethodName(s.suggestion.method),
                    KindName(s.suggestion.kind), SettingText(p.Kc).c_str(),
                    SettingText(p.Ti).c_str(), SettingText(p.Td).c_str(),
                    Figure(s.score.indices.iema).c_str());
    }
}

void PrintModel(const TuneReport& r, const std::string& tag, const TuneRequest& q) {
    const StepTestResult& t = r.test;
    bool open = q.method == TestMethod::OpenLoopStep;
    std::printf("Loop %d %s: %s step of %s %% after %.0f s of settling%s; recorded %.0f s%s.\n",
                q.loop, tag.c_str(), open ? "output (open loop)" : "setpoint (closed loop)",
                Figure(t.appliedStep).c_str(), t.settleSeconds,
                t.settledBefore ? "" : " (not settled)", t.response.t.back(),
                t.settledAfter ? ", settled again" : ", not settled again");
    const ProcessModel& m = r.fit->model;
    if (m.kind == ModelKind::Integrating)
        std::printf("Model: integrating, rate %s %%/s per %%, dead time %s s",
                    Figure(m.gain).c_str(), Figure(m.deadTime).c_str());
    else
        std::printf(
            "Model: first order plus dead time, gain %s %%/%%, time constant %s s, dead time "
            "%s s",
            Figure(m.gain).c_str(), Figure(m.timeConstant).c_str(), Figure(m.deadTime).c_str());
    std::printf(", rms fit error %s %%.\n", Figure(r.fit->rmsError).c_str());
}

std::string Note(const ScoredSuggestion& s) {
    if (!s.score.settled) return "  did not settle";
    if (s.suggestion.halvings == 0) return "";
    return "  rule's Kc / " + std::to_string(1 << s.suggestion.halvings);
}

void PrintTable(const TuneReport& r) {
    bool parallel = r.target.structure == kParalela;
    int action = r.ranked.empty() ? kRespostaDireta : r.ranked.front().suggestion.action;
    std::printf(
        "Settings for the %s structure, action \"%s\"; trial runs of %d min at 100 ms with "
        "a setpoint step of %s %%.\n\n",
        parallel ? "parallel" : "ISA",
        action == kRespostaReversa ? "Resposta Reversa" : "Resposta Direta",
        r.scoreOptions.windowSeconds / 60, Figure(r.scoreOptions.amplitude).c_str());
    std::printf("%-7s %-5s %10s %10s %10s %10s\n", "method", "kind", "Kc", "Ti (s)", "Td (s)",
                "IEMA (%)");
    for (const ScoredSuggestion& s : r.ranked) {
        const PidSettings& p = s.suggestion.settings;
        std::printf("%-7s %-5s %10s %10s %10s %10s%s\n", MethodName(s.suggestion.method),
                    KindName(s.suggestion.kind), SettingText(p.Kc).c_str(),
                    SettingText(p.Ti).c_str(), SettingText(p.Td).c_str(),
                    Fixed(s.score.indices.iema, 3).c_str(), Note(s).c_str());
    }
}

}  // namespace

// Loads a project, identifies a model of one loop and scores the settings that rules derive.
int Tune(const std::vector<std::string>& args) {
    if (AsksForHelp(args)) return PrintHelp(kHelp);
    TuneOptions o;
    if (int status = ParseTune(args, o)) return status;
    Project project;
    FileResult loaded = project.Load(o.file);
    if (!loaded.ok()) {
        std::fprintf(stderr, "vork-sim tune: %s: %s\n", o.file.c_str(), loaded.error.c_str());
        return 1;
    }
    const Controller* c = project.sim.controllers.Get(o.request.loop);
    std::string tag = c ? c->fields.TagText : "";
    TuneReport report = vork::Tune(project.FileBytes(), o.request);
    if (!report.error.empty() || !report.fit) {
        std::fprintf(stderr, "vork-sim tune: %s: loop %d: %s\n", o.file.c_str(), o.request.loop,
                     report.error.c_str());
        return 1;
    }
    if (o.csv) {
        PrintCsv(report);
    } else {
        PrintModel(report, tag, o.request);
        PrintTable(report);
    }
    return 0;
}

}  // namespace vork::cli
