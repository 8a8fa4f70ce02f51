#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: vork-sim COMMAND [ARGUMENTS]   (vork-sim COMMAND --help for one command)\n"
    "\n"
    "  eval [--set Mnn=VALUE]... EXPRESSION   evaluate an expression as the simulator does\n"
    "  check FILE                             load a project and print its check messages\n"
    "  resave IN OUT                          load a project and save it again\n"
    "  step FILE [--passes N] ...             run evaluation passes, print variables as CSV\n"
    "  run FILE [--window W] [--step S] ...   fast simulation and performance indices\n"
    "  tune FILE --loop N [--method M] ...    step test, process model and suggested settings\n"
    "  grade DIR [--jobs N] [--csv OUT] ...   fast simulation of every project in a folder\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "eval") return vork::cli::Eval(args);
    if (command == "check") return vork::cli::Check(args);
    if (command == "resave") return vork::cli::Resave(args);
    if (command == "step") return vork::cli::Step(args);
    if (command == "run") return vork::cli::Run(args);
    if (command == "tune") return vork::cli::Tune(args);
    if (command == "grade") return vork::cli::Grade(args);
    std::fprintf(stderr, "vork-sim: unknown command '%s'\n", command.c_str());
    std::fputs(kUsage, stderr);
    return 2;
}
